/* A torus drawn like a cartoon: three tones of orange and an ink outline,
 * from a fragment program that bands what the vertex program computes. */
#include "example.h"

static const char* title = "toon";
static CGcontext context;
static ProgramPair programs;

static void display(void) {
    glClearColor(0.9f, 0.9f, 0.85f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    placeCamera(3.2f);
    glRotatef(-60, 1, 0, 0);

    bindProgramPair(context, title, &programs);
    setEyeSpaceMatrices(context, title, programs.vertex);
    cgUpdateProgramParameters(programs.vertex);
    checkForCgError(context, title, "updating the matrices");

    glutSolidTorus(0.3, 0.7, 48, 96);

    unbindProgramPair(&programs);
    finishFrame();
}

int main(int argc, char** argv) {
    openWindow(&argc, argv, title);
    glutDisplayFunc(display);

    context = createCgContext(title);
    programs = loadProgramPair(context, title, "toon_vertex.cg", "toon_fragment.cg");
    cgSetParameter3f(cgGetNamedParameter(programs.vertex, "lightPosition"), -2, 3, 3);
    cgSetParameter3f(cgGetNamedParameter(programs.fragment, "inkColor"), 0.05f, 0.05f, 0.1f);
    cgSetParameter3f(cgGetNamedParameter(programs.fragment, "paintColor"), 1.0f, 0.55f, 0.1f);
    checkForCgError(context, title, "setting the colours");

    glutMainLoop();
    return 0;
}
