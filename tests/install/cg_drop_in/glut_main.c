/* The drop-in check through GLX: a GLUT window, the Cg runtime, and nothing
 * that tells the runtime where OpenGL is. */
#include <GL/glut.h>

#include "scene.h"

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_SINGLE);
    glutInitWindowSize(SCENE_WIDTH, SCENE_HEIGHT);
    glutCreateWindow("Cg drop-in");
    return drawAndCheckScene();
}
