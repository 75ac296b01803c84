// One window with a bare OpenGL context per test suite (no device, no Cg),
// with helpers that read state and pixels back.
#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>
// Constants beyond OpenGL 1.1, which Windows' own gl.h stops at.
#include <GL/glext.h>

#include <array>
#include <cstdint>
#include <memory>

#include "platform/gl_context.h"
#include "platform/window.h"
#include "render/gl_entry_points.h"

using Pixel = std::array<int, 4>;

class GLTest : public ::testing::Test {
protected:
    static constexpr int width = 320;
    static constexpr int height = 240;

    static void SetUpTestSuite() {
        window = std::make_unique<Zephra::Window>(width, height, true);
        context = Zephra::Platform::createGLContext(*window, 24, 8, 0, false);
        Zephra::Platform::makeCurrent(*window, context);
        glViewport(0, 0, width, height);
        ASSERT_TRUE(Zephra::GLEntryPoints::lookUp());
    }
    static void TearDownTestSuite() {
        Zephra::Platform::destroyGLContext(context);
        window.reset();
    }

    // The normalised device coordinate of a pixel's centre.
    static float ndcX(int x) { return (x + 0.5f) * 2.0f / width - 1.0f; }
    static float ndcY(int y) { return (y + 0.5f) * 2.0f / height - 1.0f; }

    // RGBA of one pixel of the back buffer (y up from the bottom row).
    static Pixel readPixel(int x, int y) {
        unsigned char rgba[4] = {};
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2], rgba[3]};
    }

    static GLint integer(GLenum name) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    // A function beyond OpenGL 1.1, for reading state back.
    template <typename F>
    static F function(const char* name) {
        return reinterpret_cast<F>(Zephra::Platform::getGLProcAddress(name));
    }

    static inline std::unique_ptr<Zephra::Window> window;
    static inline Zephra::Platform::GLContext* context = nullptr;
};
