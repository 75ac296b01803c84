/* A sphere lit per vertex by one point light up to the right and in front:
 * the light and the material are Cg structs, set member by member. */
#include "example.h"

static const char* title = "lit_sphere";
static CGcontext context;
static CGprofile vertexProfile, fragmentProfile;
static CGprogram vertexProgram, fragmentProgram;

static CGparameter named(CGprogram program, const char* name) {
    CGparameter parameter = cgGetNamedParameter(program, name);
    checkForCgError(context, title, name);
    if (!parameter) {
        fprintf(stderr, "%s: no parameter %s\n", title, name);
        exit(1);
    }
    return parameter;
}

static void display(void) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.5, 0.5, -0.5, 0.5, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -3);

    cgGLBindProgram(vertexProgram);
    cgGLEnableProfile(vertexProfile);
    cgGLBindProgram(fragmentProgram);
    cgGLEnableProfile(fragmentProfile);
    checkForCgError(context, title, "binding the programs");

    cgGLSetStateMatrixParameter(named(vertexProgram, "modelViewProj"),
                                CG_GL_MODELVIEW_PROJECTION_MATRIX, CG_GL_MATRIX_IDENTITY);
    cgGLSetStateMatrixParameter(named(vertexProgram, "modelView"), CG_GL_MODELVIEW_MATRIX,
                                CG_GL_MATRIX_IDENTITY);
    cgGLSetStateMatrixParameter(named(vertexProgram, "modelViewInverseTranspose"),
                                CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_INVERSE_TRANSPOSE);
    cgUpdateProgramParameters(vertexProgram);
    checkForCgError(context, title, "updating the matrices");

    glutSolidSphere(0.9, 64, 48);

    cgGLDisableProfile(vertexProfile);
    cgGLDisableProfile(fragmentProfile);
    finishFrame();
}

static void createPrograms(void) {
    vertexProfile = cgGLGetLatestProfile(CG_GL_VERTEX);
    cgGLSetOptimalOptions(vertexProfile);
    checkForCgError(context, title, "choosing the vertex profile");
    vertexProgram = cgCreateProgramFromFile(context, CG_SOURCE, "lit_sphere_vertex.cg",
                                            vertexProfile, "main", NULL);
    checkForCgError(context, title, "creating the vertex program");
    cgGLLoadProgram(vertexProgram);
    checkForCgError(context, title, "loading the vertex program");

    fragmentProfile = cgGLGetLatestProfile(CG_GL_FRAGMENT);
    cgGLSetOptimalOptions(fragmentProfile);
    checkForCgError(context, title, "choosing the fragment profile");
    fragmentProgram = cgCreateProgramFromFile(context, CG_SOURCE, "lit_sphere_fragment.cg",
                                              fragmentProfile, "main", NULL);
    checkForCgError(context, title, "creating the fragment program");
    cgGLLoadProgram(fragmentProgram);
    checkForCgError(context, title, "loading the fragment program");
}

/* The light and the material do not change: set once. */
static void setLightAndMaterial(void) {
    cgSetParameter3f(named(vertexProgram, "globalAmbient"), 0.2f, 0.2f, 0.2f);
    cgSetParameter3f(named(vertexProgram, "light.position"), 3, 3, 2);
    cgSetParameter3f(named(vertexProgram, "light.color"), 1, 1, 1);
    cgSetParameter3f(named(vertexProgram, "material.emissive"), 0, 0, 0);
    cgSetParameter3f(named(vertexProgram, "material.ambient"), 0.3f, 0.3f, 0.6f);
    cgSetParameter3f(named(vertexProgram, "material.diffuse"), 0.2f, 0.4f, 0.9f);
    cgSetParameter3f(named(vertexProgram, "material.specular"), 0.8f, 0.8f, 0.8f);
    cgSetParameter1f(named(vertexProgram, "material.shininess"), 40);
    checkForCgError(context, title, "setting the light and the material");
}

int main(int argc, char** argv) {
    openWindow(&argc, argv, title);
    glutDisplayFunc(display);

    context = cgCreateContext();
    checkForCgError(context, title, "creating the context");
    cgGLSetDebugMode(CG_FALSE);
    cgSetParameterSettingMode(context, CG_DEFERRED_PARAMETER_SETTING);
    createPrograms();
    setLightAndMaterial();

    glutMainLoop();
    return 0;
}
