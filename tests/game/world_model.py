#!/usr/bin/env python3
"""An independent model of the game rules in 32-bit float arithmetic.

Every operation is computed in double and rounded once to float32, which
gives exactly the float32 result for + - * / and sqrt. The model prints the
same trace format as pouncer_trace, so the two can be compared bit for bit.

  world_model.py replay < script > trace
  world_model.py check TOOL [--frames N] [--seed S]
      plays N frames of random play steered by the model itself, replays the
      script through TOOL and compares both traces line by line.
"""
import argparse
import collections
import math
import random
import struct
import subprocess
import sys

_single = struct.Struct('<f')


def f32(x):
    """x rounded to the nearest float32 (overflow gives infinity)."""
    try:
        return _single.unpack(_single.pack(x))[0]
    except OverflowError:
        return math.copysign(math.inf, x)


def trunc_i32(x):
    if math.isnan(x):
        return 0
    if x >= 2147483648.0:
        return 2147483647
    if x <= -2147483648.0:
        return -2147483648
    return math.trunc(x)


def clamp_i32(n):
    return max(-2147483648, min(2147483647, n))


GROUND_Y = f32(-0.515)
C001, C01, C02, C05, C09 = f32(0.01), f32(0.1), f32(0.2), f32(0.5), f32(0.9)
C002, C03, C095, C097, C48 = f32(0.02), f32(0.3), f32(0.95), f32(0.97), f32(4.8)
KIND_LIMITS = (C09, f32(0.933), f32(0.966))
JUMP_LIMITS = [f32(v) for v in (2.0, 1.2, 1.0, 0.9, 0.5, -0.5, -1.0, -2.0)]
C06 = f32(0.6)


def cycle(phase, frame, distance, frames):
    """A walk or run cycle moved on by distance: (phase, frame)."""
    phase = f32(phase + distance)
    if phase > C01:
        frame, phase = frame + 1, f32(phase - C01)
    return phase, (0 if frame >= frames else frame)


