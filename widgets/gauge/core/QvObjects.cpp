#include "widgets/gauge/core/QvObjects.h"

namespace qv {

void TQvObject::EndUpdate(bool notify) {
    if (lock_ > 0)
        --lock_;
    if (notify)
        Changed();
}

void TQvObject::Changed() {
    if (lock_ == 0 && onChange_)
        onChange_(*this);
}

namespace {

// Width that one bevel style adds: its line width, plus the extra line of the framed styles.
int StyleWidth(TQvBevelStyle style, int width) {
    if (style == bvNone)
        return 0;
    return width + ((style == bvFrameLowered || style == bvFrameRaised) ? 1 : 0);
}

int EdgeWidth(TQvEdgeStyle style) {
    switch (style) {
    case etRaisedInner:
    case etRaisedOuter:
    case etSunkenInner:
    case etSunkenOuter:
        return 1;
    default:
        return 2;
    }
}

} // namespace

int BorderStyleWidth(TQvBorderStyle style) {
    switch (style) {
    case lsNone:
        return 0;
    case lsSingle:
    case lsLowered:
    case lsRaised:
    case lsWindowBorder:
    case lsSingleRaised:
    case lsSingleLowered:
        return 1;
    default:
        return 2;
    }
}

void TQvBevel::Recompute() {
    switch (mode_) {
    case bmCustom:
        if (styleInner_ == bvShadow)
            extent_ = widthOuter_ / 2 + widthInner_ + borderInnerWidth_ + 1;
        else
            extent_ = borderWidth_ + borderInnerWidth_ + StyleWidth(styleOuter_, widthOuter_) +
                      StyleWidth(styleInner_, widthInner_);
        break;
    case bmStandard:
        extent_ = borderWidth_ + BorderStyleWidth(standardStyle_);
        break;
    case bmEdge:
        extent_ = borderWidth_ + EdgeWidth(edgeStyle_);
        break;
    }
}

void TQvBevel::Assign(const TQvBevel& o) {
    BeginUpdate();
    SetStyleInner(o.styleInner_);
    SetStyleOuter(o.styleOuter_);
    SetWidthInner(o.widthInner_);
    SetWidthOuter(o.widthOuter_);
    SetBorderColor(o.borderColor_);
    SetBorderInnerWidth(o.borderInnerWidth_);
    SetBorderWidth(o.borderWidth_);
    SetBorderSides(o.borderSides_);
    SetEdgeStyle(o.edgeStyle_);
    SetLightColor(o.lightColor_);
    SetMode(o.mode_);
    SetShadowColor(o.shadowColor_);
    SetStandardStyle(o.standardStyle_);
    EndUpdate(true);
}

void TQvSmallBar::Assign(const TQvSmallBar& o) {
    BeginUpdate();
    SetAutosize(o.autosize_);
    SetBarCount(o.barCount_);
    SetBarColor(o.barColor_);
    SetHSpace(o.hSpace_);
    SetVSpace(o.vSpace_);
    EndUpdate(true);
}

void TQv3DCaption::Assign(const TQv3DCaption& o) {
    BeginUpdate();
    SetDisabledStyle(o.disabledStyle_);
    SetLightDepth(o.lightDepth_);
    SetShadowDepth(o.shadowDepth_);
    SetLightColor(o.lightColor_);
    SetShadowColor(o.shadowColor_);
    SetStyle(o.style_);
    SetTracing(o.tracing_);
    EndUpdate(true);
}

} // namespace qv
