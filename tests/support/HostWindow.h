#pragma once
// A raw top-level window that hosts window-less controls the way the program's forms and panels
// do, without the framework's Form around it: it paints its own background in a plain colour
// and the controls over it.
#include "framework/GraphicControl.h"
#include <windows.h>

namespace qvtest {

class HostWindow {
public:
    // A topmost pop-up, shown without taking the activation, whose client area is width x
    // height at (left, top) of the screen; the background is the button face unless given.
    HostWindow(int left, int top, int width, int height, COLORREF background);
    HostWindow(int left, int top, int width, int height);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    qv::GraphicHost& Host() { return host_; }
    HWND Window() const { return window_; }

    // Repaints everything now (background, then the controls), as a paint message does.
    void Repaint();
    // Paints whatever is invalid now (no new invalidation).
    void Update() { UpdateWindow(window_); }
    // A pixel of the client area as the screen shows it.
    COLORREF Pixel(int x, int y) const;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HBRUSH brush_;
    HWND window_ = nullptr;
    qv::GraphicHost host_;
};

} // namespace qvtest
