/* A slide projector beside the viewer throws a picture of four coloured
 * squares onto a grey wall. The projector is a texture matrix built on
 * OpenGL's texture matrix stack; the fragment program looks the slide up
 * with tex2Dproj. */
#include "example.h"

static const char* title = "projector";
static CGcontext context;
static CGprofile vertexProfile, fragmentProfile;
static CGprogram vertexProgram, fragmentProgram;

/* Bottom row red, green; top row blue, yellow. */
static GLuint makeSlide(void) {
    static const unsigned char rgb[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    GLuint texture;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return texture;
}

static void display(void) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.5, 0.5, -0.5, 0.5, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -3);  /* the wall, 3 units ahead */

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

    cgGLBindProgram(vertexProgram);
    cgGLEnableProfile(vertexProfile);
    cgGLBindProgram(fragmentProgram);
    cgGLEnableProfile(fragmentProfile);
    checkForCgError(context, title, "binding the programs");
    cgGLSetStateMatrixParameter(cgGetNamedParameter(vertexProgram, "modelViewProj"),
                                CG_GL_MODELVIEW_PROJECTION_MATRIX, CG_GL_MATRIX_IDENTITY);
    cgGLSetStateMatrixParameter(cgGetNamedParameter(vertexProgram, "textureMatrix"),
                                CG_GL_TEXTURE_MATRIX, CG_GL_MATRIX_IDENTITY);
    cgUpdateProgramParameters(vertexProgram);
    checkForCgError(context, title, "updating the matrices");

    glBegin(GL_QUADS);
    glVertex2f(-2, -2);
    glVertex2f(2, -2);
    glVertex2f(2, 2);
    glVertex2f(-2, 2);
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

    vertexProfile = cgGLGetLatestProfile(CG_GL_VERTEX);
    cgGLSetOptimalOptions(vertexProfile);
    vertexProgram = cgCreateProgramFromFile(context, CG_SOURCE, "projector_vertex.cg",
                                            vertexProfile, "main", NULL);
    checkForCgError(context, title, "creating the vertex program");
    cgGLLoadProgram(vertexProgram);
    checkForCgError(context, title, "loading the vertex program");

    fragmentProfile = cgGLGetLatestProfile(CG_GL_FRAGMENT);
    cgGLSetOptimalOptions(fragmentProfile);
    fragmentProgram = cgCreateProgramFromFile(context, CG_SOURCE, "projector_fragment.cg",
                                              fragmentProfile, "main", NULL);
    checkForCgError(context, title, "creating the fragment program");
    cgGLLoadProgram(fragmentProgram);
    checkForCgError(context, title, "loading the fragment program");

    cgGLSetTextureParameter(cgGetNamedParameter(fragmentProgram, "slide"), makeSlide());
    cgSetParameter3f(cgGetNamedParameter(fragmentProgram, "wallColor"), 0.2f, 0.2f, 0.2f);
    checkForCgError(context, title, "setting the slide and the wall");

    glutMainLoop();
    return 0;
}
