"""Small synthesiser: instrument voices, a looping mix buffer and MP3 encoding.

Everything is numpy arithmetic on float64 samples at 44.1 kHz with fixed
noise seeds, so the same notes give the same samples every run.
"""
import os
import subprocess
import tempfile
import wave

import numpy as np

RATE = 44100


def freq(midi):
    return 440.0 * 2.0 ** ((midi - 69) / 12.0)


def _t(seconds):
    return np.arange(int(seconds * RATE)) / RATE


def envelope(n, attack, decay):
    """A quick linear attack, then an exponential decay with time constant decay."""
    t = np.arange(n) / RATE
    env = np.exp(-t / decay)
    a = max(1, int(attack * RATE))
    env[:a] *= np.linspace(0.0, 1.0, a)
    fade = min(n, int(0.01 * RATE))
    env[n - fade:] *= np.linspace(1.0, 0.0, fade)
    return env


def bell(midi, length=1.2, decay=0.35):
    """Glassy bell: a few inharmonic partials, the high ones dying first."""
    t = _t(length)
    f = freq(midi)
    out = np.zeros_like(t)
    for ratio, amp, d in ((1.0, 1.0, 1.0), (2.0, 0.35, 0.6), (3.01, 0.18, 0.4), (4.2, 0.08, 0.25)):
        out += amp * np.sin(2 * np.pi * f * ratio * t) * envelope(len(t), 0.003, decay * d)
    return out


def marimba(midi, length=0.9):
    t = _t(length)
    f = freq(midi)
    body = np.sin(2 * np.pi * f * t) * envelope(len(t), 0.002, 0.32)
    knock = 0.25 * np.sin(2 * np.pi * f * 3.99 * t) * envelope(len(t), 0.001, 0.03)
    return body + knock


def soft_lead(midi, beats_long, beat):
    """A mellow, slightly vibrato lead for held notes."""
    t = _t(beats_long * beat + 0.15)
    f = freq(midi)
    vibrato = 1.0 + 0.004 * np.sin(2 * np.pi * 5.5 * t) * np.clip(t / 0.3, 0, 1)
    phase = 2 * np.pi * f * np.cumsum(vibrato) / RATE
    tone = np.sin(phase) + 0.3 * np.sin(2 * phase) + 0.12 * np.sin(3 * phase)
    env = np.clip(t / 0.03, 0, 1) * np.exp(-t / 1.5)
    release = int(0.15 * RATE)
    env[-release:] *= np.linspace(1, 0, release)
    return tone * env


def pluck_bass(midi, length=0.5):
    t = _t(length)
    f = freq(midi)
    tone = np.sin(2 * np.pi * f * t) + 0.35 * np.sin(4 * np.pi * f * t) * np.exp(-t / 0.08)
    return tone * envelope(len(t), 0.004, 0.25)


def kick():
    t = _t(0.3)
    pitch = 48 + 90 * np.exp(-t / 0.03)
    phase = 2 * np.pi * np.cumsum(pitch) / RATE
    return np.sin(phase) * envelope(len(t), 0.001, 0.09)


def snare(rng):
    t = _t(0.2)
    noise = rng.uniform(-1, 1, len(t))
    noise = np.convolve(noise, [0.5, 0.0, -0.5], mode='same')   # take out the rumble
    tone = np.sin(2 * np.pi * 190 * t) * envelope(len(t), 0.001, 0.03)
    return 0.6 * noise * envelope(len(t), 0.001, 0.05) + 0.5 * tone


def hat(rng, open_=False):
    t = _t(0.25 if open_ else 0.06)
    noise = np.diff(rng.uniform(-1, 1, len(t) + 1))
    return noise * envelope(len(t), 0.0005, 0.07 if open_ else 0.015)


class Loop:
    """A stereo mix buffer whose end runs on into its start: a note that
    rings past the end is wrapped round, so the loop restarts seamlessly."""

    def __init__(self, seconds):
        self.n = int(round(seconds * RATE))
        self.left = np.zeros(self.n)
        self.right = np.zeros(self.n)

    def add(self, start, sound, gain=1.0, pan=0.0):
        """Mixes sound in at start seconds; pan -1 is left, +1 right."""
        i = int(round(start * RATE)) % self.n
        idx = (i + np.arange(len(sound))) % self.n
        lg, rg = gain * np.sqrt((1 - pan) / 2) * 1.414, gain * np.sqrt((1 + pan) / 2) * 1.414
        np.add.at(self.left, idx, sound * lg)
        np.add.at(self.right, idx, sound * rg)

    def echo(self, seconds, feedback, mix):
        """Ping-pong echo, computed over the loop twice so the tail wraps round."""
        d, n = int(round(seconds * RATE)), self.n
        src_l, src_r = np.tile(self.left, 2), np.tile(self.right, 2)
        wet_l, wet_r = np.zeros(2 * n), np.zeros(2 * n)
        for start in range(d, 2 * n, d):
            k = min(d, 2 * n - start)
            past = slice(start - d, start - d + k)
            wet_l[start:start + k] = 0.5 * src_r[past] + feedback * wet_r[past]
            wet_r[start:start + k] = 0.5 * src_l[past] + feedback * wet_l[past]
        self.left = self.left + mix * wet_l[n:]
        self.right = self.right + mix * wet_r[n:]

    def stereo(self):
        return np.stack([self.left, self.right], axis=1)


def to_pcm(samples, peak=0.89):
    """Normalises to peak and converts to 16-bit little-endian bytes."""
    samples = samples * (peak / max(np.max(np.abs(samples)), 1e-9))
    return np.round(samples * 32767).astype('<i2').tobytes()


def encode_mp3(pcm, channels, kbps, path):
    """Encodes 16-bit PCM with lame through a WAV file (lame may ignore the
    raw-input options on a pipe): constant bit rate, no tags with dates."""
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, 'in.wav')
        with wave.open(wav, 'wb') as w:
            w.setnchannels(channels)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(pcm)
        mode = 'j' if channels == 2 else 'm'
        subprocess.run(['lame', '--silent', '-m', mode, '-b', str(kbps), '-q', '2', wav, path],
                       check=True)
