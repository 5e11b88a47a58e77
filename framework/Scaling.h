#pragma once
#include <windows.h>

namespace qv {

// The layouts give every position, size and font height in pixels at 96 pixels per inch, the
// density of the screens they were drawn on. On a denser screen (Windows' "Large Fonts" is 120)
// they grow with it: each figure is multiplied by the screen's pixels per inch over 96, rounded
// as MulDiv rounds, once, when a window and its controls are built. At 96 nothing changes.
// Pictures keep their pixels.
inline constexpr int kLayoutPixelsPerInch = 96;

// The screen's pixels per inch (LOGPIXELSY), read on first use: Windows 95 and 98 change it only
// with a restart.
int ScreenPixelsPerInch();

// A layout figure (a coordinate, a length or a font height) in screen pixels.
int ScaleToScreen(int layoutPixels);

// A layout rectangle in screen pixels: its left, top, width and height are scaled each, so
// that controls side by side in the layout stay side by side.
RECT ScaleToScreen(const RECT& layout);

// Where a top-level window goes: its position moved just enough that its caption is not above
// the work area's top and its left edge not left of the work area's left edge (the taskbar
// and the screen's edges may hide the rest of a window larger than the screen, never the part
// that moves it).
POINT KeepCaptionInWorkArea(POINT topLeft);
// The same for a window of a known size, which first moves up and left as far as it takes to
// end inside the work area (the taskbar then hides none of a window that fits).
POINT KeepInWorkArea(POINT topLeft, SIZE size);

} // namespace qv
