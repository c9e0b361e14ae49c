#!/usr/bin/env python3
"""Draws the program's pictures: the window/program icon, the poster bitmap
and the link cursor. Writes plauderix.ico, poster.bmp and link.cur next to
this script. Pure standard library; the poster's lettering is rendered by
ImageMagick's `convert` into raw grey coverage and blended here. Every run
gives the same bytes: all grain comes from a fixed-seed generator."""

import math
import os
import struct
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
FONTS = "/usr/share/fonts/truetype/dejavu"


class Grain:
    """xorshift32: our own generator, so the output never depends on the
    Python version's random module."""

    def __init__(self, seed):
        self.s = seed & 0xFFFFFFFF or 1

    def next(self):
        s = self.s
        s ^= (s << 13) & 0xFFFFFFFF
        s ^= s >> 17
        s ^= (s << 5) & 0xFFFFFFFF
        self.s = s
        return s

    def uniform(self):
        return self.next() / 4294967296.0

    def centred(self):
        """Roughly bell-shaped noise in [-1, 1]."""
        return (self.uniform() + self.uniform() + self.uniform()) / 1.5 - 1.0


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def smooth(edge0, edge1, v):
    t = clamp01((v - edge0) / (edge1 - edge0))
    return t * t * (3.0 - 2.0 * t)


def ellipse(x, y, cx, cy, rx, ry):
    """Normalised radius: < 1 inside the ellipse."""
    return math.hypot((x - cx) / rx, (y - cy) / ry)


def bitmapinfoheader(width, height, bpp, size_image=0, ppm=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0,
                       size_image, ppm, ppm, 0, 0)


# ---------------------------------------------------------------- icon

ICON_SIZE = 48
ICON_OPAQUE = ICON_SIZE * ICON_SIZE - 871
# index: colour (R, G, B). Index 0 doubles as the transparent pixel value.
ICON_COLOURS = [
    (0x00, 0x00, 0x00),
    (0x30, 0x30, 0x30),
    (0x58, 0x58, 0x58),
    (0x80, 0x80, 0x80),
    (0xA8, 0xA8, 0xA8),
    (0xD0, 0xD0, 0xD0),
    (0xFF, 0xFF, 0xFF),
    (0xB8, 0xD4, 0xF0),
]
GREY_INDICES = [0, 1, 2, 3, 4, 5, 6]
PALE_BLUE = 7


def icon_silhouette_field(x, y):
    """Smaller is more inside: head oval plus neck and shoulders."""
    px, py = x + 0.5, y + 0.5
    head = (ellipse(px, py, 24.0, 21.5, 17.5, 21.0) - 1.0) * 17.5
    neck = max(abs(px - 24.0) - 7.5, 36.0 - py)
    shoulder_half = 7.5 + (py - 40.0) * 2.6
    shoulders = max(abs(px - 24.0) - shoulder_half, 40.0 - py)
    return min(head, neck, shoulders)


def icon_opaque_mask():
    """Exactly ICON_OPAQUE pixels, the innermost ones by the field."""
    order = sorted((icon_silhouette_field(x, y), y, x)
                   for y in range(ICON_SIZE) for x in range(ICON_SIZE))
    opaque = [[False] * ICON_SIZE for _ in range(ICON_SIZE)]
    for _, y, x in order[:ICON_OPAQUE]:
        opaque[y][x] = True
    return opaque


