#!/usr/bin/env python3
"""The extraction benchmark's archive: python3 make_archive.py PATH [FILES] [MIB]

FILES files (default 2,000) in 20 folders, MIB mebibytes in all (default 200),
deflated. The content is the same on every run and deflates to about 70 %:
lines of text mixed with noise.
"""

import os
import random
import sys
import zipfile


def main():
    path = sys.argv[1]
    files = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
    total = (int(sys.argv[3]) if len(sys.argv) > 3 else 200) * 1024 * 1024
    size = total // files
    generator = random.Random(936)
    words = [bytes(generator.choices(b"abcdefghijklmnopqrstuvwxyz", k=generator.randint(2, 9))) for _ in range(500)]
    with zipfile.ZipFile(path + ".part", "w", zipfile.ZIP_DEFLATED, compresslevel=6) as archive:
        for index in range(files):
            parts = []
            length = 0
            while length < size:
                if generator.random() < 0.5:
                    piece = b" ".join(generator.choices(words, k=12)) + b"\n"
                else:
                    piece = generator.randbytes(64)
                parts.append(piece)
                length += len(piece)
            archive.writestr("folder%02d/file%04d.bin" % (index % 20, index), b"".join(parts)[:size])
    os.replace(path + ".part", path)


if __name__ == "__main__":
    main()
