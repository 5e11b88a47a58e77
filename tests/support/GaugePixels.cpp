#include "support/GaugePixels.h"

namespace qvtest {

namespace {
Pixels FromBits(const void* bits, int width, int height) {
    Pixels p;
    p.width = width;
    p.height = height;
    const auto* row = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        DWORD v = row[i]; // 0x00RRGGBB in a 32-bit DIB
        p.data.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    }
    return p;
}

HBITMAP TopDownDib(HDC dc, int width, int height, void** bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(dc, &bi, DIB_RGB_COLORS, bits, nullptr, 0);
}
} // namespace

Pixels Render(qv::TQvProgress& gauge) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = TopDownDib(screen, gauge.Width(), gauge.Height(), &bits);
    HGDIOBJ old = SelectObject(dc, bitmap);
    gauge.Paint(dc);
    GdiFlush();
    Pixels p = FromBits(bits, gauge.Width(), gauge.Height());
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return p;
}

Pixels ReadWindow(HWND window, const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC windowDc = GetDC(window);
    HDC dc = CreateCompatibleDC(windowDc);
    void* bits = nullptr;
    HBITMAP bitmap = TopDownDib(windowDc, width, height, &bits);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, width, height, windowDc, area.left, area.top, SRCCOPY);
    GdiFlush();
    Pixels p = FromBits(bits, width, height);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(window, windowDc);
    return p;
}

int CountColour(const Pixels& p, const RECT& area, COLORREF colour) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += p.at(x, y) == colour;
    return n;
}

} // namespace qvtest
