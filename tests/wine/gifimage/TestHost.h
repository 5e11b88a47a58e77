#pragma once
// A real top-level window that hosts window-less controls the way the program's panels do:
// it paints its own background (a plain colour) first, then the controls.
#include "framework/GraphicControl.h"
#include "support/Pump.h"
#include <windows.h>

namespace qvtest {

class TestHost {
public:
    explicit TestHost(COLORREF background, int width = 300, int height = 300)
        : brush_(CreateSolidBrush(background)), background_(background) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "QvTestHost";
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        RegisterClassA(&wc); // fails harmlessly when already registered
        RECT r{0, 0, width, height};
        AdjustWindowRect(&r, WS_POPUP, FALSE);
        window_ = CreateWindowExA(WS_EX_TOPMOST, "QvTestHost", "", WS_POPUP, 0, 0, r.right - r.left,
                                  r.bottom - r.top, nullptr, nullptr, wc.hInstance, this);
        host_.SetWindow(window_);
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        UpdateWindow(window_);
    }
    ~TestHost() {
        DestroyWindow(window_);
        DeleteObject(brush_);
    }
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    qv::GraphicHost& Host() { return host_; }
    HWND Window() const { return window_; }
    COLORREF Background() const { return background_; }
    int paints = 0;

    // Repaints everything now (background, then the controls), as a paint message does.
    void Repaint() {
        InvalidateRect(window_, nullptr, TRUE);
        UpdateWindow(window_);
        // A control that changed its opacity asks for one more paint.
        UpdateWindow(window_);
    }
    // Paints whatever is invalid now (no new invalidation).
    void Update() { UpdateWindow(window_); }

    COLORREF Pixel(int x, int y) const {
        HDC dc = GetDC(window_);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(window_, dc);
        return c;
    }

private:
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m == WM_NCCREATE)
            SetWindowLongPtrA(w, GWLP_USERDATA,
                              LONG_PTR(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
        auto* self = reinterpret_cast<TestHost*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        LRESULT routed = 0; // the controls' mouse, pointer, hint and popup menu
        if (self && self->host_.HandleMessage(m, wp, lp, routed))
            return routed;
        if (self && m == WM_ERASEBKGND)
            return 1;
        if (self && m == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(w, &ps);
            int saved = SaveDC(dc);
            self->host_.ExcludeOpaqueControls(dc);
            FillRect(dc, &ps.rcPaint, self->brush_);
            RestoreDC(dc, saved);
            self->host_.PaintControls(dc, ps.rcPaint);
            EndPaint(w, &ps);
            ++self->paints;
            return 0;
        }
        return DefWindowProcA(w, m, wp, lp);
    }

    HBRUSH brush_;
    COLORREF background_;
    HWND window_ = nullptr;
    qv::GraphicHost host_;
};

} // namespace qvtest