def icon_tone(x, y):
    """Grey tone 0..1 of the face photograph, or None for pale blue."""
    px, py = x + 0.5, y + 0.5
    face_r = ellipse(px, py, 24.0, 26.0, 12.0, 15.5)
    fringe = 15.5 + 1.6 * math.sin(px * 0.9) + 0.08 * (px - 24.0) ** 2 * 0.25
    in_face = face_r < 1.0 and py > fringe
    if py > 40.5 and not face_r < 1.0:
        # shirt collar under the chin, then a dark jacket
        if abs(px - 24.0) < 10.0 - (py - 40.5) * 0.9 and abs(px - 24.0) > 3.0 - (py - 40.5) * 0.9:
            return None
        if abs(px - 24.0) <= 3.0 - (py - 40.5) * 0.9:
            return 0.55
        return 0.12 + 0.06 * math.sin(px * 0.7 + py)
    if not in_face:
        if py > 34.0 and abs(px - 24.0) < 7.5:
            # neck, in the chin's shadow
            return 0.42 + 0.1 * (py - 34.0) / 7.0 - 0.02 * abs(px - 24.0)
        # hair: dark with a few lighter strands catching the light
        strand = 0.5 + 0.5 * math.sin(px * 1.3 + py * 0.45 + math.sin(py * 0.3) * 2.0)
        sheen = smooth(12.0, 2.0, math.hypot(px - 17.0, py - 8.0))
        return 0.04 + 0.14 * strand * strand + 0.22 * sheen * strand
    dx = (px - 24.0) / 12.0
    dy = (py - 26.0) / 15.5
    tone = 0.86 - 0.42 * (dx * dx + dy * dy) - 0.10 * dx + 0.04 * dy
    tone -= 0.25 * smooth(2.5, 0.5, py - fringe)          # fringe shadow
    for ex in (19.0, 29.0):
        brow = ellipse(px, py, ex, 21.3, 3.4, 0.9)
        if brow < 1.0:
            return 0.08
        socket = ellipse(px, py, ex, 24.6, 4.2, 2.4)
        tone -= 0.28 * smooth(1.0, 0.3, socket)
        eye = ellipse(px, py, ex, 24.7, 2.6, 1.1)
        if eye < 1.0:
            if abs(px - ex) < 0.9:
                return 0.0
            return None
    # nose: lit left flank, shaded right flank, dark nostrils
    if 24.0 < py < 33.0:
        if 24.5 < px < 26.5:
            tone -= 0.20 * smooth(24.0, 30.0, py)
        if 22.5 < px < 24.0:
            tone += 0.06
    if 32.0 < py < 33.5 and (21.5 < px < 23.0 or 25.5 < px < 27.0):
        tone = 0.18
    # mouth
    mouth_y = 36.9 - 0.035 * (px - 24.0) ** 2
    if abs(py - mouth_y) < 0.7 and abs(px - 24.0) < 4.8:
        return 0.14
    if 0.7 <= py - mouth_y < 1.8 and abs(px - 24.0) < 3.0:
        tone -= 0.12
    return tone


def draw_icon_pixels():
    opaque = icon_opaque_mask()
    grain = Grain(0x1C0FACE)
    top_down = []
    for y in range(ICON_SIZE):
        row = []
        for x in range(ICON_SIZE):
            noise = grain.centred()
            if not opaque[y][x]:
                row.append(0)
                continue
            tone = icon_tone(x, y)
            if tone is None:
                row.append(PALE_BLUE)
                continue
            tone = clamp01(tone + 0.11 * noise)
            row.append(GREY_INDICES[int(round(tone * (len(GREY_INDICES) - 1)))])
        top_down.append(row)
    return top_down, opaque


def build_icon():
    pixels, opaque = draw_icon_pixels()
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(ICON_SIZE)):
        xor += bytes(pixels[y])
        bits = bytearray(8)
        for x in range(ICON_SIZE):
            if not opaque[y][x]:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    palette = bytearray(256 * 4)
    for i, (r, g, b) in enumerate(ICON_COLOURS):
        palette[i * 4:i * 4 + 4] = bytes((b, g, r, 0))
    image = (bitmapinfoheader(ICON_SIZE, ICON_SIZE * 2, 8, len(xor) + len(mask))
             + palette + xor + mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", ICON_SIZE, ICON_SIZE, 0, 0, 1, 8, len(image), 22)
    return directory + image


# -------------------------------------------------------------- cursor

# '.' transparent, '#' black outline, 'W' white. Fingertip at (12, 4).
HAND = [
    "................................",
    "................................",
    "................................",
    "................................",
    "...........###..................",
    "..........#WWW#.................",
    "..........#WWW#.................",
    "..........#WWW#.................",
    "..........#WWW#.................",
    "..........#WWW#.................",
    "..........#WWW#.................",
    "..........#WWW####..............",
    "..........#WWW#WWW####..........",
    "..........#WWW#WWW#WWW###.......",
    "..........#WWW#WWW#WWW#WW#......",
    "..........#WWW#WWW#WWW#WW#......",
    "....###...#WWWWWWWWWWW#WW#......",
    "...#WWW#..#WWWWWWWWWWWWWW#......",
    "...#WWWW#.#WWWWWWWWWWWWWW#......",
    "....#WWWW##WWWWWWWWWWWWWW#......",
    ".....#WWWW#WWWWWWWWWWWWWW#......",
    "......#WWWWWWWWWWWWWWWWWW#......",
    ".......#WWWWWWWWWWWWWWWWW#......",
    "........#WWWWWWWWWWWWWWWW#......",
    ".........#WWWWWWWWWWWWWW#.......",
    "..........#WWWWWWWWWWWW#........",
    "..........#WWWWWWWWWWWW#........",
    "..........##############........",
    "..........#WWWWWWWWWWWW#........",
    "..........##############........",
    "................................",
    "................................",
]
CURSOR_HOTSPOT = (6, 7)
VGA_PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]


