"""The two splash pages: the title page and the how-to-play page.

Each is a translucent panel in the middle of the screen, so the game scene
shows around and faintly through it. Composed at 1024 x 768 (the screen's
4:3) and stored at 1024 x 1024; the game stretches it back over 800 x 600.
"""
from PIL import Image, ImageDraw, ImageFont

import cat
import cat_poses
import pickups
from canvas import Canvas
from scenery import to_stored

FONT_DIR = '/usr/share/fonts/truetype/crosextra/'
W, H = 1024, 768
CREAM = (255, 246, 226, 255)
GOLD = (255, 208, 74, 255)
INK = (24, 20, 56, 255)


def font(size, bold=False):
    return ImageFont.truetype(FONT_DIR + ('Carlito-Bold.ttf' if bold else 'Carlito-Regular.ttf'), size)


def panel(box):
    page = Image.new('RGBA', (W, H), (0, 0, 0, 0))
    draw = ImageDraw.Draw(page)
    draw.rounded_rectangle(box, radius=36, fill=(16, 20, 58, 214),
                           outline=(255, 220, 140, 235), width=5)
    return page, draw


def big_cat(frame, scale=3):
    c = Canvas(cat.SIZE, cat.SIZE, ss=4 * scale)
    return cat.draw_cat(frame, c).image(scale)


def title_text(draw, xy, text, size):
    draw.text(xy, text, font=font(size, True), fill=GOLD, anchor='mm',
              stroke_width=max(3, size // 14), stroke_fill=INK)


def click_to_continue(draw, y):
    draw.text((W // 2, y), 'Click to continue', font=font(34, True), fill=CREAM, anchor='mm')


def title_page():
    page, draw = panel((150, 80, 874, 690))
    title_text(draw, (W // 2, 170), 'Pouncer', 120)
    draw.text((W // 2, 258), 'Jump from star to star and climb as high as you can!',
              font=font(32), fill=CREAM, anchor='mm')
    hero = big_cat(cat_poses.jump(0), scale=2)
    page.alpha_composite(hero, (W // 2 - hero.width // 2, 300))
    for x, y in ((300, 370), (730, 340), (740, 520), (280, 540)):
        star = pickups.plain_star().resize((56, 56), Image.LANCZOS)
        page.alpha_composite(star, (x - 28, y - 28))
    click_to_continue(draw, 630)
    return to_stored(page)


def rules_page():
    page, draw = panel((110, 40, 914, 730))
    title_text(draw, (W // 2, 100), 'How to play', 64)
    body = font(29)
    lines = ['Move the mouse to steer the cat.',
             'Left button: jump off the ground.',
             'Right button: magic jump in mid-air, three per climb.',
             'Stars bounce you higher; the higher you are, the more points.']
    y = 160
    for line in lines:
        draw.text((170, y), line, font=body, fill=CREAM, anchor='lm')
        y += 44
    items = [(pickups.plain_star, 'Star: a bounce and points'),
             (pickups.gold_star, 'Gold star: one more magic jump'),
             (pickups.wings, 'Wings: fly towards the mouse for a while'),
             (pickups.double_points, 'x2: doubles your points')]
    y += 14
    for make, text in items:
        icon = make().resize((52, 52), Image.LANCZOS)
        page.alpha_composite(icon, (176, y - 26))
        draw.text((248, y), text, font=body, fill=CREAM, anchor='lm')
        y += 62
    draw.text((W // 2, y + 12), 'Landing ends the climb. Beat your highscore!',
              font=font(30, True), fill=GOLD, anchor='mm')
    draw.text((W // 2, y + 50), 'Escape quits the game.', font=font(26), fill=CREAM, anchor='mm')
    click_to_continue(draw, 692)
    return to_stored(page)
