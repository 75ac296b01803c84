/* A checkerboard decal lit by a light map that brightens from left to right.
 * The runtime manages the textures: the program names each one once, and
 * binding the fragment program binds them. */
#include "example.h"

static const char* title = "textured_quad";
static CGcontext context;
static ProgramPair programs;

enum { CHECKS = 8, RAMP = 64 };

/* Orange and blue checks. */
static GLuint makeDecal(void) {
    unsigned char rgb[CHECKS * CHECKS * 3];
    int x, y;
    for (y = 0; y < CHECKS; ++y)
        for (x = 0; x < CHECKS; ++x) {
            unsigned char* p = rgb + (y * CHECKS + x) * 3;
            int orange = (x + y) % 2 == 0;
            p[0] = orange ? 255 : 40;
            p[1] = orange ? 150 : 90;
            p[2] = orange ? 0 : 255;
        }
    return makeTexture2D(CHECKS, CHECKS, rgb, GL_NEAREST);
}

/* Grey from a quarter on the left to full on the right. */
static GLuint makeLightMap(void) {
    unsigned char rgb[RAMP * 3];
    int x;
    for (x = 0; x < RAMP; ++x)
        rgb[x * 3] = rgb[x * 3 + 1] = rgb[x * 3 + 2] = (unsigned char)(64 + x * 191 / (RAMP - 1));
    return makeTexture2D(RAMP, 1, rgb, GL_LINEAR);
}

static void display(void) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    bindProgramPair(context, title, &programs);  /* binds the two textures too */
    setStateMatrix(context, title, programs.vertex, "modelViewProj",
                   CG_GL_MODELVIEW_PROJECTION_MATRIX, CG_GL_MATRIX_IDENTITY);
    cgUpdateProgramParameters(programs.vertex);
    checkForCgError(context, title, "updating the parameters");

    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(0, 0);
    glTexCoord2f(1, 0); glVertex2f(1, 0);
    glTexCoord2f(1, 1); glVertex2f(1, 1);
    glTexCoord2f(0, 1); glVertex2f(0, 1);
    glEnd();

    unbindProgramPair(&programs);
    finishFrame();
}

int main(int argc, char** argv) {
    openWindow(&argc, argv, title);
    glutDisplayFunc(display);

    context = createCgContext(title);
    cgGLSetManageTextureParameters(context, CG_TRUE);
    checkForCgError(context, title, "managing texture parameters");
    programs = loadProgramPair(context, title, "textured_quad_vertex.cg", "textured_quad_fragment.cg");

    cgGLSetTextureParameter(cgGetNamedParameter(programs.fragment, "decal"), makeDecal());
    cgGLSetTextureParameter(cgGetNamedParameter(programs.fragment, "lightMap"), makeLightMap());
    checkForCgError(context, title, "naming the textures");

    glutMainLoop();
    return 0;
}
