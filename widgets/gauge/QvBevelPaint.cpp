#include "widgets/gauge/QvBevelPaint.h"
#include "widgets/gauge/GaugeColors.h"

namespace qv {
namespace {

using gauge::ColorToRGB;

void Polyline(HDC dc, COLORREF color, std::initializer_list<POINT> points) {
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, SolidColor(dc, color)));
    Selection keep(dc, pen.Get());
    auto p = points.begin();
    MoveToEx(dc, p->x, p->y, nullptr);
    for (++p; p != points.end(); ++p)
        LineTo(dc, p->x, p->y); // the final point is not drawn
}

// One one-pixel ring: topLeft colour up the left column (bottom-left pixel included) and along
// the top row; bottomRight colour down the right column (top-right pixel included) and along
// the bottom row. Returns the rectangle inside the ring.
RECT Ring(HDC dc, RECT r, TColor topLeft, TColor bottomRight) {
    const LONG right = r.right - 1, bottom = r.bottom - 1;
    Polyline(dc, ColorToRGB(topLeft), {{r.left, bottom}, {r.left, r.top}, {right, r.top}});
    Polyline(dc, ColorToRGB(bottomRight), {{right, r.top}, {right, bottom}, {r.left, bottom}});
    return RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

RECT Rings(HDC dc, RECT r, int count, TColor topLeft, TColor bottomRight) {
    for (int i = 0; i < count; ++i)
        r = Ring(dc, r, topLeft, bottomRight);
    return r;
}

// One of the bevel styles, width pixels wide (plus one line for the framed styles).
RECT DrawStyle(HDC dc, const TQvBevel& b, TQvBevelStyle style, int width, RECT r) {
    const TColor light = b.LightColor(), shadow = b.ShadowColor();
    switch (style) {
    case bvNone:
        return r;
    case bvLowered:
        return Rings(dc, r, width, shadow, light);
    case bvRaised:
        return Rings(dc, r, width, light, shadow);
    case bvFrameLowered:
        return Ring(dc, Rings(dc, r, width, shadow, light), light, shadow);
    case bvFrameRaised:
        return Ring(dc, Rings(dc, r, width, light, shadow), shadow, light);
    case bvNormal:
        return Rings(dc, r, width, clWindowFrame, clWindowFrame);
    case bvShadow:
        // A drop shadow on the right and bottom; the top and left lines take the border colour.
        return Rings(dc, r, width, b.BorderColor(), shadow);
    }
    return r;
}

RECT SolidRings(HDC dc, RECT r, int count, TColor color) {
    return Rings(dc, r, count, color, color);
}

UINT EdgeFlags(TQvEdgeStyle style) {
    switch (style) {
    case etRaisedInner:
        return BDR_RAISEDINNER;
    case etRaisedOuter:
        return BDR_RAISEDOUTER;
    case etSunkenInner:
        return BDR_SUNKENINNER;
    case etSunkenOuter:
        return BDR_SUNKENOUTER;
    case etBump:
        return EDGE_BUMP;
    case etEtched:
        return EDGE_ETCHED;
    case etRaised:
        return EDGE_RAISED;
    case etSunken:
        return EDGE_SUNKEN;
    }
    return EDGE_ETCHED;
}

UINT SideFlags(TQvFrameSides sides) {
    return ((sides & fsLeft) ? BF_LEFT : 0) | ((sides & fsTop) ? BF_TOP : 0) |
           ((sides & fsRight) ? BF_RIGHT : 0) | ((sides & fsBottom) ? BF_BOTTOM : 0);
}

} // namespace

void DrawQvBorder(HDC dc, TQvBorderStyle style, RECT r) {
    UINT edge = 0;
    switch (style) {
    case lsNone:
        return;
    case lsSingle:
    case lsWindowBorder:
        SolidRings(dc, r, 1, clWindowFrame);
        return;
    case lsLowered:
    case lsSingleLowered:
        edge = BDR_SUNKENOUTER;
        break;
    case lsRaised:
    case lsSingleRaised:
        edge = BDR_RAISEDINNER;
        break;
    case lsFrameInset:
        edge = EDGE_ETCHED;
        break;
    case lsFrameOffset:
        edge = EDGE_BUMP;
        break;
    case lsRaisedspb:
    case lsRaisedExt:
    case lsDoubleRaised:
        edge = EDGE_RAISED;
        break;
    case lsLoweredspb:
    case lsLoweredExt:
    case lsDoubleLowered:
        edge = EDGE_SUNKEN;
        break;
    }
    DrawEdge(dc, &r, edge, BF_RECT);
}

RECT DrawQvBevel(HDC dc, const TQvBevel& b, RECT r) {
    if (b.Extent() == 0)
        return r;
    switch (b.Mode()) {
    case bmCustom:
        r = DrawStyle(dc, b, b.StyleOuter(), b.WidthOuter(), r);
        r = SolidRings(dc, r, b.BorderWidth(), b.BorderColor());
        r = DrawStyle(dc, b, b.StyleInner(), b.WidthInner(), r);
        return SolidRings(dc, r, b.BorderInnerWidth(), b.BorderColor());
    case bmStandard:
        DrawQvBorder(dc, b.StandardStyle(), r);
        InflateRect(&r, -BorderStyleWidth(b.StandardStyle()), -BorderStyleWidth(b.StandardStyle()));
        return SolidRings(dc, r, b.BorderWidth(), b.BorderColor());
    case bmEdge:
        DrawEdge(dc, &r, EdgeFlags(b.EdgeStyle()), SideFlags(b.BorderSides()) | BF_ADJUST);
        return SolidRings(dc, r, b.BorderWidth(), b.BorderColor());
    }
    return r;
}

} // namespace qv
