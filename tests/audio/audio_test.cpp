// The audio calls, heard through SDL's disk driver: every test plays into a
// raw file (signed 16-bit stereo at 44.1 kHz) and then listens to it.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "../utils/temp_dir.h"
#include "bass.h"

namespace {

constexpr int Rate = 44100;
constexpr double Pi = 3.14159265358979323846;
const std::string Tone = ZEPHRA_SOURCE_DIR "/tests/audio/fixtures/tone_1khz_1s.mp3";

// SDL reads its settings from the environment, on Windows too.
void setEnv(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

struct SoundRun {
    double start, length;  // seconds into the output
};

// Opens the disk driver into a fresh file; stop() closes it and returns the
// left channel of everything that was played.
class DiskOutput {
public:
    DiskOutput() {
        setEnv("SDL_AUDIODRIVER", "disk");
        setEnv("SDL_DISKAUDIOFILE", dir.file("out.raw"));
        opened = BASS_Init(1, Rate, 0, nullptr, nullptr);
    }
    ~DiskOutput() {
        if (opened) BASS_Free();
    }
    std::vector<float> stop() {
        EXPECT_TRUE(BASS_Free());
        opened = false;
        std::ifstream in(dir.file("out.raw"), std::ios::binary);
        std::vector<char> raw((std::istreambuf_iterator<char>(in)), {});
        std::vector<float> left(raw.size() / 4);
        for (size_t i = 0; i < left.size(); ++i) {
            int16_t sample;
            std::memcpy(&sample, &raw[i * 4], 2);
            left[i] = sample / 32768.0f;
        }
        return left;
    }

    // Seconds of sound the driver has written so far. The driver writes at
    // the pace of a real device, but a busy machine can slow it or the test
    // down: tests count what was written, not what the clock says.
    double written() const {
        std::error_code error;
        auto bytes = std::filesystem::file_size(dir.file("out.raw"), error);
        return error ? 0.0 : double(bytes) / (4.0 * Rate);
    }
    // Waits until the driver has written `seconds` more of output.
    void waitForMoreOutput(double seconds) const {
        const double target = written() + seconds;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (written() < target) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the audio driver stopped writing";
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    TempDir dir;
    BOOL opened;
};

void waitUntilSilent(HSTREAM stream) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (BASS_ChannelIsActive(stream) == BASS_ACTIVE_PLAYING) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the sound never ended";
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Stretches of sound, found in 10 ms windows; gaps under 50 ms are joined.
std::vector<SoundRun> soundingRuns(const std::vector<float>& s) {
    const size_t window = Rate / 100;
    std::vector<SoundRun> runs;
    double lastLoud = -1;
    for (size_t w = 0; w + window <= s.size(); w += window) {
        double energy = 0;
        for (size_t i = w; i < w + window; ++i) energy += s[i] * s[i];
        if (std::sqrt(energy / window) < 0.01) continue;
        double t = double(w) / Rate;
        if (runs.empty() || t - lastLoud > 0.05) runs.push_back({t, 0});
        lastLoud = t;
        runs.back().length = t + 0.01 - runs.back().start;
    }
    return runs;
}

// Strength of one frequency in [from, from + seconds) (Goertzel).
double strength(const std::vector<float>& s, double hz, double from, double seconds) {
    size_t begin = size_t(from * Rate), end = std::min(s.size(), size_t((from + seconds) * Rate));
    double k = 2 * std::cos(2 * Pi * hz / Rate), a = 0, b = 0;
    for (size_t i = begin; i < end; ++i) {
        double c = s[i] + k * a - b;
        b = a;
        a = c;
    }
    return std::sqrt(a * a + b * b - k * a * b) / double(end - begin);
}

}  // namespace

TEST(AudioPlayback, Mp3PlaysAndTheOutputHoldsItsSamples) {
    DiskOutput out;
    ASSERT_TRUE(out.opened);
    HSTREAM tone = BASS_StreamCreateFile(FALSE, Tone.c_str(), 0, 0, 0);
    ASSERT_NE(tone, 0u);
    ASSERT_TRUE(BASS_StreamPlay(tone, FALSE, 0));
    waitUntilSilent(tone);
    std::vector<float> heard = out.stop();

    std::vector<SoundRun> runs = soundingRuns(heard);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NEAR(runs[0].length, 1.0, 0.08);
    double middle = runs[0].start + 0.3;
    EXPECT_GT(strength(heard, 1000, middle, 0.4), 20 * strength(heard, 700, middle, 0.4));
}

TEST(AudioPlayback, PlayWhilePlayingKeepsGoingAndFlushRestarts) {
    DiskOutput out;
    HSTREAM tone = BASS_StreamCreateFile(FALSE, Tone.c_str(), 0, 0, 0);
    ASSERT_TRUE(BASS_StreamPlay(tone, FALSE, 0));
    out.waitForMoreOutput(0.3);
    ASSERT_EQ(BASS_ChannelIsActive(tone), (DWORD)BASS_ACTIVE_PLAYING);
    ASSERT_TRUE(BASS_StreamPlay(tone, FALSE, 0));  // undisturbed
    waitUntilSilent(tone);
    out.waitForMoreOutput(0.25);  // a clear gap between the two runs

    ASSERT_TRUE(BASS_StreamPlay(tone, FALSE, 0));
    out.waitForMoreOutput(0.4);  // at least 0.3 s of it heard, whatever the buffering
    ASSERT_TRUE(BASS_StreamPlay(tone, TRUE, 0));  // flush: from the start again
    waitUntilSilent(tone);

    std::vector<SoundRun> runs = soundingRuns(out.stop());
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[0].length, 1.0, 0.08);
    EXPECT_GT(runs[1].length, 1.15);
}

TEST(AudioPlayback, PlayingAnEndedStreamStartsItAgain) {
    DiskOutput out;
    HSTREAM tone = BASS_StreamCreateFile(FALSE, Tone.c_str(), 0, 0, 0);
    ASSERT_TRUE(BASS_StreamPlay(tone, FALSE, 0));
    waitUntilSilent(tone);
    out.waitForMoreOutput(0.25);
    ASSERT_TRUE(BASS_StreamPlay(tone, FALSE, 0));
    waitUntilSilent(tone);

    std::vector<SoundRun> runs = soundingRuns(out.stop());
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[0].length, 1.0, 0.08);
    EXPECT_NEAR(runs[1].length, 1.0, 0.08);
}

