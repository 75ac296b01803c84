/* What every example shares: stopping with the Cg runtime's own words when a
 * step fails, and ending a frame. Each example is otherwise a complete Cg
 * program of its own. */
#ifndef CG_EXAMPLE_H
#define CG_EXAMPLE_H

#include <stdio.h>
#include <stdlib.h>

#include <GL/glut.h>
#include <Cg/cg.h>
#include <Cg/cgGL.h>

enum { EXAMPLE_WIDTH = 256, EXAMPLE_HEIGHT = 256 };

/* After each Cg step: the runtime's last error, with the compiler's listing
 * when that error came from compiling. */
static inline void checkForCgError(CGcontext context, const char* program, const char* situation) {
    CGerror error;
    const char* text = cgGetLastErrorString(&error);
    if (error == CG_NO_ERROR) return;
    fprintf(stderr, "%s: %s: %s\n", program, situation, text);
    if (error == CG_COMPILER_ERROR) {
        const char* listing = cgGetLastListing(context);
        if (listing) fprintf(stderr, "%s\n", listing);
    }
    exit(1);
}

/* Shows the frame. With CG_EXAMPLE_SNAPSHOT naming a file, writes the frame
 * there as a binary PPM instead and ends the program: how the examples'
 * pictures are checked. */
static inline void finishFrame(void) {
    const char* path = getenv("CG_EXAMPLE_SNAPSHOT");
    static unsigned char pixels[EXAMPLE_WIDTH * EXAMPLE_HEIGHT * 3];
    FILE* file;
    int row;
    if (!path) {
        glutSwapBuffers();
        return;
    }
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, EXAMPLE_WIDTH, EXAMPLE_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    file = fopen(path, "wb");
    if (!file) {
        perror(path);
        exit(1);
    }
    /* PPM rows run from the top; OpenGL's from the bottom. */
    fprintf(file, "P6\n%d %d\n255\n", EXAMPLE_WIDTH, EXAMPLE_HEIGHT);
    for (row = EXAMPLE_HEIGHT - 1; row >= 0; --row)
        fwrite(pixels + row * EXAMPLE_WIDTH * 3, 3, EXAMPLE_WIDTH, file);
    exit(fclose(file) == 0 ? 0 : 1);
}

/* Escape ends every example. */
static inline void keyboard(unsigned char key, int x, int y) {
    (void)x;
    (void)y;
    if (key == 27) exit(0);
}

/* A double-buffered window with depth, the size the pictures are checked at. */
static inline void openWindow(int* argc, char** argv, const char* title) {
    glutInitWindowSize(EXAMPLE_WIDTH, EXAMPLE_HEIGHT);
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow(title);
    glutKeyboardFunc(keyboard);
}

#endif
