#include "game_audio.h"

namespace {
const int DefaultDevice = 1;
const DWORD Frequency = 44100;
}  // namespace

GameAudio::GameAudio(void* windowHandle) {
    // No result is examined: every call below is a no-op after a failure.
    BASS_Init(DefaultDevice, Frequency, 0, windowHandle, nullptr);
    point = BASS_StreamCreateFile(0, "data/point.mp3", 0, 0, 0);
    music = BASS_StreamCreateFile(0, "data/music.mp3", 0, 0, BASS_STREAM_PRESCAN);
    playMusic();
}

void GameAudio::playMusic() { BASS_StreamPlay(music, 0, 0); }

void GameAudio::playPoint() { BASS_StreamPlay(point, 0, 0); }
