#!/usr/bin/python3
"""Writes every picture, sound and the shader of data/ and the menu icons and
the Windows programs' icon in data/desktop/, byte for byte the same on every run (fixed seeds, no timestamps),
plus the reviewers' contact sheet.

  tools/assets/make_assets.py                 rewrite data/ and the contact sheet
  tools/assets/make_assets.py --check         regenerate into a temporary folder
                                              and compare with data/ (exit 1 on a difference)
  tools/assets/make_assets.py --out DIR       write into DIR instead

Needs Debian's python3-pil, python3-numpy and lame (tools/deps.sh assets).
The font data/calibri.ttf is not made here: the build copies Carlito there.
"""
import argparse
import filecmp
import os
import shutil
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

SKIPPED = 77  # what test runners take for "skipped"
try:
    import numpy  # noqa: F401
    import PIL  # noqa: F401
except ImportError as missing:
    print('make_assets.py needs python3-pil and python3-numpy (tools/deps.sh assets):', missing)
    sys.exit(SKIPPED)
if shutil.which('lame') is None:
    print('make_assets.py needs lame (tools/deps.sh assets)')
    sys.exit(SKIPPED)

import canvas  # noqa: E402
import cat  # noqa: E402
import cat_poses  # noqa: E402
import contact_sheet  # noqa: E402
import icon  # noqa: E402
import music  # noqa: E402
import pickups  # noqa: E402
import scenery  # noqa: E402
import shader  # noqa: E402
import splash  # noqa: E402
import synth  # noqa: E402

REPO = os.path.dirname(os.path.dirname(HERE))
# The icon the Windows programs carry (game/windows/pouncer.rc.in).
WINDOWS_ICON = 'desktop/pouncer.ico'


def pictures():
    """(file name, PIL image) of every picture, in the game's load order."""
    yield 'splash.png', splash.title_page()
    yield 'splash2.png', splash.rules_page()
    yield 'magic_jump.png', pickups.magic_jump()
    yield 'flying_cat.png', pickups.flying_wings()
    yield 'gradient.jpg', scenery.sky()
    yield 'ground.png', scenery.ground()
    yield 'star.png', pickups.plain_star()
    yield 'goldstar.png', pickups.gold_star()
    yield 'wings.png', pickups.wings()
    yield 'doublepoints.png', pickups.double_points()
    for name, pose in cat_poses.all_frames():
        yield name, cat.draw_cat(pose).image()


def write_all(out, sheet_path):
    os.makedirs(out, exist_ok=True)
    made = []
    for name, image in pictures():
        path = os.path.join(out, name)
        if name.endswith('.jpg'):
            canvas.save_jpeg(image, path)
        else:
            canvas.save_png(image, path)
        made.append((name, image))
        print('wrote', path)
    # The menu icons live beside the assets but are not loaded by the game.
    os.makedirs(os.path.join(out, 'desktop'), exist_ok=True)
    for name, image in icon.all_icons():
        path = os.path.join(out, name)
        canvas.save_png(image, path)
        made.append((name, image))
        print('wrote', path)
    with open(os.path.join(out, WINDOWS_ICON), 'wb') as f:
        f.write(icon.windows_icon())
    with open(os.path.join(out, 'shader.cg'), 'w', newline='\n') as f:
        f.write(shader.SOURCE)
    synth.encode_mp3(synth.to_pcm(music.chime()), 1, 96, os.path.join(out, 'point.mp3'))
    synth.encode_mp3(synth.to_pcm(music.music()), 2, 128, os.path.join(out, 'music.mp3'))
    print('wrote shader.cg, point.mp3, music.mp3 in', out)
    if sheet_path:
        shown = [(os.path.basename(name), image) for name, image in made]
        canvas.save_png(contact_sheet.sheet(shown), sheet_path)
        print('wrote', sheet_path)
    return [name for name, _ in made] + [WINDOWS_ICON, 'shader.cg', 'point.mp3', 'music.mp3']


def check():
    """Regenerates into a temporary folder and compares with data/."""
    data = os.path.join(REPO, 'data')
    with tempfile.TemporaryDirectory() as tmp:
        names = write_all(tmp, None)
        different = [n for n in names
                     if not os.path.exists(os.path.join(data, n))
                     or not filecmp.cmp(os.path.join(tmp, n), os.path.join(data, n), shallow=False)]
    for name in different:
        print('differs from the generator:', 'data/' + name)
    print('data/ is up to date' if not different else '%d file(s) differ' % len(different))
    return 1 if different else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--out', default=os.path.join(REPO, 'data'))
    parser.add_argument('--check', action='store_true')
    args = parser.parse_args()
    if args.check:
        return check()
    write_all(args.out, os.path.join(HERE, 'contact_sheet.png'))
    return 0


if __name__ == '__main__':
    sys.exit(main())
