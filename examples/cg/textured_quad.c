/* A checkerboard decal lit by a light map that brightens from left to right.
 * The runtime manages the textures: the program names each one once, and
 * binding the fragment program binds them. */
#include "example.h"

static const char* title = "textured_quad";
static CGcontext context;
static CGprofile vertexProfile, fragmentProfile;
static CGprogram vertexProgram, fragmentProgram;
static CGparameter modelViewProj;

enum { CHECKS = 8, RAMP = 64 };

static GLuint makeTexture(int width, int height, const unsigned char* rgb, GLint filter) {
    GLuint texture;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return texture;
}

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
    return makeTexture(CHECKS, CHECKS, rgb, GL_NEAREST);
}

/* Grey from a quarter on the left to full on the right. */
static GLuint makeLightMap(void) {
    unsigned char rgb[RAMP * 3];
    int x;
    for (x = 0; x < RAMP; ++x)
        rgb[x * 3] = rgb[x * 3 + 1] = rgb[x * 3 + 2] = (unsigned char)(64 + x * 191 / (RAMP - 1));
    return makeTexture(RAMP, 1, rgb, GL_LINEAR);
}

static void display(void) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    cgGLBindProgram(vertexProgram);
    cgGLEnableProfile(vertexProfile);
    cgGLBindProgram(fragmentProgram);
    cgGLEnableProfile(fragmentProfile);
    checkForCgError(context, title, "binding the programs");
    cgGLSetStateMatrixParameter(modelViewProj, CG_GL_MODELVIEW_PROJECTION_MATRIX,
                                CG_GL_MATRIX_IDENTITY);
    cgUpdateProgramParameters(vertexProgram);
    checkForCgError(context, title, "updating the parameters");

    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(0, 0);
    glTexCoord2f(1, 0); glVertex2f(1, 0);
    glTexCoord2f(1, 1); glVertex2f(1, 1);
    glTexCoord2f(0, 1); glVertex2f(0, 1);
    glEnd();

    cgGLDisableProfile(vertexProfile);
    cgGLDisableProfile(fragmentProfile);
    finishFrame();
}

int main(int argc, char** argv) {
    openWindow(&argc, argv, title);
    glutDisplayFunc(display);

    context = cgCreateContext();
    checkForCgError(context, title, "creating the context");
    cgGLSetDebugMode(CG_FALSE);
    cgSetParameterSettingMode(context, CG_DEFERRED_PARAMETER_SETTING);
    cgGLSetManageTextureParameters(context, CG_TRUE);
    checkForCgError(context, title, "managing texture parameters");

    vertexProfile = cgGLGetLatestProfile(CG_GL_VERTEX);
    cgGLSetOptimalOptions(vertexProfile);
    vertexProgram = cgCreateProgramFromFile(context, CG_SOURCE, "textured_quad_vertex.cg",
                                            vertexProfile, "main", NULL);
    checkForCgError(context, title, "creating the vertex program");
    cgGLLoadProgram(vertexProgram);
    checkForCgError(context, title, "loading the vertex program");
    modelViewProj = cgGetNamedParameter(vertexProgram, "modelViewProj");

    fragmentProfile = cgGLGetLatestProfile(CG_GL_FRAGMENT);
    cgGLSetOptimalOptions(fragmentProfile);
    fragmentProgram = cgCreateProgramFromFile(context, CG_SOURCE, "textured_quad_fragment.cg",
                                              fragmentProfile, "main", NULL);
    checkForCgError(context, title, "creating the fragment program");
    cgGLLoadProgram(fragmentProgram);
    checkForCgError(context, title, "loading the fragment program");

    cgGLSetTextureParameter(cgGetNamedParameter(fragmentProgram, "decal"), makeDecal());
    cgGLSetTextureParameter(cgGetNamedParameter(fragmentProgram, "lightMap"), makeLightMap());
    checkForCgError(context, title, "naming the textures");

    glutMainLoop();
    return 0;
}
