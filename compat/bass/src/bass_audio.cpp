// Our audio calls over SDL2_mixer.
//
// Implements: BASS_Init, BASS_StreamCreateFile (files and memory, byte
// ranges), BASS_StreamPlay (restart when ended, undisturbed while playing,
// flush restarts), BASS_ChannelIsActive, BASS_ErrorGetCode, BASS_Free.
// Lacks: looping, volume, pan, positions, effects, recording, 3D, and every
// other BASS call. Single-threaded: call it from one thread only.
//
// Short sounds are decoded whole into a mixer chunk with a channel of their
// own. A long sound is streamed instead, because decoding a minute of music
// up front costs tens of milliseconds at start-up; SDL_mixer streams only one
// sound at a time, so any further long sound is decoded whole as well.
#include "bass.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <memory>
#include <new>
#include <vector>

namespace {

// Sources above this size are streamed rather than decoded up front.
constexpr size_t StreamAboveBytes = 256 * 1024;

struct Stream {
    Mix_Chunk* chunk = nullptr;        // decoded whole, plays on `channel`
    Mix_Music* music = nullptr;        // streamed from `source`
    std::vector<unsigned char> source; // the bytes a streamed sound reads from
    int channel = -1;
};

struct Output {
    bool open = false;
    bool streamSlotTaken = false;
    int chunkChannels = 0;
    int error = BASS_OK;
    std::vector<std::unique_ptr<Stream>> streams;  // handle h is streams[h - 1]
};

// Never destroyed: a program may end without BASS_Free while SDL's audio
// thread is still mixing a streamed sound out of the bytes held here, so
// they must outlive every static destructor.
Output& output() {
    static Output* state = new Output();
    return *state;
}

BOOL fail(int code) {
    output().error = code;
    return FALSE;
}

BOOL succeed() {
    output().error = BASS_OK;
    return TRUE;
}

Stream* find(DWORD handle) {
    Output& out = output();
    if (handle == 0 || handle > out.streams.size()) return nullptr;
    return out.streams[handle - 1].get();
}

// Reads [offset, offset + length) of a file; length 0 means to the end.
bool readFileRange(const char* name, QWORD offset, QWORD length,
                   std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(name, "rb");
    if (!file) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(file) : -1;
    ok = size >= 0 && offset <= static_cast<QWORD>(size);
    if (ok) {
        QWORD available = static_cast<QWORD>(size) - offset;
        QWORD count = (length == 0 || length > available) ? available : length;
        bytes.resize(static_cast<size_t>(count));
        ok = std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 &&
             std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    return ok;
}

void release(Stream& stream) {
    if (stream.chunk) Mix_FreeChunk(stream.chunk);
    if (stream.music) Mix_FreeMusic(stream.music);
    stream.chunk = nullptr;
    stream.music = nullptr;
}

HSTREAM createStream(BOOL mem, const void* file, QWORD offset, QWORD length) {
    Output& out = output();
    if (!out.open) return fail(BASS_ERROR_INIT);
    if (!file) return fail(BASS_ERROR_FILEOPEN);

    auto stream = std::make_unique<Stream>();
    const unsigned char* bytes;
    size_t size;
    if (mem) {
        if (length == 0) return fail(BASS_ERROR_FILEFORM);
        bytes = static_cast<const unsigned char*>(file) + offset;
        size = static_cast<size_t>(length);
    } else {
        if (!readFileRange(static_cast<const char*>(file), offset, length, stream->source))
            return fail(BASS_ERROR_FILEOPEN);
        bytes = stream->source.data();
        size = stream->source.size();
    }
    if (size == 0) return fail(BASS_ERROR_FILEFORM);

    if (!out.streamSlotTaken && size > StreamAboveBytes) {
        // Memory given by the caller must stay valid while the stream lives;
        // a file's bytes are kept in the stream itself.
        stream->music = Mix_LoadMUS_RW(SDL_RWFromConstMem(bytes, static_cast<int>(size)), 1);
        if (!stream->music) return fail(BASS_ERROR_FILEFORM);
        out.streamSlotTaken = true;
    } else {
        stream->chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes, static_cast<int>(size)), 1);
        if (!stream->chunk) return fail(BASS_ERROR_FILEFORM);
        std::vector<unsigned char>().swap(stream->source);  // decoded: the bytes are done
        stream->channel = out.chunkChannels;
        Mix_AllocateChannels(++out.chunkChannels);
    }
    out.streams.push_back(std::move(stream));
    succeed();
    return static_cast<HSTREAM>(out.streams.size());
}

bool isPlaying(const Stream& stream) {
    if (stream.music) return Mix_PlayingMusic() != 0;
    return Mix_Playing(stream.channel) != 0;
}

}  // namespace

extern "C" {

BOOL BASS_Init(int device, DWORD freq, DWORD /*flags*/, void* /*win*/, void* /*clsid*/) {
    Output& out = output();
    if (out.open) return fail(BASS_ERROR_ALREADY);
    if (device == 0 || device < -1) return fail(BASS_ERROR_DEVICE);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return fail(BASS_ERROR_DRIVER);

    const char* name = nullptr;  // the default output
    if (device > 1) {
        name = SDL_GetAudioDeviceName(device - 1, 0);
        if (!name) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return fail(BASS_ERROR_DEVICE);
        }
    }
    Mix_Init(MIX_INIT_MP3);
    int rate = freq > 0 ? static_cast<int>(freq) : 44100;
    if (Mix_OpenAudioDevice(rate, AUDIO_S16SYS, 2, 1024, name, 0) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return fail(BASS_ERROR_DRIVER);
    }
    Mix_AllocateChannels(0);
    out.open = true;
    return succeed();
}

HSTREAM BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length,
                              DWORD /*flags*/) {
    try {
        return createStream(mem, file, offset, length);
    } catch (const std::bad_alloc&) {
        return fail(BASS_ERROR_MEM);
    }
}

BOOL BASS_StreamPlay(HSTREAM handle, BOOL flush, DWORD /*flags*/) {
    if (!output().open) return fail(BASS_ERROR_INIT);
    Stream* stream = find(handle);
    if (!stream) return fail(BASS_ERROR_HANDLE);
    if (isPlaying(*stream) && !flush) return succeed();
    int started = stream->music ? Mix_PlayMusic(stream->music, 0)
                                : Mix_PlayChannel(stream->channel, stream->chunk, 0);
    return started < 0 ? fail(BASS_ERROR_DRIVER) : succeed();
}

DWORD BASS_ChannelIsActive(DWORD handle) {
    Stream* stream = output().open ? find(handle) : nullptr;
    if (!stream) {
        fail(output().open ? BASS_ERROR_HANDLE : BASS_ERROR_INIT);
        return BASS_ACTIVE_STOPPED;
    }
    succeed();
    return isPlaying(*stream) ? BASS_ACTIVE_PLAYING : BASS_ACTIVE_STOPPED;
}

int BASS_ErrorGetCode(void) {
    return output().error;
}

BOOL BASS_Free(void) {
    Output& out = output();
    if (!out.open) return fail(BASS_ERROR_INIT);
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (auto& stream : out.streams) release(*stream);
    out.streams.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    out = Output();
    return succeed();
}

}  // extern "C"
