"""The cat: one ginger tabby drawn from a pose, facing left, 128 x 128.

A pose is a dictionary of numbers (see POSE_DEFAULTS): how the whole figure is
turned and stretched, where each paw is, how the tail curves, where the eyes
look. Every frame of the game is one pose drawn by draw_cat, so the character
stays the same and only the posture changes. Figure space is the 128 x 128
picture of the standing cat, y downwards, paws on the line y = 123.
"""
import math

import numpy as np

import shapes as S
from canvas import Canvas, hex_colour

SIZE = 128
GROUND = 123.0          # bottom of the paws when standing
PAW_RY = 4.4

OUTLINE = hex_colour('#3b2416')
FUR = hex_colour('#f5a443')
FUR_SHADE = hex_colour('#de8530')
FUR_FAR = hex_colour('#d98431')
FUR_FAR_SHADE = hex_colour('#c2702a')
STRIPE = hex_colour('#c9661f')
CREAM = hex_colour('#fff4e6')
CREAM_SHADE = hex_colour('#ecd8c6')
PINK = hex_colour('#f48fa8')
IRIS = hex_colour('#8ccf48')
IRIS_DARK = hex_colour('#4f9a2a')
PUPIL = hex_colour('#22150e')
WHITE = hex_colour('#ffffff')

LINE = 2.4              # outline width in figure units
SHADE = (2.2, 3.2)      # cel-shading offset: light from the upper left

# Shoulders and hips (leg roots), near and far side.
ROOTS = {
    'front': (56.0, 92.0), 'front_far': (63.0, 90.0),
    'hind': (95.0, 92.0), 'hind_far': (101.0, 90.0),
}
LEG_LENGTHS = {'front': (14.0, 13.5), 'hind': (15.0, 14.0)}


def standing_paw(leg, dx=0.0, lift=0.0):
    rx, _ = ROOTS[leg]
    return (rx - 1.5 + dx, GROUND - PAW_RY - lift)


POSE_DEFAULTS = {
    'angle': 0.0, 'sx': 1.0, 'sy': 1.0,      # figure turn and stretch about the pivot
    'shift_x': 0.0, 'shift_y': 0.0,          # where the pivot lands, relative to itself
    'chest_x': 0.0, 'chest_y': 0.0, 'haunch_x': 0.0, 'haunch_y': 0.0, 'belly_y': 0.0,
    'head_x': 0.0, 'head_y': 0.0, 'head_tilt': 0.0, 'ears_back': 0.0,
    'look_x': -0.8, 'look_y': 0.0, 'eye_open': 1.0,
    'tail_heading': -0.95, 'tail_bend': -0.085, 'tail_curl': -0.004, 'tail_wave': 0.0,
    'tail_phase': 0.0, 'tail_length': 1.0,
}
for _leg in ROOTS:
    POSE_DEFAULTS[_leg + '_x'], POSE_DEFAULTS[_leg + '_y'] = standing_paw(_leg)
PIVOT = (72.0, 84.0)


def pose(**changes):
    p = dict(POSE_DEFAULTS)
    for key, value in changes.items():
        if key not in p:
            raise KeyError('unknown pose field ' + key)
        p[key] = value
    return p


def blend(a, b, t):
    return {k: a[k] * (1 - t) + b[k] * t for k in a}


def leg_joint(root, paw, lengths, bend):
    """Two-segment leg from root to paw; bend +1 puts the joint forward (-x)."""
    l1, l2 = lengths
    dx, dy = paw[0] - root[0], paw[1] - root[1]
    d = min(max(math.hypot(dx, dy), 1e-3), l1 + l2 - 0.05)
    base = math.atan2(dy, dx)
    cos_a = (l1 * l1 + d * d - l2 * l2) / (2 * l1 * d)
    a = math.acos(max(-1.0, min(1.0, cos_a)))
    # Turning clockwise from straight down moves towards -x.
    theta = base + a * bend
    joint = (root[0] + l1 * math.cos(theta), root[1] + l1 * math.sin(theta))
    reach = d / math.hypot(dx, dy) if (dx or dy) else 1.0
    return joint, (root[0] + dx * reach, root[1] + dy * reach)


