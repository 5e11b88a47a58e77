#!/usr/bin/env python3
"""Draws the confirmation dialog's 48 x 48 picture (a blue disc with a white question mark) and
writes it as a GIF87a file plus a C++ source holding its bytes.

The file is laid out the way the dialog has always stored it: a 256-entry global table (flags
0xF7), background index 2, one graphic control extension (flags 0x01, delay 0, transparent index
83), one non-interlaced 48 x 48 image at (0, 0) with LZW minimum code size 8, 1560 bytes in all.
Its last data sub-block is declared one byte longer than the bytes left before the trailer, so
the declared length swallows the zero terminator; the end code lies inside that block.

Usage: make_okform_picture.py OUT.gif OUT.cpp   (Python 3 standard library only)
"""
import math
import sys

SIZE = 48
TRANSPARENT = 83
BACKGROUND = 2
FILE_SIZE = 1560
PANEL = (192, 192, 192)  # the dialog panel the picture is drawn on


def disc_colour(x, y):
    """Blue disc shaded from light top-left to dark bottom-right."""
    t = min(max((x * 0.4 + y * 0.9) / (SIZE * 1.3), 0.0), 1.0)
    top, bottom = (120, 175, 240), (20, 60, 165)
    return tuple(a + (b - a) * t for a, b in zip(top, bottom))


def in_glyph(x, y):
    """The question mark: a hook (a ring open at its lower left), a stem and a dot."""
    cx, cy, r_mid, half = 24.0, 17.0, 7.0, 2.6
    angle = math.degrees(math.atan2(cy - y, x - cx))  # 0 right, 90 up, -90 down
    if abs(math.hypot(x - cx, y - cy) - r_mid) <= half and not -160 < angle < -90:
        return True
    if abs(x - 24.0) <= half and cy + r_mid - half <= y <= 29.5:
        return True
    return math.hypot(x - 24.0, y - 35.5) <= 3.0


