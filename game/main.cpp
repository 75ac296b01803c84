// Pouncer: steer the cat with the mouse, jump from star to star, climb.
// Built twice from this file: `pouncer` switches the display to 800 x 600
// full screen (POUNCER_FULL_SCREEN), `pouncer_windowed` leaves it alone.
#include "game_assets.h"
#include "game_audio.h"
#include "game_input.h"
#include "game_loop.h"
#include "game_world.h"

int main() {
    try {
        Zephra::Window window(800, 600, true);
        Zephra::Device device(window, 24, 8, 0, 0);
#ifdef POUNCER_FULL_SCREEN
        Zephra::changeDisplayMode(800, 600, 32);
#endif
        GameAssets assets;
        GameWorld world;
        Zephra::Timer timer;
        timer.reset();
        GameAudio audio(reinterpret_cast<void*>(device.getHandle(0)));
        PlayerInput input(window);

        GameLoop loop(device, assets, world, timer, audio, input);
        while (loop.runFrame()) {
        }
        // Leaving this block releases the world, the assets, the device and
        // the window, in that order.
    } catch (const Zephra::Exceptions::Exception& e) {
        // Everything created so far is gone by now, the window included.
        Zephra::showErrorBox("Error", e.getMessage());
        return 1;
    }
    return 0;
}
