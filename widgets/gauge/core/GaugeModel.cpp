#include "widgets/gauge/core/GaugeModel.h"
#include "framework/core/ExtendedMath.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qv {

GaugeEffect GaugeModel::SetMaxValue(std::int32_t value) {
    if (value == max_ || value == min_)
        return GaugeEffect::None;
    const std::int32_t oldMin = min_;
    min_ = std::min(value, oldMin);
    max_ = std::max(value, oldMin);
    if (userValue_ < min_ || userValue_ > max_)
        userValue_ = max_;
    PositionFromUserValue();
    return GaugeEffect::Redraw;
}

GaugeEffect GaugeModel::SetMinValue(std::int32_t value) {
    if (value == min_ || value == max_)
        return GaugeEffect::None;
    const std::int32_t oldMax = max_;
    min_ = std::min(value, oldMax);
    max_ = std::max(value, oldMax);
    if (userValue_ < min_ || userValue_ > max_)
        userValue_ = min_;
    PositionFromUserValue();
    return GaugeEffect::Redraw;
}

GaugeEffect GaugeModel::SetUserValue(std::int32_t value) {
    if (value == userValue_ || value < min_ || value > max_)
        return GaugeEffect::None;
    userValue_ = value;
    PositionFromUserValue();
    return GaugeEffect::UpdateBar;
}

GaugeEffect GaugeModel::SetPosition(int percent) {
    const TQvPercent p = static_cast<TQvPercent>(std::clamp(percent, 0, 100));
    if (p == position_)
        return GaugeEffect::None;
    position_ = p;
    // The range is 64-bit here so that extreme bounds cannot overflow.
    const long double span = static_cast<long double>(std::int64_t{max_} - min_);
    const long double offset = RoundTiesToEven(position_ * PercentFactor() * span);
    userValue_ = static_cast<std::int32_t>(min_ + static_cast<std::int64_t>(offset));
    return GaugeEffect::UpdateBar;
}

void GaugeModel::PositionFromUserValue() {
    const long double span = static_cast<long double>(std::int64_t{max_} - min_);
    const long double offset = static_cast<long double>(std::int64_t{userValue_} - min_);
    const long double quotient = offset / span;
    const long double percent = RoundTiesToEven(quotient * 100);
    position_ = static_cast<TQvPercent>(std::clamp(percent, 0.0L, 100.0L));
}

void GaugeModel::UpdateRedrawThreshold(TQvProgressStyle style, TQvMeterTextOptions text,
                                       std::uint8_t barCount) {
    redrawThreshold_ = 1;
    if ((style == pgSmallBar || style == pgSmallBarColor) && text != toPercent && barCount > 0)
        redrawThreshold_ = static_cast<std::uint8_t>((100 / barCount) / 2);
}

bool GaugeModel::BarNeedsDrawing() const {
    if (position_ == 0)
        return true;
    return std::abs(int{position_} - int{lastPosition_}) >= redrawThreshold_;
}

int PercentToPixels(int percent, int size) {
    const long double fraction = percent * PercentFactor();
    const long double pixels = std::trunc(fraction * size);
    return static_cast<int>(std::min(pixels, static_cast<long double>(size)));
}

BarRects ComputeBarRects(TQvMeterDirection direction, int percent, int width, int height) {
    const GaugeRect full{0, 0, width, height};
    const int across = PercentToPixels(percent, width);
    const int down = PercentToPixels(percent, height);
    BarRects r{full, full, full};
    switch (direction) {
    case mdHorizontal:
        r.filled = {0, 0, across, height};
        r.empty = {across, 0, width, height};
        break;
    case mdVertical:
        r.filled = {0, 0, width, down};
        r.empty = {0, down, width, height};
        break;
    case mdHorizontalReverse:
        r.filled = {width - across, 0, width, height};
        r.empty = {0, 0, width - across, height};
        break;
    case mdVerticalReverse:
        r.filled = {0, height - down, width, height};
        r.empty = {0, 0, width, height - down};
        break;
    }
    // As the platform's rectangle subtraction: an empty part is the empty rectangle.
    if (r.filled.IsEmpty())
        r.empty = full;
    if (r.empty.IsEmpty())
        r.empty = GaugeRect{0, 0, 0, 0};
    return r;
}

} // namespace qv
