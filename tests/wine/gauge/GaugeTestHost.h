#pragma once
#include "framework/GraphicControl.h"
#include "support/GaugePixels.h"
#include "widgets/gauge/QvProgress.h"
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
