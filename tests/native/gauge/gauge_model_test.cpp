#include "widgets/gauge/core/GaugeModel.h"
#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace qv;

using qv::GaugeEffect;
using qv::GaugeModel;
using qv::GaugeRect;

// The program's gauges as the layout leaves them: bar style, maximum 64000, position 40.
GaugeModel LayoutGauge() {
    GaugeModel g;
    g.SetMaxValue(64000);
    g.UpdateRedrawThreshold(pgBar, toCaption, 10);
    g.SetPosition(40);
    return g;
}

TEST(GaugeModel, LayoutValuesAgree) {
    GaugeModel g = LayoutGauge();
    EXPECT_EQ(g.UserValue(), 25600);
    EXPECT_EQ(g.Position(), 40);
    EXPECT_EQ(g.RedrawThreshold(), 1);
}

TEST(GaugeModel, DefaultsAndThreshold) {
    GaugeModel g;
    EXPECT_EQ(g.MinValue(), 0);
    EXPECT_EQ(g.MaxValue(), 100);
    EXPECT_EQ(g.RedrawThreshold(), 5);
    g.UpdateRedrawThreshold(pgSmallBar, toCaption, 4);
    EXPECT_EQ(g.RedrawThreshold(), 12);
    g.UpdateRedrawThreshold(pgSmallBarColor, toPercent, 4);
    EXPECT_EQ(g.RedrawThreshold(), 1);
    g.UpdateRedrawThreshold(pgOwnerDraw, toNoText, 10);
    EXPECT_EQ(g.RedrawThreshold(), 1);
}

TEST(GaugeModel, MemoryFigureGivesPosition48) {
    GaugeModel g = LayoutGauge();
    EXPECT_EQ(g.SetMaxValue(65536), GaugeEffect::Redraw);
    EXPECT_EQ(g.SetUserValue(31540), GaugeEffect::UpdateBar);
    EXPECT_EQ(g.Position(), 48);
    EXPECT_EQ(qv::PercentToPixels(g.Position(), 426), 204);
}

TEST(GaugeModel, ExactHalfPercentRoundsToEven) {
    GaugeModel g;
    g.SetMaxValue(65536);
    g.SetUserValue(8192);
    EXPECT_EQ(g.Position(), 12);
    g.SetUserValue(8192 * 3); // 37.5 %
    EXPECT_EQ(g.Position(), 38);
}

TEST(GaugeModel, BoundEqualToTheOtherIsIgnored) {
    GaugeModel g = LayoutGauge();
    EXPECT_EQ(g.SetMaxValue(0), GaugeEffect::None);
    EXPECT_EQ(g.MaxValue(), 64000);
    EXPECT_EQ(g.SetMinValue(64000), GaugeEffect::None);
    EXPECT_EQ(g.MinValue(), 0);
    EXPECT_EQ(g.SetMaxValue(64000), GaugeEffect::None);
}

TEST(GaugeModel, MaxBelowMinSwapsTheBounds) {
    GaugeModel g;
    g.SetUserValue(50);
    EXPECT_EQ(g.SetMaxValue(-10), GaugeEffect::Redraw);
    EXPECT_EQ(g.MinValue(), -10);
    EXPECT_EQ(g.MaxValue(), 0);
    EXPECT_EQ(g.UserValue(), 0);
    EXPECT_EQ(g.Position(), 100);
}

TEST(GaugeModel, MinAboveMaxSwapsTheBounds) {
    GaugeModel g;
    g.SetUserValue(50);
    EXPECT_EQ(g.SetMinValue(150), GaugeEffect::Redraw);
    EXPECT_EQ(g.MinValue(), 100);
    EXPECT_EQ(g.MaxValue(), 150);
    EXPECT_EQ(g.UserValue(), 100);
    EXPECT_EQ(g.Position(), 0);
}

TEST(GaugeModel, LoweringMaxBelowTheValueTakesTheValueAlong) {
    GaugeModel g = LayoutGauge();
    g.SetMaxValue(1000);
    EXPECT_EQ(g.UserValue(), 1000);
    EXPECT_EQ(g.Position(), 100);
}

TEST(GaugeModel, RaisingMaxKeepsTheValueAndLowersThePosition) {
    GaugeModel g = LayoutGauge();
    g.SetMaxValue(128000);
    EXPECT_EQ(g.UserValue(), 25600);
    EXPECT_EQ(g.Position(), 20);
}

TEST(GaugeModel, ValuesOutsideTheRangeAreIgnored) {
    GaugeModel g = LayoutGauge();
    EXPECT_EQ(g.SetUserValue(-1), GaugeEffect::None);
    EXPECT_EQ(g.SetUserValue(64001), GaugeEffect::None);
    EXPECT_EQ(g.UserValue(), 25600);
    EXPECT_EQ(g.SetUserValue(25600), GaugeEffect::None);
    EXPECT_EQ(g.SetUserValue(64000), GaugeEffect::UpdateBar);
    EXPECT_EQ(g.Position(), 100);
}

