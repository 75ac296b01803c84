// A small window with a current GL context for the drawing tests, and helpers
// that draw one full-window quad and read its pixels back.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Cg/cg.h"
#include "Cg/cgGL.h"

namespace cgtest {

using Pixel = std::array<int, 4>;

class GLDrawing : public ::testing::Test {
protected:
    static constexpr int size = 32;
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Compiles and loads; fails the test with the listing on an error.
    CGprogram program(const std::string& source, CGprofile profile, const char* entry);
    void bind(CGprogram vertex, CGprogram fragment);
    // Draws a quad over the whole window: vertex colour `color`, texture
    // coordinates 0..1 on unit 0 and 1, and reads the centre pixel.
    Pixel drawAndRead(const float color[4] = nullptr);
    // A 1x1 RGBA texture.
    unsigned texture(unsigned char r, unsigned char g, unsigned char b, unsigned char a);

    CGcontext context = nullptr;
    CGprogram passVertex = nullptr;  // position, colour and texture coordinates through
};

// Expects red, green and blue within one step of 8-bit rounding of the expected values.
void expectPixel(const Pixel& actual, float r, float g, float b, float a);

}  // namespace cgtest
