// What only the browser backend has: the page shows the canvas at whatever
// size fits the browser's window, and the cursor still reads in the canvas's
// drawing-buffer pixels (the game's), inside the canvas and beyond it.
#include <emscripten.h>
#include <gtest/gtest.h>

#include "backend_fixture.h"
#include "platform_polling.h"
#include "platform/window.h"

using namespace ZephraTest;

namespace {

EM_JS(void, showCanvasAt, (int width, int height), {
    var canvas = document.getElementById('canvas');
    canvas.style.width = width ? width + 'px' : "";
    canvas.style.height = height ? height + 'px' : "";
});

// The canvas shown at width x height on the page while it lives, then at its
// drawing buffer's size again.
struct ScaledCanvas {
    ScaledCanvas(int width, int height) { showCanvasAt(width, height); }
    ~ScaledCanvas() { showCanvasAt(0, 0); }
};

}  // namespace

TEST(WebCursor, ReadsInDrawingBufferPixelsAtAnyScaleThePageShowsTheCanvas) {
    Zephra::Window window(800, 600, true);
    for (const int shownWidth : {400, 1000}) {
        const ScaledCanvas scaled(shownWidth, shownWidth * 3 / 4);
        ScreenWindow screen;
        ASSERT_TRUE(waitUntil(pumping([&] {
            screen = Backend::onScreen(Backend::screenId(window));
            return screen.viewable && screen.width == shownWidth;
        })));
        EXPECT_EQ(window.getWidth(), 800) << "the page's scale is not the program's size";
        const int scale100 = 100 * shownWidth / 800;  // page pixels per 100 game pixels
        ASSERT_TRUE(Backend::movePointer(screen.x + 2 * scale100, screen.y + scale100));
        EXPECT_TRUE(waitUntil(pumping([&] { return cursorAt(window, 200, 100); })));
        // Beyond the canvas's top-left corner: negative, at the same scale.
        ASSERT_TRUE(Backend::movePointer(screen.x - scale100 / 5, screen.y - scale100 / 10));
        EXPECT_TRUE(waitUntil(pumping([&] { return cursorAt(window, -20, -10); })));
    }
}
