#!/usr/bin/env python3
"""Draws the built-in pictures of setup.exe and unwise.exe.

    app.ico      icon 128 of both programs (32x32 and 16x16, 32-bit colour with alpha)
    side.jpg     the default wizard side picture, 120 x 250 ("JPG" 131 of setup.exe)
    copying.avi  the copying animation ("AVI" 129 of unwise.exe): 8-bit frames, run-length
                 encoded (BI_RLE8), no sound: the kinds of clip the common animation control
                 plays itself are uncompressed and RLE8, and this one is a fifth of the size

Everything is drawn here from arithmetic; the outputs are committed, so a build never runs
this. The JPEG step needs cjpeg (Debian's libjpeg-turbo-progs) at the time of drawing only.
Run: python3 resources/make_assets.py
"""

import math
import os
import struct
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# --- colours -------------------------------------------------------------------------------

NAVY = (0x1F, 0x3A, 0x68)
SKY = (0x4A, 0x90, 0xD9)
SAND = (0xF2, 0xC1, 0x4E)
PAPER = (0xFA, 0xFA, 0xF5)
GREY = (0x9A, 0xA5, 0xB1)


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


# --- icon ----------------------------------------------------------------------------------

def icon_pixel(x, y, size):
    """RGBA of the icon: a box with a downward arrow above it, on a transparent ground."""
    u, v = (x + 0.5) / size, (y + 0.5) / size  # 0..1, y downwards
    if 0.12 <= u <= 0.88 and 0.55 <= v <= 0.92:  # the box
        edge = u < 0.18 or u > 0.82 or v < 0.61 or v > 0.86
        return (*(NAVY if edge else SKY), 255)
    shaft = 0.42 <= u <= 0.58 and 0.06 <= v <= 0.32
    head = 0.30 <= v <= 0.52 and abs(u - 0.5) <= (0.52 - v) * 1.1
    if shaft or head:
        return (*SAND, 255)
    return (0, 0, 0, 0)


def icon_image(size):
    """One ICO entry: BITMAPINFOHEADER, bottom-up BGRA rows, then the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows, mask = [], []
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        row = bytearray()
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = icon_pixel(x, y, size)
            row += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask.append(bytes(bits))
    return header + b"".join(rows) + b"".join(mask)


def write_icon(path, sizes=(32, 16)):
    images = [icon_image(s) for s in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(path, "wb") as f:
        f.write(out)


# --- side picture --------------------------------------------------------------------------

def side_pixel(x, y, w, h):
    """A dusk gradient with three rising discs: calm behind the wizard's page texts."""
    colour = mix(NAVY, SKY, y / (h - 1))
    for cx, cy, r in ((0.30, 0.28, 0.17), (0.70, 0.50, 0.12), (0.45, 0.74, 0.09)):
        d = math.hypot(x - cx * w, y - cy * h) / (r * w * 1.6)
        if d < 1.0:
            colour = mix(colour, SAND, 0.85 * (1.0 - d * d))
    return colour


def write_side_picture(path, w=120, h=250):
    ppm = bytearray(b"P6\n%d %d\n255\n" % (w, h))
    for y in range(h):
        for x in range(w):
            ppm += bytes(side_pixel(x, y, w, h))
    with tempfile.NamedTemporaryFile(suffix=".ppm") as tmp:
        tmp.write(ppm)
        tmp.flush()
        jpeg = subprocess.run(["cjpeg", "-quality", "85", "-baseline", "-optimize", tmp.name],
                              check=True, capture_output=True).stdout
    with open(path, "wb") as f:
        f.write(jpeg)


# --- animation -----------------------------------------------------------------------------

PALETTE = [PAPER, NAVY, SKY, SAND, GREY]


def animation_frame(t, w, h):
    """Frame t of 0..1: a sheet of paper flying from the left folder to the right one."""
    pixels = bytearray([0] * (w * h))

    def fill(x0, y0, x1, y1, index):
        for y in range(max(0, y0), min(h, y1)):
            for x in range(max(0, x0), min(w, x1)):
                pixels[y * w + x] = index

    fill(4, h - 22, 26, h - 6, 3)       # folders
    fill(w - 26, h - 22, w - 4, h - 6, 3)
    px = int(10 + (w - 30) * t)
    py = int(h - 30 - math.sin(math.pi * t) * (h - 36))
    fill(px, py, px + 10, py + 13, 1)    # the sheet, with its text lines
    fill(px + 1, py + 1, px + 9, py + 12, 2)
    for line in range(3):
        fill(px + 2, py + 3 + line * 3, px + 8, py + 4 + line * 3, 0)
    return pixels


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, fourcc, body):
    return kind + struct.pack("<I", len(body) + 4) + fourcc + body


def rle8(rows):
    """BI_RLE8 of bottom-up rows of palette indices: encoded runs only, an end-of-line mark
    after each row and the end-of-bitmap mark after the last."""
    out = bytearray()
    for row in rows:
        x = 0
        while x < len(row):
            run = 1
            while x + run < len(row) and run < 255 and row[x + run] == row[x]:
                run += 1
            out += bytes((run, row[x]))
            x += run
        out += b"\0\0"
    out[-2:] = b"\0\1"
    return bytes(out)


def unrle8(data, w, h):
    """The rows that rle8 encoded, as a check of the encoder."""
    rows, row, i = [], bytearray(), 0
    while i < len(data):
        count, value = data[i], data[i + 1]
        i += 2
        if count:
            row += bytes([value]) * count
        elif value in (0, 1):
            rows.append(bytes(row))
            row = bytearray()
    assert len(rows) == h and all(len(r) == w for r in rows)
    return rows


def write_animation(path, w=80, h=48, frames=10, fps=10):
    stride = (w + 3) & ~3
    frame_size = stride * h
    bih = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 1, frame_size, 0, 0, 0, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    palette += bytes(4 * (256 - len(PALETTE)))
    avih = struct.pack("<IIIIIIIIII4I", 1000000 // fps, frame_size * fps, 0, 0x10, frames, 0, 1,
                       frame_size, w, h, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"mrle", 0, 0, 0, 0, 1, fps, 0, frames,
                       frame_size, 0xFFFFFFFF, 0, 0, 0, w, h)
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) +
                     riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", bih + palette)))
    movi_body, index = b"", b""
    for n in range(frames):
        pixels = animation_frame(n / (frames - 1), w, h)
        rows = [bytes(pixels[y * w:(y + 1) * w]) for y in reversed(range(h))]
        frame = rle8(rows)
        assert unrle8(frame, w, h) == rows
        index += struct.pack("<4sIII", b"00dc", 0x10, 4 + len(movi_body), len(frame))
        movi_body += chunk(b"00dc", frame)
    movi = riff_list(b"LIST", b"movi", movi_body)
    with open(path, "wb") as f:
        f.write(riff_list(b"RIFF", b"AVI ", hdrl + movi + chunk(b"idx1", index)))


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "app.ico"))
    write_side_picture(os.path.join(HERE, "side.jpg"))
    write_animation(os.path.join(HERE, "copying.avi"))