def build_cursor():
    assert len(HAND) == 32 and all(len(r) == 32 for r in HAND)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(HAND):
        nibbles = [15 if c == "W" else 0 for c in row]
        xor += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, 32, 2))
        bits = bytearray(4)
        for x, c in enumerate(row):
            if c == ".":
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA_PALETTE)
    image = bitmapinfoheader(32, 64, 4, len(xor) + len(mask)) + palette + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack(
        "<BBBBHHII", 32, 32, 16, 0, CURSOR_HOTSPOT[0], CURSOR_HOTSPOT[1], len(image), 22)
    return directory + image


# -------------------------------------------------------------- poster

POSTER_W, POSTER_H = 243, 336
POSTER_PPM = 10470
PAPER = (0.93, 0.89, 0.79)
INK = (0.10, 0.08, 0.07)
RED = (0.78, 0.07, 0.09)


def render_text(text, font, points, width, height, kerning=0.0):
    """Coverage 0..1 of `text` centred in a width x height box."""
    cmd = ["convert", "-size", "%dx%d" % (width, height), "xc:black",
           "-font", os.path.join(FONTS, font), "-pointsize", str(points),
           "-kerning", str(kerning), "-fill", "white", "-gravity", "center",
           "-annotate", "+0+0", text, "-depth", "8", "gray:-"]
    raw = subprocess.run(cmd, check=True, stdout=subprocess.PIPE,
                         env=dict(os.environ, LC_ALL="C.UTF-8")).stdout
    if len(raw) != width * height:
        raise RuntimeError("convert gave %d bytes for %r" % (len(raw), text))
    return [[raw[y * width + x] / 255.0 for x in range(width)] for y in range(height)]


class Canvas:
    def __init__(self, w, h, colour):
        self.w, self.h = w, h
        self.px = [[list(colour) for _ in range(w)] for _ in range(h)]

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.w and 0 <= y < self.h and alpha > 0.0:
            p = self.px[y][x]
            for i in range(3):
                p[i] += (colour[i] - p[i]) * alpha

    def text(self, top, height, text, font, points, colour, kerning=0.0,
             shadow=None, left=0, width=None):
        width = width or self.w
        cover = render_text(text, font, points, width, height, kerning)
        if shadow:
            for y in range(height):
                for x in range(width):
                    self.blend(left + x + 1, top + y + 1, shadow, cover[y][x] * 0.55)
        for y in range(height):
            for x in range(width):
                self.blend(left + x, top + y, colour, cover[y][x])

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.blend(x, y, colour, 1.0)


PHOTO_W, PHOTO_H = 191, 160


