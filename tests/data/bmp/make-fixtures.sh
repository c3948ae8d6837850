#!/bin/sh
# Writes the BMP fixtures of the picture loading tests into this folder, each
# good one next to the PNG of the pixels it must decode to.
#
# ImageMagick writes the everyday formats; a few lines of Python write what it
# cannot, or not exactly (a coloured 1-bit palette, 16-bit, 32-bit with a zero
# reserved byte, top-down rows, RLE4, RLE8 in absolute mode) and the damaged
# files. Needs convert and python3.
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The source pictures, 12 x 10, as plain PPM so that every pixel is explicit.
# Each has a distinct top-left and bottom-right pixel, so a flipped or
# mirrored decode shows.
python3 - "$work" <<'EOF'
import sys
out = sys.argv[1]
W, H = 12, 10

def ppm(name, pixel):
    with open(f"{out}/{name}.ppm", "w") as f:
        f.write(f"P3\n{W} {H}\n255\n")
        for y in range(H):
            f.write(" ".join("%d %d %d" % pixel(x, y) for x in range(W)) + "\n")

# rich: 120 colours (8-bit palette and true colour).
def rich(x, y):
    if (x, y) == (0, 0): return (255, 255, 255)
    if (x, y) == (W - 1, H - 1): return (0, 0, 0)
    return (15 + 20 * x, 10 + 25 * y, 200 - 10 * x)

# sixteen: exactly 16 colours in blocks of 3 x 3 (4-bit).
SIXTEEN = [(0x1f, 0x24, 0x40), (0x5b, 0x6b, 0xd5), (0xef, 0x47, 0x6f), (0xff, 0x9f, 0x1c),
           (0x34, 0xc7, 0x59), (0x2f, 0x9b, 0xf0), (0x9b, 0x5d, 0xe5), (0x14, 0xb8, 0xa6),
           (0xf7, 0xf8, 0xfb), (0x64, 0x74, 0x8b), (0xf1, 0x5b, 0x3c), (0xff, 0xd1, 0x66),
           (0x22, 0x22, 0x22), (0xae, 0xb6, 0xd6), (0x80, 0x00, 0x40), (0x00, 0x60, 0x30)]
