#pragma once

namespace qv {

// The arithmetic of the image control's painting and animation, apart from the drawing.

struct LayoutRect {
    int left, top, right, bottom;
    bool operator==(const LayoutRect&) const = default;
};

// How long a frame stays: max(max(delay, 50) * 100 div speed, 1) milliseconds; speed in
// percent, at least 1.
unsigned FrameInterval(int delayMs, int speedPercent);

// The destination that keeps the picture's aspect ratio inside a client area of cw x ch,
// centred (single precision, halves rounded to even). The client rectangle itself when the
// arithmetic fails (an empty picture).
LayoutRect RatioRect(int clientWidth, int clientHeight, int screenWidth, int screenHeight);

// The origin that centres a picture of `picture` pixels in `control` pixels (negative when the
// picture is larger), truncating toward zero like the control's integer division.
int CenterOffset(int control, int picture);

// The last row or column index of a tiling: copies go at 0, picture, 2 * picture, ... up to and
// including index area div picture. -1 (no copies) for an empty picture.
int LastTileIndex(int area, int picture);

// The control covers its bounds completely (so its parent need not paint under it).
struct OpacityInputs {
    bool visible, loaded, anyTransparent, stretchRatio, tile, stretch;
    int screenWidth, screenHeight, width, height;
};
bool IsOpaque(const OpacityInputs& in);

} // namespace qv
