# SPDX-License-Identifier: MIT
"""Draw the Parlino icon (a globe under a magnifying glass) as 32 and 16 px XPMs.

Run from any directory: python3 draw_icon.py
It writes parlino-32.xpm and parlino-16.xpm next to itself and, when
ImageMagick's convert is installed, the PNG copies under hicolor/.
"""
import math
import os
import shutil
import subprocess

PALETTE = {
    ' ': 'None',
    '.': '#1C2233',  # outline
    'b': '#2F6FD0',  # sea
    'B': '#1E4E9C',  # sea, shaded side
    'm': '#5E9BEA',  # grid lines on the sea
    'g': '#3DAA3A',  # land
    'G': '#26772A',  # land, shaded side
    'l': '#8CC4FA',  # sea seen through the lens
    'c': '#DDF0FF',  # empty glass
    'w': '#FFFFFF',  # glint
    's': '#C3CAD4',  # lens rim
    'd': '#6E7684',  # lens rim, dark edge
    'r': '#D8282A',  # handle
    'R': '#8C1215',  # handle, dark side
    'h': '#F47A6E',  # handle, highlight
}

# Land masses as (longitude, latitude, angular radius) blobs, in degrees.
LAND = [(-45, 38, 24), (-20, 18, 13), (-12, -22, 17), (-22, -45, 10),
        (50, 42, 20), (68, 18, 11), (35, -20, 12)]

# At 16 px the geometry gets mushy, so that size is drawn by hand.
ICON_16 = [
    "    ....        ",
    "  ..gmbb..      ",
    " .gggmbbgg.     ",
    " .gggmbbbg.     ",
    ".bgggmbbbbB.    ",
    ".mmmmmm.....    ",
    ".bggbm.sssss.   ",
    ".bggb.sswllsd.  ",
    " .bgb.swllggd.  ",
    " .bbb.sllgggd.  ",
    "  ..b.sllggld.  ",
    "    ..sdllldd.  ",
    "      .ddddd.h. ",
    "       .....Rrh.",
    "            .Rrh",
    "             .Rr",
]

# How each colour of the globe looks through the lens.
LENS_TINT = {'b': 'l', 'B': 'l', 'm': 'c', 'g': 'g', 'G': 'g', '.': 'l', ' ': 'c'}
NEIGHBOURS = ((1, 0), (-1, 0), (0, 1), (0, -1))


def dist(x0, y0, x1, y1):
    return math.hypot(x1 - x0, y1 - y0)


def is_land(lon, lat):
    a = math.radians
    for blon, blat, brad in LAND:
        # cosine of the great-circle distance to the blob centre
        c = (math.sin(a(lat)) * math.sin(a(blat)) +
             math.cos(a(lat)) * math.cos(a(blat)) * math.cos(a(lon - blon)))
        if c > math.cos(a(brad)):
            return True
    return False


def blank(size):
    return [[' '] * size for _ in range(size)]


def outline(img, is_shape, colour):
    """Paint the pixels of a shape that touch its outside."""
    size = len(img)
    edge = [(x, y) for y in range(size) for x in range(size) if is_shape(x, y) and any(
        not (0 <= x + dx < size and 0 <= y + dy < size) or not is_shape(x + dx, y + dy)
        for dx, dy in NEIGHBOURS)]
    for x, y in edge:
        img[y][x] = colour


def draw_globe(size, gx, gy, gr, meridians, parallels):
    """Orthographic globe lit from the upper left, with a grid on the sea."""
    img = blank(size)
    lx, ly, lz = -0.55, -0.6, 0.58
    for y in range(size):
        for x in range(size):
            u, v = (x + 0.5 - gx) / gr, (y + 0.5 - gy) / gr
            if u * u + v * v > 1:
                continue
            z = math.sqrt(1 - u * u - v * v)
            lon, lat = math.degrees(math.atan2(u, z)), math.degrees(math.asin(-v))
            shade = u * lx + v * ly + z * lz < 0.12
            if is_land(lon, lat):
                img[y][x] = 'G' if shade else 'g'
            else:
                img[y][x] = 'B' if shade else 'b'

    def plot(lon, lat):
        lo, la = math.radians(lon), math.radians(lat)
        if math.cos(la) * math.cos(lo) > 0.1:
            x = int(gx + gr * math.cos(la) * math.sin(lo))
            y = int(gy - gr * math.sin(la))
            if 0 <= x < size and 0 <= y < size and img[y][x] == 'b':
                img[y][x] = 'm'
    for i in range(-900, 901):
        for m in meridians:
            plot(m, i / 10)
        for p in parallels:
            plot(i / 10, p)
    outline(img, lambda x, y: dist(x + 0.5, y + 0.5, gx, gy) <= gr, '.')
    return img


