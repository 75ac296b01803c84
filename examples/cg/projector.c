/* A slide projector beside the viewer throws a picture of four coloured
 * squares onto a grey wall. The projector is a texture matrix built on
 * OpenGL's texture matrix stack; the fragment program looks the slide up
 * with tex2Dproj. */
#include "example.h"

static const char* title = "projector";
static CGcontext context;
static ProgramPair programs;

/* Bottom row red, green; top row blue, yellow. */
static GLuint makeSlide(void) {
    static const unsigned char rgb[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    return makeTexture2D(2, 2, rgb, GL_NEAREST);
}

static void display(void) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    placeCamera(3);  /* the wall, 3 units ahead */

    /* From the wall's coordinates to the slide's: the wall's placement, the
     * projector's view from (0.6, 0.4, 0) straight ahead, its narrower
     * frustum, then from [-1, 1] to [0, 1]. */
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(0.5f, 0.5f, 0.5f);
    glScalef(0.5f, 0.5f, 0.5f);
    glFrustum(-0.25, 0.25, -0.25, 0.25, 1, 10);
    glTranslatef(-0.6f, -0.4f, 0);
    glTranslatef(0, 0, -3);
    glMatrixMode(GL_MODELVIEW);

    bindProgramPair(context, title, &programs);  /* binds the slide too */
    setStateMatrix(context, title, programs.vertex, "modelViewProj",
                   CG_GL_MODELVIEW_PROJECTION_MATRIX, CG_GL_MATRIX_IDENTITY);
    setStateMatrix(context, title, programs.vertex, "textureMatrix", CG_GL_TEXTURE_MATRIX,
                   CG_GL_MATRIX_IDENTITY);
    cgUpdateProgramParameters(programs.vertex);
    checkForCgError(context, title, "updating the matrices");

    glBegin(GL_QUADS);
    glVertex2f(-2, -2);
    glVertex2f(2, -2);
    glVertex2f(2, 2);
    glVertex2f(-2, 2);
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
    programs = loadProgramPair(context, title, "projector_vertex.cg", "projector_fragment.cg");

    cgGLSetTextureParameter(cgGetNamedParameter(programs.fragment, "slide"), makeSlide());
    cgSetParameter3f(cgGetNamedParameter(programs.fragment, "wallColor"), 0.2f, 0.2f, 0.2f);
    checkForCgError(context, title, "setting the slide and the wall");

    glutMainLoop();
    return 0;
}
