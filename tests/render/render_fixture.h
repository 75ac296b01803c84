// One window and a whole rendering device per test suite.
#pragma once

#include <memory>

#include "gl_fixture.h"
#include "render/device.h"

class RenderTest : public GLTest {
protected:
    static void SetUpTestSuite() {
        window = std::make_unique<Zephra::Window>(width, height, true);
        device = std::make_unique<Zephra::Device>(*window, 24, 8, 0, 0);
    }
    static void TearDownTestSuite() {
        device.reset();
        window.reset();
    }

    static inline std::unique_ptr<Zephra::Device> device;
};
