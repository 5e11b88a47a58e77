#pragma once
#include "widgets/gauge/core/GaugeTypes.h"
#include <cstdint>
#include <functional>

namespace qv {

// Colours as the layouts give them: an RGB value (0x00BBGGRR), or a system colour index with
// the top bit set.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowFrame = 0x80000006;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clBtnShadow = 0x80000010;
constexpr TColor clGrayText = 0x80000011;
constexpr TColor clBtnHighlight = 0x80000014;

// Sides of a frame (a set).
enum TQvFrameSide : std::uint8_t { fsBottom = 1, fsLeft = 2, fsRight = 4, fsTop = 8 };
using TQvFrameSides = std::uint8_t;
constexpr TQvFrameSides kAllFrameSides = fsBottom | fsLeft | fsRight | fsTop;

// Settings object owned by a control: each setter that changes a value raises the change notice,
// which reaches the owner unless the update lock is held.
class TQvObject {
public:
    TQvObject() = default;
    TQvObject(const TQvObject&) = delete;
    TQvObject& operator=(const TQvObject&) = delete;
    virtual ~TQvObject() = default;

    void SetOnChange(std::function<void(TQvObject&)> handler) { onChange_ = std::move(handler); }
    void BeginUpdate() { ++lock_; }
    // Releases the lock; raises one notice when asked to.
    void EndUpdate(bool notify);

protected:
    virtual void Recompute() {}
    void Changed();
    template <class T>
    void Set(T& field, T value) {
        if (field == value)
            return;
        field = value;
        Recompute();
        Changed();
    }

private:
    std::function<void(TQvObject&)> onChange_;
    int lock_ = 0;
};

// The frame drawn inside a control's edge. Extent is the frame's total width in pixels.
class TQvBevel : public TQvObject {
public:
    TQvBevel() { Recompute(); }
    void Assign(const TQvBevel& other);

    TQvBevelStyle StyleInner() const { return styleInner_; }
    TQvBevelStyle StyleOuter() const { return styleOuter_; }
    int WidthInner() const { return widthInner_; }
    int WidthOuter() const { return widthOuter_; }
    TColor BorderColor() const { return borderColor_; }
    int BorderInnerWidth() const { return borderInnerWidth_; }
    int BorderWidth() const { return borderWidth_; }
    TQvFrameSides BorderSides() const { return borderSides_; }
    TQvEdgeStyle EdgeStyle() const { return edgeStyle_; }
    TColor LightColor() const { return lightColor_; }
    TQvBevelMode Mode() const { return mode_; }
    TColor ShadowColor() const { return shadowColor_; }
    TQvBorderStyle StandardStyle() const { return standardStyle_; }
    int Extent() const { return extent_; }

    void SetStyleInner(TQvBevelStyle v) { Set(styleInner_, v); }
    void SetStyleOuter(TQvBevelStyle v) { Set(styleOuter_, v); }
    void SetWidthInner(int v) { Set(widthInner_, Clamp(v, 50)); } // TQvBevelWidth 0..50
    void SetWidthOuter(int v) { Set(widthOuter_, Clamp(v, 50)); }
    void SetBorderColor(TColor v) { Set(borderColor_, v); }
    void SetBorderInnerWidth(int v) { Set(borderInnerWidth_, Clamp(v, 255)); } // 0..255
    void SetBorderWidth(int v) { Set(borderWidth_, Clamp(v, 255)); }
    void SetBorderSides(TQvFrameSides v) { Set(borderSides_, v); }
    void SetEdgeStyle(TQvEdgeStyle v) { Set(edgeStyle_, v); }
    void SetLightColor(TColor v) { Set(lightColor_, v); }
    void SetMode(TQvBevelMode v) { Set(mode_, v); }
    void SetShadowColor(TColor v) { Set(shadowColor_, v); }
    void SetStandardStyle(TQvBorderStyle v) { Set(standardStyle_, v); }

private:
    static int Clamp(int v, int max) { return v < 0 ? 0 : v > max ? max : v; }
    void Recompute() override;

    TQvBevelStyle styleInner_ = bvNone;
    TQvBevelStyle styleOuter_ = bvNone;
    int widthInner_ = 1;
    int widthOuter_ = 1;
    TColor borderColor_ = clBtnFace;
    int borderInnerWidth_ = 0;
    int borderWidth_ = 0;
    TQvFrameSides borderSides_ = kAllFrameSides;
    TQvEdgeStyle edgeStyle_ = etEtched;
    TColor lightColor_ = clBtnHighlight;
    TQvBevelMode mode_ = bmCustom;
    TColor shadowColor_ = clBtnShadow;
    TQvBorderStyle standardStyle_ = lsSingleLowered;
    int extent_ = 0;
};

// Width in pixels of a frame drawn in one of the standard border styles.
int BorderStyleWidth(TQvBorderStyle style);

// Segment settings of the small-bar styles.
class TQvSmallBar : public TQvObject {
public:
    void Assign(const TQvSmallBar& other);

    bool Autosize() const { return autosize_; }
    std::uint8_t BarCount() const { return barCount_; }
    TColor BarColor() const { return barColor_; }
    std::uint8_t HSpace() const { return hSpace_; }
    std::uint8_t VSpace() const { return vSpace_; }

    void SetAutosize(bool v) { Set(autosize_, v); }
    void SetBarCount(std::uint8_t v) { Set(barCount_, v < 1 ? std::uint8_t{1} : v); }
    void SetBarColor(TColor v) { Set(barColor_, v); }
    void SetHSpace(std::uint8_t v) { Set(hSpace_, v); }
    void SetVSpace(std::uint8_t v) { Set(vSpace_, v); }

private:
    bool autosize_ = true;
    std::uint8_t barCount_ = 10;
    TColor barColor_ = clNavy;
    std::uint8_t hSpace_ = 3;
    std::uint8_t vSpace_ = 3;
};

// Text effect of the caption.
class TQv3DCaption : public TQvObject {
public:
    void Assign(const TQv3DCaption& other);

    TQvDisabledStyle DisabledStyle() const { return disabledStyle_; }
    int LightDepth() const { return lightDepth_; }
    int ShadowDepth() const { return shadowDepth_; }
    TColor LightColor() const { return lightColor_; }
    TColor ShadowColor() const { return shadowColor_; }
    TQvThreeDStyle Style() const { return style_; }
    int Tracing() const { return tracing_; }

    void SetDisabledStyle(TQvDisabledStyle v) { Set(disabledStyle_, v); }
    void SetLightDepth(int v) { Set(lightDepth_, v); }
    void SetShadowDepth(int v) { Set(shadowDepth_, v); }
    void SetLightColor(TColor v) { Set(lightColor_, v); }
    void SetShadowColor(TColor v) { Set(shadowColor_, v); }
    void SetStyle(TQvThreeDStyle v) { Set(style_, v); }
    void SetTracing(int v) { Set(tracing_, v); }

private:
    TQvDisabledStyle disabledStyle_ = dsAuto;
    int lightDepth_ = 1;
    int shadowDepth_ = 1;
    TColor lightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    TQvThreeDStyle style_ = tdNone;
    int tracing_ = 0;
};

} // namespace qv
