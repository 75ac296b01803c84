"""Signed distance functions for drawing: negative inside, positive outside.

Every shape is a function of two coordinate grids (numpy arrays, in picture
units, y downwards) that returns the distance to its edge. Combining them with
min/max keeps the edges exact, so outlines and anti-aliasing come for free.
"""
import numpy as np


def rotate(x, y, angle):
    """Rotates offsets (x, y) by angle radians (positive turns x towards y)."""
    c, s = np.cos(angle), np.sin(angle)
    return c * x - s * y, s * x + c * y


def circle(cx, cy, r):
    return lambda X, Y: np.hypot(X - cx, Y - cy) - r


def ellipse(cx, cy, rx, ry, angle=0.0):
    """A close approximation of the true distance, exact on the edge."""
    def f(X, Y):
        x, y = rotate(X - cx, Y - cy, -angle)
        k0 = np.hypot(x / rx, y / ry)
        k1 = np.hypot(x / (rx * rx), y / (ry * ry))
        return k0 * (k0 - 1.0) / np.maximum(k1, 1e-9)
    return f


def capsule(ax, ay, bx, by, ra, rb=None):
    """A segment from a to b, radius ra at a tapering to rb at b."""
    rb = ra if rb is None else rb

    def f(X, Y):
        px, py = X - ax, Y - ay
        dx, dy = bx - ax, by - ay
        h = np.clip((px * dx + py * dy) / max(dx * dx + dy * dy, 1e-9), 0.0, 1.0)
        return np.hypot(px - dx * h, py - dy * h) - (ra + (rb - ra) * h)
    return f


def tube(points, radii):
    """A smooth tapered tube through points, one radius per point."""
    parts = [capsule(*points[i], *points[i + 1], radii[i], radii[i + 1])
             for i in range(len(points) - 1)]
    return union(*parts)


def polygon(points):
    """Exact distance to a simple polygon given by its corners."""
    pts = [(float(x), float(y)) for x, y in points]

    def f(X, Y):
        d = None
        inside = np.zeros(np.shape(X), dtype=bool)
        for i in range(len(pts)):
            ax, ay = pts[i]
            bx, by = pts[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = X - ax, Y - ay
            h = np.clip((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0, 1.0)
            dist = np.hypot(wx - ex * h, wy - ey * h)
            d = dist if d is None else np.minimum(d, dist)
            # Crossing count for the inside test.
            crosses = ((ay <= Y) != (by <= Y)) & (X < (bx - ax) * (Y - ay) / (by - ay + 1e-12) + ax)
            inside ^= crosses
        return np.where(inside, -d, d)
    return f


def rounded(f, r):
    """Grows a shape by r, rounding its corners."""
    return lambda X, Y: f(X, Y) - r


def union(*fs):
    def f(X, Y):
        d = fs[0](X, Y)
        for g in fs[1:]:
            d = np.minimum(d, g(X, Y))
        return d
    return f


def smooth_union(k, *fs):
    """Union that blends the shapes together over a width k (organic joins)."""
    def f(X, Y):
        d = fs[0](X, Y)
        for g in fs[1:]:
            e = g(X, Y)
            h = np.clip(0.5 + 0.5 * (e - d) / k, 0.0, 1.0)
            d = e + (d - e) * h - k * h * (1.0 - h)
        return d
    return f


def intersect(a, b):
    return lambda X, Y: np.maximum(a(X, Y), b(X, Y))


def subtract(a, b):
    return lambda X, Y: np.maximum(a(X, Y), -b(X, Y))


def star(cx, cy, outer, inner, points=5, angle=0.0, roundness=0.0):
    """A star polygon pointing up (angle 0), corners rounded by roundness."""
    corners = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = angle + np.pi * i / points
        corners.append((cx + r * np.sin(a), cy - r * np.cos(a)))
    shape = polygon(corners)
    return rounded(shape, roundness) if roundness else shape


def bezier(p0, p1, p2, p3, steps=24):
    """Points along a cubic Bezier curve."""
    t = np.linspace(0.0, 1.0, steps)[:, None]
    p = ((1 - t) ** 3) * np.array(p0) + 3 * ((1 - t) ** 2) * t * np.array(p1) \
        + 3 * (1 - t) * t * t * np.array(p2) + (t ** 3) * np.array(p3)
    return [tuple(q) for q in p]
