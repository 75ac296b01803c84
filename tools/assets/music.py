"""The game's music, a cheerful 64-second loop, and the pick-up chime.

120 beats a minute, 32 bars of four beats: exactly 64 s, the time after
which the game starts the music again. Sections: theme, theme with bells,
a middle part, theme again; the last bar's G chord leads back into the C of
the first, and every ringing tail wraps round to the start.
"""
import numpy as np

import synth

BEAT = 0.5
BAR = 4 * BEAT
C4 = 60

# Chords (root, third, fifth as MIDI notes) of each four-bar phrase.
C, AM, F, G, EM = (60, 64, 67), (57, 60, 64), (53, 57, 60), (55, 59, 62), (52, 55, 59)
THEME_CHORDS = [C, AM, F, G, C, AM, F, G]
MIDDLE_CHORDS = [F, G, EM, AM, F, G, C, G]

# Melodies: per bar, (beat, MIDI note, length in beats).
THEME = [
    [(0, 76, 1), (1, 79, .5), (1.5, 76, .5), (2, 72, 1), (3, 74, 1)],
    [(0, 76, 1.5), (1.5, 72, .5), (2, 69, 2)],
    [(0, 77, 1), (1, 81, .5), (1.5, 77, .5), (2, 72, 1), (3, 74, .5), (3.5, 76, .5)],
    [(0, 74, 1.5), (1.5, 71, .5), (2, 67, 2)],
    [(0, 76, .5), (.5, 77, .5), (1, 79, 1), (2, 84, 1), (3, 83, .5), (3.5, 81, .5)],
    [(0, 79, 1), (1, 76, 1), (2, 72, 1), (3, 76, 1)],
    [(0, 77, 1), (1, 76, .5), (1.5, 74, .5), (2, 72, 1), (3, 69, 1)],
    [(0, 71, 1), (1, 74, 1), (2, 79, 2)],
]
MIDDLE = [
    [(0, 81, 2), (2, 79, 1), (3, 77, 1)],
    [(0, 79, 2), (2, 74, 1), (3, 71, 1)],
    [(0, 76, 1), (1, 79, 1), (2, 83, 2)],
    [(0, 81, 2), (2, 76, 1), (3, 72, 1)],
    [(0, 77, 1), (1, 81, 1), (2, 84, 1.5), (3.5, 81, .5)],
    [(0, 83, 1), (1, 79, 1), (2, 74, 1), (3, 77, 1)],
    [(0, 76, 2), (2, 79, 1), (3, 76, 1)],
    [(0, 74, 1), (1, 76, .5), (1.5, 74, .5), (2, 71, 1), (3, 67, 1)],
]


def _bass(loop, bar_start, chord):
    root = chord[0] - 24
    for beat, note, length in ((0, root, .75), (1.5, root, .5), (2, root + 7, .75),
                               (3, root + 12, .5), (3.5, root + 7, .5)):
        loop.add(bar_start + beat * BEAT, synth.pluck_bass(note, length * BEAT + 0.2), 0.55)


def _stabs(loop, bar_start, chord):
    for beat in (.5, 1.5, 2.5, 3.5):
        for i, note in enumerate(chord):
            loop.add(bar_start + beat * BEAT, synth.bell(note, 0.5, 0.12), 0.09,
                     pan=-0.3 + 0.3 * i)


def _arpeggio(loop, bar_start, chord):
    notes = [chord[0] + 12, chord[1] + 12, chord[2] + 12, chord[1] + 12] * 2
    for i, note in enumerate(notes):
        loop.add(bar_start + i * BEAT / 2, synth.bell(note, 0.6, 0.18), 0.07,
                 pan=0.5 if i % 2 else -0.5)


def _drums(loop, bar_start, rng, snare_on):
    for beat in (0, 2):
        loop.add(bar_start + beat * BEAT, synth.kick(), 0.7)
    if snare_on:
        for beat in (1, 3):
            loop.add(bar_start + beat * BEAT, synth.snare(rng), 0.28, pan=0.1)
    for i in range(8):
        loop.add(bar_start + i * BEAT / 2, synth.hat(rng), 0.12 if i % 2 else 0.07, pan=0.35)


def _melody(loop, bar_start, bar, voice, gain, pan=0.0, octave=0):
    for beat, note, length in bar:
        if voice == 'marimba':
            sound = synth.marimba(note + octave, length * BEAT + 0.5)
        elif voice == 'bell':
            sound = synth.bell(note + octave, length * BEAT + 0.8, 0.4)
        else:
            sound = synth.soft_lead(note + octave, length, BEAT)
        loop.add(bar_start + beat * BEAT, sound, gain, pan)


def music():
    """The 64 s loop as stereo float samples."""
    rng = np.random.RandomState(5)
    loop = synth.Loop(32 * BAR)
    for section in range(4):
        middle = section == 2
        chords, melody = (MIDDLE_CHORDS, MIDDLE) if middle else (THEME_CHORDS, THEME)
        for i in range(8):
            start = (section * 8 + i) * BAR
            _bass(loop, start, chords[i])
            _stabs(loop, start, chords[i])
            _drums(loop, start, rng, snare_on=section > 0)
            if middle:
                _melody(loop, start, melody[i], 'lead', 0.22)
                _arpeggio(loop, start, chords[i])
            else:
                _melody(loop, start, melody[i], 'marimba', 0.5, pan=-0.1)
                if section > 0:
                    _melody(loop, start, melody[i], 'bell', 0.14, pan=0.25, octave=12)
                if section == 3:
                    _arpeggio(loop, start, chords[i])
    loop.echo(3 * BEAT / 4, 0.3, 0.22)
    return loop.stereo()


def chime():
    """A bright two-note pick-up chime, 0.3 s long."""
    n = int(0.3 * synth.RATE)
    out = np.zeros(n)
    for start, note, gain in ((0.0, 88, 1.0), (0.06, 95, 0.9), (0.06, 100, 0.25)):
        sound = synth.bell(note, 0.3 - start, 0.07)
        i = int(start * synth.RATE)
        out[i:i + len(sound)] += gain * sound[:n - i]
    fade = int(0.03 * synth.RATE)
    out[-fade:] *= np.linspace(1, 0, fade)
    return out
