#!/usr/bin/env python3
"""Checks the byte layout of the drawn pictures against what the resource
script and the program rely on. Run after draw_images.py; exits non-zero on
the first mismatch."""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

VGA_PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]


def read(name):
    with open(os.path.join(HERE, name), "rb") as f:
        return f.read()


def expect(what, got, want):
    if got != want:
        raise AssertionError("%s: got %r, want %r" % (what, got, want))


def infoheader(data, off):
    fields = struct.unpack_from("<IiiHHIIiiII", data, off)
    names = ("biSize", "biWidth", "biHeight", "biPlanes", "biBitCount",
             "biCompression", "biSizeImage", "biXPelsPerMeter",
             "biYPelsPerMeter", "biClrUsed", "biClrImportant")
    return dict(zip(names, fields))


def expect_header(what, hdr, **want):
    for key, value in want.items():
        expect("%s %s" % (what, key), hdr[key], value)


def palette(data, off, count):
    entries = []
    for i in range(count):
        b, g, r, reserved = data[off + 4 * i:off + 4 * i + 4]
        expect("palette entry %d reserved byte" % i, reserved, 0)
        entries.append((r, g, b))
    return entries


def single_image_directory(data, kind):
    """ICONDIR + one entry; returns the entry's fields."""
    expect("directory header", struct.unpack_from("<HHH", data, 0), (0, kind, 1))
    w, h, colours, reserved, a, b, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
    expect("entry offset", offset, 22)
    expect("file size", len(data), 22 + size)
    return w, h, colours, reserved, a, b, size


def mask_bits(mask, row_bytes, width, height):
    """Top-down rows of mask bits; padding bytes must be zero."""
    rows = []
    for r in range(height):
        row = mask[r * row_bytes:(r + 1) * row_bytes]
        expect("mask row %d padding" % r, bytes(row[(width + 7) // 8:]),
               bytes(row_bytes - (width + 7) // 8))
        rows.append([(row[x // 8] >> (7 - x % 8)) & 1 for x in range(width)])
    return rows[::-1]


def check_icon():
    data = read("plauderix.ico")
    w, h, colours, reserved, planes, bpp, size = single_image_directory(data, 1)
    expect("icon entry", (w, h, colours, reserved, planes, bpp, size),
           (48, 48, 0, 0, 1, 8, 3752))
    image = data[22:]
    hdr = infoheader(image, 0)
    expect_header("icon", hdr, biSize=40, biWidth=48, biHeight=96, biPlanes=1,
                  biBitCount=8, biCompression=0, biClrUsed=0, biClrImportant=0)
    pal = palette(image, 40, 256)
    xor = image[40 + 1024:40 + 1024 + 2304]
    mask = image[40 + 1024 + 2304:]
    expect("icon AND mask length", len(mask), 48 * 8)
    bits = mask_bits(mask, 8, 48, 48)
    pixels = [xor[(47 - y) * 48:(48 - y) * 48] for y in range(48)]

    transparent = [(x, y) for y in range(48) for x in range(48) if bits[y][x]]
    expect("transparent pixels", len(transparent), 871)
    expect("XOR value under transparent pixels",
           {pixels[y][x] for x, y in transparent}, {0})

    used = sorted(set(xor))
    expect("palette entries used", len(used), 8)
    used_colours = [pal[i] for i in used]
    greys = [c for c in used_colours if c[0] == c[1] == c[2]]
    blues = [c for c in used_colours if c not in greys]
    expect("black used", (0, 0, 0) in greys, True)
    expect("white used", (255, 255, 255) in greys, True)
    expect("greys between black and white", len(greys), 7)
    expect("one pale blue", len(blues), 1)
    r, g, b = blues[0]
    expect("pale blue is light and blue", b > g > r > 0x80, True)
    # the face is in the middle of the icon, the corners are clear
    expect("centre opaque", bits[24][24], 0)
    expect("corners transparent", [bits[0][0], bits[0][47]], [1, 1])


def check_cursor():
    data = read("link.cur")
    w, h, colours, reserved, hot_x, hot_y, size = single_image_directory(data, 2)
    expect("cursor entry", (w, h, colours, reserved, size), (32, 32, 16, 0, 744))
    expect("hot spot", (hot_x, hot_y), (6, 7))
    expect("RT_CURSOR resource size (hot spot + image)", 4 + size, 748)
    image = data[22:]
    hdr = infoheader(image, 0)
    expect_header("cursor", hdr, biSize=40, biWidth=32, biHeight=64, biPlanes=1,
                  biBitCount=4, biCompression=0, biClrUsed=0, biClrImportant=0)
    expect("cursor palette", palette(image, 40, 16), VGA_PALETTE)
    xor = image[40 + 64:40 + 64 + 512]
    mask = image[40 + 64 + 512:]
    expect("cursor AND mask length", len(mask), 128)
    bits = mask_bits(mask, 4, 32, 32)
    pixels = []
    for y in range(32):
        row = xor[(31 - y) * 16:(32 - y) * 16]
        pixels.append([n for byte in row for n in (byte >> 4, byte & 15)])
    opaque = [(x, y) for y in range(32) for x in range(32) if not bits[y][x]]
    expect("transparent XOR values",
           {pixels[y][x] for y in range(32) for x in range(32) if bits[y][x]}, {0})
    expect("drawn colours (black, white)", {pixels[y][x] for x, y in opaque}, {0, 15})
    top = min(y for _, y in opaque)
    tip = [x for x, y in opaque if y == top]
    expect("fingertip row", top, 4)
    expect("fingertip column", sum(tip) / len(tip), 12.0)
    expect("hot spot left of and below the tip", hot_x < 12 and hot_y > 4, True)


def check_poster():
    data = read("poster.bmp")
    expect("poster size", len(data), 14 + 245994)
    expect("file header", struct.unpack_from("<2sIHHI", data, 0),
           (b"BM", 14 + 245994, 0, 0, 54))
    dib = data[14:]
    hdr = infoheader(dib, 0)
    expect_header("poster", hdr, biSize=40, biWidth=243, biHeight=336, biPlanes=1,
                  biBitCount=24, biCompression=0, biSizeImage=0,
                  biXPelsPerMeter=10470, biYPelsPerMeter=10470,
                  biClrUsed=0, biClrImportant=0)
    rows = dib[40:40 + 336 * 732]
    for r in range(336):
        expect("poster row %d padding" % r, rows[r * 732 + 729:(r + 1) * 732], bytes(3))
    expect("poster tail", dib[40 + 336 * 732:], bytes(2))
    # the name, in red letters, fills the band below the photograph
    red = 0
    for y in range(224, 266):
        r = 335 - y
        for x in range(10, 233):
            b, g, rr = rows[r * 732 + 3 * x:r * 732 + 3 * x + 3]
            if rr > 150 and g < 60 and b < 60:
                red += 1
    expect("red lettering of the name", red > 1500, True)


def main():
    for check in (check_icon, check_cursor, check_poster):
        try:
            check()
        except AssertionError as e:
            print("%s: %s" % (check.__name__, e))
            return 1
    print("images OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