def draw(size, globe, lens, handle, magnify, meridians, parallels):
    gx, gy, gr = globe
    lx, ly, lr_in, lr_out = lens
    img = draw_globe(size, gx, gy, gr, meridians, parallels)
    # What the lens shows: the same globe, enlarged about the lens centre.
    big = draw_globe(size, lx + (gx - lx) * magnify, ly + (gy - ly) * magnify,
                     gr * magnify, meridians, parallels)

    # Handle: a metal collar, then a rounded red bar towards the lower-right
    # corner, lit on its upper edge and dark on its lower edge.
    hw, collar, hx0, hy0, hx1, hy1 = handle
    hl = dist(hx0, hy0, hx1, hy1)
    ux, uy = (hx1 - hx0) / hl, (hy1 - hy0) / hl
    for y in range(size):
        for x in range(size):
            px, py = x + 0.5 - hx0, y + 0.5 - hy0
            along, across = px * ux + py * uy, px * uy - py * ux
            if abs(across) <= hw and 0 <= along <= hl or dist(px, py, hx1 - hx0, hy1 - hy0) <= hw:
                if along < lr_out + collar:
                    img[y][x] = 's' if across > 0 else 'd'
                else:
                    img[y][x] = 'h' if across > hw * 0.4 else ('R' if across < -hw * 0.4 else 'r')

    # Lens: tinted glass, a two-tone rim and a glint.
    for y in range(size):
        for x in range(size):
            d = dist(x + 0.5, y + 0.5, lx, ly)
            if d < lr_in:
                img[y][x] = LENS_TINT[big[y][x]]
            elif d <= lr_out:
                img[y][x] = 's' if (x + 0.5 - lx) + (y + 0.5 - ly) < lr_in * 0.5 else 'd'
    outline(img, lambda x, y: dist(x + 0.5, y + 0.5, lx, ly) <= lr_out, '.')
    for y in range(size):
        for x in range(size):
            d = dist(x + 0.5, y + 0.5, lx, ly)
            ang = math.degrees(math.atan2(y + 0.5 - ly, x + 0.5 - lx))
            if lr_in - 2.2 <= d <= lr_in - 1.0 and -170 <= ang <= -100:
                img[y][x] = 'w'

    # Outline of the whole silhouette.
    outline(img, lambda x, y: img[y][x] != ' ', '.')
    return img


def write_xpm(path, name, img):
    used = [c for c in PALETTE if any(c in row for row in img)]
    assert len(used) <= 16, used
    size = len(img)
    lines = ['/* XPM */', 'static const char *const %s[] = {' % name,
             '"%d %d %d 1",' % (size, size, len(used))]
    lines += ['"%s c %s",' % (c, PALETTE[c]) for c in used]
    lines += ['"%s"%s' % (''.join(row), ',' if i < size - 1 else '')
              for i, row in enumerate(img)]
    lines.append('};')
    with open(path, 'w') as f:
        f.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    img32 = draw(32, globe=(12.5, 12.5, 11.8), lens=(18.0, 18.0, 5.4, 7.45),
                 handle=(2.5, 1.3, 18.0, 18.0, 28.4, 28.4), magnify=1.5,
                 meridians=(-50, 0, 50), parallels=(-35, 0, 35))
    write_xpm(os.path.join(here, 'parlino-32.xpm'), 'parlino_32_xpm', img32)
    assert all(len(row) == 16 for row in ICON_16) and len(ICON_16) == 16
    write_xpm(os.path.join(here, 'parlino-16.xpm'), 'parlino_16_xpm', ICON_16)
    if shutil.which('convert'):
        for px in (32, 16):
            out = os.path.join(here, 'hicolor', '%dx%d' % (px, px), 'apps')
            os.makedirs(out, exist_ok=True)
            subprocess.run(['convert', os.path.join(here, 'parlino-%d.xpm' % px),
                            os.path.join(out, 'org.parlino.Parlino.png')], check=True)
