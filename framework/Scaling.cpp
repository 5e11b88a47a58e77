#include "framework/Scaling.h"
#include "framework/Gdi.h"
#include <algorithm>

namespace qv {

int ScreenPixelsPerInch() {
    static const int pixelsPerInch = [] {
        WindowDC screen;
        const int read = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
        return read > 0 ? read : kLayoutPixelsPerInch;
    }();
    return pixelsPerInch;
}

int ScaleToScreen(int layoutPixels) {
    return MulDiv(layoutPixels, ScreenPixelsPerInch(), kLayoutPixelsPerInch);
}

RECT ScaleToScreen(const RECT& layout) {
    const int left = ScaleToScreen(layout.left);
    const int top = ScaleToScreen(layout.top);
    return RECT{left, top, left + ScaleToScreen(layout.right - layout.left),
                top + ScaleToScreen(layout.bottom - layout.top)};
}

namespace {
RECT WorkArea() {
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}
} // namespace

POINT KeepCaptionInWorkArea(POINT topLeft) {
    const RECT work = WorkArea();
    return POINT{std::max<LONG>(topLeft.x, work.left), std::max<LONG>(topLeft.y, work.top)};
}

POINT KeepInWorkArea(POINT topLeft, SIZE size) {
    const RECT work = WorkArea();
    return KeepCaptionInWorkArea(POINT{std::min<LONG>(topLeft.x, work.right - size.cx),
                                       std::min<LONG>(topLeft.y, work.bottom - size.cy)});
}

} // namespace qv
