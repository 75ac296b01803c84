// SDL2 backend: video start-up and the event pump.
// Implements: lazy start of SDL's video subsystem (kept for the process),
//   screen saver and display power-down off, one-event-per-call pump that
//   turns the close request into PumpResult::Quit.
//   Key and mouse-button presses are taken out before they reach the queue
//   and only latched for the input queries, so a tap or click between two
//   frames is not lost.
// Lacks: input events are not queued at all (the game polls the keyboard and
//   the mouse), so nothing here reports keys, buttons or motion.
#include "platform/gl_context.h"
#include "platform/sdl/sdl_platform.h"

namespace Zephra {
namespace Platform {
namespace Sdl {
namespace {

// Event kinds the game never reads. The pump takes one event per frame, so
// every queued pointer motion would delay the close request behind it; with
// these ignored only window and quit events wait in the queue, while SDL
// still keeps its keyboard and mouse state up to date.
const Uint32 ignoredEvents[] = {
    SDL_KEYUP, SDL_TEXTEDITING, SDL_TEXTINPUT, SDL_KEYMAPCHANGED,
    SDL_TEXTEDITING_EXT,
    SDL_MOUSEMOTION, SDL_MOUSEBUTTONUP, SDL_MOUSEWHEEL,
    SDL_JOYAXISMOTION, SDL_JOYBALLMOTION, SDL_JOYHATMOTION, SDL_JOYBUTTONDOWN,
    SDL_JOYBUTTONUP, SDL_JOYDEVICEADDED, SDL_JOYDEVICEREMOVED, SDL_JOYBATTERYUPDATED,
    SDL_CONTROLLERAXISMOTION, SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLERBUTTONUP,
    SDL_CONTROLLERDEVICEADDED, SDL_CONTROLLERDEVICEREMOVED, SDL_CONTROLLERDEVICEREMAPPED,
    SDL_CONTROLLERTOUCHPADDOWN, SDL_CONTROLLERTOUCHPADMOTION, SDL_CONTROLLERTOUCHPADUP,
    SDL_CONTROLLERSENSORUPDATE,
    SDL_FINGERDOWN, SDL_FINGERUP, SDL_FINGERMOTION,
    SDL_DOLLARGESTURE, SDL_DOLLARRECORD, SDL_MULTIGESTURE,
    SDL_CLIPBOARDUPDATE, SDL_DROPFILE, SDL_DROPTEXT, SDL_DROPBEGIN, SDL_DROPCOMPLETE,
    SDL_AUDIODEVICEADDED, SDL_AUDIODEVICEREMOVED, SDL_SENSORUPDATE,
    SDL_DISPLAYEVENT, SDL_LOCALECHANGED, SDL_SYSWMEVENT,
    SDL_RENDER_TARGETS_RESET, SDL_RENDER_DEVICE_RESET,
};

// Presses since the last take*Press() call.
bool escapePressed = false;
bool leftButtonPressed = false;
bool rightButtonPressed = false;

// Runs inside SDL's event processing, before anything is queued. Key and
// button presses are latched here and then dropped, so that they never wait
// in the queue in front of the close request.
int SDLCALL latchAndDropPresses(void*, SDL_Event* event) {
    switch (event->type) {
    case SDL_KEYDOWN:
        if (event->key.keysym.scancode == SDL_SCANCODE_ESCAPE) escapePressed = true;
        return 0;
    case SDL_MOUSEBUTTONDOWN:
        if (event->button.button == SDL_BUTTON_LEFT) leftButtonPressed = true;
        if (event->button.button == SDL_BUTTON_RIGHT) rightButtonPressed = true;
        return 0;
    default:
        return 1;
    }
}

bool take(bool& latch) {
    const bool pressed = latch;
    latch = false;
    return pressed;
}

}  // namespace

bool takeEscapePress() { return take(escapePressed); }

bool takeButtonPress(bool right) { return take(right ? rightButtonPressed : leftButtonPressed); }

bool initVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    // One close request gives one event: the window's close, not also a
    // process quit when it happens to be the last window.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    for (Uint32 type : ignoredEvents) SDL_EventState(type, SDL_IGNORE);
    SDL_SetEventFilter(latchAndDropPresses, nullptr);
    SDL_DisableScreenSaver();
    return true;
}

}  // namespace Sdl

PumpResult pumpOneEvent() {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return PumpResult::None;
    SDL_Event event;
    if (!SDL_PollEvent(&event)) return PumpResult::None;
    if (event.type == SDL_QUIT) return PumpResult::Quit;
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)
        return PumpResult::Quit;
    return PumpResult::Other;
}

}  // namespace Platform
}  // namespace Zephra
