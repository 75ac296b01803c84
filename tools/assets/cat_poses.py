"""The poses of every cat picture the game shows.

Standing: cat.png. Walking: four frames of a stepping cycle. Running: three
frames of a gallop. Jumping: nine frames picked by vertical speed, from the
fast rise (0, stretched upwards) over the top of the arc (4 and 5, paws
tucked) to the fast fall (8, legs reaching down for the ground).
"""
import math

from cat import GROUND, PAW_RY, ROOTS, blend, pose

LEGS = ('front', 'front_far', 'hind', 'hind_far')


def standing():
    return pose()


def _step(leg, t, stride, lift):
    """Paw position at cycle phase t: half on the ground moving back, half swinging."""
    rx = ROOTS[leg][0] - 1.5
    ground = GROUND - PAW_RY
    t %= 1.0
    if t < 0.5:
        return rx - stride + 4 * stride * t, ground
    s = (t - 0.5) * 2
    return rx + stride - 2 * stride * s, ground - lift * math.sin(math.pi * s)


def walk(frame):
    """Frame 0 to 3 of the walk: diagonal pairs step in turn."""
    t = frame / 4.0
    phases = {'front': 0.0, 'hind_far': 0.0, 'front_far': 0.5, 'hind': 0.5}
    fields = {}
    for leg in LEGS:
        fields[leg + '_x'], fields[leg + '_y'] = _step(leg, t + phases[leg] + 0.125, 7.0, 7.0)
    bob = -1.0 * abs(math.cos(math.pi * (2 * t + 0.25)))
    return pose(shift_y=bob, head_y=0.6 * bob, tail_wave=0.35, tail_phase=2 * math.pi * t,
                tail_heading=-0.9 + 0.12 * math.sin(2 * math.pi * t), **fields)


def _paw(leg, dx, dy):
    rx, ry = ROOTS[leg]
    return {leg + '_x': rx - 1.5 + dx, leg + '_y': ry + dy}


def run(frame):
    """Frame 0 to 2 of the gallop: reaching out, gathering, pushing off."""
    common = dict(ears_back=0.35, tail_heading=-0.85, tail_bend=-0.05, tail_curl=0.0,
                  tail_length=0.68,
                  head_x=-2.0, head_y=3.0, look_x=-1.2)
    if frame == 0:      # stretched out: front paws reach forward, hind paws push back
        legs = {**_paw('front', -17, 20), **_paw('front_far', -22, 16),
                **_paw('hind', 16, 24), **_paw('hind_far', 20, 20)}
        return pose(sx=0.98, sy=0.95, angle=0.04, shift_y=-2.0, chest_x=-3, haunch_x=3,
                    tail_wave=0.3, tail_phase=0.0, **common, **legs)
    if frame == 1:      # gathered: all four paws under the arched body
        legs = {**_paw('front', 8, 24), **_paw('front_far', 13, 22),
                **_paw('hind', -13, 26.5), **_paw('hind_far', -8, 24)}
        return pose(sx=0.92, sy=1.0, shift_y=-3.0, chest_x=3, haunch_x=-3, belly_y=-3,
                    chest_y=-1, haunch_y=-2, tail_wave=0.3, tail_phase=2.0,
                    **dict(common, tail_heading=-1.05), **legs)
    # Landing on the front paws, hind legs swinging through.
    legs = {**_paw('front', -4, 26.5), **_paw('front_far', 3, 26),
            **_paw('hind', 10, 14), **_paw('hind_far', 4, 16)}
    return pose(angle=-0.06, sx=0.95, sy=0.97, shift_y=-1.0, tail_wave=0.3, tail_phase=4.0,
                **dict(common, tail_heading=-0.95), **legs)


def _airborne(angle, sx, sy, front, hind, tail, look, eye=1.0, ears=0.0, shift_y=-4.0,
              tail_length=1.0, shift_x=-2.0):
    """A jump key pose: paws given relative to their roots in the body's frame."""
    legs = {**_paw('front', *front), **_paw('front_far', front[0] + 4, front[1] - 2),
            **_paw('hind', *hind), **_paw('hind_far', hind[0] + 4, hind[1] - 2)}
    heading, bend = tail
    # In the air the figure is drawn a little smaller, so that stretched
    # poses keep their ears, paws and tail inside the picture.
    return pose(angle=angle, sx=sx * 0.93, sy=sy * 0.93, shift_x=shift_x, shift_y=shift_y, tail_heading=heading,
                tail_bend=bend, tail_curl=0.0, tail_length=tail_length, look_x=look[0], look_y=look[1],
                eye_open=eye, ears_back=ears, **legs)


# Key poses of the arc; the frames between are blended from them.
RISE = _airborne(0.38, 1.07, 0.95, front=(-20, 6), hind=(13, 19), tail=(-0.55, -0.1),
                 look=(-0.8, -1.6), ears=0.3, shift_y=-1.0, tail_length=0.6,
                 shift_x=-9.0)
TUCK = _airborne(0.05, 1.0, 1.0, front=(-6, 14), hind=(-6, 15), tail=(-0.8, -0.09),
                 look=(-0.5, -0.4))
FLOAT = _airborne(0.0, 1.0, 1.0, front=(-8, 15), hind=(-3, 16), tail=(-1.1, -0.1),
                  look=(-0.6, 0.3))
FALL = _airborne(-0.22, 0.96, 1.05, front=(-7, 28), hind=(3, 28), tail=(-1.9, 0.05),
                 look=(-0.6, 1.8), eye=1.1, ears=-0.25, shift_y=-2.0)


def jump(frame):
    """Frame 0 (fast rise) to 8 (fast fall)."""
    if frame <= 4:
        return blend(RISE, TUCK, frame / 4.0)
    if frame == 5:
        return FLOAT
    return blend(FLOAT, FALL, (frame - 5) / 3.0)


def all_frames():
    """(file name, pose) of every cat picture, in the game's load order."""
    frames = [('jump%02d.png' % i, jump(i)) for i in range(9)]
    frames += [('walk%02d.png' % (i + 1), walk(i)) for i in range(4)]
    frames += [('run%02d.png' % (i + 1), run(i)) for i in range(3)]
    frames.append(('cat.png', standing()))
    return frames
