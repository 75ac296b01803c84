/* A torus drawn like a cartoon: three tones of orange and an ink outline,
 * from a fragment program that bands what the vertex program computes. */
#include "example.h"

static const char* title = "toon";
static CGcontext context;
static CGprofile vertexProfile, fragmentProfile;
static CGprogram vertexProgram, fragmentProgram;

static void setMatrix(const char* name, CGGLenum matrix, CGGLenum transform) {
    cgGLSetStateMatrixParameter(cgGetNamedParameter(vertexProgram, name), matrix, transform);
    checkForCgError(context, title, name);
}

static void display(void) {
    glClearColor(0.9f, 0.9f, 0.85f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.5, 0.5, -0.5, 0.5, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -3.2f);
    glRotatef(-60, 1, 0, 0);

    cgGLBindProgram(vertexProgram);
    cgGLEnableProfile(vertexProfile);
    cgGLBindProgram(fragmentProgram);
    cgGLEnableProfile(fragmentProfile);
    checkForCgError(context, title, "binding the programs");
    setMatrix("modelViewProj", CG_GL_MODELVIEW_PROJECTION_MATRIX, CG_GL_MATRIX_IDENTITY);
    setMatrix("modelView", CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_IDENTITY);
    setMatrix("modelViewInverseTranspose", CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_INVERSE_TRANSPOSE);
    cgUpdateProgramParameters(vertexProgram);
    checkForCgError(context, title, "updating the matrices");

    glutSolidTorus(0.3, 0.7, 48, 96);

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
    vertexProgram = cgCreateProgramFromFile(context, CG_SOURCE, "toon_vertex.cg", vertexProfile,
                                            "main", NULL);
    checkForCgError(context, title, "creating the vertex program");
    cgGLLoadProgram(vertexProgram);
    checkForCgError(context, title, "loading the vertex program");
    cgSetParameter3f(cgGetNamedParameter(vertexProgram, "lightPosition"), -2, 3, 3);

    fragmentProfile = cgGLGetLatestProfile(CG_GL_FRAGMENT);
    cgGLSetOptimalOptions(fragmentProfile);
    fragmentProgram = cgCreateProgramFromFile(context, CG_SOURCE, "toon_fragment.cg",
                                              fragmentProfile, "main", NULL);
    checkForCgError(context, title, "creating the fragment program");
    cgGLLoadProgram(fragmentProgram);
    checkForCgError(context, title, "loading the fragment program");
    cgSetParameter3f(cgGetNamedParameter(fragmentProgram, "inkColor"), 0.05f, 0.05f, 0.1f);
    cgSetParameter3f(cgGetNamedParameter(fragmentProgram, "paintColor"), 1.0f, 0.55f, 0.1f);
    checkForCgError(context, title, "setting the colours");

    glutMainLoop();
    return 0;
}
