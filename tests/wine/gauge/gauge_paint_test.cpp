#include "Gauge1.h"
#include <gtest/gtest.h>
#include <string>

namespace {

using qv::TQvProgress;
using qvtest::CountColour;
using qvtest::Pixels;
using qvtest::Render;

const COLORREF kNavy = RGB(0, 0, 0x80);

COLORREF Sys(int index) {
    return GetSysColor(index);
}

class GaugePaint : public ::testing::Test {
protected:
    qv::GraphicHost offscreen; // no window: drawing only where the test asks
    TQvProgress gauge{offscreen};
    void SetUp() override { ConfigureLikeGauge1(gauge); }
};

TEST_F(GaugePaint, DefaultsOfTheControl) {
    qv::GraphicHost host;
    TQvProgress fresh(host);
    EXPECT_EQ(fresh.Width(), 80);
    EXPECT_EQ(fresh.Height(), 20);
    EXPECT_EQ(fresh.Style(), qv::pgSmallBar);
    EXPECT_EQ(fresh.RedrawThreshold(), 5);
    EXPECT_EQ(fresh.Bevel().StyleOuter(), qv::bvLowered);
    EXPECT_EQ(fresh.BarColor(), qv::clNavy);
    EXPECT_EQ(fresh.Step(), 10);
    EXPECT_FALSE(fresh.DeferRedraw());
    EXPECT_TRUE(fresh.Opaque());
    EXPECT_EQ(gauge.RedrawThreshold(), 1) << "pgBar";
    EXPECT_EQ(gauge.UserValue(), 25600);
    EXPECT_EQ(gauge.Position(), 40);
}

TEST_F(GaugePaint, LoweredBevelAroundA426By22Meter) {
    Pixels p = Render(gauge);
    const COLORREF shadow = Sys(COLOR_BTNSHADOW), light = Sys(COLOR_BTNHIGHLIGHT);
    ASSERT_NE(shadow, light);
    for (int x = 0; x < 427; ++x)
        ASSERT_EQ(p.at(x, 0), shadow) << "top row at " << x;
    for (int y = 0; y < 24; ++y)
        ASSERT_EQ(p.at(0, y), shadow) << "left column at " << y;
    for (int y = 0; y < 24; ++y)
        ASSERT_EQ(p.at(427, y), light) << "right column at " << y;
    for (int x = 1; x < 428; ++x)
        ASSERT_EQ(p.at(x, 23), light) << "bottom row at " << x;
    EXPECT_EQ(p.at(0, 23), shadow) << "bottom-left corner";
    EXPECT_EQ(p.at(427, 0), light) << "top-right corner";
    const RECT meter = gauge.MeterRect();
    EXPECT_EQ(meter.left, 1);
    EXPECT_EQ(meter.top, 1);
    EXPECT_EQ(meter.right, 427);
    EXPECT_EQ(meter.bottom, 23);
}

TEST_F(GaugePaint, BarOf204PixelsFor31540Of65536) {
    gauge.SetMaxValue(65536);
    gauge.SetUserValue(31540);
    gauge.SetCaption("");
    ASSERT_EQ(gauge.Position(), 48);
    Pixels p = Render(gauge);
    for (int y = 1; y < 23; ++y) {
        EXPECT_EQ(p.at(1, y), kNavy);
        EXPECT_EQ(p.at(204, y), kNavy) << y;
        EXPECT_EQ(p.at(205, y), Sys(COLOR_BTNFACE)) << y;
        EXPECT_EQ(p.at(426, y), Sys(COLOR_BTNFACE)) << y;
    }
    EXPECT_EQ(CountColour(p, RECT{1, 1, 427, 23}, kNavy), 204 * 22);
}

TEST_F(GaugePaint, CaptionInTwoColoursSplitAtTheBarEnd) {
    gauge.SetCaption("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMM");
    gauge.SetPosition(50); // the bar ends under the middle of the text
    Pixels p = Render(gauge);
    const int end = 1 + qv::PercentToPixels(50, 426);
    // Over the bar the text is in the background colour; over the track in the bar colour.
    EXPECT_GT(CountColour(p, RECT{1, 1, end, 23}, Sys(COLOR_BTNFACE)), 20);
    EXPECT_GT(CountColour(p, RECT{end, 1, 427, 23}, kNavy), 20);
    // Without a caption neither part shows the other colour.
    gauge.SetCaption("");
    Pixels blank = Render(gauge);
    EXPECT_EQ(CountColour(blank, RECT{1, 1, end, 23}, Sys(COLOR_BTNFACE)), 0);
    EXPECT_EQ(CountColour(blank, RECT{end, 1, 427, 23}, kNavy), 0);
}

TEST_F(GaugePaint, EmptyAndFullBars) {
    gauge.SetCaption("Swap File");
    gauge.SetUserValue(0);
    Pixels empty = Render(gauge);
    EXPECT_EQ(CountColour(empty, RECT{1, 1, 427, 23}, Sys(COLOR_BTNFACE)) +
                  CountColour(empty, RECT{1, 1, 427, 23}, kNavy),
              426 * 22)
        << "only the track and the caption in the bar colour";
    EXPECT_GT(CountColour(empty, RECT{1, 1, 427, 23}, kNavy), 20);
    gauge.SetUserValue(64000);
    Pixels full = Render(gauge);
    EXPECT_EQ(full.at(426, 1), kNavy);
    EXPECT_GT(CountColour(full, RECT{1, 1, 427, 23}, Sys(COLOR_BTNFACE)), 20);
}

TEST_F(GaugePaint, OnlyTheFirst255CharactersAreDrawn) {
    gauge.SetAlignment(qv::taRightJustify);
    gauge.SetPosition(0);
    gauge.SetCaption(std::string(255, 'W'));
    Pixels kept = Render(gauge);
    gauge.SetCaption(std::string(255, 'W') + std::string(45, 'i'));
    EXPECT_EQ(Render(gauge), kept);
    gauge.SetCaption(std::string(254, 'W') + "i");
    EXPECT_NE(Render(gauge), kept);
}

TEST_F(GaugePaint, DisabledTextIsGray) {
    gauge.SetCaption("MMMMMMMMMM");
    gauge.SetPosition(0);
    gauge.SetEnabled(false);
    Pixels p = Render(gauge);
    EXPECT_EQ(CountColour(p, RECT{1, 1, 427, 23}, kNavy), 0);
    EXPECT_GT(CountColour(p, RECT{1, 1, 427, 23}, Sys(COLOR_GRAYTEXT)), 20);
}

TEST_F(GaugePaint, SmallBarSegments) {
    gauge.SetStyle(qv::pgSmallBar);
    gauge.SetCaption("");
    gauge.SmallBar().SetAutosize(false);
    gauge.SetPosition(30);
    Pixels p = Render(gauge);
    // 10 segments of (426 - 2 * 11) / 10 = 40 pixels; three filled.
    EXPECT_EQ(CountColour(p, RECT{1, 1, 427, 23}, kNavy), 3 * 40 * (22 - 4));
    EXPECT_EQ(p.at(1 + 2, 1 + 2), kNavy);
    EXPECT_EQ(p.at(1 + 2 + 40, 1 + 2), Sys(COLOR_BTNFACE));
}

TEST_F(GaugePaint, SmallBarAutosizeFitsWholeSegments) {
    gauge.SetStyle(qv::pgSmallBar);
    gauge.SetBounds(0, 0, 100, 20);
    Render(gauge); // the first paint only resizes
    // (100 - 2 - 2 * 11) / 10 = 7 -> 7 * 10 + 2 * 11 + 2 = 94
    EXPECT_EQ(gauge.Width(), 94);
    const unsigned before = gauge.PaintCount();
    Render(gauge);
    EXPECT_EQ(gauge.PaintCount(), before + 1);
    EXPECT_EQ(gauge.Width(), 94);
}

} // namespace
