/* Our audio calls over SDL2_mixer: the three the game makes, plus the two a
 * user of such a layer expects (error code, shut-down).
 *
 * Every failure is silent and harmless: a missing file, handle 0 or no audio
 * device leave the game running mute. Each stream plays on its own mixer
 * channel, so sounds overlap freely. Single-threaded use only. */
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

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

/* Exact seeking in MP3 files; nothing extra is needed for it here. */
#define BASS_STREAM_PRESCAN 0x20000

/* Error codes of BASS_ErrorGetCode. */
#define BASS_OK 0
#define BASS_ERROR_MEM 1       /* out of memory */
#define BASS_ERROR_FILEOPEN 2   /* the file could not be opened or read */
#define BASS_ERROR_HANDLE 5     /* not a stream handle */
#define BASS_ERROR_INIT 8       /* BASS_Init has not succeeded */
#define BASS_ERROR_ALREADY 14   /* already initialised */
#define BASS_ERROR_DEVICE 23    /* no such output device */
#define BASS_ERROR_FILEFORM 41  /* not a sound format the decoder reads */
#define BASS_ERROR_DRIVER 3     /* the output could not be opened */

/* Opens output device `device` (1 or -1: the default; n > 1: the system's
 * n-th output) at `freq` Hz, stereo, 16-bit. win and clsid are not used. */
BOOL BASS_Init(int device, DWORD freq, DWORD flags, void* win, void* clsid);
/* Loads a sound (MP3, or any format SDL2_mixer reads) from a file name, or
 * from memory when mem is TRUE. offset and length pick a byte range; 0 and 0
 * mean the whole file. Returns a handle, or 0 on failure. */
HSTREAM BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags);
/* Starts the stream from the beginning when it is not playing (never started
 * or ended); a stream that is still playing keeps playing undisturbed unless
 * flush is TRUE, which restarts it. */
BOOL BASS_StreamPlay(HSTREAM handle, BOOL flush, DWORD flags);
/* BASS_ACTIVE_PLAYING while the stream is sounding, else BASS_ACTIVE_STOPPED. */
#define BASS_ACTIVE_STOPPED 0
#define BASS_ACTIVE_PLAYING 1
DWORD BASS_ChannelIsActive(DWORD handle);
/* The error of the last call (BASS_OK when it succeeded). */
int BASS_ErrorGetCode(void);
/* Stops everything, frees every stream and closes the output. */
BOOL BASS_Free(void);

#ifdef __cplusplus
}
#endif

#endif