def sixteen(x, y):
    return SIXTEEN[min(x // 3, 3) + 4 * min(y // 3, 3)]

# two: a letter F in two colours that are neither black nor white (1-bit).
F = ["............",
     "..########..",
     "..########..",
     "..##........",
     "..######....",
     "..######....",
     "..##........",
     "..##........",
     "..##........",
     "............"]
def two(x, y):
    return (0x20, 0x30, 0x60) if F[y][x] == "#" else (0xfa, 0xf0, 0xc8)

# dim: components of 0, 8 or 16 only (16-bit). Every usual way of widening a
# 5- or 6-bit channel to 8 bits (shifting, repeating the top bits, scaling by
# 255/31) gives these values back exactly, so the expected pixels are beyond
# dispute while a wrong channel layout still shows.
DIM = [(16, 0, 0), (0, 16, 0), (0, 0, 16), (16, 16, 0), (0, 16, 16), (16, 0, 16), (8, 8, 8), (16, 16, 16)]
def dim(x, y):
    if (x, y) == (0, 0): return (0, 0, 0)
    return DIM[(x // 2 + y // 2) % 8]

for name, f in [("rich", rich), ("sixteen", sixteen), ("two", two), ("dim", dim)]:
    ppm(name, f)
EOF

# No time stamps in the PNGs, so that running this again changes nothing.
png() { convert "$work/$1.ppm" -define png:exclude-chunks=date,time -define png:color-type=2 "PNG24:$2.expected.png"; }

# Written by ImageMagick.
convert "$work/rich.ppm" -type Palette -compress None BMP3:bpp8.bmp
convert "$work/rich.ppm" -type Palette -compress RLE BMP3:rle8.bmp
convert "$work/sixteen.ppm" -type Palette -compress None BMP3:bpp4.bmp
convert "$work/rich.ppm" -type TrueColor BMP3:bpp24.bmp
png rich bpp8
png rich rle8
png sixteen bpp4
png rich bpp24

# Written by hand, for what ImageMagick does not write.
python3 - "$work" <<'EOF'
import struct, sys
work = sys.argv[1]

def read_ppm(name):
    tokens = open(f"{work}/{name}.ppm").read().split()
    w, h = int(tokens[1]), int(tokens[2])
    values = list(map(int, tokens[4:]))
    return w, h, [[tuple(values[3 * (y * w + x):3 * (y * w + x) + 3]) for x in range(w)] for y in range(h)]

def pad4(row):
    return row + b"\0" * (-len(row) % 4)

def bmp(path, w, h, bpp, pixels, palette=(), compression=0, top_down=False, masks=()):
    """A BITMAPINFOHEADER file; pixels is the encoded pixel data, masks the
    three channel masks of BI_BITFIELDS."""
    colours = b"".join(struct.pack("<I", m) for m in masks) + b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, -h if top_down else h, 1, bpp, compression,
                       len(pixels), 2835, 2835, len(palette), 0)
    with open(path, "wb") as f:
        f.write(header + info + colours + pixels)

def rows_bottom_up(rows, top_down=False):
    return rows if top_down else rows[::-1]

def pack_indices(indices, bpp):
    per_byte = 8 // bpp
    out = bytearray()
    for i in range(0, len(indices), per_byte):
        byte = 0
        for k, v in enumerate(indices[i:i + per_byte]):
            byte |= v << (8 - bpp * (k + 1))
        out.append(byte)
    return bytes(out)

def indexed(name):
    w, h, px = read_ppm(name)
    palette = sorted({p for row in px for p in row})
    return w, h, palette, [[palette.index(p) for p in row] for row in px]

# 1 bit, two non-grey palette entries.
w, h, pal, idx = indexed("two")
bmp("bpp1.bmp", w, h, 1, b"".join(pad4(pack_indices(r, 1)) for r in rows_bottom_up(idx)), pal)

# 16 bit BI_RGB: implicitly 5-5-5, the top bit unused.
w, h, px = read_ppm("dim")
def rgb555(p):
    r, g, b = (c >> 3 for c in p)
    return struct.pack("<H", r << 10 | g << 5 | b)
bmp("bpp16-555.bmp", w, h, 16, b"".join(pad4(b"".join(map(rgb555, r))) for r in rows_bottom_up(px)))

# 16 bit BI_BITFIELDS 5-6-5. (ImageMagick's 565 writer truncates where it
# should round, so its file would not hold the picture.)
def rgb565(p):
    r, g, b = p
    return struct.pack("<H", (r >> 3) << 11 | (g >> 2) << 5 | b >> 3)
bmp("bpp16-565.bmp", w, h, 16, b"".join(pad4(b"".join(map(rgb565, r))) for r in rows_bottom_up(px)),
    compression=3, masks=(0xF800, 0x07E0, 0x001F))

# 32 bit BI_RGB: the fourth byte is reserved and zero; the picture is opaque.
w, h, px = read_ppm("rich")
bmp("bpp32.bmp", w, h, 32, b"".join(bytes((b, g, r, 0)) for row in rows_bottom_up(px) for r, g, b in row))

# 24 bit stored top-down (negative height).
bmp("topdown.bmp", w, h, 24,
    b"".join(pad4(b"".join(bytes((b, g, r)) for r, g, b in row)) for row in rows_bottom_up(px, top_down=True)),
    top_down=True)

def runs(row):
    """Splits a row into (value, length) runs."""
    out = []
    for v in row:
        if out and out[-1][0] == v:
            out[-1][1] += 1
        else:
            out.append([v, 1])
    return out

def rle(rows, bpp):
    """RLE8 or RLE4: repeated runs encoded, stretches of single pixels in
    absolute mode, an end-of-line after each row and end-of-bitmap at the end."""
    data = bytearray()
    for row in rows:
        literal = []
        def flush():
            while literal:
                chunk, literal[:] = literal[:255], literal[255:]
                if len(chunk) < 3:
                    for v in chunk:
                        data.extend((1, v if bpp == 8 else v << 4))
                    continue
                body = bytes(chunk) if bpp == 8 else pack_indices(chunk, 4)
                data.extend((0, len(chunk)))
                data.extend(body + b"\0" * (len(body) % 2))
        for v, n in runs(row):
            if n == 1:
                literal.append(v)
                continue
            flush()
            data.extend((n, v if bpp == 8 else v << 4 | v))
        flush()
        data.extend((0, 0))
    data[-2:] = bytes((0, 1))
    return bytes(data)

w, h, pal, idx = indexed("sixteen")
bmp("rle4.bmp", w, h, 4, rle(rows_bottom_up(idx), 4), pal, compression=2)
# ImageMagick's RLE8 writes every pixel as a run of one; this one uses
# absolute mode, since no two neighbours in the rich picture are equal.
w, h, pal, idx = indexed("rich")
bmp("rle8-absolute.bmp", w, h, 8, rle(rows_bottom_up(idx), 8), pal, compression=1)

# Damaged files, derived from a good one.
good = open("bpp24.bmp", "rb").read()
pixels_at = struct.unpack("<I", good[10:14])[0]
open("truncated.bmp", "wb").write(good[:pixels_at + (len(good) - pixels_at) // 2])
open("offset-past-end.bmp", "wb").write(good[:10] + struct.pack("<I", len(good) + 4096) + good[14:])
huge = bytearray(good[:pixels_at + 64])
huge[18:26] = struct.pack("<ii", 30000, 30000)
huge[34:38] = struct.pack("<I", 0)
open("huge-dimensions.bmp", "wb").write(bytes(huge))
open("not-a-bmp.bmp", "w").write("This is a text file, not a picture.\n")
open("empty.bmp", "wb").close()
EOF
png two bpp1
png dim bpp16-555
png dim bpp16-565
png rich bpp32
png rich topdown
png sixteen rle4
png rich rle8-absolute
