// One window with a bare OpenGL ES 3.0 context per test suite, as the
// browser's WebGL 2 gives it, and a small GLSL ES program that reads the
// attribute slots the engine's ES path feeds.
#pragma once

#include "gl_fixture.h"
#include "render/es/es_context.h"

#include <string>

class ESTest : public GLTest {
protected:
    static void SetUpTestSuite() {
        Zephra::Platform::setContextAPI(Zephra::Platform::ContextAPI::ES);
        GLTest::SetUpTestSuite();
    }
    static void TearDownTestSuite() {
        GLTest::TearDownTestSuite();
        Zephra::Platform::setContextAPI(Zephra::Platform::ContextAPI::Desktop);
    }

    // Position from slot 0, colour from slot 3, texture coordinate 0 from
    // slot 8; the colour times the texture when `textured`.
    static GLuint program(bool textured) {
        const std::string vertex =
            "#version 300 es\n"
            "layout(location = 0) in vec4 position;\n"
            "layout(location = 3) in vec4 color;\n"
            "layout(location = 8) in vec4 texCoord;\n"
            "out vec4 vColor; out vec2 vTexCoord;\n"
            "void main() { gl_Position = position; vColor = color; vTexCoord = texCoord.xy;\n"
            "              gl_PointSize = 1.0; }\n";
        const std::string fragment =
            std::string("#version 300 es\nprecision mediump float;\n") +
            "uniform sampler2D picture;\n"
            "in vec4 vColor; in vec2 vTexCoord; out vec4 fragColor;\n"
            "void main() { fragColor = vColor" + (textured ? " * texture(picture, vTexCoord)" : "") +
            "; }\n";
        GLuint p = call<PFNGLCREATEPROGRAMPROC>("glCreateProgram")();
        for (auto [type, text] : {std::pair<GLenum, const std::string*>{GL_VERTEX_SHADER, &vertex},
                                  {GL_FRAGMENT_SHADER, &fragment}}) {
            GLuint shader = call<PFNGLCREATESHADERPROC>("glCreateShader")(type);
            const char* source = text->c_str();
            call<PFNGLSHADERSOURCEPROC>("glShaderSource")(shader, 1, &source, nullptr);
            call<PFNGLCOMPILESHADERPROC>("glCompileShader")(shader);
            call<PFNGLATTACHSHADERPROC>("glAttachShader")(p, shader);
        }
        call<PFNGLLINKPROGRAMPROC>("glLinkProgram")(p);
        GLint linked = 0;
        call<PFNGLGETPROGRAMIVPROC>("glGetProgramiv")(p, GL_LINK_STATUS, &linked);
        EXPECT_TRUE(linked);
        call<PFNGLUSEPROGRAMPROC>("glUseProgram")(p);
        return p;
    }

    template <typename F>
    static F call(const char* name) {
        F f = function<F>(name);
        EXPECT_NE(f, nullptr) << name;
        return f;
    }
};
