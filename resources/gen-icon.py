#!/usr/bin/env python3
"""Draws the program icon and writes resources/spandle.ico.

The icon is a 32 x 32 image with 32 bits per pixel (BGRA, straight alpha) and an AND
mask: a shaded pie disk in green and blue tones with a magnifier over its lower right.
Every pixel is the average of SUB x SUB samples, so the edges are anti-aliased. Only
integer arithmetic and the basic float operations are used (no trigonometry), so the
output is the same byte for byte on every machine.

    python3 resources/gen-icon.py                    # writes resources/spandle.ico
    python3 resources/gen-icon.py --preview out.png  # also writes an enlarged preview
"""

import argparse
import os
import struct
import zlib

SIZE = 32
SUB = 16  # samples per pixel along each axis

# Pie disk.
DISK_C = (13.0, 13.0)
DISK_R = 11.6
RIM_W = 0.9
# Slice boundaries as directions from the centre (y grows downwards), clockwise from
# twelve o'clock: green takes about 55 %, blue about 28 %,
# the light slice the rest.
BOUNDS = [(0, -1), (-4, 11), (-7, -4)]
SLICE_COLOURS = [(52, 168, 83), (36, 113, 204), (120, 206, 224)]
SEPARATOR_W = 0.95
# Magnifier.
LENS_C = (21.0, 21.0)
LENS_R = 5.2
LENS_RIM = 1.9
HANDLE_A = (25.5, 25.5)
HANDLE_B = (29.7, 29.7)
HANDLE_R = 1.95


def clamp8(v):
    return 0 if v < 0 else 255 if v > 255 else int(v + 0.5)


def shade(colour, factor):
    return tuple(clamp8(c * factor) for c in colour)


def cross(ax, ay, bx, by):
    return ax * by - ay * bx


def in_sector(dx, dy, start, end):
    """True if direction (dx, dy) lies clockwise from start and before end (< 180 deg or more)."""
    s = cross(start[0], start[1], dx, dy) >= 0
    e = cross(end[0], end[1], dx, dy) < 0
    if cross(start[0], start[1], end[0], end[1]) >= 0:  # sector narrower than a half turn
        return s and e
    return s or e


def dist_to_segment(px, py, a, b):
    ax, ay = a
    bx, by = b
    vx, vy = bx - ax, by - ay
    t = ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)
    t = 0.0 if t < 0 else 1.0 if t > 1 else t
    qx, qy = ax + t * vx - px, ay + t * vy - py
    return (qx * qx + qy * qy) ** 0.5


def dist_to_ray(px, py, origin, direction):
    """Distance from a point to the ray from origin along direction."""
    dx, dy = direction
    n = (dx * dx + dy * dy) ** 0.5
    ux, uy = dx / n, dy / n
    rx, ry = px - origin[0], py - origin[1]
    t = rx * ux + ry * uy
    if t < 0:
        return (rx * rx + ry * ry) ** 0.5
    return abs(rx * uy - ry * ux)


def over(dst, src):
    """Straight-alpha 'over': src (r, g, b, a in 0..1) onto dst."""
    sr, sg, sb, sa = src
    dr, dg, db, da = dst
    oa = sa + da * (1 - sa)
    if oa <= 0:
        return (0.0, 0.0, 0.0, 0.0)
    k = da * (1 - sa)
    return ((sr * sa + dr * k) / oa, (sg * sa + dg * k) / oa, (sb * sa + db * k) / oa, oa)


def rgba(colour, alpha=1.0):
    return (colour[0] / 255.0, colour[1] / 255.0, colour[2] / 255.0, alpha)


