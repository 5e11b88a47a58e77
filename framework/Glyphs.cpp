#include "framework/Glyphs.h"

namespace qv {

namespace {

// A pen selected into a device context for the lifetime of the object.
class ScopedPen {
public:
    ScopedPen(HDC dc, int width, COLORREF color)
        : dc_(dc), pen_(CreatePen(PS_SOLID, width, color)), old_(SelectObject(dc, pen_)) {}
    ~ScopedPen() {
        SelectObject(dc_, old_);
        DeleteObject(pen_);
    }
    ScopedPen(const ScopedPen&) = delete;
    ScopedPen& operator=(const ScopedPen&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

} // namespace

void DrawGlyph(HDC dc, BitButton::Glyph glyph, const RECT& r, bool enabled) {
    int x = r.left;
    int y = r.top;
    COLORREF grey = GetSysColor(COLOR_BTNSHADOW);
    switch (glyph) {
    case BitButton::Glyph::None:
        break;
    case BitButton::Glyph::Tick: {
        ScopedPen pen(dc, 2, enabled ? RGB(0, 128, 0) : grey);
        Line(dc, x + 2, y + 8, x + 6, y + 12);
        Line(dc, x + 6, y + 12, x + 14, y + 3);
        break;
    }
    case BitButton::Glyph::No: {
        ScopedPen pen(dc, 2, enabled ? RGB(192, 0, 0) : grey);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, x + 2, y + 2, x + 15, y + 15);
        SelectObject(dc, oldBrush);
        Line(dc, x + 4, y + 12, x + 12, y + 4);
        break;
    }
    case BitButton::Glyph::Cancel: {
        ScopedPen pen(dc, 2, enabled ? RGB(192, 0, 0) : grey);
        Line(dc, x + 3, y + 3, x + 13, y + 13);
        Line(dc, x + 13, y + 3, x + 3, y + 13);
        break;
    }
    }
}

} // namespace qv
