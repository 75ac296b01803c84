"""The sky and the ground, composed at the screen's 4:3 and stored square.

Both are stretched over the whole 800 x 600 screen, so they are drawn on a
1024 x 768 canvas and resized to 1024 x 1024. The cat stands with its paws
on screen row 491 of 600, which is where the grass top lies.
"""
import math

import numpy as np
from PIL import Image

import shapes as S
from canvas import Canvas, hex_colour, mix

W, H = 1024, 768
STORED = (1024, 1024)
GRASS_TOP = 491 / 600 * H


def to_stored(image):
    return image.resize(STORED, Image.LANCZOS)


def sky():
    """Evening sky: deep blue at the top (white text reads on it) to a warm horizon."""
    stops = [(0.0, '#16205a'), (0.35, '#3b3f93'), (0.62, '#8a6fc0'),
             (0.82, '#e79fbe'), (1.0, '#ffd2a6')]
    y = (np.arange(H) + 0.5) / H
    rgb = np.zeros((H, 3))
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        sel = (y >= t0) & (y <= t1)
        rgb[sel] = mix(hex_colour(c0), hex_colour(c1), ((y[sel] - t0) / (t1 - t0))[:, None])
    picture = np.repeat(rgb[:, None, :], W, axis=1)
    rng = np.random.RandomState(11)
    # Faint far-away stars in the upper sky, too small to be mistaken for pick-ups.
    xs, ys = np.meshgrid(np.arange(W), np.arange(H))
    for _ in range(140):
        x, yy = rng.uniform(0, W), rng.uniform(0, H * 0.55) ** 1.0
        r = rng.uniform(0.6, 1.4)
        glow = np.exp(-((xs - x) ** 2 + (ys - yy) ** 2) / (2 * r * r)) * rng.uniform(0.25, 0.6)
        picture += glow[..., None] * (1 - yy / H)
    # Soft clouds low in the sky.
    for _ in range(9):
        cx, cy = rng.uniform(0, W), rng.uniform(H * 0.6, H * 0.85)
        rx, ry = rng.uniform(90, 200), rng.uniform(14, 26)
        d = ((xs - cx) / rx) ** 2 + ((ys - cy) / ry) ** 2
        picture = mix(picture, hex_colour('#ffe3ef'), (np.exp(-d * 2.0) * 0.28)[..., None])
    picture += rng.uniform(-0.5, 0.5, picture.shape) / 255.0   # dither against banding
    out = Image.fromarray(np.round(np.clip(picture, 0, 1) * 255).astype(np.uint8), 'RGB')
    return to_stored(out)


def _hills(base, amplitude, waves, seed):
    """A hill range: everything below a wavy line."""
    rng = np.random.RandomState(seed)
    parts = [(rng.uniform(0.004, 0.012) * w, rng.uniform(0, 2 * math.pi), amplitude / (w + 1))
             for w in range(waves)]

    def f(X, Y):
        top = base + sum(a * np.sin(k * X + ph) for k, ph, a in parts)
        return top - Y
    return f


def _vertical(top, bottom, y0, y1):
    def fill(c):
        t = np.clip((c.Y - y0) / (y1 - y0), 0, 1)[..., None]
        return mix(top, bottom, t)
    return fill


def ground():
    c = Canvas(W, H, ss=2)
    c.shape(_hills(GRASS_TOP - 120, 60, 3, 3),
            _vertical(hex_colour('#6a5fa8'), hex_colour('#8b7ab8'), GRASS_TOP - 180, GRASS_TOP))
    c.shape(_hills(GRASS_TOP - 55, 36, 3, 5),
            _vertical(hex_colour('#3f8a7a'), hex_colour('#5aa07e'), GRASS_TOP - 90, GRASS_TOP))
    # Rolling lawn, its top edge almost flat where the cat walks.
    lawn = _hills(GRASS_TOP, 6, 2, 8)
    c.shape(lawn, _vertical(hex_colour('#7cc84a'), hex_colour('#4f9a32'), GRASS_TOP, GRASS_TOP + 40),
            hex_colour('#2f6b24'), 2.5)
    rng = np.random.RandomState(21)
    blades = []
    for x in np.arange(4, W, 9.0):
        h = rng.uniform(6, 13)
        lean = rng.uniform(-4, 4)
        blades.append(S.capsule(x, GRASS_TOP + 6, x + lean, GRASS_TOP + 6 - h, 2.2, 0.6))
    band = c.window(0, GRASS_TOP - 30, W, GRASS_TOP + 20)
    band.shape(S.union(*blades), hex_colour('#7cc84a'), hex_colour('#2f6b24'), 1.6)
    c.shape(lawn, _vertical(hex_colour('#7cc84a'), hex_colour('#4f9a32'), GRASS_TOP, GRASS_TOP + 40))
    soil_top = GRASS_TOP + 34
    soil = _hills(soil_top, 8, 3, 13)
    c.shape(soil, _vertical(hex_colour('#9b6a3f'), hex_colour('#6a4226'), soil_top, H),
            hex_colour('#4a2c18'), 2.5)
    for _ in range(40):
        x, y = rng.uniform(0, W), rng.uniform(soil_top + 14, H - 6)
        c.window(x - 12, y - 12, x + 12, y + 12).shape(
            S.ellipse(x, y, rng.uniform(4, 9), rng.uniform(2.5, 5), rng.uniform(-0.4, 0.4)),
            hex_colour('#b88a5c'), hex_colour('#5a3820'), 1.2)
    # Flowers dotted along the grass.
    for _ in range(22):
        x = rng.uniform(10, W - 10)
        y = GRASS_TOP + rng.uniform(8, 26)
        petal = hex_colour(rng.choice(['#ffffff', '#ffd84a', '#ff8fb8', '#b8a0ff']))
        f = c.window(x - 10, y - 10, x + 10, y + 12)
        f.shape(S.capsule(x, y, x, y + 8, 1.2), hex_colour('#2f6b24'))
        for k in range(5):
            a = k * 2 * math.pi / 5
            f.shape(S.circle(x + 3.2 * math.cos(a), y + 3.2 * math.sin(a), 2.6), petal,
                    hex_colour('#4a3a2a'), 0.8)
        f.shape(S.circle(x, y, 1.8), hex_colour('#ffb02e'))
    return to_stored(c.image())