def sample(x, y):
    """Colour of the icon at the point (x, y) in pixel units, as straight RGBA in 0..1."""
    px = (0.0, 0.0, 0.0, 0.0)
    cx, cy = DISK_C
    dx, dy = x - cx, y - cy
    d = (dx * dx + dy * dy) ** 0.5

    # Soft drop shadow of the disk.
    sx, sy = x - cx - 0.9, y - cy - 1.1
    sd = (sx * sx + sy * sy) ** 0.5
    if sd <= DISK_R + 0.4:
        fade = min(1.0, (DISK_R + 0.4 - sd) / 1.6)
        px = over(px, (0.0, 0.0, 0.0, 0.30 * fade))

    if d <= DISK_R:
        if d > DISK_R - RIM_W:
            px = over(px, rgba((22, 74, 70)))
        else:
            slice_index = 0
            for i in range(len(BOUNDS)):
                if in_sector(dx, dy, BOUNDS[i], BOUNDS[(i + 1) % len(BOUNDS)]):
                    slice_index = i
                    break
            # Light from the upper left: brighter there, darker towards the lower right.
            hx, hy = x - (cx - 4.5), y - (cy - 5.0)
            hd = (hx * hx + hy * hy) ** 0.5
            factor = 1.22 - 0.42 * min(1.0, hd / (DISK_R * 1.5))
            px = over(px, rgba(shade(SLICE_COLOURS[slice_index], factor)))
            for b in BOUNDS:
                if dist_to_ray(x, y, DISK_C, b) < SEPARATOR_W / 2:
                    px = over(px, rgba((255, 255, 255), 0.92))
                    break

    # Magnifier handle, drawn before the lens so the rim covers its end.
    hd = dist_to_segment(x, y, HANDLE_A, HANDLE_B)
    if hd <= HANDLE_R:
        # Lighter stripe along the handle's upper side.
        vx, vy = HANDLE_B[0] - HANDLE_A[0], HANDLE_B[1] - HANDLE_A[1]
        side = cross(vx, vy, x - HANDLE_A[0], y - HANDLE_A[1])
        colour = (92, 104, 124) if side < -0.45 * HANDLE_R * (vx * vx + vy * vy) ** 0.5 else (40, 48, 64)
        px = over(px, rgba(colour))

    lx, ly = x - LENS_C[0], y - LENS_C[1]
    ld = (lx * lx + ly * ly) ** 0.5
    if ld <= LENS_R:
        # Glass: a light bluish tint, denser towards the lower right, with a crescent of
        # reflected light at the upper left.
        glass_alpha = 0.50 + 0.22 * ((lx + ly) / (2 * LENS_R) + 0.5)
        px = over(px, rgba((214, 236, 250), glass_alpha))
        if LENS_R - 1.9 <= ld <= LENS_R - 0.8 and lx + ly < -3.2:
            px = over(px, rgba((255, 255, 255), 0.9))
    elif ld <= LENS_R + LENS_RIM:
        # Rim: metallic, light at the upper left, dark at the lower right.
        t = (lx + ly) / (2 * (LENS_R + LENS_RIM)) + 0.5
        t = 0.0 if t < 0 else 1.0 if t > 1 else t
        colour = tuple(clamp8(a + (b - a) * t) for a, b in zip((150, 164, 178), (34, 44, 60)))
        px = over(px, rgba(colour))
    return px


def render():
    """Returns SIZE*SIZE pixels as (r, g, b, a) tuples of 0..255, top row first."""
    pixels = []
    n = SUB * SUB
    for py in range(SIZE):
        for pxl in range(SIZE):
            ar = ag = ab = aa = 0.0
            for sy in range(SUB):
                y = py + (sy + 0.5) / SUB
                for sx in range(SUB):
                    x = pxl + (sx + 0.5) / SUB
                    r, g, b, a = sample(x, y)
                    ar += r * a
                    ag += g * a
                    ab += b * a
                    aa += a
            alpha = clamp8(aa / n * 255)
            if alpha == 0:
                pixels.append((0, 0, 0, 0))
            else:
                pixels.append((clamp8(ar / aa * 255), clamp8(ag / aa * 255),
                               clamp8(ab / aa * 255), alpha))
    return pixels


def ico_bytes(pixels):
    """One-image ICO: BITMAPINFOHEADER, bottom-up BGRA rows, then the 1-bit AND mask."""
    mask_stride = ((SIZE + 31) // 32) * 4
    xor_size = SIZE * SIZE * 4
    and_size = mask_stride * SIZE
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, xor_size + and_size,
                         0, 0, 0, 0)
    xor = bytearray()
    mask = bytearray()
    for row in range(SIZE - 1, -1, -1):
        bits = bytearray(mask_stride)
        for col in range(SIZE):
            r, g, b, a = pixels[row * SIZE + col]
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[col // 8] |= 0x80 >> (col % 8)
        mask += bits
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE % 256, SIZE % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def png_bytes(width, height, rgb_rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\x00" + bytes(row) for row in rgb_rows)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def preview(pixels, path, scale=8):
    """Enlarged view on a checkerboard, white and dark grey, plus actual size on each."""
    backgrounds = [None, (255, 255, 255), (45, 45, 48)]
    pad = 8
    width = len(backgrounds) * (SIZE * scale + pad) + pad
    height = SIZE * scale + 2 * pad + SIZE + pad
    canvas = [[220, 220, 220] * width for _ in range(height)]

    def put(x, y, bg, p):
        r, g, b, a = p
        a /= 255.0
        canvas[y][3 * x:3 * x + 3] = [clamp8(c * a + k * (1 - a)) for c, k in zip((r, g, b), bg)]

    for i, bg in enumerate(backgrounds):
        ox = pad + i * (SIZE * scale + pad)
        for y in range(SIZE * scale):
            for x in range(SIZE * scale):
                back = bg or ((200, 200, 200) if (x // 8 + y // 8) % 2 else (255, 255, 255))
                put(ox + x, pad + y, back, pixels[(y // scale) * SIZE + x // scale])
        for y in range(SIZE):
            for x in range(SIZE):
                put(ox + x, 2 * pad + SIZE * scale + y, bg or (255, 255, 255),
                    pixels[y * SIZE + x])
    with open(path, "wb") as f:
        f.write(png_bytes(width, height, canvas))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", default=os.path.join(here, "spandle.ico"))
    parser.add_argument("--preview", metavar="PNG", help="also write an enlarged preview")
    args = parser.parse_args()
    pixels = render()
    with open(args.output, "wb") as f:
        f.write(ico_bytes(pixels))
    if args.preview:
        preview(pixels, args.preview)


if __name__ == "__main__":
    main()
