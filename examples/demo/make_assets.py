#!/usr/bin/env python3
"""Draws the demo's media from arithmetic, so the demo ships no pictures of unknown origin.

    assets/side.jpg        wizard side picture, 120 x 250
    assets/background.jpg  background window picture, 320 x 200
    assets/splash.jpg      start-up splash, 240 x 120
    assets/demo.ico        window icon, 32 x 32, 32-bit colour
    assets/copying.avi     copying animation: uncompressed 8-bit frames, no sound
    assets/tune.mid        background music: a short tune, format 0

The outputs are committed; run this only to change them: python3 examples/demo/make_assets.py
(the JPEG step needs cjpeg, from Debian's libjpeg-turbo-progs).
"""

import math
import os
import struct
import subprocess
import tempfile

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "assets")


def bmp_rows(width, height, pixel):
    """24-bit rows, bottom-up, each padded to four bytes."""
    pad = b"\0" * ((4 - width * 3 % 4) % 4)
    rows = []
    for y in range(height - 1, -1, -1):
        rows.append(b"".join(bytes(pixel(x, y)[::-1]) for x in range(width)) + pad)
    return b"".join(rows)


def write_jpeg(name, width, height, pixel):
    data = bmp_rows(width, height, pixel)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with tempfile.NamedTemporaryFile(suffix=".bmp") as bmp:
        bmp.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(data), 0, 0, 14 + len(header)))
        bmp.write(header + data)
        bmp.flush()
        subprocess.run(["cjpeg", "-quality", "85", "-outfile", os.path.join(HERE, name), bmp.name],
                       check=True)


def gradient(top, bottom, height):
    def pixel(x, y):
        t = y / max(1, height - 1)
        return tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
    return pixel


def side(x, y):
    base = gradient((0x1F, 0x5A, 0x3A), (0x9C, 0xD8, 0x7A), 250)(x, y)
    # a sun in the upper part
    if (x - 60) ** 2 + (y - 70) ** 2 < 26 ** 2:
        return (0xF6, 0xD3, 0x5B)
    return base


def write_ico(name):
    size = 32
    pixels = []
    for y in range(size - 1, -1, -1):
        for x in range(size):
            inside = (x - 15.5) ** 2 + (y - 15.5) ** 2 < 15 ** 2
            pixels.append(struct.pack("BBBB", 0x3A, 0x9C, 0x2F, 0xFF) if inside else b"\0\0\0\0")
    mask = b"\0" * (size * 4)  # 32 rows of 32 bits
    bitmap = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    image = bitmap + b"".join(pixels) + mask
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, 1))
        f.write(struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22))
        f.write(image)


def chunk(tag, data):
    return tag + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def write_avi(name, width=64, height=32, frames=8):
    palette = b"".join(struct.pack("BBBB", i, i, 255 - i, 0) for i in range(256))
    stride = (width + 3) & ~3
    frame_data = []
    for n in range(frames):
        rows = []
        for y in range(height):
            row = bytes((((x + n * 8) // 8 + y // 8) % 2) * 200 + 20 for x in range(width))
            rows.append(row + b"\0" * (stride - width))
        frame_data.append(b"".join(rows))
    usec = 125000
    avih = struct.pack("<IIIIIIIIII4I", usec, stride * height * 8, 0, 0x10, frames, 0, 1,
                       stride * height, width, height, 0, 0, 0, 0)
    strh = b"vids" + b"DIB " + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1, 8, 0, frames,
                                           stride * height, 0xFFFFFFFF, 0, 0, 0, width, height)
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, stride * height, 0, 0, 256, 0) + palette
    hdrl = b"hdrl" + chunk(b"avih", avih) + chunk(b"LIST", b"strl" + chunk(b"strh", strh) + chunk(b"strf", strf))
    movi = b"movi"
    index = b""
    offset = 4
    for data in frame_data:
        index += b"00db" + struct.pack("<III", 0x10, offset, len(data))
        c = chunk(b"00db", data)
        movi += c
        offset += len(c)
    body = b"AVI " + chunk(b"LIST", hdrl) + chunk(b"LIST", movi) + chunk(b"idx1", index)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def write_midi(name):
    notes = [60, 64, 67, 72, 67, 64, 60]
    track = b"\x00\xC0\x00"  # piano
    for note in notes:
        track += b"\x00" + bytes([0x90, note, 0x50]) + b"\x83\x60" + bytes([0x80, note, 0x40])
    track += b"\x00\xFF\x2F\x00"
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480))
        f.write(b"MTrk" + struct.pack(">I", len(track)) + track)


if __name__ == "__main__":
    os.makedirs(HERE, exist_ok=True)
    write_jpeg("side.jpg", 120, 250, side)
    write_jpeg("background.jpg", 320, 200, gradient((0x10, 0x30, 0x60), (0x50, 0x90, 0xD0), 200))
    write_jpeg("splash.jpg", 240, 120,
              lambda x, y: (0xF2, 0xC1, 0x4E) if abs(math.sin(x / 12.0) * 30 + 60 - y) < 6 else (0x1F, 0x3A, 0x68))
    write_ico("demo.ico")
    write_avi("copying.avi")
    write_midi("tune.mid")
