#include "support/HostWindow.h"

namespace qvtest {

namespace {
constexpr const char* kClassName = "QvTestHostWindow";
} // namespace

HostWindow::HostWindow(int left, int top, int width, int height)
    : HostWindow(left, top, width, height, GetSysColor(COLOR_BTNFACE)) {}

HostWindow::HostWindow(int left, int top, int width, int height, COLORREF background)
    : brush_(CreateSolidBrush(background)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc); // fails harmlessly when already registered
    RECT r{left, top, left + width, top + height};
    AdjustWindowRectEx(&r, WS_POPUP, FALSE, WS_EX_TOPMOST);
    window_ =
        CreateWindowExA(WS_EX_TOPMOST, kClassName, "", WS_POPUP, r.left, r.top, r.right - r.left,
                        r.bottom - r.top, nullptr, nullptr, wc.hInstance, this);
    host_.SetWindow(window_);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
}

HostWindow::~HostWindow() {
    DestroyWindow(window_);
    host_.SetWindow(nullptr); // controls that outlive the window no longer draw on it
    DeleteObject(brush_);
}

void HostWindow::Repaint() {
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
    // A control that changed its opacity asks for one more paint.
    UpdateWindow(window_);
}

COLORREF HostWindow::Pixel(int x, int y) const {
    HDC dc = GetDC(window_);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window_, dc);
    return c;
}

LRESULT CALLBACK HostWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          LONG_PTR(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || self->window_ != window)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the paint message draws the background
    case WM_PAINT:
        self->Paint();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void HostWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    int saved = SaveDC(dc);
    host_.ExcludeOpaqueControls(dc);
    FillRect(dc, &ps.rcPaint, brush_);
    RestoreDC(dc, saved);
    host_.PaintControls(dc, ps.rcPaint);
    EndPaint(window_, &ps);
}

} // namespace qvtest