TEST(GaugeModel, PositionDrivesTheValue) {
    GaugeModel g;
    g.SetMinValue(-50);
    g.SetMaxValue(150);
    EXPECT_EQ(g.Position(), 25);
    EXPECT_EQ(g.SetPosition(75), GaugeEffect::UpdateBar);
    EXPECT_EQ(g.UserValue(), 100);
    EXPECT_EQ(g.SetPosition(75), GaugeEffect::None);
    g.SetPosition(250);
    EXPECT_EQ(g.Position(), 100);
    EXPECT_EQ(g.UserValue(), 150);
}

TEST(GaugeModel, ExtremeBoundsDoNotOverflow) {
    GaugeModel g;
    g.SetMinValue(INT32_MIN);
    g.SetMaxValue(INT32_MAX);
    g.SetUserValue(0);
    EXPECT_EQ(g.Position(), 50);
    g.SetPosition(100);
    EXPECT_EQ(g.UserValue(), INT32_MAX);
}

TEST(GaugeModel, BarDrawsOnlyWhenThePercentageMoves) {
    GaugeModel g = LayoutGauge();
    g.SetMaxValue(65536);
    g.SetUserValue(31540);
    EXPECT_TRUE(g.BarNeedsDrawing());
    g.BarDrawn();
    g.SetUserValue(31600); // still 48 %
    EXPECT_FALSE(g.BarNeedsDrawing());
    g.SetUserValue(33000); // 50 %
    EXPECT_TRUE(g.BarNeedsDrawing());
    g.BarDrawn();
    g.ForgetLastPosition(); // a full paint draws again
    EXPECT_TRUE(g.BarNeedsDrawing());
}

TEST(GaugeModel, ZeroAlwaysDrawsAndSmallBarsWaitForTheirThreshold) {
    GaugeModel g;
    g.BarDrawn();
    EXPECT_TRUE(g.BarNeedsDrawing()) << "position 0 always draws";
    g.UpdateRedrawThreshold(pgSmallBar, toCaption, 10);
    g.SetPosition(20);
    g.BarDrawn();
    g.SetPosition(24);
    EXPECT_FALSE(g.BarNeedsDrawing());
    g.SetPosition(25);
    EXPECT_TRUE(g.BarNeedsDrawing());
    g.SetPosition(15);
    EXPECT_TRUE(g.BarNeedsDrawing());
}

TEST(PercentToPixels, ExtendedFactorLiesJustBelowOnePercent) {
    EXPECT_EQ(qv::PercentToPixels(20, 5), 0);
    EXPECT_EQ(qv::PercentToPixels(48, 426), 204);
    EXPECT_EQ(qv::PercentToPixels(100, 426), 426);
    EXPECT_EQ(qv::PercentToPixels(0, 426), 0);
    EXPECT_EQ(qv::PercentToPixels(50, 0), 0);
}

TEST(PercentToPixels, ProgramMeterIsTheFloorAtEveryPercentage) {
    for (int p = 0; p <= 100; ++p) {
        EXPECT_EQ(qv::PercentToPixels(p, 426), p * 426 / 100) << p;
        EXPECT_EQ(qv::PercentToPixels(p, 22), p * 22 / 100) << p;
    }
}

TEST(BarRects, EachDirection) {
    auto h = qv::ComputeBarRects(mdHorizontal, 48, 426, 22);
    EXPECT_EQ(h.filled, (GaugeRect{0, 0, 204, 22}));
    EXPECT_EQ(h.empty, (GaugeRect{204, 0, 426, 22}));
    auto v = qv::ComputeBarRects(mdVertical, 50, 10, 40);
    EXPECT_EQ(v.filled, (GaugeRect{0, 0, 10, 20}));
    EXPECT_EQ(v.empty, (GaugeRect{0, 20, 10, 40}));
    auto hr = qv::ComputeBarRects(mdHorizontalReverse, 50, 40, 10);
    EXPECT_EQ(hr.filled, (GaugeRect{20, 0, 40, 10}));
    EXPECT_EQ(hr.empty, (GaugeRect{0, 0, 20, 10}));
    auto vr = qv::ComputeBarRects(mdVerticalReverse, 50, 10, 40);
    EXPECT_EQ(vr.filled, (GaugeRect{0, 20, 10, 40}));
    EXPECT_EQ(vr.empty, (GaugeRect{0, 0, 10, 20}));
}

TEST(BarRects, EmptyAndFullBars) {
    auto none = qv::ComputeBarRects(mdHorizontal, 0, 426, 22);
    EXPECT_TRUE(none.filled.IsEmpty());
    EXPECT_EQ(none.empty, none.full);
    auto full = qv::ComputeBarRects(mdHorizontal, 100, 426, 22);
    EXPECT_EQ(full.filled, full.full);
    EXPECT_TRUE(full.empty.IsEmpty());
    // Where the factor's shortfall shows, a sliver of track remains.
    auto short5 = qv::ComputeBarRects(mdHorizontal, 20, 5, 22);
    EXPECT_TRUE(short5.filled.IsEmpty());
    EXPECT_EQ(short5.empty, short5.full);
}

} // namespace
