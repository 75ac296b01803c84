/* Our audio calls over SDL2_mixer: the three the game makes. Every failure is
 * silent: a missing file or no audio device leaves the game running mute. */
#ifndef ZEPHRA_COMPAT_BASS_H
#define ZEPHRA_COMPAT_BASS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int BOOL;
typedef uint32_t DWORD;
typedef uint64_t QWORD;
typedef DWORD HSTREAM;

#define BASS_STREAM_PRESCAN 0x20000

BOOL BASS_Init(int device, DWORD freq, DWORD flags, void* win, void* clsid);
HSTREAM BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags);
BOOL BASS_StreamPlay(HSTREAM handle, BOOL flush, DWORD flags);

#ifdef __cplusplus
}
#endif

#endif
