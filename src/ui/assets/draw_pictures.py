#!/usr/bin/env python3
"""Draws the program's pictures as XPM files in the standard 16-colour palette.

Run it from any folder; it rewrites the .xpm files beside itself, each also at twice the size
(name@2x.xpm) for high-density screens, every peg also with its colour's symbol on it
(peg<code>s.xpm), and the program icon as PNG files at the icon theme's
usual sizes (../../../data/icons). Each picture is a grid of palette colours or None
(transparent), drawn from its geometry at the size asked for, so no size is a blurred copy of
another.
"""
import math
import os
import struct
import zlib

PALETTE = {
    "black": "#000000", "maroon": "#800000", "green": "#008000", "olive": "#808000",
    "navy": "#000080", "purple": "#800080", "teal": "#008080", "silver": "#C0C0C0",
    "gray": "#808080", "red": "#FF0000", "lime": "#00FF00", "yellow": "#FFFF00",
    "blue": "#0000FF", "fuchsia": "#FF00FF", "aqua": "#00FFFF", "white": "#FFFFFF",
}

# Body colour and half-intensity rim of each colour code.
PEGS = [
    ("black", None), ("blue", "navy"), ("red", "maroon"), ("lime", "green"),
    ("aqua", "teal"), ("fuchsia", "purple"), ("yellow", "olive"),
]


def blank(size):
    return [[None] * size for _ in range(size)]


def draw_peg(grid, cx, cy, radius, body, rim):
    """A disc with a white highlight arc on its left and a darker crescent on its right."""
    size = len(grid)
    for y in range(size):
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            d = math.hypot(px - cx, py - cy)
            if d >= radius:  # a pixel exactly on the circle would stand out as a bump
                continue
            grid[y][x] = body
            if rim and px > cx and math.hypot(px - (cx - radius / 6.0), py - cy) > radius:
                grid[y][x] = rim
            angle = math.degrees(math.atan2(-(py - cy), px - cx)) % 360
            if radius * 0.55 <= d <= radius * 0.8 and 110 <= angle <= 200:
                grid[y][x] = "white"


def peg(code, scale=1):
    grid = blank(32 * scale)
    body, rim = PEGS[code]
    draw_peg(grid, 16 * scale, 16 * scale, 9 * scale, body, rim)
    return grid


# The simulations of protanopia, deuteranopia and tritanopia (Machado, Oliveira and Fernandes
# 2009, severity 1), on linear RGB.
CVD = {
    "protanopia": ((0.152286, 1.052583, -0.204868), (0.114503, 0.786281, 0.099216),
                   (-0.003882, -0.048116, 1.051998)),
    "deuteranopia": ((0.367322, 0.860646, -0.227968), (0.280085, 0.672501, 0.047413),
                     (-0.011820, 0.042940, 0.968881)),
    "tritanopia": ((1.255528, -0.076749, -0.178779), (-0.078411, 0.930809, 0.147602),
                   (0.004733, 0.691367, 0.303900)),
}


def linear(colour):
    """The palette colour as linear RGB, 0 to 1."""
    rgb = bytes.fromhex(PALETTE[colour][1:])
    channels = []
    for c in rgb:
        v = c / 255.0
        channels.append(v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4)
    return channels


def luminance(rgb):
    return 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2]


def seen(colour):
    """The colour's luminance as it is seen normally and under each simulation."""
    rgb = linear(colour)
    views = [rgb] + [[min(1.0, max(0.0, sum(m * c for m, c in zip(row, rgb)))) for row in matrix]
                     for matrix in CVD.values()]
    return [luminance(v) for v in views]


def contrast(a, b):
    return (max(a, b) + 0.05) / (min(a, b) + 0.05)


def symbol_colour(body):
    """Black or white, whichever keeps the higher contrast with the body in every view."""
    return max(("black", "white"),
               key=lambda ink: min(contrast(seen(ink)[0], lum) for lum in seen(body)))


# One simple shape per colour code: a test of the point (x, y), relative to the peg's centre in
# units of 1/32 of the picture, for the pixel whose centre it is.
SYMBOLS = [
    lambda x, y: 2.2 <= math.hypot(x, y) <= 4.6,                         # 0 ring
    lambda x, y: abs(x) <= 4.6 and abs(y) <= 1.2,                        # 1 bar
    lambda x, y: (abs(x) <= 4.6 and abs(y) <= 1.1) or (abs(y) <= 4.6 and abs(x) <= 1.1),  # 2 plus
    lambda x, y: -3.6 <= y <= 3.4 and abs(x) <= (y + 3.6) * 0.66,       # 3 triangle
    lambda x, y: abs(x) <= 3.6 and abs(y) <= 3.6,                        # 4 square
    lambda x, y: max(abs(x), abs(y)) <= 4.2 and min(abs(x - y), abs(x + y)) <= 1.6,  # 5 cross
    lambda x, y: abs(x) + abs(y) <= 4.8,                                 # 6 diamond
]


