// The Information box's gauges on a screen of sixteen colours without a palette (the standard
// VGA driver): bars, frames and captions in the nearest of the sixteen, never in a dithered
// brush, even when the button face is none of them. (A four-bit surface under Wine maps a brush
// to its nearest colour by itself; Windows dithers it.)
#include "main/f1.h"
#include "framework/core/SixteenColors.h"
#include "support/GaugePixels.h"
#include "support/Win9xPersonality.h"
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kNavy = 0x800000, kSilver = 0xC0C0C0;

// A button face that is none of the sixteen colours, for as long as it lives.
class OddButtonFace {
public:
    OddButtonFace() { Set(RGB(212, 208, 200)); }
    ~OddButtonFace() { Set(saved_); }

private:
    void Set(COLORREF color) {
        const int element = COLOR_BTNFACE;
        SetSysColors(1, &element, &color);
    }
    COLORREF saved_ = GetSysColor(COLOR_BTNFACE);
};

} // namespace

// Under the 9x personality's sixteen-colour display the gauge holds only the sixteen colours,
// also drawn into the true-colour surface the test reads. Half full, it shows its caption in
// silver on the navy half and in navy on the silver half.
TEST(SixteenColors, GaugeOnASixteenColorDisplayUsesItsColors) {
    if (!qvtest::Win9xPersonalityActive())
        GTEST_SKIP() << "needs the Windows 9x personality";
    OddButtonFace face;
    Tf1 f;
    f.gauge1->SetPosition(50);
    qvtest::PlaySixteenColorDisplay(true);
    const qvtest::Pixels p = qvtest::Render(*f.gauge1);
    qvtest::PlaySixteenColorDisplay(false);
    int others = 0, silverOnTheLeft = 0, navyOnTheRight = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const COLORREF c = p.at(x, y);
            others += std::find(std::begin(qv::kSixteenColors), std::end(qv::kSixteenColors), c) ==
                      std::end(qv::kSixteenColors);
            const bool inside = y > 3 && y < p.height - 4;
            silverOnTheLeft += inside && x > 3 && x < p.width / 2 - 2 && c == kSilver;
            navyOnTheRight += inside && x > p.width / 2 + 2 && x < p.width - 4 && c == kNavy;
        }
    EXPECT_EQ(others, 0);
    EXPECT_EQ(p.at(4, 3), kNavy);
    EXPECT_EQ(p.at(p.width - 5, 3), kSilver);
    EXPECT_GT(silverOnTheLeft, 20); // the caption's letters
    EXPECT_GT(navyOnTheRight, 20);
}
