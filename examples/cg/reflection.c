/* A mirror sphere in a room whose six walls have six colours: a cube map
 * looked up along the reflected view ray. Right of the centre the sphere
 * shows the +X wall (red), above it +Y (green), facing the viewer +Z (blue). */
#include "example.h"

static const char* title = "reflection";
static CGcontext context;
static ProgramPair programs;

/* Face colours in the order of the cube-map targets: +X, -X, +Y, -Y, +Z, -Z. */
static const unsigned char faceColors[6][3] = {
    {230, 30, 30}, {30, 220, 220}, {30, 200, 30}, {210, 30, 210}, {40, 60, 230}, {230, 220, 30}};

static GLuint makeRoom(void) {
    enum { SIZE = 4 };
    unsigned char rgb[SIZE * SIZE * 3];
    GLuint texture;
    int face, i;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_CUBE_MAP, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (face = 0; face < 6; ++face) {
        for (i = 0; i < SIZE * SIZE; ++i) {
            rgb[i * 3] = faceColors[face][0];
            rgb[i * 3 + 1] = faceColors[face][1];
            rgb[i * 3 + 2] = faceColors[face][2];
        }
        glTexImage2D(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face, 0, GL_RGB8, SIZE, SIZE, 0, GL_RGB,
                     GL_UNSIGNED_BYTE, rgb);
    }
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return texture;
}

static void display(void) {
    glClearColor(0.05f, 0.05f, 0.05f, 1);
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
    cgGLSetManageTextureParameters(context, CG_TRUE);
    checkForCgError(context, title, "managing texture parameters");
    programs = loadProgramPair(context, title, "reflection_vertex.cg", "reflection_fragment.cg");

    cgGLSetTextureParameter(cgGetNamedParameter(programs.fragment, "environment"), makeRoom());
    cgSetParameter3f(cgGetNamedParameter(programs.fragment, "baseColor"), 0.5f, 0.5f, 0.5f);
    cgSetParameter1f(cgGetNamedParameter(programs.fragment, "reflectivity"), 0.8f);
    checkForCgError(context, title, "setting the fragment parameters");

    glutMainLoop();
    return 0;
}