def photo_tone(px, py):
    """The performer's photograph, grey tone 0..1, at photo pixel (px, py)."""
    cx = 96.0
    dx = px - cx
    # stage: dark, with a spotlight behind the head
    tone = 0.10 + 0.42 * smooth(115.0, 0.0, math.hypot(dx, (py - 62.0) * 1.2))
    # jacket, with the shirt and a bow tie in its opening
    shoulder_top = 124.0 + max(0.0, (abs(dx) - 24.0) / 70.0) ** 2 * 34.0
    if py > shoulder_top:
        if abs(dx) < 17.0 - (py - 124.0) * 0.30:
            if 125.0 < py < 135.0:
                if abs(dx) < 3.5:
                    return 0.05
                if abs(dx) < 13.0 - abs(py - 130.0) * 1.2:
                    return 0.11
            return 0.86 - 0.006 * (py - 124.0) - 0.25 * smooth(12.0, 17.0, abs(dx))
        lapel = smooth(2.0, 0.0, abs(abs(dx) - (17.0 - (py - 124.0) * 0.30) - 2.0))
        rim = 0.14 * smooth(40.0, 85.0, abs(dx)) * (1.0 if dx < 0 else 0.35)
        return 0.13 + rim + 0.10 * lapel + 0.03 * math.sin(dx * 0.35 + py * 0.1)
    # flat cap: a crown tipped a little to one side, and its peak
    tilt = dx * 0.07
    crown = ellipse(px, py + tilt, cx + 3.0, 51.0, 42.0, 22.0)
    if crown < 1.0 and py + tilt < 61.0:
        sheen = smooth(1.0, 0.1, ellipse(px, py, cx - 14.0, 40.0, 20.0, 8.0))
        seam = abs(px - cx - 3.0 - (61.0 - py) * 0.45) < 0.7
        return 0.03 if seam else 0.06 + 0.16 * sheen
    if ellipse(px, py + tilt, cx + 1.0, 62.0, 45.0, 5.5) < 1.0:
        return 0.05 + 0.10 * smooth(62.0, 58.0, py + tilt)   # peak
    # face
    if ellipse(px, py, cx, 80.0, 31.0, 38.0) < 1.0:
        nx, ny = dx / 31.0, (py - 80.0) / 38.0
        tone = 0.86 - 0.42 * (nx * nx + ny * ny) ** 1.3 - 0.12 * nx
        tone -= 0.38 * smooth(68.0, 59.0, py)             # the cap peak's shadow
        if abs(dx) > 23.0 + 0.004 * (py - 62.0) ** 2 and py < 88.0:
            strand = 0.5 + 0.5 * math.sin(py * 0.5 + abs(dx) * 0.9)
            return 0.08 + 0.06 * strand                   # hair at the temples
        for ex, brow_y, tilt in ((83.0, 69.0, 0.10), (109.0, 71.5, -0.04)):
            tone -= 0.22 * smooth(1.0, 0.3, ellipse(px, py, ex, 78.0, 10.0, 6.0))
            if ellipse(px, py - (px - ex) * tilt, ex, brow_y, 8.5, 1.8) < 1.0:
                return 0.10                               # eyebrows
            if ellipse(px, py, ex, 78.5, 6.5, 3.2) < 1.0:
                if math.hypot(px - ex - 1.5, py - 78.5) < 2.6:
                    return 0.04                           # pupils looking aside
                return 0.93 - 0.25 * smooth(0.5, 1.0, ellipse(px, py, ex, 78.5, 6.5, 3.2))
        if 76.0 < py < 99.0:
            ridge = 0.5 + 0.5 * math.cos(min(1.0, abs(dx - 1.0) / 6.0) * math.pi)
            tone += 0.10 * ridge * (dx < 1.0) - 0.16 * ridge * (dx >= 1.0) * smooth(78.0, 96.0, py)
        if 97.0 < py < 100.0 and 2.0 < abs(dx) < 6.5:
            return 0.20                                   # nostrils
        curl = 1.5 * smooth(8.0, 15.0, abs(dx))
        if ellipse(px, py + curl, cx, 104.0, 15.0, 3.6) < 1.0:
            return 0.09                                   # moustache
        smile = 111.5 - 0.013 * dx * dx
        if abs(py - smile) < 0.9 and abs(dx) < 11.0:
            return 0.14
        return tone
    # ears
    for ex in (64.0, 128.0):
        if ellipse(px, py, ex, 82.0, 6.0, 11.0) < 1.0:
            return 0.64 - 0.18 * (ex > cx) - 0.15 * smooth(0.3, 1.0, ellipse(px, py, ex, 82.0, 6.0, 11.0))
    # neck, in the chin's shadow
    if 100.0 < py and abs(dx) < 17.0:
        return 0.30 + 0.18 * smooth(112.0, 124.0, py) - 0.004 * dx
    return tone


