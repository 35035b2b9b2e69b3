#!/usr/bin/env python3
"""Checksums of what Start makes from a photo, computed from the rules of the stereo steps alone.

An independent check of the end-to-end goldens (tests/data/e2e_golden.txt): it reads the photo as
a binary PPM and prints the five slots' checksums, as the Windows tests compute them (each pixel's
colour bits, row by row: sum = sum * 31 + pixel, modulo 2^32), under a key prefix.

    tests/data/stereo_reference.py bench/chelsea.ppm wide
"""
import math
import sys

S_MOD, S_CORRECT, S_CORRECT_SUB, GAMMA = 9, 100, 0.3, 1.0


def read_ppm(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos : pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end : end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1  # the one white space byte after the maximum
    assert fields[0] == b"P6" and fields[3] == b"255"
    width, height = int(fields[1]), int(fields[2])
    rgb = data[pos : pos + 3 * width * height]
    return width, height, [rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2] for i in range(0, len(rgb), 3)]


def power_curve(i, exponent):
    value = math.pow(i / 255.0, exponent) * 255.0
    if not value >= 0.0:
        return 0
    return 255 if value >= 255.0 else int(value)


def channels(c):
    return (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF


def checksum(pixels):
    total = 0
    for p in pixels:
        total = (total * 31 + (p & 0xFFFFFF)) & 0xFFFFFFFF
    return total


def main():
    path, prefix = sys.argv[1], sys.argv[2]
    w, h, picture = read_ppm(path)
    gamma = [power_curve(i, 1.0 / GAMMA) for i in range(256)]
    top = 255 - S_CORRECT
    correction = [power_curve(i, 1.0 / S_CORRECT_SUB) * top // 255 for i in range(256)]

    # The "S mod+V" depth map: the larger of the darkness-raised saturation and the value.
    depth = []
    for c in picture:
        v, s = max(channels(c)), max(channels(c)) - min(channels(c))
        t = (255 - v) * S_MOD // 10 + s
        depth.append(gamma[correction[min(max(t, v), 255)]] * 0x010101)
    shift = w // 64

    # The view pair: the shifted view left, the picture right; a farther right neighbour's colour
    # fills the hole between.
    value = lambda c: max(channels(c))
    result = [0] * (2 * w * h)
    for y in range(h):
        for x in range(w):
            result[y * 2 * w + w + x] = picture[y * w + x]

    def put(x, y, c):
        if 0 <= x < 2 * w and 0 <= y < h:
            result[y * 2 * w + x] = c

    for y in range(h):
        for x in range(w):
            here = depth[y * w + x]
            d1 = shift * value(here) // 256
            put(x - d1, y, picture[y * w + x])
            following = depth[y * w + x + 1] if x + 1 < w else 0
            if value(following) < value(here):
                gap = d1 - shift * value(following) // 256
                q = picture[y * w + x + 1] if x + 1 < w else 0
                for k in range(1, gap + 1):
                    put(x - d1 + k, y, q)

    # The anaglyph: red is the picture's luminance, green and blue the shifted view's.
    display = []
    for y in range(h):
        for x in range(w):
            r, g, b = channels(result[y * 2 * w + w + x])
            display.append((299 * r + 587 * g + 114 * b) // 1000 << 16 | result[y * 2 * w + x] & 0xFFFF)

    plot = [0] * (256 * 256)
    for i in range(256):
        row = 256 - correction[i]
        if row < 256:
            plot[row * 256 + i] = 0xFFFFFF

    for key, pixels in (("picture", picture), ("depth", depth), ("result", result), ("display", display),
                        ("S_correct", plot)):
        print("%s.%s %08x" % (prefix, key, checksum(pixels)))


if __name__ == "__main__":
    main()
