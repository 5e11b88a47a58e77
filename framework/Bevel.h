#pragma once
#include "framework/GraphicControl.h"

namespace qv {

// A window-less bevel. Box: a lowered (or raised) one-pixel frame around the bounds.
// Frame: an etched line frame (a lowered frame with a highlight frame one pixel inside), which
// at a height of 2 draws as an etched horizontal line.
class Bevel : public GraphicControl {
public:
    enum class Shape { Box, Frame };
    enum class Style { Lowered, Raised };

    explicit Bevel(GraphicHost& host) : GraphicControl(host) {}
    void SetShape(Shape shape);
    void SetStyle(Style style);
    Shape GetShape() const { return shape_; }
    Style GetStyle() const { return style_; }
    void Paint(HDC dc) override;

private:
    Shape shape_ = Shape::Box;
    Style style_ = Style::Lowered;
};

} // namespace qv
