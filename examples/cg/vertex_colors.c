/* The smallest whole Cg program: a quad with a colour at each corner, drawn
 * through a vertex and a fragment program loaded from files. In deferred
 * mode the parameters reach OpenGL together, at the update. */
#include "example.h"

static const char* title = "vertex_colors";
static CGcontext context;
static ProgramPair programs;
static CGparameter modelViewProj, tint;

static void display(void) {
    glClearColor(0.1f, 0.1f, 0.1f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    bindProgramPair(context, title, &programs);
    cgGLSetStateMatrixParameter(modelViewProj, CG_GL_MODELVIEW_PROJECTION_MATRIX,
                                CG_GL_MATRIX_IDENTITY);
    cgSetParameter4f(tint, 1.0f, 1.0f, 1.0f, 1.0f);
    cgUpdateProgramParameters(programs.vertex);
    cgUpdateProgramParameters(programs.fragment);
    checkForCgError(context, title, "updating the parameters");

    glBegin(GL_QUADS);
    glColor3f(1, 0, 0); glVertex2f(-0.8f, -0.8f);
    glColor3f(0, 1, 0); glVertex2f(0.8f, -0.8f);
    glColor3f(0, 0, 1); glVertex2f(0.8f, 0.8f);
    glColor3f(1, 1, 1); glVertex2f(-0.8f, 0.8f);
    glEnd();

    unbindProgramPair(&programs);
    finishFrame();
}

int main(int argc, char** argv) {
    openWindow(&argc, argv, title);
    glutDisplayFunc(display);

    context = createCgContext(title);
    programs = loadProgramPair(context, title, "vertex_colors_vertex.cg", "vertex_colors_fragment.cg");
    modelViewProj = cgGetNamedParameter(programs.vertex, "modelViewProj");
    checkForCgError(context, title, "finding modelViewProj");
    tint = cgGetNamedParameter(programs.fragment, "tint");
    checkForCgError(context, title, "finding tint");

    glutMainLoop();
    return 0;
}
