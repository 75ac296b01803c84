// Polled input follows what the user does to the pointer, the buttons and
// the keyboard: the cursor in client pixels, the buttons and Escape down now
// or pressed since the previous query, once.
#include <gtest/gtest.h>

#include "backend_fixture.h"
#include "platform_polling.h"
#include "platform/gl_context.h"
#include "platform/input.h"
#include "platform/window.h"

using namespace Zephra;
using namespace ZephraTest;

namespace {

// A framed 800 x 600 window, shown, focused, with the pointer over it and
// nothing pressed since: what the game's window is while a player plays.
class GameWindowInput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(waitUntil(pumping([&] {
            screen = Backend::onScreen(Backend::screenId(window));
            return screen.viewable && screen.width == 800 && screen.height == 600;
        }))) << "the window never showed";
        ASSERT_TRUE(Backend::focus(window));
        ASSERT_TRUE(pointAt(300, 300));
        drain();
        // Forget whatever was pressed before the test began.
        isKeyDown(KeyEnum::Escape);
        isMouseButtonDown(MouseButtonEnum::Left);
        isMouseButtonDown(MouseButtonEnum::Right);
    }

    // The pointer to these client pixels, once the window has seen it there.
    bool pointAt(int x, int y) {
        return Backend::movePointer(screen.x + x, screen.y + y) &&
               waitUntil(pumping([&] { return cursorAt(window, x, y); }));
    }

    // Everything the user did before this has reached the program: the
    // window system delivers input in order, and a pointer move made after
    // it has arrived.
    void waitForEarlierInput() {
        marker = marker == 300 ? 310 : 300;
        ASSERT_TRUE(pointAt(marker, marker)) << "the pointer move never arrived";
    }

    Window window{800, 600, true};
    ScreenWindow screen;
    int marker = 300;
};

MouseButtonEnum otherThan(MouseButtonEnum button) {
    return button == MouseButtonEnum::Left ? MouseButtonEnum::Right : MouseButtonEnum::Left;
}

}  // namespace

TEST(Input, CursorIsInClientPixelsInsideAndOutsideTheWindow) {
    SKIP_UNLESS_BACKEND_CAN(Need::SeveralWindows);
    Window framed(800, 600, true);
    Window frameless(128, 128, false);  // client origin (0, 0)
    ScreenWindow screen;
    ASSERT_TRUE(waitUntil(pumping([&] {
        screen = Backend::onScreen(Backend::screenId(framed));
        return screen.viewable && screen.width == 800;
    })));
    ASSERT_TRUE(Backend::movePointer(screen.x + 100, screen.y + 50));
    EXPECT_TRUE(waitUntil(pumping([&] { return cursorAt(framed, 100, 50); })));
    EXPECT_TRUE(cursorAt(frameless, screen.x + 100, screen.y + 50));  // beyond its 128 x 128
    ASSERT_TRUE(Backend::movePointer(0, 0));
    EXPECT_TRUE(waitUntil(pumping([&] { return cursorAt(framed, -screen.x, -screen.y); })));
    EXPECT_TRUE(cursorAt(frameless, 0, 0));
}

TEST_F(GameWindowInput, ButtonsAreThePhysicalStateNow) {
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Left));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Right));
    ASSERT_TRUE(Backend::pressButton(MouseButtonEnum::Left));
    EXPECT_TRUE(waitUntil(pumping([] { return isMouseButtonDown(MouseButtonEnum::Left); })));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Right));
    ASSERT_TRUE(Backend::releaseButton(MouseButtonEnum::Left));
    ASSERT_TRUE(Backend::pressButton(MouseButtonEnum::Right));
    EXPECT_TRUE(waitUntil(pumping([] { return isMouseButtonDown(MouseButtonEnum::Right); })));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Left));
    ASSERT_TRUE(Backend::releaseButton(MouseButtonEnum::Right));
    EXPECT_TRUE(waitUntil(pumping([] { return !isMouseButtonDown(MouseButtonEnum::Right); })));
}

TEST_F(GameWindowInput, EscapeKeyIsSeenWhileHeld) {
    EXPECT_FALSE(isKeyDown(KeyEnum::Escape));
    ASSERT_TRUE(Backend::pressEscape());
    EXPECT_TRUE(waitUntil(pumping([] { return isKeyDown(KeyEnum::Escape); })));
    EXPECT_TRUE(isKeyDown(KeyEnum::Escape)) << "still held";
    ASSERT_TRUE(Backend::releaseEscape());
    EXPECT_TRUE(waitUntil(pumping([] { return !isKeyDown(KeyEnum::Escape); })));
}

TEST_F(GameWindowInput, EscapeTappedBetweenTwoQueriesCountsOnce) {
    EXPECT_FALSE(isKeyDown(KeyEnum::Escape));
    // Press and release both reach the program before the next query.
    ASSERT_TRUE(Backend::tapEscape());
    ASSERT_NO_FATAL_FAILURE(waitForEarlierInput());
    EXPECT_TRUE(isKeyDown(KeyEnum::Escape)) << "the tap was lost";
    EXPECT_FALSE(isKeyDown(KeyEnum::Escape)) << "one tap counts once";
}

TEST_F(GameWindowInput, ClickBetweenTwoQueriesCountsOnceForThatButton) {
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Left));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Right));
    for (MouseButtonEnum button : {MouseButtonEnum::Left, MouseButtonEnum::Right}) {
        // Press and release both reach the program before the next query.
        ASSERT_TRUE(Backend::clickButton(button));
        ASSERT_NO_FATAL_FAILURE(waitForEarlierInput());
        EXPECT_TRUE(isMouseButtonDown(button)) << "the click was lost";
        EXPECT_FALSE(isMouseButtonDown(button)) << "one click counts once";
        EXPECT_FALSE(isMouseButtonDown(otherThan(button))) << "a click counts for its own button only";
    }
}
