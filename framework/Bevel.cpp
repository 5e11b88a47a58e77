#include "framework/Bevel.h"
#include "framework/Frame3D.h"
#include <utility>

namespace qv {

void Bevel::SetShape(Shape shape) {
    shape_ = shape;
    Invalidate();
}

void Bevel::SetStyle(Style style) {
    style_ = style;
    Invalidate();
}

void Bevel::Paint(HDC dc) {
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    if (style_ == Style::Raised)
        std::swap(shadow, light);
    RECT r = ClientRect();
    if (shape_ == Shape::Box) {
        Frame3D(dc, r, shadow, light);
        return;
    }
    // Etched: the light frame offset by one pixel, the shadow frame over it.
    Frame3D(dc, RECT{r.left + 1, r.top + 1, r.right, r.bottom}, light, light);
    Frame3D(dc, RECT{r.left, r.top, r.right - 1, r.bottom - 1}, shadow, shadow);
}

} // namespace qv