TEST(AudioPlayback, LongMusicStreamsAndMixesWithAShortSound) {
    DiskOutput out;
    // Three seconds of 440 Hz as a WAV file, long enough to be streamed.
    std::vector<int16_t> pcm(3 * Rate * 2);
    for (size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = int16_t(8000 * std::sin(2 * Pi * 440 * double(i / 2) / Rate));
    uint32_t bytes = uint32_t(pcm.size() * 2);
    std::string wav = "RIFF";
    auto put32 = [&](uint32_t v) { wav.append(reinterpret_cast<char*>(&v), 4); };
    auto put16 = [&](uint16_t v) { wav.append(reinterpret_cast<char*>(&v), 2); };
    put32(36 + bytes);
    wav += "WAVEfmt ";
    put32(16), put16(1), put16(2), put32(Rate), put32(Rate * 4), put16(4), put16(16);
    wav += "data";
    put32(bytes);
    wav.append(reinterpret_cast<char*>(pcm.data()), bytes);
    std::string music = out.dir.write("music.wav", wav);

    HSTREAM point = BASS_StreamCreateFile(FALSE, Tone.c_str(), 0, 0, 0);
    HSTREAM song = BASS_StreamCreateFile(FALSE, music.c_str(), 0, 0, 0x20000);
    ASSERT_NE(point, 0u);
    ASSERT_NE(song, 0u);
    ASSERT_TRUE(BASS_StreamPlay(song, FALSE, 0));
    ASSERT_TRUE(BASS_StreamPlay(point, FALSE, 0));
    waitUntilSilent(point);
    std::vector<float> heard = out.stop();

    std::vector<SoundRun> runs = soundingRuns(heard);
    ASSERT_FALSE(runs.empty());
    double both = runs[0].start + 0.3;
    double quiet = strength(heard, 700, both, 0.4);
    EXPECT_GT(strength(heard, 440, both, 0.4), 20 * quiet);
    EXPECT_GT(strength(heard, 1000, both, 0.4), 20 * quiet);
}

TEST(AudioFailures, MissingFilesBadHandlesAndRangesAreHarmless) {
    DiskOutput out;
    EXPECT_EQ(BASS_StreamCreateFile(FALSE, "data/no-such-sound.mp3", 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN);
    std::string text = out.dir.write("notes.txt", "not a sound at all");
    EXPECT_EQ(BASS_StreamCreateFile(FALSE, text.c_str(), 0, 0, 0), 0u);
    EXPECT_EQ(BASS_StreamCreateFile(FALSE, nullptr, 0, 0, 0), 0u);
    EXPECT_FALSE(BASS_StreamPlay(0, FALSE, 0));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    EXPECT_FALSE(BASS_StreamPlay(12345, FALSE, 0));
    EXPECT_FALSE(BASS_Init(1, Rate, 0, nullptr, nullptr));  // already open
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ALREADY);

    // A sound embedded in a larger file, picked by offset and length.
    std::ifstream in(Tone, std::ios::binary);
    std::string mp3((std::istreambuf_iterator<char>(in)), {});
    std::string packed = out.dir.write("pack.bin", std::string(100, 'x') + mp3 + "trailer");
    HSTREAM ranged = BASS_StreamCreateFile(FALSE, packed.c_str(), 100, mp3.size(), 0);
    ASSERT_NE(ranged, 0u);
    EXPECT_NE(BASS_StreamCreateFile(TRUE, mp3.data(), 0, mp3.size(), 0), 0u);
    EXPECT_EQ(BASS_StreamCreateFile(FALSE, packed.c_str(), 1 << 20, 0, 0), 0u);
    ASSERT_TRUE(BASS_StreamPlay(ranged, FALSE, 0));
    waitUntilSilent(ranged);
    std::vector<SoundRun> runs = soundingRuns(out.stop());
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NEAR(runs[0].length, 1.0, 0.08);
}

TEST(AudioFailures, WithoutAnAudioDeviceEveryCallReturns) {
    setEnv("SDL_AUDIODRIVER", "no-such-driver");
    EXPECT_FALSE(BASS_Init(1, Rate, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_StreamCreateFile(FALSE, Tone.c_str(), 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
    EXPECT_FALSE(BASS_StreamPlay(1, FALSE, 0));
    EXPECT_EQ(BASS_ChannelIsActive(1), (DWORD)BASS_ACTIVE_STOPPED);
    EXPECT_FALSE(BASS_Free());
    EXPECT_FALSE(BASS_Init(0, Rate, 0, nullptr, nullptr));  // "no sound" is not an output
}

// The driver starts but no output opens (under Wine without a sound card,
// WASAPI finds no endpoint): the game must go on silently, and a later
// attempt must find nothing half-open.
TEST(AudioFailures, AnOutputThatWillNotOpenLeavesEveryCallHarmless) {
    TempDir dir;
    setEnv("SDL_AUDIODRIVER", "disk");
    setEnv("SDL_DISKAUDIOFILE", dir.file("no-such-folder/out.raw"));
    EXPECT_FALSE(BASS_Init(1, Rate, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_DRIVER);
    EXPECT_EQ(BASS_StreamCreateFile(FALSE, Tone.c_str(), 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
    EXPECT_FALSE(BASS_StreamPlay(1, TRUE, 0));
    EXPECT_EQ(BASS_ChannelIsActive(1), (DWORD)BASS_ACTIVE_STOPPED);
    EXPECT_FALSE(BASS_Free());

    setEnv("SDL_DISKAUDIOFILE", dir.file("out.raw"));
    ASSERT_TRUE(BASS_Init(1, Rate, 0, nullptr, nullptr));
    EXPECT_NE(BASS_StreamCreateFile(FALSE, Tone.c_str(), 0, 0, 0), 0u);
    EXPECT_TRUE(BASS_Free());
}
