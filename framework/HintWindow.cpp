#include "framework/HintWindow.h"
#include "framework/Gdi.h"
#include "framework/Fonts.h"
#include "framework/Scaling.h"
#include <algorithm>
#include <vector>

namespace qv {

namespace {

// Space between the frame and the text, at 96 pixels per inch.
constexpr int kPadX = 2;
constexpr int kPadY = 1;

// The frame and the space inside it, on each side.
int BorderX() {
    return ScaleToScreen(kPadX) + 1;
}
int BorderY() {
    return ScaleToScreen(kPadY) + 1;
}

constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;

// Rows from the cursor's hot spot down to the last row the cursor draws: a cursor image is
// mostly transparent, so its nominal size would put the hint far below the arrow.
int CursorDepthBelowHotSpot() {
    HCURSOR cursor = GetCursor();
    if (!cursor)
        cursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    ICONINFO info{};
    if (!cursor || !GetIconInfo(cursor, &info))
        return GetSystemMetrics(SM_CYCURSOR);
    const BitmapHandle mask(info.hbmMask), color(info.hbmColor); // the copies are ours
    BITMAP bm{};
    GetObjectA(info.hbmMask, sizeof bm, &bm);
    const bool monochrome = info.hbmColor == nullptr; // AND mask over XOR mask, double height
    const int height = monochrome ? bm.bmHeight / 2 : bm.bmHeight;
    const int width = bm.bmWidth;
    const int stride = ((width + 31) / 32) * 4;
    std::vector<BYTE> bits(static_cast<std::size_t>(stride) * std::max<LONG>(bm.bmHeight, 0));
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } format{};
    format.header.biSize = sizeof(BITMAPINFOHEADER);
    format.header.biWidth = width;
    format.header.biHeight = bm.bmHeight; // bottom-up: row y is stored at bmHeight - 1 - y
    format.header.biPlanes = 1;
    format.header.biBitCount = 1;
    format.header.biCompression = BI_RGB;
    int last = -1;
    WindowDC screen;
    if (bm.bmHeight > 0 && GetDIBits(screen.Get(), info.hbmMask, 0, bm.bmHeight, bits.data(),
                                     reinterpret_cast<BITMAPINFO*>(&format), DIB_RGB_COLORS) > 0) {
        auto bit = [&](int row, int x) {
            const BYTE* line =
                bits.data() + static_cast<std::size_t>(bm.bmHeight - 1 - row) * stride;
            return (line[x / 8] >> (7 - x % 8)) & 1;
        };
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                // Drawn where the AND mask is clear or the XOR mask inverts.
                if (!bit(y, x) || (monochrome && bit(y + height, x))) {
                    last = y;
                    break;
                }
            }
        }
    }
    const int bottom = last >= 0 ? last + 1 : height;
    return std::max(bottom - static_cast<int>(info.yHotspot), 0);
}

} // namespace

HintWindow::HintWindow() {
    CreateOwnWindow("QvHintWindow", WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP, "",
                    RECT{0, 0, 0, 0}, nullptr, nullptr, CS_SAVEBITS);
}

SIZE HintWindow::CalcHintSize(const std::string& text, int maxWidth) const {
    WindowDC dc(Handle());
    Selection font(dc.Get(), GetFont(kMsSansSerif11));
    RECT r{0, 0, std::max(maxWidth - 2 * BorderX(), 1), 0};
    DrawTextA(dc.Get(), text.c_str(), -1, &r, kTextFormat | DT_CALCRECT);
    return SIZE{r.right + 2 * BorderX(), r.bottom + 2 * BorderY()};
}

void HintWindow::ActivateHint(const RECT& bounds, const std::string& text) {
    SetText(text);
    SetWindowPos(Handle(), HWND_TOPMOST, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void HintWindow::ReleaseHint() {
    if (IsWindowVisible(Handle()))
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void HintWindow::StartTimer(UINT_PTR id, unsigned milliseconds) {
    SetTimer(Handle(), id, std::max(milliseconds, 1u), nullptr);
}

void HintWindow::StopTimer(UINT_PTR id) {
    KillTimer(Handle(), id);
}

void HintWindow::Paint(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Selection font(dc, GetFont(kMsSansSerif11));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    InflateRect(&r, -BorderX(), -BorderY());
    const std::string text = Text();
    DrawTextA(dc, text.c_str(), -1, &r, kTextFormat);
}

bool HintWindow::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT: {
        PaintDC paint(Handle());
        Paint(paint.Get());
        result = 0;
        return true;
    }
    case WM_MOUSEACTIVATE:
        result = MA_NOACTIVATE;
        return true;
    case WM_NCHITTEST:
        result = HTTRANSPARENT;
        return true;
    case WM_TIMER:
        if (OnTimer)
            OnTimer(wParam);
        result = 0;
        return true;
    case WM_ACTIVATEAPP:
        if (!wParam && OnDeactivateApp)
            OnDeactivateApp();
        result = 0;
        return true;
    default:
        return false;
    }
}

RECT HintBoundsAt(POINT pointer, SIZE size) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int x = pointer.x;
    int y = pointer.y + CursorDepthBelowHotSpot();
    if (x + size.cx > screenWidth)
        x = screenWidth - size.cx;
    if (y + size.cy > screenHeight)
        y = pointer.y - size.cy; // no room below the pointer
    x = std::max(x, 0);
    y = std::max(y, 0);
    return RECT{x, y, x + size.cx, y + size.cy};
}

} // namespace qv
