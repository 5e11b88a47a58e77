// The gauges on a screen of sixteen colours without a palette (the standard VGA driver), with
// a button face that is none of them: only the sixteen, so no dithered brush. (Wine maps a brush
// on a four-bit surface to its nearest colour by itself; Windows dithers it.)
#include "framework/core/SixteenColors.h"
#include "support/GaugePixels.h"
#include "support/MainWindowTest.h"
#include "support/Win9xPersonality.h"
#include <algorithm>

using SixteenColors = qvtest::MainWindowTest;

TEST_F(SixteenColors, GaugeOnASixteenColorDisplayUsesItsColors) {
    if (!qvtest::Win9xPersonalityActive())
        GTEST_SKIP() << "needs the Windows 9x personality";
    const int face = COLOR_BTNFACE;
    const COLORREF saved = GetSysColor(face), odd = RGB(212, 208, 200);
    SetSysColors(1, &face, &odd);
    Tf1& f = Start();
    f.gauge1->SetPosition(50); // the bar, the background and the caption over both
    qvtest::PlaySixteenColorDisplay(true);
    const qvtest::Pixels p = qvtest::Render(*f.gauge1);
    qvtest::PlaySixteenColorDisplay(false);
    SetSysColors(1, &face, &saved);
    for (COLORREF c : p.data)
        ASSERT_NE(std::count(std::begin(qv::kSixteenColors), std::end(qv::kSixteenColors), c), 0)
            << std::hex << c;
}
