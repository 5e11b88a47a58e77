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
