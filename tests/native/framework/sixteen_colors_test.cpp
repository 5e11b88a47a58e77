#include "framework/core/SixteenColors.h"
#include <gtest/gtest.h>

TEST(SixteenColors, NearestIsItselfForEachOfThemElseTheNearestFirstOfEquals) {
    for (std::uint32_t color : qv::kSixteenColors)
        EXPECT_EQ(qv::NearestOfSixteen(color), color);
    EXPECT_EQ(qv::NearestOfSixteen(0xC8D0D4), 0xC0C0C0u); // a light grey button face: silver
    EXPECT_EQ(qv::NearestOfSixteen(0x000040), 0x000000u); // as near maroon as black
}