def leg_shapes(p, leg):
    kind = 'front' if leg.startswith('front') else 'hind'
    root = ROOTS[leg]
    root = (root[0] + p[('chest' if kind == 'front' else 'haunch') + '_x'],
            root[1] + p[('chest' if kind == 'front' else 'haunch') + '_y'])
    paw = (p[leg + '_x'], p[leg + '_y'])
    # Front legs fold at the wrist towards the back; hind legs at the hock.
    joint, paw = leg_joint(root, paw, LEG_LENGTHS[kind], -1 if kind == 'front' else 1)
    thick = (6.2, 5.0, 4.4) if kind == 'front' else (7.5, 5.2, 4.4)
    limb = S.union(S.capsule(*root, *joint, thick[0], thick[1]),
                   S.capsule(*joint, *paw, thick[1], thick[2]))
    lean = math.atan2(paw[0] - joint[0], paw[1] - joint[1]) * -0.35
    foot = S.ellipse(paw[0] - 1.6, paw[1], 6.2, PAW_RY, lean)
    return limb, foot


def tail_points(p, base):
    pts, radii = [base], []
    x, y = base
    heading = p['tail_heading']
    n = 15
    for i in range(n):
        wave = p['tail_wave'] * math.sin(p['tail_phase'] + i * 0.45) * (i / n)
        h = heading + p['tail_bend'] * i + p['tail_curl'] * i * i + wave
        step = 3.5 * p['tail_length']
        x, y = x + step * math.cos(h), y + step * math.sin(h)
        pts.append((x, y))
    for i in range(n + 1):
        radii.append(5.6 - 1.4 * i / n)
    return pts, radii


def body_shapes(p):
    chest = S.ellipse(58 + p['chest_x'], 84 + p['chest_y'], 17, 16)
    belly = S.ellipse(76, 88 + p['belly_y'], 21, 13.5)
    haunch = S.ellipse(94 + p['haunch_x'], 84 + p['haunch_y'], 16.5, 17)
    return S.smooth_union(7.0, chest, belly, haunch)


class Head:
    """Maps head-space points (the standing head) to figure space."""

    CENTRE = (39.0, 57.0)

    def __init__(self, p):
        self.dx, self.dy, self.tilt = p['head_x'], p['head_y'], p['head_tilt']

    def at(self, x, y):
        cx, cy = self.CENTRE
        rx, ry = S.rotate(x - cx, y - cy, self.tilt)
        return cx + rx + self.dx, cy + ry + self.dy

    def ellipse(self, x, y, rx, ry, angle=0.0):
        return S.ellipse(*self.at(x, y), rx, ry, angle + self.tilt)

    def polygon(self, pts):
        return S.polygon([self.at(x, y) for x, y in pts])

    def tube(self, pts, radii):
        return S.tube([self.at(x, y) for x, y in pts], radii)

    def capsule(self, a, b, ra, rb=None):
        return S.capsule(*self.at(*a), *self.at(*b), ra, rb)


def ear(h, base_a, base_b, tip, back):
    """A rounded triangular ear; back > 0 folds the tip towards the back."""
    mx, my = (base_a[0] + base_b[0]) / 2, (base_a[1] + base_b[1]) / 2
    tx, ty = S.rotate(tip[0] - mx, tip[1] - my, back)
    tip = (mx + tx, my + ty)
    outer = S.rounded(h.polygon([base_a, base_b, tip]), 2.2)
    inner_tip = (tip[0] * 0.78 + mx * 0.22, tip[1] * 0.78 + my * 0.22)
    ia = (base_a[0] * 0.7 + base_b[0] * 0.3, base_a[1] * 0.7 + base_b[1] * 0.3 + 2)
    ib = (base_a[0] * 0.3 + base_b[0] * 0.7, base_a[1] * 0.3 + base_b[1] * 0.7 + 2)
    inner = S.rounded(h.polygon([ia, ib, inner_tip]), 1.2)
    return outer, inner