def draw_photo(canvas, x0, y0, grain):
    for y in range(PHOTO_H):
        for x in range(PHOTO_W):
            # 2 x 2 samples per pixel for smoother contours
            t = 0.0
            for sy in (0.25, 0.75):
                for sx in (0.25, 0.75):
                    t += photo_tone(x + sx, y + sy)
            t /= 4.0
            vignette = smooth(0.78, 0.35, math.hypot(x / PHOTO_W - 0.5, y / PHOTO_H - 0.5))
            t = clamp01(t * (0.55 + 0.45 * vignette) + 0.045 * grain.centred())
            # warm, slightly faded print
            colour = (0.06 + 0.90 * t, 0.05 + 0.86 * t, 0.04 + 0.76 * t)
            canvas.blend(x0 + x, y0 + y, colour, 1.0)


def build_poster():
    c = Canvas(POSTER_W, POSTER_H, PAPER)
    grain = Grain(0x4B4E41)
    # paper texture
    for y in range(POSTER_H):
        for x in range(POSTER_W):
            c.blend(x, y, (0.72, 0.66, 0.52), 0.10 + 0.06 * grain.centred())
    # frame
    c.rect(0, 0, POSTER_W, 4, RED)
    c.rect(0, POSTER_H - 4, POSTER_W, POSTER_H, RED)
    c.rect(0, 0, 4, POSTER_H, RED)
    c.rect(POSTER_W - 4, 0, POSTER_W, POSTER_H, RED)
    c.rect(7, 7, POSTER_W - 7, 8, INK)
    c.rect(7, POSTER_H - 8, POSTER_W - 7, POSTER_H - 7, INK)
    c.rect(7, 7, 8, POSTER_H - 7, INK)
    c.rect(POSTER_W - 8, 7, POSTER_W - 7, POSTER_H - 7, INK)

    c.text(10, 33, "Kabarett", "DejaVuSerif-BoldItalic.ttf", 26, INK, kerning=1.0)
    px0, py0 = (POSTER_W - PHOTO_W) // 2, 45
    c.rect(px0 - 2, py0 - 2, px0 + PHOTO_W + 2, py0 + PHOTO_H + 2, INK)
    draw_photo(c, px0, py0, grain)
    c.text(208, 16, "Satire \u00b7 Komik \u00b7 Musik", "DejaVuSans-Bold.ttf", 12,
           INK, kerning=0.5)
    c.text(224, 42, "Knallwerth", "DejaVuSerifCondensed-Bold.ttf", 38, RED,
           shadow=(0.25, 0.02, 0.02))
    c.rect(70, 268, POSTER_W - 70, 269, INK)
    c.text(272, 19, "Quirnfeld", "DejaVuSans-Bold.ttf", 15, INK, kerning=1.0)
    c.text(292, 15, "Tel. 0351 / 555 01 23", "DejaVuSans.ttf", 11, INK)
    c.text(308, 15, "www.knallwerth.example", "DejaVuSans-Bold.ttf", 11, RED)

    stride = (POSTER_W * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(POSTER_H)):
        row = bytearray()
        for r, g, b in c.px[y]:
            row += bytes((int(round(clamp01(b) * 255)), int(round(clamp01(g) * 255)),
                          int(round(clamp01(r) * 255))))
        row += bytes(stride - len(row))
        pixels += row
    # the bitmap resource ends in two zero bytes after the last row
    dib = bitmapinfoheader(POSTER_W, POSTER_H, 24, 0, POSTER_PPM) + pixels + bytes(2)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, 54)
    return header + dib


def main():
    for name, build in (("plauderix.ico", build_icon), ("link.cur", build_cursor),
                        ("poster.bmp", build_poster)):
        data = build()
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)
        print("%s: %d bytes" % (name, len(data)))


if __name__ == "__main__":
    main()
