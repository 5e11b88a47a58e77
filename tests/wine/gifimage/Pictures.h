#pragma once
// Small GIF pictures for the image control's tests, written with the decoder's test builder.
#include "support/gif/GifBuilder.h"
#include <windows.h>
#include <vector>

namespace qvtest {

// The four colours of the test pictures' global table, and the index used as transparent.
enum : std::uint8_t { kRed = 0, kGreen = 1, kBlue = 2, kClear = 3 };
const COLORREF kColors[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)};

struct FrameSpec {
    int left, top, width, height;
    std::uint8_t fill;                     // colour index of every pixel...
    std::vector<std::uint8_t> pixels = {}; // ...unless given pixel by pixel
    int disposal = 0;
    int delay = 0; // hundredths of a second
    bool transparent = false;
};

// A picture of `frames` on a logical screen of width x height, with the four-colour table;
// loops < 0 leaves out the NETSCAPE2.0 extension.
inline Bytes Picture(int width, int height, const std::vector<FrameSpec>& frames, int loops = -1) {
    GifBuilder b;
    b.Header(width, height, 2);
    for (int i = 0; i < 4; ++i) { // replace the builder's table by the four plain colours
        b.bytes[13 + 3 * i] = GetRValue(kColors[i]);
        b.bytes[14 + 3 * i] = GetGValue(kColors[i]);
        b.bytes[15 + 3 * i] = GetBValue(kColors[i]);
    }
    if (loops >= 0)
        b.Netscape(loops);
    for (const FrameSpec& f : frames) {
        b.Control(f.disposal, f.delay, f.transparent, kClear);
        Bytes pixels = f.pixels.empty() ? Bytes(std::size_t(f.width) * f.height, f.fill) : f.pixels;
        ImageOptions o;
        o.minCodeSize = 2;
        b.Image(f.left, f.top, f.width, f.height, pixels, o);
    }
    b.Trailer();
    return b.bytes;
}

// A full-screen frame of one colour.
inline FrameSpec Solid(int width, int height, std::uint8_t color, int delay = 0) {
    return FrameSpec{0, 0, width, height, color, {}, 0, delay, false};
}

} // namespace qvtest