class World:
    def __init__(self):
        self.seed = 1
        self.cat_x, self.cat_y = 0.0, GROUND_Y
        self.vel_x = self.vel_y = 0.0
        self.airborne = False
        self.camera_y = 0.0
        self.spawn_band = 4.0
        self.points = self.highscore = 0
        self.magic_jumps = 3
        self.wings = self.cooldown = self.effect_time = 0.0
        self.effect_x = self.effect_y = 0.0
        self.damping = 0.0
        self.stars = [[0.0, 0.0, 0] for _ in range(20)]
        self.events = collections.Counter()
        self.scatter()
        # picture counters
        self.run_phase, self.run_frame = 0.0, 0
        self.walk_phase, self.walk_frame = 0.0, 0

    def draw(self):
        self.seed = (self.seed * 214013 + 2531011) & 0xFFFFFFFF
        return f32(((self.seed >> 16) & 0x7FFF) / 32767.0)

    def kind(self):
        r = self.draw()
        return next((k for k, limit in enumerate(KIND_LIMITS) if r < limit), 3)

    def scatter(self):
        for star in self.stars:
            star[0] = f32(f32(2.0 * self.draw()) - 1.0)
            star[1] = f32(self.spawn_band * self.draw())
            star[2] = self.kind()

    def respawn(self, star):
        star[1] = f32(f32(f32(self.spawn_band * self.draw()) + self.camera_y) + 2.0)
        star[0] = f32(f32(2.0 * self.draw()) - 1.0)
        star[2] = self.kind()

    def update(self, frame_time, cx, cy, left, right, splash):
        self.spawn_band = f32(4.0 + f32(C002 * self.camera_y))
        dt = frame_time if abs(frame_time) <= C01 else C001
        tx = f32(f32(f32(f32(cx) / 800.0) * 2.0) - 1.0)
        ty = -f32(f32(f32(f32(cy) / 600.0) * 2.0) - 1.0)
        tx, ty = (min(max(v, -C09), C09) for v in (tx, ty))
        if not self.airborne and not splash and left:
            self.airborne = True
            self.vel_y = f32(self.vel_y + 3.5)
        self.cooldown = f32(self.cooldown - dt)
        if self.airborne and self.cooldown < 0 and self.magic_jumps > 0 and right:
            self.magic_jumps -= 1
            self.events['magic jump'] += 1
            self.vel_y = 3.0
            self.cooldown = C02
            self.effect_time = 1.0
            self.effect_x, self.effect_y = self.cat_x, self.cat_y
        dx = f32(tx - self.cat_x)
        dy = f32(f32(ty + self.camera_y) - self.cat_y)
        self.vel_x = f32(self.vel_x + f32(f32(dx * 12.0) * dt))
        if self.wings > C001:
            self.vel_y = f32(self.vel_y + f32(f32(dy * 12.0) * dt))
        self.cat_x = f32(self.cat_x + f32(self.vel_x * dt))
        self.cat_y = f32(self.cat_y + f32(self.vel_y * dt))
        if self.airborne:
            if self.wings < C001:
                self.vel_y = f32(self.vel_y + f32(-C48 * dt))
            if GROUND_Y > f32(self.cat_y + C001):
                self.events['hard landing' if self.vel_y < -3.0 else 'soft landing'] += 1
                if self.vel_y < -3.0:
                    self.scatter()
                self.airborne = False
                self.highscore = max(self.highscore, self.points)
                self.points = 0
                self.vel_y = 0.0
                self.magic_jumps = 3
                self.cat_y = GROUND_Y
                self.camera_y = 0.0
        if self.wings > 0:
            self.wings = f32(self.wings - dt)
        pickups = 0
        for star in self.stars:
            ex, ey = f32(self.cat_x - star[0]), f32(self.cat_y - star[1])
            if f32(math.sqrt(f32(f32(ex * ex) + f32(ey * ey)))) < C01:
                kind = star[2]
                self.events[('plain', 'gold', 'wings', 'double points')[kind] + ' pick-up'] += 1
                if kind == 1:
                    self.magic_jumps = clamp_i32(self.magic_jumps + 1)
                elif kind == 2:
                    self.wings = 4.0
                elif kind == 3:
                    self.points = clamp_i32(self.points * 2)
                self.respawn(star)
                self.vel_y = 3.0
                self.points = trunc_i32(f32(f32(self.points) + self.camera_y))
                pickups += 1
            if star[1] < f32(self.camera_y - 1.0):
                self.respawn(star)
        aim = f32(f32(self.cat_y + C03) - self.camera_y)
        if abs(aim) > C05:
            self.camera_y = f32(self.camera_y + f32(aim * dt))
        self.camera_y = max(self.camera_y, 0.0) if not math.isnan(self.camera_y) else self.camera_y
        self.damping = f32(self.damping + dt)
        while self.damping > C001:
            self.vel_x = f32(self.vel_x * C095)
            if self.wings > C001:
                self.vel_y = f32(self.vel_y * C097)
            self.damping = f32(self.damping - C001)
        return dt, pickups

    def picture(self, dt):
        mirrored = not (self.vel_x < 0)
        if self.airborne:
            frame = next((i for i, v in enumerate(JUMP_LIMITS) if self.vel_y > v), 8)
            return 'jump%d' % frame, mirrored
        s = abs(self.vel_x)
        if s > C06:
            self.run_phase, self.run_frame = cycle(self.run_phase, self.run_frame, f32(s * dt), 3)
            return 'run%d' % (self.run_frame + 1), mirrored
        if s > C01:
            self.walk_phase, self.walk_frame = cycle(self.walk_phase, self.walk_frame,
                                                     f32(f32(s * dt) * 3.0), 4)
            return 'walk%d' % (self.walk_frame + 1), mirrored
        return 'cat', mirrored

    def line(self, frame, dt, pickups, picture, mirrored):
        g = lambda v: '%.9g' % v
        b = lambda v: '1' if v else '0'
        fields = [str(frame), g(dt), g(self.cat_x), g(self.cat_y), g(self.vel_x), g(self.vel_y),
                  b(self.airborne), g(self.camera_y), g(self.spawn_band), str(self.points),
                  str(self.highscore), str(self.magic_jumps), g(self.wings), g(self.cooldown),
                  g(self.effect_time), g(self.effect_x), g(self.effect_y), g(self.damping),
                  str(pickups), picture, b(mirrored)]
        for x, y, kind in self.stars:
            fields += [g(x), g(y), str(kind)]
        return ' '.join(fields)

    def step(self, number, frame_time, cx, cy, left, right, splash):
        """One frame as the trace tool runs it; returns the trace line."""
        dt, pickups = self.update(frame_time, cx, cy, left, right, splash)
        picture, mirrored = self.picture(dt)
        self.effect_time = f32(self.effect_time - dt)
        return self.line(number, dt, pickups, picture, mirrored)


