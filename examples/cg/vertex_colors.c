/* The smallest whole Cg program: a quad with a colour at each corner, drawn
 * through a vertex and a fragment program loaded from files, with its
 * parameters set in deferred mode. */
#include "example.h"

static const char* title = "vertex_colors";
static CGcontext context;
static CGprofile vertexProfile, fragmentProfile;
static CGprogram vertexProgram, fragmentProgram;
static CGparameter modelViewProj, tint;

static void display(void) {
    glClearColor(0.1f, 0.1f, 0.1f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    cgGLBindProgram(vertexProgram);
    checkForCgError(context, title, "binding the vertex program");
    cgGLEnableProfile(vertexProfile);
    checkForCgError(context, title, "enabling the vertex profile");
    cgGLBindProgram(fragmentProgram);
    checkForCgError(context, title, "binding the fragment program");
    cgGLEnableProfile(fragmentProfile);
    checkForCgError(context, title, "enabling the fragment profile");

    /* Deferred: the values reach OpenGL at the update, together. */
    cgGLSetStateMatrixParameter(modelViewProj, CG_GL_MODELVIEW_PROJECTION_MATRIX,
                                CG_GL_MATRIX_IDENTITY);
    cgSetParameter4f(tint, 1.0f, 1.0f, 1.0f, 1.0f);
    cgUpdateProgramParameters(vertexProgram);
    cgUpdateProgramParameters(fragmentProgram);
    checkForCgError(context, title, "updating the parameters");

    glBegin(GL_QUADS);
    glColor3f(1, 0, 0); glVertex2f(-0.8f, -0.8f);
    glColor3f(0, 1, 0); glVertex2f(0.8f, -0.8f);
    glColor3f(0, 0, 1); glVertex2f(0.8f, 0.8f);
    glColor3f(1, 1, 1); glVertex2f(-0.8f, 0.8f);
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

    vertexProfile = cgGLGetLatestProfile(CG_GL_VERTEX);
    cgGLSetOptimalOptions(vertexProfile);
    checkForCgError(context, title, "choosing the vertex profile");
    vertexProgram = cgCreateProgramFromFile(context, CG_SOURCE, "vertex_colors_vertex.cg",
                                            vertexProfile, "main", NULL);
    checkForCgError(context, title, "creating the vertex program");
    cgGLLoadProgram(vertexProgram);
    checkForCgError(context, title, "loading the vertex program");
    modelViewProj = cgGetNamedParameter(vertexProgram, "modelViewProj");
    checkForCgError(context, title, "finding modelViewProj");

    fragmentProfile = cgGLGetLatestProfile(CG_GL_FRAGMENT);
    cgGLSetOptimalOptions(fragmentProfile);
    checkForCgError(context, title, "choosing the fragment profile");
    fragmentProgram = cgCreateProgramFromFile(context, CG_SOURCE, "vertex_colors_fragment.cg",
                                              fragmentProfile, "main", NULL);
    checkForCgError(context, title, "creating the fragment program");
    cgGLLoadProgram(fragmentProgram);
    checkForCgError(context, title, "loading the fragment program");
    tint = cgGetNamedParameter(fragmentProgram, "tint");
    checkForCgError(context, title, "finding tint");

    glutMainLoop();
    return 0;
}
