#include "main/core/ProfileInteger.h"
#include <gtest/gtest.h>

using qv::IsStoredValue;
using qv::ProfileTextToInt;

TEST(ProfileInteger, HexPrefixesReadAsHex) {
    EXPECT_EQ(ProfileTextToInt("0x800"), 2048);
    EXPECT_EQ(ProfileTextToInt("0X800"), 2048);
    EXPECT_EQ(ProfileTextToInt("$800"), 2048);
    EXPECT_EQ(ProfileTextToInt("$aBcD"), 0xABCD);
    EXPECT_EQ(ProfileTextToInt("0x1"), 1);
}

TEST(ProfileInteger, HexTakesUpToEightDigitsAndWrapsTheTopBit) {
    EXPECT_EQ(ProfileTextToInt("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(ProfileTextToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(ProfileTextToInt("0x80000000"), INT32_MIN);
    EXPECT_EQ(ProfileTextToInt("$000000001"), 0); // nine digits
    EXPECT_EQ(ProfileTextToInt("$100000000"), 0);
    EXPECT_EQ(ProfileTextToInt("$"), 0);
    EXPECT_EQ(ProfileTextToInt("$80G"), 0);
    EXPECT_EQ(ProfileTextToInt("-$10"), 0);
    EXPECT_EQ(ProfileTextToInt("0x-5"), 0);
}

TEST(ProfileInteger, PrefixNeedsMoreThanTwoCharactersAndMustComeFirst) {
    EXPECT_EQ(ProfileTextToInt("0x"), 0);
    EXPECT_EQ(ProfileTextToInt(" 0x800"), 0); // blank before the prefix: no hex, "x" is junk
    EXPECT_EQ(ProfileTextToInt("00x800"), 0);
    EXPECT_EQ(ProfileTextToInt("1x800"), 0);
}

TEST(ProfileInteger, DecimalWithBlanksAndSign) {
    EXPECT_EQ(ProfileTextToInt("2048"), 2048);
    EXPECT_EQ(ProfileTextToInt("   2048"), 2048);
    EXPECT_EQ(ProfileTextToInt("+512"), 512);
    EXPECT_EQ(ProfileTextToInt("-1"), -1);
    EXPECT_EQ(ProfileTextToInt("0002048"), 2048);
    EXPECT_EQ(ProfileTextToInt("  $10"), 16);
}

TEST(ProfileInteger, DecimalMustFitThirtyTwoBits) {
    EXPECT_EQ(ProfileTextToInt("2147483647"), 2147483647);
    EXPECT_EQ(ProfileTextToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(ProfileTextToInt("2147483648"), 0);
    EXPECT_EQ(ProfileTextToInt("-2147483649"), 0);
    EXPECT_EQ(ProfileTextToInt("99999999999999999999"), 0);
}

TEST(ProfileInteger, AnythingElseIsZero) {
    EXPECT_EQ(ProfileTextToInt(""), 0);
    EXPECT_EQ(ProfileTextToInt("   "), 0);
    EXPECT_EQ(ProfileTextToInt("2048 Kb"), 0);
    EXPECT_EQ(ProfileTextToInt("2048 "), 0);
    EXPECT_EQ(ProfileTextToInt("+"), 0);
    EXPECT_EQ(ProfileTextToInt("-"), 0);
    EXPECT_EQ(ProfileTextToInt("+-5"), 0);
    EXPECT_EQ(ProfileTextToInt("\t2048"), 0);
    EXPECT_EQ(ProfileTextToInt("1e3"), 0);
    EXPECT_EQ(ProfileTextToInt(std::string_view("20\0"
                                                "48",
                                                5)),
              0);
}

TEST(ProfileInteger, OnlyValuesAboveZeroCountAsStored) {
    EXPECT_TRUE(IsStoredValue(ProfileTextToInt("0x800")));
    EXPECT_TRUE(IsStoredValue(1));
    EXPECT_FALSE(IsStoredValue(ProfileTextToInt("0")));
    EXPECT_FALSE(IsStoredValue(ProfileTextToInt("-1")));
    EXPECT_FALSE(IsStoredValue(ProfileTextToInt("$FFFFFFFF")));
    EXPECT_FALSE(IsStoredValue(ProfileTextToInt("")));
}
