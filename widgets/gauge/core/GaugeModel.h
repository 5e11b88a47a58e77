#pragma once
#include "widgets/gauge/core/GaugeTypes.h"
#include <cstdint>

namespace qv {

// What the control has to do after a value setter ran.
enum class GaugeEffect {
    None,      // nothing changed (or the value was ignored)
    Redraw,    // repaint the whole control
    UpdateBar, // redraw the meter area
};

// The gauge's value model: range, shown value and filled percentage kept in step, and the rule
// that decides whether a bar update draws. Values outside the range and a bound equal to the
// other bound are ignored silently.
class GaugeModel {
public:
    std::int32_t MinValue() const { return min_; }
    std::int32_t MaxValue() const { return max_; }
    std::int32_t UserValue() const { return userValue_; }
    TQvPercent Position() const { return position_; }
    std::uint8_t LastPosition() const { return lastPosition_; }
    std::uint8_t RedrawThreshold() const { return redrawThreshold_; }

    GaugeEffect SetMaxValue(std::int32_t value);
    GaugeEffect SetMinValue(std::int32_t value);
    GaugeEffect SetUserValue(std::int32_t value);
    GaugeEffect SetPosition(int percent); // held to 0..100

    // The threshold follows the style: 1 for every style but the small-bar ones, whose segments
    // only change every (100 div barCount) div 2 percent unless the percentage is shown.
    void UpdateRedrawThreshold(TQvProgressStyle style, TQvMeterTextOptions text,
                               std::uint8_t barCount);

    // A full paint forgets the last drawn position, so the following bar update always draws.
    void ForgetLastPosition() { lastPosition_ = 0; }
    // True when a bar update has something to draw at the current position.
    bool BarNeedsDrawing() const;
    // Records the position that a finished bar update has drawn.
    void BarDrawn() { lastPosition_ = position_; }

private:
    void PositionFromUserValue();

    std::int32_t max_ = 100;
    std::int32_t min_ = 0;
    std::int32_t userValue_ = 0;
    TQvPercent position_ = 0;
    std::uint8_t lastPosition_ = 0;
    std::uint8_t redrawThreshold_ = 5; // the default style is pgSmallBar with 10 segments
};

// Length in pixels of percent of size: percent times the extended 0.01 (just below 0.01), then
// times size, truncated and never more than size. 20 % of 5 pixels gives 0.
int PercentToPixels(int percent, int size);

// Rectangles of the meter area (0, 0, width, height).
struct GaugeRect {
    int left, top, right, bottom;
    bool operator==(const GaugeRect&) const = default;
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

struct BarRects {
    GaugeRect full;
    GaugeRect filled;
    GaugeRect empty;
};

// The filled and empty parts of a width x height meter at the given percentage.
BarRects ComputeBarRects(TQvMeterDirection direction, int percent, int width, int height);

} // namespace qv
