#pragma once
// Pixels of window-less gauges, for the gauge's and the main window's tests.
#include "widgets/gauge/QvProgress.h"
#include <vector>
#include <windows.h>

namespace qvtest {

// Pixels as COLORREF values, row by row.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> data;
    COLORREF at(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
    bool operator==(const Pixels&) const = default;
};
// Draws a gauge into a 32-bit bitmap of its size and returns its pixels.
Pixels Render(qv::TQvProgress& gauge);

// Pixels of a window's client area, read back from the screen.
Pixels ReadWindow(HWND window, const RECT& area);

// How many pixels of an area have exactly the given colour.
int CountColour(const Pixels& pixels, const RECT& area, COLORREF colour);

} // namespace qvtest
