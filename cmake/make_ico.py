#!/usr/bin/env python3
"""Writes a Windows icon file (.ico) holding the given square PNG pictures as they are.

Usage: make_ico.py OUTPUT.ico PICTURE.png...
"""
import struct
import sys

pictures = [open(path, "rb").read() for path in sys.argv[2:]]
offset = 6 + 16 * len(pictures)
entries, data = b"", b""
for png in pictures:
    if png[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("not a PNG picture")
    width, height = struct.unpack(">II", png[16:24])
    # Sizes of 256 and more are written as 0; 32 bits a pixel, one plane.
    entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(png),
                           offset + len(data))
    data += png
with open(sys.argv[1], "wb") as f:
    f.write(struct.pack("<HHH", 0, 1, len(pictures)) + entries + data)
