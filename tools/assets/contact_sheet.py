"""A contact sheet of pictures for reviewers: each on a light checkerboard
(so transparency shows) with its file name underneath."""
from PIL import Image, ImageDraw, ImageFont

FONT = '/usr/share/fonts/truetype/crosextra/Carlito-Regular.ttf'


def checkerboard(w, h, cell=8):
    board = Image.new('RGB', (w, h), (236, 236, 236))
    draw = ImageDraw.Draw(board)
    for y in range(0, h, cell):
        for x in range(0, w, cell):
            if (x // cell + y // cell) % 2:
                draw.rectangle([x, y, x + cell - 1, y + cell - 1], fill=(206, 206, 206))
    return board


def sheet(items, tile=160, columns=6, label=18):
    """items: (name, picture) pairs; every picture is fitted into a tile."""
    font = ImageFont.truetype(FONT, 15)
    rows = (len(items) + columns - 1) // columns
    out = Image.new('RGB', (columns * tile, rows * (tile + label)), (255, 255, 255))
    draw = ImageDraw.Draw(out)
    for i, (name, picture) in enumerate(items):
        x, y = (i % columns) * tile, (i // columns) * (tile + label)
        w, h = picture.size
        scale = min((tile - 8) / w, (tile - 8) / h)
        # Full-screen pictures are shown at 4:3, as the game stretches them.
        if w == h and w >= 512:
            size = (tile - 8, int((tile - 8) * 3 / 4))
        else:
            size = (max(1, round(w * scale)), max(1, round(h * scale)))
        shown = picture.convert('RGBA').resize(size, Image.LANCZOS)
        cell = checkerboard(*size)
        cell.paste(shown, (0, 0), shown)
        out.paste(cell, (x + (tile - size[0]) // 2, y + (tile - size[1]) // 2))
        draw.text((x + tile // 2, y + tile + 1), name, fill=(40, 40, 40), font=font, anchor='mt')
    return out
