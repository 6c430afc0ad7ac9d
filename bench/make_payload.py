#!/usr/bin/env python3
"""Writes the benchmark's payload: about 1 GiB in about 10,000 files of mixed sizes and
compressibility, the same bytes on every run (seeded), and a manifest for setupkit and a
script for makensis that install all of it.

Usage: make_payload.py FOLDER [--scale S] [--files N] [--mib M]
  --scale  size factor (1.0 gives the full size; smaller for a try)
  --files  number of files (default 10,000; the mix of sizes stays the same)
  --mib    total size in MiB, instead of --scale
"""

import argparse
import os
import random

WORDS = ("setup install folder file program shortcut registry uninstall package disk volume "
         "archive member offset trailer token scramble picture music animation welcome finish "
         "agreement copying progress remaining time bytes system windows temp user drive").split()


def text_bytes(rng, size):
    out = bytearray()
    while len(out) < size:
        line = " ".join(rng.choice(WORDS) for _ in range(rng.randint(4, 14)))
        out += line.encode() + b"\r\n"
    return bytes(out[:size])


def structured_bytes(rng, size):
    # Records of a small table: compresses well, but not to nothing.
    out = bytearray()
    n = 0
    while len(out) < size:
        out += n.to_bytes(4, "little") + bytes([n % 7, 0, 0, 0]) + rng.randbytes(2) + b"\0" * 6
        n += 1
    return bytes(out[:size])


KINDS = [lambda rng, n: rng.randbytes(n), text_bytes, structured_bytes]


def sizes(rng, scale, files):
    plan = [(9000, 4 << 10, 56 << 10), (950, 100 << 10, 800 << 10), (50, 4 << 20, 10 << 20)]
    for count, low, high in plan:
        for _ in range(max(1, round(count * files / 10000))):
            yield max(1, int(rng.randint(low, high) * scale))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--scale", type=float, default=1.0)
    parser.add_argument("--files", type=int, default=10000)
    parser.add_argument("--mib", type=float)
    args = parser.parse_args()
    scale = args.scale
    if args.mib:
        full = sum(sizes(random.Random(19800925), 1.0, args.files))
        scale = args.mib * 1048576 / full
    rng = random.Random(19800925)
    payload = os.path.join(args.folder, "payload")
    entries = []
    total = 0
    for i, size in enumerate(sizes(rng, scale, args.files)):
        rel = "d%02d/f%05d.bin" % (i % 50, i)
        path = os.path.join(payload, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(KINDS[i % 3](rng, size))
        entries.append(rel)
        total += size

    for compress in ("false", "true"):
        name = "plain.toml" if compress == "false" else "zip.toml"
        with open(os.path.join(args.folder, name), "w") as f:
            # Page texts of our own: several default English lines are longer than the pages'
            # 47-byte lines take, and their Next would only complain.
            f.write('product = "Bench"\ncompress = %s\n'
                    '[welcome]\nlines = ["Bench", "A benchmark package."]\n'
                    '[agreement]\nheading = ["Agreement", "Read it."]\n'
                    '[folder]\nlines = ["Where Bench goes."]\n'
                    '[copying]\nheading = "Installing Bench"\nfile_delay_ms = 0\n'
                    '[finish]\nlines = ["Bench is installed."]\n' % compress)
            for rel in entries:
                folder, base = rel.split("/")
                f.write('[[file]]\nsource = "payload/%s"\nsub_folder = "%s"\n' % (rel, folder))

    with open(os.path.join(args.folder, "bench.nsi"), "w") as f:
        f.write('Unicode true\nTarget amd64-unicode\nSetCompressor zlib\nOutFile "nsis-setup.exe"\n'
                'InstallDir "$PROGRAMFILES64\\Bench"\nRequestExecutionLevel user\n'
                'Section\nSetOutPath "$INSTDIR"\nFile /r "payload/*.*"\nSectionEnd\n')
    print("%d files, %.1f MiB" % (len(entries), total / 1048576))


if __name__ == "__main__":
    main()
