"""The application icon: the cat leaping past a gold star on the evening sky,
in a rounded square. Drawn anew for every size, so that small icons get their
own sharp edges instead of a blurred copy of the large one. The menu icons
are PNG files; the Windows programs carry the same pictures as one .ico."""
import io
import struct

from PIL import Image

import cat
import cat_poses
import pickups
import shapes as S
from canvas import Canvas, hex_colour, vertical

SIZES = (48, 128, 256)
# What Explorer, the taskbar and the title bar ask a program for.
WINDOWS_SIZES = (16, 24, 32, 48, 64, 128, 256)
UNIT = 128.0            # the icon is composed in 128 x 128 units


def background(size):
    c = Canvas(size, size)
    k = size / UNIT
    square = S.rounded(S.polygon([(26 * k, 26 * k), (102 * k, 26 * k),
                                  (102 * k, 102 * k), (26 * k, 102 * k)]), 18 * k)
    c.shape(square, vertical(hex_colour('#16205a'), hex_colour('#8a6fc0'), 8 * k, 120 * k),
            hex_colour('#0d1238'), max(1.0, 3 * k))
    return c.image()


def leaping_cat(size):
    """The cat as large as the icon allows, rendered at its final size."""
    side = round(size * 0.86)
    scale = -(-side // cat.SIZE)
    c = Canvas(cat.SIZE, cat.SIZE, ss=4 * scale)
    picture = cat.draw_cat(cat_poses.jump(1), c).image(scale)
    return picture.resize((side, side), Image.LANCZOS)


def icon(size):
    out = background(size)
    star = pickups.gold_star().resize((round(size * 0.34),) * 2, Image.LANCZOS)
    out.alpha_composite(star, (round(size * 0.60), round(size * 0.08)))
    hero = leaping_cat(size)
    out.alpha_composite(hero, (round(size * 0.05), round(size * 0.13)))
    return out


def all_icons():
    """(file name under data/, picture) of every icon size."""
    return [('desktop/pouncer-%d.png' % size, icon(size)) for size in SIZES]


def windows_icon():
    """The .ico file's bytes: every Windows size as a PNG entry (which every
    64-bit Windows reads), largest last, with no timestamps."""
    entries = []
    for size in WINDOWS_SIZES:
        png = io.BytesIO()
        icon(size).save(png, format='PNG', optimize=False, compress_level=9)
        entries.append((size, png.getvalue()))
    header = struct.pack('<HHH', 0, 1, len(entries))
    offset = len(header) + 16 * len(entries)
    directory, images = b'', b''
    for size, data in entries:
        side = size % 256  # 0 stands for 256
        directory += struct.pack('<BBBBHHII', side, side, 0, 0, 1, 32, len(data), offset)
        images += data
        offset += len(data)
    return header + directory + images
