#pragma once
#include <windows.h>

namespace qv {

// Draws a one-pixel 3-D frame just inside rect: topLeft colour on the top row and left column,
// bottomRight colour on the right column and bottom row; returns the rectangle inside it.
RECT Frame3D(HDC dc, RECT rect, COLORREF topLeft, COLORREF bottomRight);

// A lowered frame (shadow top-left, highlight bottom-right) and a raised one.
inline RECT LoweredFrame(HDC dc, const RECT& rect) {
    return Frame3D(dc, rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
}
inline RECT RaisedFrame(HDC dc, const RECT& rect) {
    return Frame3D(dc, rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
}

} // namespace qv