def parse(line):
    fields = line.split()
    if not fields or fields[0].startswith('#'):
        return None
    if len(fields) != 6 or any(f not in ('0', '1') for f in fields[3:]):
        raise ValueError('malformed frame: ' + line)
    return (f32(float(fields[0])), int(fields[1]), int(fields[2])) + tuple(f == '1' for f in fields[3:])


def replay(lines):
    world = World()
    out = [world.line(0, 0.0, 0, 'cat', True)]
    for line in lines:
        frame = parse(line)
        if frame is not None:
            out.append(world.step(len(out), *frame))
    return out


class Player:
    """Random play that climbs: it aims at stars above the cat, jumps and
    makes magic jumps, and now and then sends odd frame times and cursors."""

    def __init__(self, rng):
        self.rng = rng
        self.target = None

    def frame(self, world):
        rng = self.rng
        roll = rng.random()
        if roll < 0.02:
            frame_time = rng.choice([0.25, -0.2, 0.1, -0.05, 0.0, 0.10000001, 1e-7])
        else:
            frame_time = rng.uniform(0.002, 0.04)
        frame_time = f32(frame_time)
        if self.target is None or rng.random() < 0.05:
            above = [s for s in world.stars if s[1] > world.cat_y - 0.1]
            self.target = rng.choice(above) if above and rng.random() < 0.85 else None
        if world.wings > 0.5 and rng.random() < 0.5:
            self.target = None  # fly down for a soft landing
        if self.target is not None:
            cx = round((self.target[0] + 1.0) * 400.0 + rng.gauss(0, 10))
            cy = round((1.0 - (self.target[1] - world.camera_y)) * 300.0 + rng.gauss(0, 10))
        else:
            cx, cy = rng.randint(-300, 1100), rng.randint(-300, 900)
        left = rng.random() < 0.3
        right = rng.random() < (0.2 if world.vel_y < 0 else 0.02)
        splash = rng.random() < 0.01
        return frame_time, cx, cy, left, right, splash


def check(tool, frames, seed):
    rng = random.Random(seed)
    player = Player(rng)
    world = World()
    script = ['# random play, seed %d' % seed]
    expected = [world.line(0, 0.0, 0, 'cat', True)]
    for number in range(1, frames + 1):
        frame = player.frame(world)
        script.append('%.9g %d %d %d %d %d' % (frame[0], frame[1], frame[2], *map(int, frame[3:])))
        expected.append(world.step(number, *frame))
    run = subprocess.run([tool], input='\n'.join(script) + '\n', capture_output=True, text=True)
    if run.returncode != 0:
        print('pouncer_trace failed with status %d: %s' % (run.returncode, run.stderr))
        return 1
    actual = run.stdout.splitlines()
    for number, (want, got) in enumerate(zip(expected, actual)):
        if want != got:
            names = ('frame dt catX catY velX velY airborne cameraY spawnBand points highscore '
                     'magicJumps wingsTime magicJumpCooldown magicJumpEffectTime magicJumpEffectX '
                     'magicJumpEffectY dampingTime pickups picture mirrored').split()
            names += ['star%d.%s' % (i, f) for i in range(20) for f in 'xyk']
            diffs = ['%s model %s tool %s' % (n, w, g)
                     for n, w, g in zip(names, want.split(), got.split()) if w != g]
            print('frame %d differs (script line %d: %s):\n  %s'
                  % (number, number + 1, script[number] if number else '-', '\n  '.join(diffs)))
            return 1
    if len(actual) != len(expected):
        print('the tool printed %d lines, the model %d' % (len(actual), len(expected)))
        return 1
    print('%d frames agree bit for bit; highest camera %.3g, highscore %d; %s'
          % (frames, max(float(l.split()[7]) for l in expected), world.highscore,
             ', '.join('%s %d' % item for item in sorted(world.events.items()))))
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    sub = parser.add_subparsers(dest='command', required=True)
    sub.add_parser('replay')
    c = sub.add_parser('check')
    c.add_argument('tool')
    c.add_argument('--frames', type=int, default=20000)
    c.add_argument('--seed', type=int, default=1)
    args = parser.parse_args()
    if args.command == 'replay':
        sys.stdout.write('\n'.join(replay(sys.stdin.read().splitlines())) + '\n')
        return 0
    return check(args.tool, args.frames, args.seed)


if __name__ == '__main__':
    sys.exit(main())
