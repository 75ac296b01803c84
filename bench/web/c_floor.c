// The floor's frame (floor.html, with ?overlay=still) issued from C through
// emscripten's WebGL glue, in a loop shaped as the game's: a plain while loop
// that yields to the browser each frame under asyncify. Set beside the game
// and the JavaScript floor, it tells what the toolchain itself costs a frame
// (the glue, the crossings out of WebAssembly, the yield) from what the
// engine and the game's code cost on top.
//
// The pictures' contents do not change what a frame costs the page, so the
// textures are flat, of the pictures' sizes. Its figures are kept where
// floor.html keeps them: window.floorWork (milliseconds, from the animation
// frame's start to the end of its drawing) and window.floorInterval.
#include <GLES3/gl3.h>
#include <emscripten.h>
#include <emscripten/html5.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { Sky, Ground, Star, Cat, GoldStar, Overlay, TextureCount };
enum { Width = 800, Height = 600, TextFirstRow = 5, TextRows = 72 };

// Before the first frame: the figures' lists, and that frame's start.
EM_JS(void, startFigures, (), {
    window.floorWork = [];
    window.floorInterval = [];
    Module.frameStart = performance.now();
});
EM_JS(void, noteFrameDrawn, (), {
    window.floorWork.push(performance.now() - Module.frameStart);
});
EM_JS(void, waitForAnimationFrame, (), {
    Asyncify.handleSleep(function(wakeUp) {
        requestAnimationFrame(function(frameTime) {
            if (Module.lastFrameTime !== undefined)
                window.floorInterval.push(frameTime - Module.lastFrameTime);
            Module.lastFrameTime = frameTime;
            Module.frameStart = performance.now();
            wakeUp();
        });
    });
});

static GLuint textures[TextureCount];
static float vertices[6 * 8];
static unsigned char overlayPixels[Width * Height];
static float stars[20][2];

static GLuint compile(GLenum type, const char* text) {
    GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &text, NULL);
    glCompileShader(shader);
    GLint compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (!compiled) {
        fprintf(stderr, "floor shader does not compile\n");
        abort();
    }
    return shader;
}

// One quad as two triangles, its vertices sent when drawn.
static void quad(GLuint texture, float x, float y, float w, float h) {
    const float corners[6][4] = {{x, y, 0, 1}, {x + w, y, 1, 1},     {x + w, y + h, 1, 0},
                                 {x, y, 0, 1}, {x + w, y + h, 1, 0}, {x, y + h, 0, 0}};
    glBindTexture(GL_TEXTURE_2D, texture);
    for (int i = 0; i < 6; ++i) {
        float* v = vertices + i * 8;
        v[0] = corners[i][0], v[1] = corners[i][1], v[2] = 0, v[3] = 1;
        v[4] = corners[i][2], v[5] = corners[i][3], v[6] = 0, v[7] = 1;
    }
    glBufferData(GL_ARRAY_BUFFER, sizeof vertices, vertices, GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, 6);
}

static void drawFrame(void) {
    const float aspect = (float)Width / Height;
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    quad(textures[Sky], -1, -1, 2, 2);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    quad(textures[Ground], -1, -1, 2, 2);
    const float starHeight = 0.1f * aspect;
    for (int i = 0; i < 20; ++i)
        quad(textures[Star], stars[i][0] - 0.05f, stars[i][1] - starHeight / 2, 0.1f, starHeight);
    const float catHeight = 0.2f * aspect;
    quad(textures[Cat], -0.1f, -0.515f - catHeight / 2, 0.2f, catHeight);
    quad(textures[GoldStar], -1, 0.75f, 0.05f, 0.05f * aspect);
    glDisable(GL_BLEND);

    // The overlay's text stays the same: it was uploaded before the first frame.
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    quad(textures[Overlay], -1, -1, 2, 2);
    glDisable(GL_BLEND);
}

static void makeTextures(void) {
    static const int sizes[GoldStar + 1] = {1024, 1024, 64, 128, 64};
    glGenTextures(TextureCount, textures);
    for (int i = 0; i <= GoldStar; ++i) {
        const size_t bytes = (size_t)sizes[i] * sizes[i] * 4;
        unsigned char* pixels = malloc(bytes);
        if (!pixels) abort();
        memset(pixels, 0xc0, bytes);
        glBindTexture(GL_TEXTURE_2D, textures[i]);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, sizes[i], sizes[i], 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels);
        glGenerateMipmap(GL_TEXTURE_2D);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        free(pixels);
    }
    for (int i = Width * TextFirstRow; i < Width * (TextFirstRow + TextRows); ++i)
        overlayPixels[i] = (unsigned char)((i * 7) % 255);  // text-like rows
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBindTexture(GL_TEXTURE_2D, textures[Overlay]);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, Width, Height, 0, GL_RED, GL_UNSIGNED_BYTE,
                 overlayPixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

int main(void) {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = 2;
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.stencil = EM_TRUE;
    attributes.antialias = EM_FALSE;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context("#canvas", &attributes);
    if (context <= 0) {
        fprintf(stderr, "no WebGL 2 context\n");
        return 1;
    }
    emscripten_webgl_make_context_current(context);

    const GLuint program = glCreateProgram();
    glAttachShader(program, compile(GL_VERTEX_SHADER,
        "#version 300 es\n"
        "in vec4 position; in vec4 texCoord; out vec2 uv;\n"
        "void main() { uv = texCoord.xy; gl_Position = position; }\n"));
    glAttachShader(program, compile(GL_FRAGMENT_SHADER,
        "#version 300 es\n"
        "precision mediump float; uniform sampler2D image; uniform vec4 color;\n"
        "in vec2 uv; out vec4 fragColor;\n"
        "void main() { fragColor = texture(image, uv) * color; }\n"));
    glBindAttribLocation(program, 0, "position");
    glBindAttribLocation(program, 1, "texCoord");
    glLinkProgram(program);
    glUseProgram(program);
    glUniform4f(glGetUniformLocation(program, "color"), 1, 1, 1, 1);

    GLuint buffer;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, 32, (const void*)0);
    glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, 32, (const void*)16);
    makeTextures();
    // Twenty stars, fixed as the game's hang still while the cat stands.
    for (int i = 0; i < 20; ++i) {
        stars[i][0] = (float)((i * 37) % 19) / 10 - 0.95f;
        stars[i][1] = (float)i * 0.09f - 0.6f;
    }

    startFigures();
    for (;;) {
        drawFrame();
        noteFrameDrawn();
        waitForAnimationFrame();
    }
}
