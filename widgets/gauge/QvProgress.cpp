#include "widgets/gauge/QvProgress.h"
#include "framework/Fonts.h"
#include "widgets/gauge/GaugeColors.h"
#include "widgets/gauge/QvBevelPaint.h"

namespace qv {

using gauge::FillSolid;

namespace {

RECT ToRect(const GaugeRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// Clears a flag when the scope ends, whichever way.
struct FlagReset {
    bool& flag;
    ~FlagReset() { flag = false; }
};

} // namespace

TQvProgress::TQvProgress(GraphicHost& host) : GraphicControl(host) {
    SetBounds(0, 0, 80, 20);
    SetOpaque(true);
    bevel_.BeginUpdate();
    bevel_.SetStyleOuter(bvLowered);
    bevel_.EndUpdate(false);
    for (TQvObject* owned : {static_cast<TQvObject*>(&bevel_), static_cast<TQvObject*>(&smallBar_),
                             static_cast<TQvObject*>(&font3D_)})
        owned->SetOnChange([this](TQvObject& sender) { SubObjectChanged(sender); });
}

TQvProgress::~TQvProgress() {
    bevel_.SetOnChange(nullptr);
    smallBar_.SetOnChange(nullptr);
    font3D_.SetOnChange(nullptr);
}

void TQvProgress::Apply(GaugeEffect effect) {
    if (effect == GaugeEffect::Redraw)
        Redraw();
    else if (effect == GaugeEffect::UpdateBar)
        UpdateBar();
}

void TQvProgress::SetMaxValue(std::int32_t value) {
    Apply(model_.SetMaxValue(value));
}

void TQvProgress::SetMinValue(std::int32_t value) {
    Apply(model_.SetMinValue(value));
}

void TQvProgress::SetUserValue(std::int32_t value) {
    Apply(model_.SetUserValue(value));
}

void TQvProgress::SetPosition(int percent) {
    Apply(model_.SetPosition(percent));
}

void TQvProgress::ThresholdFromStyle() {
    model_.UpdateRedrawThreshold(style_, optionsText_, smallBar_.BarCount());
}

void TQvProgress::SetStyle(TQvProgressStyle style) {
    if (style == style_)
        return;
    style_ = style;
    ThresholdFromStyle();
    Redraw();
}

void TQvProgress::SetBarColor(TColor color) {
    if (color == barColor_)
        return;
    barColor_ = color;
    if (style_ == pgBar)
        Redraw();
}

void TQvProgress::SetBar3D(TQvBorderStyle style) {
    if (style == bar3D_)
        return;
    bar3D_ = style;
    if (style_ == pgBar)
        Redraw();
}

namespace {
template <class T>
bool Store(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}
} // namespace

void TQvProgress::SetAlignment(TAlignment alignment) {
    if (Store(alignment_, alignment))
        Redraw();
}

void TQvProgress::SetDirection(TQvMeterDirection direction) {
    if (Store(direction_, direction))
        Redraw();
}

void TQvProgress::SetOptionsText(TQvMeterTextOptions options) {
    if (Store(optionsText_, options))
        Redraw();
}

void TQvProgress::SetUseFontColor(bool use) {
    if (Store(useFontColor_, use))
        Redraw();
}

void TQvProgress::SetCaption(const std::string& caption) {
    if (Store(caption_, caption))
        Redraw();
}

void TQvProgress::SetColor(TColor color) {
    if (Store(color_, color))
        Redraw();
}

void TQvProgress::SetFontColor(TColor color) {
    if (Store(fontColor_, color))
        Redraw();
}

void TQvProgress::SetFont(HFONT font) {
    if (Store(font_, font))
        Redraw();
}

HFONT TQvProgress::TextFont() {
    return font_ ? font_ : GetFont(kMsSansSerif11);
}

void TQvProgress::EndLoading() {
    loading_ = false;
    Invalidate();
}

void TQvProgress::SubObjectChanged(TQvObject& sender) {
    if (&sender == &smallBar_)
        ThresholdFromStyle();
    Redraw();
}

void TQvProgress::Redraw() {
    if (deferRedraw_)
        Invalidate();
    else
        PaintNow();
}

bool TQvProgress::AdjustBarSize() {
    if ((style_ != pgSmallBar && style_ != pgSmallBarColor) || !smallBar_.Autosize() || autoSizing_)
        return false;
    autoSizing_ = true;
    const bool vertical = direction_ == mdVertical || direction_ == mdVerticalReverse;
    const int count = smallBar_.BarCount();
    const int frame = 2 * bevel_.Extent();
    const int space = vertical ? smallBar_.VSpace() : smallBar_.HSpace();
    const int current = vertical ? Height() : Width();
    const int segment = (current - frame - space * (count + 1)) / count;
    if (segment < 1)
        return false;
    const int wanted = segment * count + space * (count + 1) + frame;
    if (wanted == current)
        return false;
    if (vertical)
        SetBounds(Left(), Top(), Width(), wanted);
    else
        SetBounds(Left(), Top(), wanted, Height());
    return true;
}

void TQvProgress::Paint(HDC dc) {
    if (loading_)
        return;
    FlagReset endOfPaint{autoSizing_};
    if (AdjustBarSize())
        return;
    ++paints_;
    model_.ForgetLastPosition();
    // The whole gauge is composed off-screen too and copied at once: the caption changes every
    // second, and a background fill straight on the screen would flash under the bar.
    const RECT client = ClientRect();
    MemorySurface canvas = MemorySurface::Compatible(dc, client.right, client.bottom);
    HDC target = canvas ? canvas.Dc() : dc;
    FillSolid(target, client, color_);
    meterRect_ = DrawQvBevel(target, bevel_, client);
    UpdateBar(target);
    if (canvas)
        BitBlt(dc, 0, 0, client.right, client.bottom, canvas.Dc(), 0, 0, SRCCOPY);
}

void TQvProgress::UpdateBar() {
    HWND host = HostWindow();
    if (!host || !Showing() || !IsWindowVisible(host))
        return;
    WindowDC window(host);
    HDC dc = window.Get();
    if (!dc)
        return;
    const int saved = SaveDC(dc);
    const RECT b = Bounds();
    IntersectClipRect(dc, b.left, b.top, b.right, b.bottom);
    OffsetViewportOrgEx(dc, b.left, b.top, nullptr);
    UpdateBar(dc);
    RestoreDC(dc, saved);
}

void TQvProgress::UpdateBar(HDC dc) {
    if (updatingBar_ || loading_ || !model_.BarNeedsDrawing())
        return;
    const int width = meterRect_.right - meterRect_.left;
    const int height = meterRect_.bottom - meterRect_.top;
    if (width <= 0 || height <= 0)
        return; // no full paint yet: it will draw the bar
    updatingBar_ = true;
    struct Finish {
        TQvProgress& p;
        ~Finish() {
            p.updatingBar_ = false;
            p.model_.BarDrawn();
        }
    } finish{*this};

    MemorySurface canvas = MemorySurface::Compatible(dc, width, height);
    if (!canvas)
        return;
    const RECT full{0, 0, width, height};
    FillSolid(canvas.Dc(), full, color_);
    const BarRects parts = ComputeBarRects(direction_, Position(), width, height);
    DrawBar(canvas.Dc(), ToRect(parts.filled), full, ToRect(parts.empty));
    BitBlt(dc, meterRect_.left, meterRect_.top, width, height, canvas.Dc(), 0, 0, SRCCOPY);
    ++barUpdates_;
}

} // namespace qv
