// The meter's drawing into the off-screen canvas: the bar styles and the two-colour caption.
#include "widgets/gauge/GaugeColors.h"
#include "widgets/gauge/QvBevelPaint.h"
#include "widgets/gauge/QvProgress.h"
#include "framework/core/ExtendedMath.h"

namespace qv {

using gauge::ColorToRGB;
using gauge::FillSolid;

void TQvProgress::DrawBar(HDC canvas, const RECT& filled, const RECT& full, const RECT& empty) {
    switch (style_) {
    case pgBar:
        if (!IsRectEmpty(&filled))
            FillSolid(canvas, filled, barColor_);
        if (Position() > 0)
            DrawQvBorder(canvas, bar3D_, filled);
        DrawMeterText(canvas, filled, barColor_, full, empty);
        break;
    case pgSmallBar:
    case pgSmallBarColor: {
        RECT segmentsFilled{0, 0, 0, 0};
        DrawSmallBars(canvas, full, segmentsFilled);
        RECT rest = full;
        if (!IsRectEmpty(&segmentsFilled) && !SubtractRect(&rest, &full, &segmentsFilled))
            SetRectEmpty(&rest);
        DrawMeterText(canvas, segmentsFilled, smallBar_.BarColor(), full, rest);
        break;
    }
    case pgOwnerDraw:
        if (onPaint_)
            onPaint_(*this, canvas, filled, full, empty);
        break;
    }
}

// BarCount equal segments with the spacing between and around them; the first
// round(Position x BarCount / 100) are filled. filledOut covers the filled segments.
void TQvProgress::DrawSmallBars(HDC canvas, const RECT& full, RECT& filledOut) {
    const bool vertical = direction_ == mdVertical || direction_ == mdVerticalReverse;
    const bool reverse = direction_ == mdHorizontalReverse || direction_ == mdVerticalReverse;
    const int count = smallBar_.BarCount();
    const int along = vertical ? smallBar_.VSpace() : smallBar_.HSpace();
    const int across = vertical ? smallBar_.HSpace() : smallBar_.VSpace();
    const int length = vertical ? full.bottom : full.right;
    const int thickness = vertical ? full.right : full.bottom;
    const int segment = (length - along * (count + 1)) / count;
    if (segment < 1)
        return;
    const int lit =
        static_cast<int>(RoundTiesToEven(static_cast<long double>(Position()) * count / 100));
    for (int i = 0; i < lit; ++i) {
        int start = along + i * (segment + along);
        if (reverse)
            start = length - start - segment;
        RECT r = vertical ? RECT{across, start, thickness - across, start + segment}
                          : RECT{start, across, start + segment, thickness - across};
        TColor color = smallBar_.BarColor();
        if (style_ == pgSmallBarColor && onGetColor_)
            onGetColor_(*this, i, color);
        FillSolid(canvas, r, color);
        UnionRect(&filledOut, &filledOut, &r);
    }
    // The text split covers the whole thickness of the filled run.
    if (!IsRectEmpty(&filledOut)) {
        if (vertical) {
            filledOut.left = 0;
            filledOut.right = thickness;
        } else {
            filledOut.top = 0;
            filledOut.bottom = thickness;
        }
    }
}

void TQvProgress::DrawMeterText(HDC canvas, const RECT& filled, TColor barColor, const RECT& full,
                                const RECT& empty) {
    if (optionsText_ == toNoText)
        return;
    std::string text = optionsText_ == toPercent ? std::to_string(Position()) + "%" : caption_;
    if (text.size() > 255)
        text.resize(255);
    if (text.empty())
        return;
    Selection font(canvas, TextFont());
    SetBkMode(canvas, TRANSPARENT);
    const UINT align = alignment_ == taLeftJustify    ? DT_LEFT
                       : alignment_ == taRightJustify ? DT_RIGHT
                                                      : DT_CENTER;
    const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align;
    const bool gray = !Enabled() && font3D_.DisabledStyle() != dsNone;
    if (useFontColor_) {
        DrawTextPass(canvas, text, flags, full, nullptr, gray ? clGrayText : fontColor_);
        return;
    }
    DrawTextPass(canvas, text, flags, full, &filled, gray ? clGrayText : color_);
    DrawTextPass(canvas, text, flags, full, &empty, gray ? clGrayText : barColor);
}

namespace {

void TextAt(HDC canvas, const std::string& text, UINT flags, RECT r, int dx, int dy, TColor color) {
    OffsetRect(&r, dx, dy);
    SetTextColor(canvas, SolidColor(canvas, ColorToRGB(color)));
    DrawTextA(canvas, text.c_str(), static_cast<int>(text.size()), &r, flags);
}

} // namespace

// One pass of the caption in one colour, clipped to a part of the meter. The 3-D styles put
// offset copies in the light and shadow colours under the text.
void TQvProgress::DrawTextPass(HDC canvas, const std::string& text, UINT flags, const RECT& full,
                               const RECT* clip, TColor color) {
    GdiObject<HRGN> region(clip ? CreateRectRgnIndirect(clip) : nullptr);
    if (clip)
        SelectClipRgn(canvas, region.Get());
    const TQv3DCaption& f = font3D_;
    const int light = f.LightDepth(), shadow = f.ShadowDepth();
    const TColor lightColor =
        (f.Style() == tdPColorSunken || f.Style() == tdPColorRaised) ? color_ : f.LightColor();
    switch (f.Style()) {
    case tdNone:
        break;
    case tdSunken:
    case tdSunkenShadow:
    case tdPColorSunken:
        TextAt(canvas, text, flags, full, -shadow, -shadow, f.ShadowColor());
        TextAt(canvas, text, flags, full, light, light, lightColor);
        break;
    case tdRaised:
    case tdRaisedShadow:
    case tdPColorRaised:
        TextAt(canvas, text, flags, full, -light, -light, lightColor);
        TextAt(canvas, text, flags, full, shadow, shadow, f.ShadowColor());
        break;
    case tdShadow:
        TextAt(canvas, text, flags, full, shadow, shadow, f.ShadowColor());
        break;
    }
    TextAt(canvas, text, flags, full, 0, 0, color);
    if (clip)
        SelectClipRgn(canvas, nullptr);
}

} // namespace qv
