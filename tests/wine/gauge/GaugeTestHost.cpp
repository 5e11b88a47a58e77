#include "GaugeTestHost.h"
#include "main/InformationGauges.h"

GaugeTestHost::GaugeTestHost() {
    static const char* kClass = "QvGaugeTestHost";
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc); // fails harmlessly when already registered
    window_ = CreateWindowExA(0, kClass, "gauge", WS_POPUP | WS_VISIBLE, 10, 10, 540, 160, nullptr,
                              nullptr, wc.hInstance, this);
    host_.SetWindow(window_);
    UpdateWindow(window_);
}

GaugeTestHost::~GaugeTestHost() {
    host_.SetWindow(nullptr);
    DestroyWindow(window_);
}

LRESULT CALLBACK GaugeTestHost::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<GaugeTestHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_PAINT && self) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        int saved = SaveDC(dc);
        self->host_.ExcludeOpaqueControls(dc);
        FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        RestoreDC(dc, saved);
        self->host_.PaintControls(dc, ps.rcPaint);
        EndPaint(window, &ps);
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;
    return DefWindowProcA(window, message, wParam, lParam);
}

void ConfigureLikeGauge1(qv::TQvProgress& gauge) {
    LayOutInformationGauge(gauge, 39, "Memory");
}

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
