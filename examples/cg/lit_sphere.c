/* A sphere lit per vertex by one point light up to the right and in front:
 * the light and the material are Cg structs, set member by member. */
#include "example.h"

static const char* title = "lit_sphere";
static CGcontext context;
static ProgramPair programs;

/* A member of the vertex program's light or material. */
static void setMember(const char* name, float x, float y, float z) {
    CGparameter member = cgGetNamedParameter(programs.vertex, name);
    checkForCgError(context, title, name);
    if (!member) {
        fprintf(stderr, "%s: no parameter %s\n", title, name);
        exit(1);
    }
    cgSetParameter3f(member, x, y, z);
    checkForCgError(context, title, name);
}

static void display(void) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    placeCamera(3);

    bindProgramPair(context, title, &programs);
    setEyeSpaceMatrices(context, title, programs.vertex);
    cgUpdateProgramParameters(programs.vertex);
    checkForCgError(context, title, "updating the matrices");

    glutSolidSphere(0.9, 64, 48);

    unbindProgramPair(&programs);
    finishFrame();
}

int main(int argc, char** argv) {
    openWindow(&argc, argv, title);
    glutDisplayFunc(display);

    context = createCgContext(title);
    programs = loadProgramPair(context, title, "lit_sphere_vertex.cg", "lit_sphere_fragment.cg");

    /* The light and the material do not change: set once, sent at binding. */
    setMember("globalAmbient", 0.2f, 0.2f, 0.2f);
    setMember("light.position", 3, 3, 2);
    setMember("light.color", 1, 1, 1);
    setMember("material.emissive", 0, 0, 0);
    setMember("material.ambient", 0.3f, 0.3f, 0.6f);
    setMember("material.diffuse", 0.2f, 0.4f, 0.9f);
    setMember("material.specular", 0.8f, 0.8f, 0.8f);
    cgSetParameter1f(cgGetNamedParameter(programs.vertex, "material.shininess"), 40);
    checkForCgError(context, title, "material.shininess");

    glutMainLoop();
    return 0;
}
