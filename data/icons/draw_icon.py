# SPDX-License-Identifier: MIT
"""Draw the Parlino icon (a globe under a magnifying glass) for the hicolor theme.

Run from any directory: python3 draw_icon.py
It writes, under hicolor/ next to itself, the scalable SVG, the 16 and 32 px
PNGs drawn pixel by pixel, and the 48 to 256 px PNGs rendered from the SVG
with rsvg-convert (librsvg2-bin).
"""
import math
import os
import struct
import subprocess
import zlib

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


def write_png(path, img):
    """An 8-bit RGBA PNG of a pixel drawing."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data)))

    def rgba(c):
        colour = PALETTE[c]
        return b'\0\0\0\0' if colour == 'None' else bytes.fromhex(colour[1:]) + b'\xff'
    size = len(img)
    rows = b''.join(b'\0' + b''.join(rgba(c) for c in row) for row in img)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' +
                chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
                chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b''))


# The scalable icon: the 32 px drawing's geometry on a 256 unit canvas.
SVG_SCALE = 8
SEA_COLOURS = {'sea': PALETTE['b'], 'land': PALETTE['g'], 'grid': PALETTE['m']}
SHADE_COLOURS = {'sea': PALETTE['B'], 'land': PALETTE['G'], 'grid': PALETTE['B']}
LENS_COLOURS = {'sea': PALETTE['l'], 'land': PALETTE['g'], 'grid': PALETTE['c']}


def svg_globe(gx, gy, gr, colours, meridians, parallels):
    """Sea, grid and land of an orthographic globe, unclipped."""
    def point(lon, lat):
        lo, la = math.radians(lon), math.radians(lat)
        x, y, z = math.cos(la) * math.sin(lo), -math.sin(la), math.cos(la) * math.cos(lo)
        if z < 0:  # behind the limb: keep it on the rim
            x, y = x / math.hypot(x, y), y / math.hypot(x, y)
        return '%.1f,%.1f' % (gx + gr * x, gy + gr * y)

    def path(points):
        return 'M' + ' L'.join(points)
    parts = ['<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (gx, gy, gr, colours['sea'])]
    grid = [path([point(m, lat) for lat in range(-90, 91, 5)]) for m in meridians]
    grid += [path([point(lon, p) for lon in (-90, 90)]) for p in parallels]
    parts.append('<path d="%s" fill="none" stroke="%s" stroke-width="%g"/>' % (
        ' '.join(grid), colours['grid'], gr * 0.07))
    land = []
    for blon, blat, brad in LAND:
        # the small circle around the blob centre, walked by bearing
        pts = []
        a, d = math.radians, math.degrees
        for bearing in range(0, 360, 6):
            b, r, la0 = a(bearing), a(brad), a(blat)
            la = math.asin(math.sin(la0) * math.cos(r) + math.cos(la0) * math.sin(r) * math.cos(b))
            lo = a(blon) + math.atan2(math.sin(b) * math.sin(r) * math.cos(la0),
                                      math.cos(r) - math.sin(la0) * math.sin(la))
            pts.append(point(d(lo), d(la)))
        land.append(path(pts) + 'Z')
    parts.append('<path d="%s" fill="%s"/>' % (' '.join(land), colours['land']))
    return parts


def write_svg(path, globe, lens, handle, magnify, meridians, parallels):
    k = SVG_SCALE
    gx, gy, gr = (v * k for v in globe)
    lx, ly, lr_in, lr_out = (v * k for v in lens)
    hw, collar, hx0, hy0, hx1, hy1 = (v * k for v in handle)
    line = 1.0 * k  # the dark outline
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!-- SPDX-License-Identifier: MIT -->',
           '<!-- Generated by draw_icon.py. -->',
           '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
           'viewBox="0 0 256 256">',
           '<defs>',
           '<clipPath id="globe"><circle cx="%g" cy="%g" r="%g"/></clipPath>' % (gx, gy, gr),
           # the side turned away from the light, upper left
           '<clipPath id="shade"><path clip-rule="evenodd" d="M0,0 H256 V256 H0 Z '
           'M%g,%g a%g,%g 0 1,0 %g,0 a%g,%g 0 1,0 %g,0 Z"/></clipPath>' % (
               gx - 0.22 * gr - 1.1 * gr, gy - 0.25 * gr, 1.1 * gr, 1.1 * gr, 2.2 * gr,
               1.1 * gr, 1.1 * gr, -2.2 * gr),
           '<clipPath id="glass"><circle cx="%g" cy="%g" r="%g"/></clipPath>' % (lx, ly, lr_in),
           '</defs>']
    out.append('<g clip-path="url(#globe)">')
    out += svg_globe(gx, gy, gr, SEA_COLOURS, meridians, parallels)
    out.append('<g clip-path="url(#shade)">')
    out += svg_globe(gx, gy, gr, SHADE_COLOURS, (), ())
    out.append('</g></g>')
    out.append('<circle cx="%g" cy="%g" r="%g" fill="none" stroke="%s" stroke-width="%g"/>' % (
        gx, gy, gr - line / 2, PALETTE['.'], line))

    # Handle: a dark bar under a red one, lit on its upper edge and dark on its lower edge.
    ux, uy = (hx1 - hx0) / dist(hx0, hy0, hx1, hy1), (hy1 - hy0) / dist(hx0, hy0, hx1, hy1)
    sx, sy = hx0 + ux * lr_out, hy0 + uy * lr_out
    cx, cy = hx0 + ux * (lr_out + collar), hy0 + uy * (lr_out + collar)

    def bar(x0, y0, x1, y1, offset, width, colour, cap='round'):
        ox, oy = uy * offset, -ux * offset
        return ('<path d="M%.1f,%.1f L%.1f,%.1f" stroke="%s" stroke-width="%g" '
                'stroke-linecap="%s" fill="none"/>' % (x0 + ox, y0 + oy, x1 + ox, y1 + oy,
                                                       colour, width, cap))
    body = 2 * hw - 2 * line
    out.append(bar(sx, sy, hx1, hy1, 0, 2 * hw, PALETTE['.']))
    out.append(bar(cx, cy, hx1, hy1, 0, body, PALETTE['r']))
    out.append(bar(cx + ux * line, cy + uy * line, hx1, hy1, body * 0.33, body * 0.3,
                   PALETTE['h']))
    out.append(bar(cx + ux * line, cy + uy * line, hx1, hy1, -body * 0.33, body * 0.3,
                   PALETTE['R']))
    out.append(bar(sx, sy, cx, cy, body / 4, body / 2, PALETTE['s'], 'butt'))
    out.append(bar(sx, sy, cx, cy, -body / 4, body / 2, PALETTE['d'], 'butt'))

    # Lens: the globe enlarged and tinted, a two-tone rim and a glint.
    out.append('<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (lx, ly, lr_out, PALETTE['.']))
    out.append('<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (lx, ly, lr_out - line,
                                                               PALETTE['d']))
    out.append('<path d="M%g,%g A%g,%g 0 0,1 %g,%g Z" fill="%s"/>' % (
        lx - (lr_out - line) * 0.707, ly + (lr_out - line) * 0.707, lr_out - line,
        lr_out - line, lx + (lr_out - line) * 0.707, ly - (lr_out - line) * 0.707,
        PALETTE['s']))
    out.append('<g clip-path="url(#glass)">')
    out.append('<rect width="256" height="256" fill="%s"/>' % PALETTE['c'])
    out.append('<g transform="translate(%g,%g) scale(%g) translate(%g,%g)">' % (
        lx, ly, magnify, -lx, -ly))
    out += svg_globe(gx, gy, gr, LENS_COLOURS, meridians, parallels)
    out.append('<circle cx="%g" cy="%g" r="%g" fill="none" stroke="%s" stroke-width="%g"/>' % (
        gx, gy, gr, PALETTE['l'], line / magnify))
    out.append('</g></g>')
    glint = lr_in - 1.6 * k
    out.append('<path d="M%.1f,%.1f A%g,%g 0 0,1 %.1f,%.1f" fill="none" stroke="%s" '
               'stroke-width="%g" stroke-linecap="round"/>' % (
                   lx + glint * math.cos(math.radians(-165)), ly + glint * math.sin(math.radians(-165)),
                   glint, glint,
                   lx + glint * math.cos(math.radians(-105)), ly + glint * math.sin(math.radians(-105)),
                   PALETTE['w'], 1.1 * k))
    out.append('<circle cx="%g" cy="%g" r="%g" fill="none" stroke="%s" stroke-width="%g"/>' % (
        lx, ly, lr_in + line / 4, PALETTE['.'], line / 2))
    out.append('</svg>')
    with open(path, 'w') as f:
        f.write('\n'.join(out) + '\n')


def icon_path(here, size, ext='png'):
    folder = os.path.join(here, 'hicolor', size, 'apps')
    os.makedirs(folder, exist_ok=True)
    return os.path.join(folder, 'org.parlino.Parlino.' + ext)


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    geometry = dict(globe=(12.5, 12.5, 11.8), lens=(18.0, 18.0, 5.4, 7.45),
                    handle=(2.5, 1.3, 18.0, 18.0, 28.4, 28.4), magnify=1.5,
                    meridians=(-50, 0, 50), parallels=(-35, 0, 35))
    write_png(icon_path(here, '32x32'), draw(32, **geometry))
    assert all(len(row) == 16 for row in ICON_16) and len(ICON_16) == 16
    write_png(icon_path(here, '16x16'), ICON_16)
    svg = icon_path(here, 'scalable', 'svg')
    write_svg(svg, **geometry)
    for px in (48, 64, 128, 256):
        size = '%dx%d' % (px, px)
        subprocess.run(['rsvg-convert', '-w', str(px), '-h', str(px), '-o',
                        icon_path(here, size), svg], check=True)
