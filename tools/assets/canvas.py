"""A supersampled RGBA canvas that paints distance-function shapes.

Shapes are evaluated on a grid `ss` times finer than the picture, with an
analytic one-sample-wide edge, and the grid is box-filtered down at the end:
smooth edges at any angle, identical bytes on every run.
"""
import math

import numpy as np
from PIL import Image


def hex_colour(value):
    """'#rrggbb' to a float RGB array in 0..1."""
    value = value.lstrip('#')
    return np.array([int(value[i:i + 2], 16) / 255.0 for i in (0, 2, 4)])


def mix(a, b, t):
    return np.asarray(a) * (1.0 - t) + np.asarray(b) * t


class Canvas:
    def __init__(self, width, height, ss=4):
        """width x height picture units, ss samples per unit along each axis."""
        self.width, self.height, self.ss = width, height, ss
        xs = (np.arange(width * ss) + 0.5) / ss
        ys = (np.arange(height * ss) + 0.5) / ss
        self.X, self.Y = np.meshgrid(xs, ys)
        self.rgb = np.zeros((height * ss, width * ss, 3))  # premultiplied
        self.alpha = np.zeros((height * ss, width * ss))
        self.set_transform()

    # Figure transform: shapes are given in figure space, which is stretched
    # by scale and turned by angle about pivot, then moved by offset.
    def set_transform(self, pivot=(0.0, 0.0), angle=0.0, scale=(1.0, 1.0), offset=(0.0, 0.0)):
        self.pivot, self.angle, self.scale, self.offset = pivot, angle, scale, offset

    def grid(self, dx=0.0, dy=0.0):
        """Figure-space coordinates of the canvas samples, shifted on the canvas."""
        px, py = self.pivot
        x = self.X + dx - px - self.offset[0]
        y = self.Y + dy - py - self.offset[1]
        c, s = np.cos(-self.angle), np.sin(-self.angle)
        x, y = c * x - s * y, s * x + c * y
        return px + x / self.scale[0], py + y / self.scale[1]

    def distance(self, f, dx=0.0, dy=0.0):
        """Distance on the canvas (figure distances scaled back approximately)."""
        return f(*self.grid(dx, dy)) * np.sqrt(self.scale[0] * self.scale[1])

    def coverage(self, d, soft=1.0):
        return np.clip(0.5 - d * self.ss / soft, 0.0, 1.0)

    def paint(self, cover, colour):
        """Composites colour (RGB, or an RGB grid) over the canvas with coverage."""
        colour = np.asarray(colour, dtype=float)
        if colour.ndim == 1:
            colour = colour[None, None, :]
        c = cover[..., None]
        self.rgb[...] = colour * c + self.rgb * (1.0 - c)
        self.alpha[...] = cover + self.alpha * (1.0 - cover)

    def shape(self, f, fill, outline=None, width=0.0, mask=None, shade=None, opacity=1.0):
        """Paints a shape with an outline around it and optional cel shading.

        shade = (colour, dx, dy): the part of the shape whose point shifted by
        (dx, dy) falls outside is painted in colour, a crescent on that side.
        mask: a coverage grid the whole shape is clipped to.
        Returns the inside coverage, for clipping details to this shape.
        """
        d = self.distance(f)
        inside = self.coverage(d)
        limit = opacity if mask is None else mask * opacity
        if outline is not None and width > 0:
            self.paint(self.coverage(d - width) * limit, outline)
        fill = fill(self) if callable(fill) else fill
        self.paint(inside * limit, fill)
        if shade is not None:
            colour, dx, dy = shade
            crescent = 1.0 - self.coverage(self.distance(f, dx, dy), soft=3.0)
            self.paint(inside * crescent * limit, colour)
        return inside

    def window(self, x0, y0, x1, y1):
        """A view of the part of the canvas from (x0, y0) to (x1, y1): painting
        into it paints the canvas, and only that part is computed."""
        ss = self.ss
        cols = slice(max(0, int(x0 * ss)), min(self.width * ss, int(math.ceil(x1 * ss))))
        rows = slice(max(0, int(y0 * ss)), min(self.height * ss, int(math.ceil(y1 * ss))))
        view = Canvas.__new__(Canvas)
        view.__dict__.update(self.__dict__)
        view.X, view.Y = self.X[rows, cols], self.Y[rows, cols]
        view.rgb, view.alpha = self.rgb[rows, cols], self.alpha[rows, cols]
        return view

    def glow(self, f, colour, radius, strength=1.0):
        """A soft halo that fades out over radius outside the shape."""
        d = self.distance(f)
        cover = np.clip(1.0 - np.maximum(d, 0.0) / radius, 0.0, 1.0) ** 2 * strength
        self.paint(cover, colour)

    def image(self, scale=1):
        """Box-filters the samples down to an 8-bit RGBA picture, scale times
        the canvas size (scale must divide the supersampling factor)."""
        ss, h, w = self.ss // scale, self.height * scale, self.width * scale
        rgb = self.rgb.reshape(h, ss, w, ss, 3).mean(axis=(1, 3))
        alpha = self.alpha.reshape(h, ss, w, ss).mean(axis=(1, 3))
        safe = np.where(alpha > 0, alpha, 1.0)[..., None]
        out = np.concatenate([rgb / safe, alpha[..., None]], axis=2)
        return Image.fromarray(np.round(np.clip(out, 0, 1) * 255).astype(np.uint8), 'RGBA')


def save_png(image, path):
    """PNG without text chunks or timestamps, so the bytes depend only on pixels."""
    image.save(path, format='PNG', optimize=False, compress_level=9)


def save_jpeg(image, path, quality=92):
    image.convert('RGB').save(path, format='JPEG', quality=quality, subsampling=0,
                              optimize=False, progressive=False)
