// The game's two sounds. Nothing here ever fails loudly: without an audio
// device or with a sound file missing, the game simply plays without it.
#pragma once

#include <bass.h>

class GameAudio {
public:
    // Opens the audio output for the game's window, loads both sounds and
    // starts the music.
    explicit GameAudio(void* windowHandle);

    // Restarts the music from the beginning if it has finished, and lets it
    // play on otherwise.
    void playMusic();
    // The pick-up sound, once per call.
    void playPoint();

private:
    HSTREAM point;
    HSTREAM music;
};