def render():
    """Returns rows of (r, g, b) or None for transparent, 4 x 4 supersampled."""
    rows = []
    n = 4
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            inside = glyph = 0
            acc = [0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    x = px + (sx + 0.5) / n
                    y = py + (sy + 0.5) / n
                    d = math.hypot(x - 24.0, y - 24.0)
                    if d <= 22.5:
                        inside += 1
                        if d >= 21.3:
                            c = (15, 35, 95)  # outline
                        elif in_glyph(x, y):
                            glyph += 1
                            c = (255, 255, 255)
                        else:
                            c = disc_colour(x, y)
                            # soft highlight at the top left
                            h = math.hypot(x - 16.0, y - 12.0)
                            if h < 9.0:
                                k = (1 - h / 9.0) * 0.35
                                c = tuple(v + (255 - v) * k for v in c)
                        acc = [a + v for a, v in zip(acc, c)]
            if inside * 2 < n * n:
                row.append(None)
                continue
            cover = inside / (n * n)
            mean = [a / inside for a in acc]
            colour = [m * cover + p * (1 - cover) for m, p in zip(mean, PANEL)]
            row.append(tuple(int(round(v)) for v in colour))
        rows.append(row)
    return rows


def build_palette(rows, step):
    """Quantizes each channel to multiples of `step`; index 83 is the transparent key and 2 the
    panel colour. Returns None when more than 254 colours remain."""
    quant = lambda c: tuple(min(255, int(round(v / step)) * step) for v in c)
    colours = sorted({quant(c) for row in rows for c in row if c is not None})
    if len(colours) > 254:
        return None
    palette = [None] * 256
    palette[BACKGROUND] = PANEL
    palette[TRANSPARENT] = (255, 0, 255)
    free = [i for i in range(256) if palette[i] is None]
    index = {}
    for colour, i in zip(colours, free):
        palette[i] = colour
        index[colour] = i
    for i in range(256):
        if palette[i] is None:
            palette[i] = (i, i, i)
    pixels = [TRANSPARENT if c is None else index[quant(c)] for row in rows for c in row]
    return palette, pixels


def lzw_codes(pixels, min_code_size, leading_clears, clear_before_end):
    """GIF LZW: list of (code, bits). Code sizes follow the decoder's rule."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out = []
    state = {"next": clear + 2, "limit": 2 * clear, "size": min_code_size + 1, "fresh": True}

    def emit(code):
        out.append((code, state["size"]))
        if code == clear:
            state.update(next=clear + 2, limit=2 * clear, size=min_code_size + 1, fresh=True)
            return
        if not state["fresh"] and state["next"] < 4096:
            state["next"] += 1
            if state["next"] >= state["limit"] and state["limit"] < 4096:
                state["limit"] *= 2
                state["size"] += 1
        state["fresh"] = False

    for _ in range(1 + leading_clears):
        emit(clear)
    table = {}
    nxt = clear + 2
    w = (pixels[0],)
    for k in pixels[1:]:
        wk = w + (k,)
        if len(wk) == 1 or wk in table:
            w = wk
            continue
        emit(table[w] if len(w) > 1 else w[0])
        if nxt < 4096:
            table[wk] = nxt
            nxt += 1
        else:
            emit(clear)
            table.clear()
            nxt = clear + 2
        w = (k,)
    emit(table[w] if len(w) > 1 else w[0])
    if clear_before_end:
        emit(clear)
    emit(end)
    return out


def pack(codes):
    acc = bits = 0
    data = bytearray()
    for code, size in codes:
        acc |= code << bits
        bits += size
        while bits >= 8:
            data.append(acc & 0xFF)
            acc >>= 8
            bits -= 8
    if bits:
        data.append(acc & 0xFF)
    return bytes(data)


def image_blocks(stream):
    """Full 255-byte blocks, then the last block declared one byte longer than its bytes, then
    the zero byte that the declared length swallows."""
    out = bytearray()
    rest = stream
    while len(rest) > 254:
        out += bytes([255]) + rest[:255]
        rest = rest[255:]
    out += bytes([len(rest) + 1]) + rest + b"\x00"
    return bytes(out)


def gif_bytes(palette, stream):
    out = bytearray(b"GIF87a")
    out += SIZE.to_bytes(2, "little") + SIZE.to_bytes(2, "little")
    out += bytes([0xF7, BACKGROUND, 0])
    for r, g, b in palette:
        out += bytes([r, g, b])
    out += bytes([0x21, 0xF9, 4, 0x01, 0, 0, TRANSPARENT, 0])
    out += b"," + (0).to_bytes(2, "little") * 2 + SIZE.to_bytes(2, "little") * 2 + b"\x00"
    out += bytes([8]) + image_blocks(stream) + b";"
    return bytes(out)


def make():
    """The finest quantization whose picture can be laid out in exactly FILE_SIZE bytes. Clear
    codes before the first pixel (and one before the end code) change nothing in the picture;
    they fill the data to the file's customary size."""
    rows = render()
    for step in range(4, 64, 2):
        built = build_palette(rows, step)
        if not built:
            continue
        palette, pixels = built
        for clear_before_end in (False, True):
            for leading in range(0, 400):
                data = gif_bytes(palette, pack(lzw_codes(pixels, 8, leading, clear_before_end)))
                if len(data) == FILE_SIZE:
                    return data, pixels
                if len(data) > FILE_SIZE:
                    break
    raise SystemExit("cannot lay the picture out in %d bytes" % FILE_SIZE)


def cpp_source(data):
    lines = ["// Generated by tools/dialog-picture/make_okform_picture.py; do not edit.",
             '#include "okunit/core/OkformPicture.h"', "", "namespace qv {", "",
             "extern const unsigned char kOkformPicture[] = {"]
    for i in range(0, len(data), 16):
        lines.append("    " + " ".join("0x%02X," % b for b in data[i:i + 16]))
    lines += ["};", "extern const size_t kOkformPictureSize = sizeof kOkformPicture;", "",
              "} // namespace qv", ""]
    return "\n".join(lines)


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    data, pixels = make()
    with open(sys.argv[1], "wb") as f:
        f.write(data)
    with open(sys.argv[2], "w") as f:
        f.write(cpp_source(data))
    print("%s: %d bytes, %d transparent pixels" % (sys.argv[1], len(data),
                                                   pixels.count(TRANSPARENT)))


if __name__ == "__main__":
    main()