def peg_with_symbol(code, scale=1):
    """The peg with its colour's symbol on it, in black or white, set off from the highlight by
    a margin of the peg's own colour."""
    grid = peg(code, scale)
    body = PEGS[code][0]
    ink = symbol_colour(body)
    shape = SYMBOLS[code]
    margin = [(1.4 * math.cos(a * math.pi / 8), 1.4 * math.sin(a * math.pi / 8)) for a in range(16)]
    size = 32 * scale
    for y in range(size):
        for x in range(size):
            px, py = (x + 0.5) / scale - 16, (y + 0.5) / scale - 16
            if shape(px, py):
                grid[y][x] = ink
            elif any(shape(px + dx, py + dy) for dx, dy in margin):
                grid[y][x] = body
    return grid


def program_icon(size=32):
    scale = size / 32.0
    grid = blank(size)
    for (cx, cy), code in (((9, 9), 2), ((23, 9), 5), ((9, 23), 3), ((23, 23), 1)):
        body, rim = PEGS[code]
        draw_peg(grid, cx * scale, cy * scale, 6 * scale, body, rim)
    return grid


def bar_chart(size):
    grid = blank(size)
    scale = size / 32.0
    lo, hi = round(1 * scale), size - 1 - round(1 * scale)
    for y in range(lo, hi + 1):
        for x in range(lo, hi + 1):
            grid[y][x] = "white"
    step = max(3, round(6 * scale))
    for v in range(hi, lo - 1, -step):
        for x in range(lo, hi + 1):
            grid[v][x] = "silver"
            grid[x][v] = "silver"
    axis_x, axis_y = lo + round(1 * scale), hi - round(1 * scale)
    for x in range(axis_x, hi + 1):
        grid[axis_y][x] = "black"
    for y in range(lo, axis_y + 1):
        grid[y][axis_x] = "black"
    width = max(2, round(4 * scale))
    for i, (colour, height) in enumerate((("red", 0.55), ("blue", 0.85), ("fuchsia", 0.4),
                                          ("lime", 0.7))):
        left = axis_x + 2 + i * (width + max(1, round(2 * scale)))
        top = axis_y - max(2, round((axis_y - lo) * height))
        for y in range(top, axis_y):
            for x in range(left, min(left + width, hi + 1)):
                grid[y][x] = colour
    return grid


def traffic_light(size):
    grid = blank(size)
    scale = size / 32.0
    left, right = round(10 * scale), size - 1 - round(10 * scale)
    top, bottom = round(1 * scale), size - 1 - round(1 * scale)
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, bottom)
            grid[y][x] = "black" if edge else "gray"
    cx = (left + right + 1) / 2.0
    radius = (right - left - 1) / 2.0 - 0.5 * scale
    for i, colour in enumerate(("red", "yellow", "lime")):
        cy = top + (bottom - top + 1) * (2 * i + 1) / 6.0
        for y in range(size):
            for x in range(size):
                if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius:
                    grid[y][x] = colour
    return grid


def write_xpm(path, name, grid):
    used = sorted({c for row in grid for c in row if c})
    keys = " .#+@$%&*=-;:>,<"
    symbol = {None: " "}
    for i, colour in enumerate(used):
        symbol[colour] = keys[i + 1]
    size = len(grid)
    lines = ["/* XPM */", "static const char *%s[] = {" % name,
             '"%d %d %d 1",' % (size, size, len(used) + 1), '"  c None",']
    lines += ['"%s c %s",' % (symbol[c], PALETTE[c]) for c in used]
    rows = ['"%s"' % "".join(symbol[c] for c in row) for row in grid]
    lines.append(",\n".join(rows))
    lines.append("};")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def write_png(path, grid):
    size = len(grid)
    raw = b""
    for row in grid:
        raw += b"\x00"
        for colour in row:
            if colour is None:
                raw += b"\x00\x00\x00\x00"
            else:
                raw += bytes.fromhex(PALETTE[colour][1:]) + b"\xff"

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xffffffff)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pictures = {"program": program_icon(), "empty": blank(32),
                "stats32": bar_chart(32), "stats16": bar_chart(16),
                "login32": traffic_light(32), "login16": traffic_light(16),
                "program@2x": program_icon(64), "empty@2x": blank(64),
                "stats32@2x": bar_chart(64), "stats16@2x": bar_chart(32),
                "login32@2x": traffic_light(64), "login16@2x": traffic_light(32)}
    for code in range(7):
        pictures["peg%d" % code] = peg(code)
        pictures["peg%d@2x" % code] = peg(code, 2)
        pictures["peg%ds" % code] = peg_with_symbol(code)
        pictures["peg%ds@2x" % code] = peg_with_symbol(code, 2)
    for name, grid in pictures.items():
        write_xpm(os.path.join(here, name + ".xpm"), name.replace("@", "_at_"), grid)
    icons = os.path.normpath(os.path.join(here, "..", "..", "..", "data", "icons"))
    os.makedirs(icons, exist_ok=True)
    for size in (16, 32, 48, 64, 128, 256):
        write_png(os.path.join(icons, "vellacode-%d.png" % size), program_icon(size))


if __name__ == "__main__":
    main()
