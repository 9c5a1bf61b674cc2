#!/usr/bin/env python3
"""Draws the die faces and the window icon as uncompressed 24-bit BMPs, the
same icon at the desktop's sizes as PNGs, and the Windows installer's
pictures around it as BMPs, the format its pages take.

Every pixel is placed by hand-written rules, so running this again yields the
same files byte for byte:  tools/draw-pictures.py
"""
import struct
import sys
import zlib
from pathlib import Path

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
RED = (255, 0, 0)
EDGE = (64, 64, 64)


def disc(size):
    """The pixels of a filled disc `size` pixels across, in whole pixels."""
    r = size / 2
    return [(x, y) for y in range(size) for x in range(size)
            if (x + 0.5 - r) ** 2 + (y + 0.5 - r) ** 2 <= r * r]


def picture(width, height, pips, pip_size, colour=BLACK):
    pixels = [[WHITE] * width for _ in range(height)]
    for left, top in pips:
        for x, y in disc(pip_size):
            pixels[top + y][left + x] = colour
    return pixels


def bmp(pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) // 4 * 4
    rows = b''
    for row in reversed(pixels):  # BMP rows run bottom-up
        line = b''.join(bytes((b, g, r)) for r, g, b in row)
        rows += line + b'\0' * (stride - len(line))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(rows), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 3780, 3780, 0, 0)
    return header + info + rows


# Faces 2 to 5: 7 x 7 pips on a 3 x 3 lattice at 4, 12 and 20.
LOW, MID, HIGH = 4, 12, 20
FACES = {
    1: picture(32, 32, [(12, 12)], 8, RED),
    2: picture(31, 31, [(HIGH, LOW), (LOW, HIGH)], 7),
    3: picture(31, 31, [(LOW, HIGH), (MID, MID), (HIGH, LOW)], 7),
    4: picture(31, 31, [(LOW, LOW), (HIGH, LOW), (LOW, HIGH), (HIGH, HIGH)], 7),
    5: picture(31, 31, [(LOW, LOW), (HIGH, LOW), (MID, MID), (LOW, HIGH), (HIGH, HIGH)], 7),
    6: picture(32, 33, [(x, y) for y in (4, 13, 22) for x in (6, 19)], 7),
}


def icon(size):
    """A white die face with three black pips rising from lower left to upper
    right, with a thin dark edge so that it stands out on a white panel."""
    pip = round(size / 4)
    margin = round(size * 3 / 32)
    step = (size - 2 * margin - pip) / 2
    pips = [(round(margin + i * step), round(margin + (2 - i) * step)) for i in range(3)]
    pixels = picture(size, size, pips, pip)
    edge = max(1, size // 32)
    for i in range(size):
        for e in range(edge):
            pixels[e][i] = pixels[size - 1 - e][i] = EDGE
            pixels[i][e] = pixels[i][size - 1 - e] = EDGE
    return pixels


def png(pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b''.join(b'\0' + b''.join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


# The desktop's sizes, and the web app's 192 and 512.
ICON_SIZES = (32, 48, 64, 128, 192, 256, 512)
PANEL = (226, 238, 250)


def framed(width, height, background, inner, left, top):
    """`inner` placed at (left, top) on a plain picture."""
    pixels = [[background] * width for _ in range(height)]
    for y, row in enumerate(inner):
        pixels[top + y][left:left + len(row)] = row
    return pixels


# The installer's header (150 x 57, right of its page titles) and the side
# of its welcome and finish pages (164 x 314).
INSTALLER = {
    'installer-header.bmp': framed(150, 57, WHITE, icon(48), 96, 4),
    'installer-welcome.bmp': framed(164, 314, PANEL, icon(128), 18, 48),
}


def main(top):
    pictures = Path(top) / 'experiment' / 'window' / 'pictures'
    pictures.mkdir(parents=True, exist_ok=True)
    for face, pixels in FACES.items():
        (pictures / f'face{face}.bmp').write_bytes(bmp(pixels))
    (pictures / 'icon.bmp').write_bytes(bmp(icon(32)))

    icons = Path(top) / 'data' / 'icons'
    icons.mkdir(parents=True, exist_ok=True)
    for size in ICON_SIZES:
        (icons / f'{size}.png').write_bytes(png(icon(size)))

    windows = Path(top) / 'app' / 'windows'
    for name, pixels in INSTALLER.items():
        (windows / name).write_bytes(bmp(pixels))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
