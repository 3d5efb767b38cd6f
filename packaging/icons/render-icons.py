#!/usr/bin/env python3
"""Renders the PNG icons from velk.svg; run it again whenever velk.svg changes.

Needs rsvg-convert (Debian package librsvg2-bin). The build itself only
installs the PNG files committed next to this script and needs no renderer.

  hicolor-<N>.png  N = 24, 48, 64, 128, 256: RGBA, for the hicolor icon theme
  velk-24.png      the window icon: 24 x 24, 24-bit RGB without alpha, the
                   picture on the window's light grey (192, 192, 192)
  velk.ico         the Windows programs' icon, an image for every size
                   Windows asks for at its scale factors (16, 20, 24, 32, 40,
                   48, 64 and 256 pixels): 32-bit bitmaps with their masks,
                   as every Windows version reads them, and a PNG at 256
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SVG = os.path.join(HERE, "velk.svg")
SIZES = (24, 48, 64, 128, 256)
ICO_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
WINDOW_GREY = (192, 192, 192)


def render(size, path):
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size),
                    SVG, "-o", path], check=True)


def chunks(data):
    pos = 8
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_rgba(path):
    """Decodes an 8-bit, non-interlaced RGBA PNG into rows of bytes."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG file")
    idat = b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 6, 0):
                sys.exit(f"{path}: expected 8-bit non-interlaced RGBA")
        elif kind == b"IDAT":
            idat += body
    raw = zlib.decompress(idat)
    stride, bpp = width * 4, 4
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up, upleft = prev[i], (prev[i - bpp] if i >= bpp else 0)
            pred = (0, left, up, (left + up) // 2, paeth(left, up, upleft))[kind]
            line[i] = (line[i] + pred) & 0xFF
        rows.append(line)
        prev = line
    return width, height, rows


def write_png(path, width, height, colour_type, rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    raw = b"".join(b"\x00" + bytes(r) for r in rows)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def flatten(rows, background):
    """Composites RGBA rows over an opaque background; returns RGB rows."""
    out = []
    for row in rows:
        rgb = bytearray()
        for i in range(0, len(row), 4):
            alpha = row[i + 3]
            for c in range(3):
                rgb.append((row[i + c] * alpha + background[c] * (255 - alpha) + 127) // 255)
        out.append(rgb)
    return out


def dib(width, height, rows):
    """An icon image as a bitmap: BGRA rows bottom-up, then the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes(row[i + c] for i in range(0, len(row), 4) for c in (2, 1, 0, 3))
                      for row in reversed(rows))
    mask_stride = (width + 31) // 32 * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(width):
            if row[4 * x + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def write_ico(path, sizes, folder):
    """An icon file: bitmaps below 256 pixels, the PNG at 256."""
    images = []
    for size in sizes:
        png = os.path.join(folder, f"{size}.png")
        render(size, png)
        if size == 256:
            images.append(open(png, "rb").read())
        else:
            images.append(dib(*read_rgba(png)))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        side = size % 256  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + entries + b"".join(images))


def main():
    for size in SIZES:
        render(size, os.path.join(HERE, f"hicolor-{size}.png"))
    with tempfile.TemporaryDirectory() as folder:
        write_ico(os.path.join(HERE, "velk.ico"), ICO_SIZES, folder)
    width, height, rows = read_rgba(os.path.join(HERE, "hicolor-24.png"))
    write_png(os.path.join(HERE, "velk-24.png"), width, height, 2,
              flatten(rows, WINDOW_GREY))


if __name__ == "__main__":
    main()
