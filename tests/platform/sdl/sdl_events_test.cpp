// How the SDL backend maps SDL's events: a process quit ends the game, and
// presses are latched for the input queries instead of waiting in the queue.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform_polling.h"
#include "platform/gl_context.h"
#include "platform/input.h"
#include "platform/window.h"

using namespace Zephra;
using Platform::PumpResult;

namespace {

class SdlEvents : public ::testing::Test {
protected:
    void SetUp() override { ZephraTest::drain(5); }
    Window window{64, 64, false};  // brings up SDL's video
};

}  // namespace

TEST_F(SdlEvents, ProcessQuitIsQuit) {
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 1);
    EXPECT_EQ(Platform::pumpOneEvent(), PumpResult::Quit);
    EXPECT_EQ(Platform::pumpOneEvent(), PumpResult::None);
}

TEST_F(SdlEvents, EscapeAndButtonPressesAreLatchedNotQueued) {
    isKeyDown(KeyEnum::Escape);
    isMouseButtonDown(MouseButtonEnum::Right);
    SDL_Event key = {};
    key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
    SDL_PushEvent(&key);
    SDL_Event button = {};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.button = SDL_BUTTON_RIGHT;
    SDL_PushEvent(&button);
    EXPECT_EQ(Platform::pumpOneEvent(), PumpResult::None) << "a press waits in the queue";
    EXPECT_TRUE(isKeyDown(KeyEnum::Escape));
    EXPECT_FALSE(isKeyDown(KeyEnum::Escape));
    EXPECT_TRUE(isMouseButtonDown(MouseButtonEnum::Right));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Right));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Left));
}
