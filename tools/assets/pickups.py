"""The four pick-ups (64 x 64), the magic-jump sparkle and the flight wings.

The pick-ups are shown at 40 x 40 pixels, so each has one bold shape and its
own colour: a pale star, a gold star with a shine, a white wing on a sky-blue
bubble and a red "x2" badge.
"""
import math

import numpy as np
from PIL import ImageFont

import shapes as S
from canvas import Canvas, hex_colour, mix

BOLD_FONT = '/usr/share/fonts/truetype/crosextra/Carlito-Bold.ttf'
WHITE = hex_colour('#ffffff')


def _vertical(top, bottom, y0, y1):
    """A fill that runs from colour top at y0 to colour bottom at y1."""
    def fill(c):
        t = np.clip((c.Y - y0) / (y1 - y0), 0, 1)[..., None]
        return mix(top, bottom, t)
    return fill


def plain_star():
    c = Canvas(64, 64)
    shape = S.star(32, 33.5, 25, 11.5, roundness=2.5)
    c.glow(shape, hex_colour('#fff7c8'), 4, 0.35)
    c.shape(shape, _vertical(hex_colour('#fffbe6'), hex_colour('#ffe58a'), 8, 58),
            hex_colour('#d9a531'), 2.4, shade=(hex_colour('#f7d36a'), 2.0, 2.5))
    c.shape(S.ellipse(25, 24, 4.5, 2.6, -0.6), WHITE, opacity=0.9)
    return c.image()


def gold_star():
    c = Canvas(64, 64)
    shape = S.star(32, 33.5, 26, 12, roundness=2.5)
    c.glow(shape, hex_colour('#ffc21a'), 4, 0.5)
    c.shape(shape, _vertical(hex_colour('#ffe04a'), hex_colour('#f29a0c'), 8, 60),
            hex_colour('#8a4a06'), 2.8, shade=(hex_colour('#e07f06'), 2.2, 2.8))
    c.shape(S.star(32, 33.5, 14, 6.5, roundness=1.5), hex_colour('#ffd23a'), opacity=0.7)
    c.shape(S.ellipse(24, 23, 5, 2.8, -0.6), WHITE, opacity=0.95)
    sparkle(c, 50, 13, 6, hex_colour('#ffffff'))
    return c.image()


def sparkle(c, x, y, r, colour, opacity=1.0):
    """A four-pointed twinkle."""
    c.shape(S.star(x, y, r, r * 0.22, points=4), colour, opacity=opacity)


def wing_feathers(x, y, size, flip=False):
    """Feathers of a wing whose shoulder is at (x, y): the arm rises up and
    back (+x), the feathers hang from it, the outer ones longest. Returns
    the feathers, inner first, and the covert along the arm."""
    sign = -1.0 if flip else 1.0
    arm = [(x + sign * size * 0.5 * t, y - size * (1.0 * t - 0.3 * t * t))
           for t in np.linspace(0.0, 1.0, 7)]
    feathers = []
    for i, (ax, ay) in enumerate(arm[1:]):
        t = (i + 1) / 6.0
        a = math.radians(60 - 105 * t)
        length = size * (0.28 + 0.3 * t)
        tip = (ax + sign * length * math.cos(a), ay + length * math.sin(a))
        feathers.append(S.capsule(ax, ay, *tip, size * 0.11, size * 0.06))
    covert = S.tube(arm, [size * r for r in (0.12, 0.15, 0.15, 0.14, 0.12, 0.1, 0.07)])
    return feathers, covert


def draw_wing(c, x, y, size, flip=False, shade=0.0):
    edge = hex_colour('#4a6b9a')
    light = mix(hex_colour('#ffffff'), hex_colour('#b7c9e8'), shade)
    dark = mix(hex_colour('#dbe9ff'), hex_colour('#98acd0'), shade)
    feathers, covert = wing_feathers(x, y, size, flip)
    for feather in feathers:
        c.shape(feather, _vertical(light, dark, y - size, y), edge, size * 0.045)
    c.shape(covert, light, edge, size * 0.045)


def wings():
    c = Canvas(64, 64)
    bubble = S.circle(32, 32, 25)
    c.glow(bubble, hex_colour('#9fd8ff'), 4, 0.5)
    c.shape(bubble, _vertical(hex_colour('#8fd3ff'), hex_colour('#3f8fe0'), 6, 58),
            hex_colour('#1f4f8f'), 2.4)
    c.shape(S.ellipse(22, 17, 8, 3.5, -0.5), WHITE, opacity=0.6)
    draw_wing(c, 20, 50, 31)
    return c.image()


def text_mask(c, text, size, centre):
    """Coverage of text drawn in Carlito Bold, centred, on the supersampled grid."""
    from PIL import Image, ImageDraw
    ss = c.ss
    layer = Image.new('L', (c.width * ss, c.height * ss), 0)
    font = ImageFont.truetype(BOLD_FONT, int(size * ss))
    ImageDraw.Draw(layer).text((centre[0] * ss, centre[1] * ss), text, fill=255, font=font,
                               anchor='mm')
    return np.asarray(layer, dtype=float) / 255.0


def double_points():
    c = Canvas(64, 64)
    badge = S.rounded(S.star(32, 32, 24.5, 21, points=12), 2.0)
    c.glow(badge, hex_colour('#ff7a9a'), 4, 0.45)
    c.shape(badge, _vertical(hex_colour('#ff6f6f'), hex_colour('#c8123a'), 6, 58),
            hex_colour('#6e0a22'), 2.4)
    c.shape(S.circle(32, 32, 17.5), hex_colour('#e8324f'),
            hex_colour('#ffd25a'), 1.6)
    glyphs = text_mask(c, 'x2', 24, (32, 31))
    outline = np.clip(np.maximum.reduce([np.roll(np.roll(glyphs, dy, 0), dx, 1)
                                         for dx in (-6, 0, 6) for dy in (-6, 0, 6)]), 0, 1)
    c.paint(outline, hex_colour('#6e0a22'))
    c.paint(glyphs, WHITE)
    return c.image()


def magic_jump():
    """A burst of sparkles around a soft flash, left in the air for a second."""
    c = Canvas(128, 128)
    rng = np.random.RandomState(7)
    c.glow(S.circle(64, 64, 4), hex_colour('#ffe9ff'), 34, 0.55)
    for i in range(12):
        a = i * 2 * math.pi / 12
        ray = S.capsule(64 + 10 * math.cos(a), 64 + 10 * math.sin(a),
                        64 + 50 * math.cos(a), 64 + 50 * math.sin(a), 2.6, 0.4)
        c.glow(ray, hex_colour('#e0b8ff'), 4, 0.5)
        c.shape(ray, hex_colour('#f6ecff'), opacity=0.75)
    colours = [hex_colour(h) for h in ('#ffffff', '#ffe46b', '#9fe8ff', '#ffa8e8')]
    for i in range(10):
        a = i * 2 * math.pi / 10 + rng.uniform(-0.15, 0.15)
        r = rng.uniform(24, 48)
        x, y = 64 + r * math.cos(a), 64 + r * math.sin(a)
        size = rng.uniform(6, 11)
        c.glow(S.circle(x, y, 1.5), colours[i % 4], size * 1.2, 0.5)
        sparkle(c, x, y, size, colours[i % 4])
    sparkle(c, 64, 64, 16, WHITE)
    return c.image()


def flying_wings():
    """Wings for the flying cat, placed on its shoulders; the cat is drawn over them."""
    c = Canvas(128, 128)
    draw_wing(c, 76, 68, 45, shade=0.35)
    draw_wing(c, 64, 70, 50)
    return c.image()
