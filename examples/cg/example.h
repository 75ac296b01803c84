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

/* The steps that start every Cg program: a context, the runtime's checks of
 * OpenGL off (they cost a glGetError after each call), and parameters kept
 * until the program updates them, all at once. */
static inline CGcontext createCgContext(const char* program) {
    CGcontext context = cgCreateContext();
    checkForCgError(context, program, "creating the context");
    cgGLSetDebugMode(CG_FALSE);
    cgSetParameterSettingMode(context, CG_DEFERRED_PARAMETER_SETTING);
    checkForCgError(context, program, "choosing deferred parameter setting");
    return context;
}

/* A vertex and a fragment program with the profiles they were compiled for. */
typedef struct {
    CGprofile vertexProfile, fragmentProfile;
    CGprogram vertex, fragment;
} ProgramPair;

/* Compiles the entry "main" of `file` for the latest profile of the class
 * (CG_GL_VERTEX or CG_GL_FRAGMENT) on this OpenGL, and loads it. */
static inline CGprogram loadProgram(CGcontext context, const char* program, const char* file,
                                    CGGLenum profileClass, CGprofile* profile) {
    CGprogram loaded;
    *profile = cgGLGetLatestProfile(profileClass);
    cgGLSetOptimalOptions(*profile);
    checkForCgError(context, program, "choosing a profile");
    loaded = cgCreateProgramFromFile(context, CG_SOURCE, file, *profile, "main", NULL);
    checkForCgError(context, program, file);
    cgGLLoadProgram(loaded);
    checkForCgError(context, program, "loading a program");
    return loaded;
}

static inline ProgramPair loadProgramPair(CGcontext context, const char* program,
                                          const char* vertexFile, const char* fragmentFile) {
    ProgramPair pair;
    pair.vertex = loadProgram(context, program, vertexFile, CG_GL_VERTEX, &pair.vertexProfile);
    pair.fragment =
        loadProgram(context, program, fragmentFile, CG_GL_FRAGMENT, &pair.fragmentProfile);
    return pair;
}

/* Binding sends what deferred setting kept; enabling the profiles switches
 * OpenGL's fixed pipeline off for the stages. */
static inline void bindProgramPair(CGcontext context, const char* program, const ProgramPair* pair) {
    cgGLBindProgram(pair->vertex);
    cgGLEnableProfile(pair->vertexProfile);
    cgGLBindProgram(pair->fragment);
    cgGLEnableProfile(pair->fragmentProfile);
    checkForCgError(context, program, "binding the programs");
}

static inline void unbindProgramPair(const ProgramPair* pair) {
    cgGLDisableProfile(pair->vertexProfile);
    cgGLDisableProfile(pair->fragmentProfile);
}

/* Sets a program's matrix parameter from one of OpenGL's matrices. */
static inline void setStateMatrix(CGcontext context, const char* program, CGprogram cgProgram,
                                  const char* name, CGGLenum matrix, CGGLenum transform) {
    cgGLSetStateMatrixParameter(cgGetNamedParameter(cgProgram, name), matrix, transform);
    checkForCgError(context, program, name);
}

/* The three matrices a vertex program needs to light in eye space:
 * "modelViewProj", "modelView" and "modelViewInverseTranspose" (for normals). */
static inline void setEyeSpaceMatrices(CGcontext context, const char* program, CGprogram cgProgram) {
    setStateMatrix(context, program, cgProgram, "modelViewProj", CG_GL_MODELVIEW_PROJECTION_MATRIX,
                   CG_GL_MATRIX_IDENTITY);
    setStateMatrix(context, program, cgProgram, "modelView", CG_GL_MODELVIEW_MATRIX,
                   CG_GL_MATRIX_IDENTITY);
    setStateMatrix(context, program, cgProgram, "modelViewInverseTranspose", CG_GL_MODELVIEW_MATRIX,
                   CG_GL_MATRIX_INVERSE_TRANSPOSE);
}

/* An RGB texture without mipmaps, clamped at its edges. */
static inline GLuint makeTexture2D(int width, int height, const unsigned char* rgb, GLint filter) {
    GLuint texture;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return texture;
}

/* A camera at the origin looking down -z at what lies `distance` ahead,
 * with a view a unit wide at that distance's third. */
static inline void placeCamera(float distance) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.5, 0.5, -0.5, 0.5, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -distance);
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
