#include "scene.h"

#include <stdio.h>
#include <stdlib.h>
#include <GL/gl.h>

#include <Cg/cg.h>
#include <Cg/cgGL.h>

static const char* vertexSource =
    "void main(float4 position: POSITION, float2 uv: TEXCOORD0,\n"
    "          uniform float4x4 modelViewProj,\n"
    "          out float4 oPosition: POSITION, out float2 oUv: TEXCOORD0) {\n"
    "    oPosition = mul(modelViewProj, position);\n"
    "    oUv = uv;\n"
    "}\n";

static const char* fragmentSource =
    "float4 main(float2 uv: TEXCOORD0, uniform sampler2D picture,\n"
    "            uniform float4 tint): COLOR {\n"
    "    return tex2D(picture, uv) * tint;\n"
    "}\n";

static int failed(const char* step) {
    CGerror error = cgGetError();
    if (error == CG_NO_ERROR) return 0;
    fprintf(stderr, "%s: %s\n", step, cgGetErrorString(error));
    return 1;
}

static CGprogram compile(CGcontext context, const char* source, CGprofile profile) {
    CGprogram program = cgCreateProgram(context, CG_SOURCE, source, profile, "main", NULL);
    const char* listing = cgGetLastListing(context);
    if (!program && listing) fprintf(stderr, "%s\n", listing);
    if (program) cgGLLoadProgram(program);
    return program;
}

/* Each channel within two steps of the expected value. */
static int pixelIs(const unsigned char* p, int r, int g, int b) {
    return abs(p[0] - r) <= 2 && abs(p[1] - g) <= 2 && abs(p[2] - b) <= 2;
}

int drawAndCheckScene(void) {
    /* Left texel white, right texel red; the tint halves red. */
    static const unsigned char texels[] = {255, 255, 255, 255, 255, 0, 0, 255};
    unsigned char pixels[SCENE_WIDTH * SCENE_HEIGHT * 4];
    CGcontext context = cgCreateContext();
    CGprofile vertexProfile = cgGLGetLatestProfile(CG_GL_VERTEX);
    CGprofile fragmentProfile = cgGLGetLatestProfile(CG_GL_FRAGMENT);
    CGprogram vertex, fragment;
    GLuint texture;
    const unsigned char *left, *right;

    if (vertexProfile == CG_PROFILE_UNKNOWN || fragmentProfile == CG_PROFILE_UNKNOWN) {
        fprintf(stderr, "no profile is supported on this context\n");
        return 1;
    }
    vertex = compile(context, vertexSource, vertexProfile);
    fragment = compile(context, fragmentSource, fragmentProfile);
    if (!vertex || !fragment || failed("loading the programs")) return 1;

    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);

    glViewport(0, 0, SCENE_WIDTH, SCENE_HEIGHT);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    cgGLEnableProfile(vertexProfile);
    cgGLEnableProfile(fragmentProfile);
    cgGLBindProgram(vertex);
    cgGLBindProgram(fragment);
    cgGLSetStateMatrixParameter(cgGetNamedParameter(vertex, "modelViewProj"),
                                CG_GL_MODELVIEW_PROJECTION_MATRIX, CG_GL_MATRIX_IDENTITY);
    cgGLSetParameter4f(cgGetNamedParameter(fragment, "tint"), 0.5f, 1, 1, 1);
    cgGLSetTextureParameter(cgGetNamedParameter(fragment, "picture"), texture);
    cgGLEnableTextureParameter(cgGetNamedParameter(fragment, "picture"));
    if (failed("setting the parameters")) return 1;

    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(0, 0);
    glTexCoord2f(1, 0); glVertex2f(1, 0);
    glTexCoord2f(1, 1); glVertex2f(1, 1);
    glTexCoord2f(0, 1); glVertex2f(0, 1);
    glEnd();
    cgGLDisableProfile(vertexProfile);
    cgGLDisableProfile(fragmentProfile);
    if (failed("drawing")) return 1;

    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, SCENE_WIDTH, SCENE_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    left = pixels + (SCENE_HEIGHT / 2 * SCENE_WIDTH + SCENE_WIDTH / 4) * 4;
    right = pixels + (SCENE_HEIGHT / 2 * SCENE_WIDTH + SCENE_WIDTH * 3 / 4) * 4;
    if (!pixelIs(left, 128, 255, 255) || !pixelIs(right, 128, 0, 0)) {
        fprintf(stderr, "wrong picture: left %d,%d,%d (want 128,255,255), right %d,%d,%d (want 128,0,0)\n",
                left[0], left[1], left[2], right[0], right[1], right[2]);
        return 1;
    }
    cgDestroyContext(context);
    printf("drawn: left %d,%d,%d right %d,%d,%d\n", left[0], left[1], left[2], right[0], right[1],
           right[2]);
    return 0;
}
