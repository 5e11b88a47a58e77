#include "framework/Frame3D.h"

namespace qv {

namespace {
void FillLine(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    RECT r{left, top, right, bottom};
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}
} // namespace

RECT Frame3D(HDC dc, RECT r, COLORREF topLeft, COLORREF bottomRight) {
    if (r.right <= r.left || r.bottom <= r.top)
        return r;
    COLORREF saved = GetBkColor(dc);
    FillLine(dc, r.left, r.top, r.right - 1, r.top + 1, topLeft);           // top row
    FillLine(dc, r.left, r.top, r.left + 1, r.bottom, topLeft);             // left column
    FillLine(dc, r.right - 1, r.top, r.right, r.bottom, bottomRight);       // right column
    FillLine(dc, r.left + 1, r.bottom - 1, r.right, r.bottom, bottomRight); // bottom row
    SetBkColor(dc, saved);
    return RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

} // namespace qv