def draw_head(c, p):
    h = Head(p)
    back = p['ears_back']
    for outer, inner in (ear(h, (44, 42), (62, 46), (60, 22), back),
                         ear(h, (17, 46), (34, 38), (17, 22), -back * 0.8)):
        c.shape(outer, FUR, OUTLINE, LINE, shade=(FUR_SHADE, *SHADE))
        c.shape(inner, PINK)

    skull = h.ellipse(39, 57, 24, 20.5)
    jowls = h.ellipse(37, 66, 21.5, 12.5)
    tufts = S.union(S.rounded(h.polygon([(18, 62), (18, 72), (10, 69)]), 1.0),
                    S.rounded(h.polygon([(58, 62), (58, 72), (66, 69)]), 1.0))
    head = S.smooth_union(3.0, skull, jowls, tufts)
    inside = c.shape(head, FUR, OUTLINE, LINE, shade=(FUR_SHADE, *SHADE))

    for a, b in (((33, 35), (34, 44)), ((39.5, 34.5), (39.5, 45)), ((46, 35), (45, 44))):
        c.shape(h.capsule(a, b, 2.0, 0.9), STRIPE, mask=inside)
    for a, b in (((60, 56), (52, 57)), ((60, 61), (53, 61))):
        c.shape(h.capsule(a, b, 1.6, 0.7), STRIPE, mask=inside)

    muzzle = S.union(h.ellipse(30.5, 67.5, 7.0, 5.2), h.ellipse(40.0, 67.5, 7.0, 5.2),
                     h.ellipse(35.2, 72.5, 7.5, 4.5))
    c.shape(muzzle, CREAM, mask=inside)

    for ex in (25.5, 46.0):
        eye = h.ellipse(ex, 55.0, 5.4, 6.9 * p['eye_open'])
        c.shape(eye, IRIS, OUTLINE, 1.3, shade=(IRIS_DARK, -1.0, -2.2))
        eye_in = c.coverage(c.distance(eye))
        px, py = ex + p['look_x'], 55.0 + p['look_y']
        c.shape(h.ellipse(px, py, 2.7, 4.8 * p['eye_open']), PUPIL, mask=eye_in)
        c.shape(S.circle(*h.at(px - 1.6, py - 2.4), 1.7), WHITE, mask=eye_in)
        c.shape(S.circle(*h.at(px + 1.7, py + 2.3), 0.8), WHITE, mask=eye_in)

    c.shape(S.rounded(h.polygon([(31.8, 62.6), (38.6, 62.6), (35.2, 66.2)]), 0.9),
            PINK, OUTLINE, 0.9)
    mouth = S.union(h.tube([(35.2, 66.2), (35.2, 68.6), (33.2, 70.6), (30.8, 69.8)],
                           [0.6, 0.6, 0.6, 0.5]),
                    h.tube([(35.2, 68.6), (37.2, 70.6), (39.6, 69.8)], [0.6, 0.6, 0.5]))
    c.shape(mouth, OUTLINE)
    whiskers = S.union(h.capsule((25, 66.5), (8, 63), 0.55, 0.3),
                       h.capsule((25, 69.0), (9, 71), 0.55, 0.3),
                       h.capsule((45.5, 66.5), (62, 63.5), 0.55, 0.3),
                       h.capsule((45.5, 69.0), (61, 71), 0.55, 0.3))
    c.shape(whiskers, OUTLINE, opacity=0.8)


def draw_leg(c, p, leg, far):
    limb, foot = leg_shapes(p, leg)
    fur, shade = (FUR_FAR, FUR_FAR_SHADE) if far else (FUR, FUR_SHADE)
    c.shape(limb, fur, OUTLINE, LINE, shade=(shade, *SHADE))
    c.shape(foot, CREAM_SHADE if far else CREAM, OUTLINE, LINE * 0.85)


def draw_tail(c, p):
    base = (104 + p['haunch_x'], 80 + p['haunch_y'])
    pts, radii = tail_points(p, base)
    tail = S.tube(pts, radii)
    inside = c.shape(tail, FUR, OUTLINE, LINE, shade=(FUR_SHADE, *SHADE))
    for i in (4, 7, 10):
        (x0, y0), (x1, y1) = pts[i], pts[i + 1]
        nx, ny = -(y1 - y0), x1 - x0
        n = math.hypot(nx, ny) or 1.0
        nx, ny = nx / n * 7, ny / n * 7
        c.shape(S.capsule(x0 + nx, y0 + ny, x0 - nx, y0 - ny, 1.9), STRIPE, mask=inside)
    c.shape(S.tube(pts[-4:], radii[-4:]), CREAM, mask=inside)


def draw_cat(p, canvas=None):
    """Draws the cat in pose p; returns the canvas (128 x 128 unless given)."""
    c = canvas or Canvas(SIZE, SIZE)
    c.set_transform(pivot=PIVOT, angle=p['angle'], scale=(p['sx'], p['sy']),
                    offset=(p['shift_x'], p['shift_y']))
    draw_leg(c, p, 'hind_far', True)
    draw_leg(c, p, 'front_far', True)
    draw_tail(c, p)
    body = body_shapes(p)
    inside = c.shape(body, FUR, OUTLINE, LINE, shade=(FUR_SHADE, *SHADE))
    for x in (70, 79, 88):
        c.shape(S.capsule(x, 62, x + 2.5, 79, 3.0, 0.8), STRIPE, mask=inside)
    c.shape(S.ellipse(50 + p['chest_x'], 95 + p['chest_y'], 10, 11), CREAM, mask=inside)
    draw_leg(c, p, 'hind', False)
    draw_leg(c, p, 'front', False)
    draw_head(c, p)
    c.set_transform()
    return c
