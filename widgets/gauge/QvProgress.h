#pragma once
#include "framework/GraphicControl.h"
#include "widgets/gauge/core/GaugeModel.h"
#include "widgets/gauge/core/QvObjects.h"
#include <functional>
#include <string>
#include <windows.h>

namespace qv {

class TQvProgress;

// pgOwnerDraw: draws the bar into the off-screen canvas.
using TQvProgressPaintEvent = std::function<void(
    TQvProgress& sender, HDC canvas, const RECT& filled, const RECT& full, const RECT& empty)>;
// pgSmallBarColor: the colour of one segment (index from 0).
using TQvGetColorEvent = std::function<void(TQvProgress& sender, int index, TColor& color)>;

// A window-less bar gauge drawn on its host window: a value within a range shown as a bar with
// a caption written across it in two colours (the background colour over the filled part, the
// bar colour over the empty track). Changes repaint at once, composed off-screen and copied in
// one transfer; a value change redraws the bar only when the shown percentage moves.
class TQvProgress : public GraphicControl {
public:
    explicit TQvProgress(GraphicHost& host);
    ~TQvProgress() override;

    // Value model.
    std::int32_t MaxValue() const { return model_.MaxValue(); }
    std::int32_t MinValue() const { return model_.MinValue(); }
    std::int32_t UserValue() const { return model_.UserValue(); }
    TQvPercent Position() const { return model_.Position(); }
    TQvPercent Step() const { return step_; }
    void SetMaxValue(std::int32_t value);
    void SetMinValue(std::int32_t value);
    void SetUserValue(std::int32_t value);
    void SetPosition(int percent);
    void SetStep(TQvPercent step) { step_ = step > 100 ? 100 : step; }

    // Appearance.
    TQvProgressStyle Style() const { return style_; }
    TColor BarColor() const { return barColor_; }
    TQvBorderStyle Bar3D() const { return bar3D_; }
    TAlignment Alignment() const { return alignment_; }
    TQvMeterDirection Direction() const { return direction_; }
    TQvMeterTextOptions OptionsText() const { return optionsText_; }
    bool UseFontColor() const { return useFontColor_; }
    const std::string& Caption() const { return caption_; }
    TColor Color() const { return color_; }
    TColor FontColor() const { return fontColor_; }
    void SetStyle(TQvProgressStyle style);
    void SetBarColor(TColor color);
    void SetBar3D(TQvBorderStyle style);
    void SetAlignment(TAlignment alignment);
    void SetDirection(TQvMeterDirection direction);
    void SetOptionsText(TQvMeterTextOptions options);
    void SetUseFontColor(bool use);
    void SetCaption(const std::string& caption);
    void SetColor(TColor color);
    void SetFontColor(TColor color);
    // The text font; without one the gauge uses "MS Sans Serif", height -11. Not owned.
    void SetFont(HFONT font);

    TQvBevel& Bevel() { return bevel_; }
    TQvSmallBar& SmallBar() { return smallBar_; }
    TQv3DCaption& Font3D() { return font3D_; }
    void SetBevel(const TQvBevel& bevel) { bevel_.Assign(bevel); }
    void SetSmallBar(const TQvSmallBar& smallBar) { smallBar_.Assign(smallBar); }
    void SetFont3D(const TQv3DCaption& font3D) { font3D_.Assign(font3D); }

    void SetOnPaint(TQvProgressPaintEvent handler) { onPaint_ = std::move(handler); }
    void SetOnGetColor(TQvGetColorEvent handler) { onGetColor_ = std::move(handler); }

    // Whether property changes only invalidate (true) or repaint at once (false, the default).
    bool DeferRedraw() const { return deferRedraw_; }
    void SetDeferRedraw(bool defer) { deferRedraw_ = defer; }

    // While the layout loads the properties nothing is drawn; the end invalidates once.
    void BeginLoading() { loading_ = true; }
    void EndLoading();

    // Area inside the bevel, in control coordinates, as the last full paint set it.
    RECT MeterRect() const { return meterRect_; }
    std::uint8_t RedrawThreshold() const { return model_.RedrawThreshold(); }
    // Bar updates that drew and full paints, counted for tests and benchmarks.
    unsigned BarUpdateCount() const { return barUpdates_; }
    unsigned PaintCount() const { return paints_; }

    // Repaints the whole control now (or invalidates it while DeferRedraw is set).
    void Redraw();
    // Redraws the meter area now, through a device context of the host window.
    void UpdateBar();
    void Paint(HDC dc) override;

protected:
    void SubObjectChanged(TQvObject& sender);
    bool AdjustBarSize();
    void DrawBar(HDC canvas, const RECT& filled, const RECT& full, const RECT& empty);

private:
    void Apply(GaugeEffect effect);
    void UpdateBar(HDC dc);
    void DrawSmallBars(HDC canvas, const RECT& full, RECT& filledOut);
    void DrawMeterText(HDC canvas, const RECT& filled, TColor barColor, const RECT& full,
                       const RECT& empty);
    void DrawTextPass(HDC canvas, const std::string& text, UINT flags, const RECT& full,
                      const RECT* clip, TColor color);
    HFONT TextFont();
    void ThresholdFromStyle();

    GaugeModel model_;
    TQvPercent step_ = 10;
    bool deferRedraw_ = false;
    bool updatingBar_ = false;
    bool autoSizing_ = false;
    bool loading_ = false;
    TQvBevel bevel_;
    TQv3DCaption font3D_;
    TQvSmallBar smallBar_;
    TAlignment alignment_ = taCenter;
    TQvMeterDirection direction_ = mdHorizontal;
    TQvMeterTextOptions optionsText_ = toNoText;
    bool useFontColor_ = false;
    TColor barColor_ = clNavy;
    TQvBorderStyle bar3D_ = lsNone;
    TQvProgressStyle style_ = pgSmallBar;
    std::string caption_;
    TColor color_ = clBtnFace;
    TColor fontColor_ = clWindowText;
    HFONT font_ = nullptr;
    RECT meterRect_{0, 0, 0, 0};
    TQvProgressPaintEvent onPaint_;
    TQvGetColorEvent onGetColor_;
    unsigned barUpdates_ = 0;
    unsigned paints_ = 0;
};

} // namespace qv
