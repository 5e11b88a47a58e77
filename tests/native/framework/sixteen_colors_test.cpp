#include "framework/core/SixteenColors.h"
#include <gtest/gtest.h>

using qv::NearestOfSixteen;

TEST(SixteenColors, EachOfTheSixteenIsItsOwnNearest) {
    for (std::uint32_t color : qv::kSixteenColors)
        EXPECT_EQ(NearestOfSixteen(color), color);
}

TEST(SixteenColors, OtherColorsTakeTheNearestAndTheFirstOfEquals) {
    EXPECT_EQ(NearestOfSixteen(0xC8D0D4), 0xC0C0C0u); // a light grey button face: silver
    EXPECT_EQ(NearestOfSixteen(0x646464), 0x808080u); // dark grey: grey, not black
    EXPECT_EQ(NearestOfSixteen(0x000040), 0x000000u); // halfway between black and maroon
}
