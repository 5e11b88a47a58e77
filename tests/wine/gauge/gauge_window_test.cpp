#include "Gauge1.h"
#include "support/HostWindow.h"
#include <gtest/gtest.h>

namespace {

using qv::TQvProgress;
using qvtest::Pixels;
using qvtest::ReadWindow;

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// One host window for the suite: creating a visible window is slow under Wine.
class GaugeOnWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { window = new qvtest::HostWindow(10, 10, 540, 160); }
    static void TearDownTestSuite() { delete window; }
    static qvtest::HostWindow* window;
    TQvProgress gauge{window->Host()};
    void SetUp() override {
        ConfigureLikeGauge1(gauge);
        Pump();
        UpdateWindow(window->Window());
    }
    Pixels Screen() { return ReadWindow(window->Window(), gauge.Bounds()); }
};
qvtest::HostWindow* GaugeOnWindow::window = nullptr;

TEST_F(GaugeOnWindow, PaintedByTheHostWindow) {
    EXPECT_GE(gauge.PaintCount(), 1u);
    Pixels p = Screen();
    EXPECT_EQ(p.at(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(p.at(427, 23), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(p.at(1 + 169, 2), RGB(0, 0, 0x80)) << "40 % of 426 is 170 pixels";
    EXPECT_EQ(p.at(1 + 170, 2), GetSysColor(COLOR_BTNFACE));
}

TEST_F(GaugeOnWindow, ValueChangesDrawTheBarAtOnceWithoutAFullPaint) {
    const unsigned paints = gauge.PaintCount();
    const unsigned bars = gauge.BarUpdateCount();
    gauge.SetMaxValue(65536); // a bound change repaints the whole gauge at once
    EXPECT_EQ(gauge.PaintCount(), paints + 1);
    EXPECT_EQ(gauge.BarUpdateCount(), bars + 1);
    gauge.SetUserValue(31540);
    EXPECT_EQ(gauge.PaintCount(), paints + 1);
    EXPECT_EQ(gauge.BarUpdateCount(), bars + 2);
    Pixels p = Screen();
    EXPECT_EQ(p.at(204, 2), RGB(0, 0, 0x80));
    EXPECT_EQ(p.at(205, 2), GetSysColor(COLOR_BTNFACE));
}

TEST_F(GaugeOnWindow, UnchangedPercentageDoesNotRedrawTheBar) {
    gauge.SetMaxValue(65536);
    gauge.SetUserValue(31540);
    const unsigned bars = gauge.BarUpdateCount();
    gauge.SetUserValue(31600); // still 48 %
    gauge.SetUserValue(31400);
    EXPECT_EQ(gauge.BarUpdateCount(), bars);
    gauge.SetUserValue(33000); // 50 %
    EXPECT_EQ(gauge.BarUpdateCount(), bars + 1);
}

TEST_F(GaugeOnWindow, CaptionChangeRepaintsAtOnce) {
    const unsigned paints = gauge.PaintCount();
    gauge.SetCaption("31540 Kb / 65536 Kb");
    EXPECT_EQ(gauge.PaintCount(), paints + 1);
    gauge.SetCaption("31540 Kb / 65536 Kb");
    EXPECT_EQ(gauge.PaintCount(), paints + 1) << "unchanged caption";
    Pixels withText = Screen();
    gauge.SetCaption("");
    EXPECT_NE(Screen(), withText);
}

TEST_F(GaugeOnWindow, DeferredRedrawWaitsForThePaintMessage) {
    gauge.SetDeferRedraw(true);
    const unsigned paints = gauge.PaintCount();
    gauge.SetCaption("later");
    EXPECT_EQ(gauge.PaintCount(), paints);
    UpdateWindow(window->Window());
    EXPECT_EQ(gauge.PaintCount(), paints + 1);
}

TEST_F(GaugeOnWindow, IgnoredValuesDrawNothing) {
    const unsigned paints = gauge.PaintCount();
    const unsigned bars = gauge.BarUpdateCount();
    gauge.SetMaxValue(0);
    gauge.SetUserValue(-1);
    gauge.SetUserValue(64001);
    EXPECT_EQ(gauge.PaintCount(), paints);
    EXPECT_EQ(gauge.BarUpdateCount(), bars);
    EXPECT_EQ(gauge.MaxValue(), 64000);
}

} // namespace
