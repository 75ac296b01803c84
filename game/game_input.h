// What the frame loop asks of the player, behind one small interface so that
// the benchmark can replay a scripted player through the same loop.
#pragma once

#include "zephra.h"

class GameInput {
public:
    virtual ~GameInput() {}
    virtual bool isEscapeDown() = 0;
    virtual bool isLeftButtonDown() = 0;
    virtual bool isRightButtonDown() = 0;
    // The pointer in the window's client pixels, y downwards.
    virtual void getCursor(int& x, int& y) = 0;
};

// The real keyboard and mouse, polled at the moment of each question.
class PlayerInput : public GameInput {
public:
    explicit PlayerInput(const Zephra::Window& window) : window(window) {}
    bool isEscapeDown() override { return Zephra::isKeyDown(Zephra::KeyEnum::Escape); }
    bool isLeftButtonDown() override {
        return Zephra::isMouseButtonDown(Zephra::MouseButtonEnum::Left);
    }
    bool isRightButtonDown() override {
        return Zephra::isMouseButtonDown(Zephra::MouseButtonEnum::Right);
    }
    void getCursor(int& x, int& y) override { Zephra::getCursorPosition(window, x, y); }

private:
    const Zephra::Window& window;
};
