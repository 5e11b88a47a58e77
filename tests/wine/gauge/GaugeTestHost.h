#pragma once
#include "framework/GraphicControl.h"
#include "widgets/gauge/QvProgress.h"
#include <vector>
#include <windows.h>

// A plain top-level window that paints its background in the button-face colour and then its
// window-less controls, as the program's windows do.
class GaugeTestHost {
public:
    GaugeTestHost();
    ~GaugeTestHost();
    HWND Window() const { return window_; }
    qv::GraphicHost& Host() { return host_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    qv::GraphicHost host_;
};

// The gauge as the program's layout configures gauge1 (bar style, caption, lowered bevel).
void ConfigureLikeGauge1(qv::TQvProgress& gauge);

// Draws a gauge into a 32-bit bitmap of its size and returns the pixels, row by row.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> data;
    COLORREF at(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
    bool operator==(const Pixels&) const = default;
};
Pixels Render(qv::TQvProgress& gauge);

// Pixels of a window's client area, read back from the screen.
Pixels ReadWindow(HWND window, const RECT& area);
