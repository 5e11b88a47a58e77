#include "framework/core/SpinText.h"
#include <gtest/gtest.h>
#include <limits>

using qv::HoldSpinValue;
using qv::IsSpinEditChar;
using qv::ReadSpinValue;
using qv::StepSpinValue;

TEST(SpinText, ReadsSignedNumbersWithLeadingBlanks) {
    EXPECT_EQ(ReadSpinValue("2048", 512), 2048);
    EXPECT_EQ(ReadSpinValue("   -12", 512), -12);
    EXPECT_EQ(ReadSpinValue("+7", 512), 7);
    EXPECT_EQ(ReadSpinValue("0004", 512), 4);
    EXPECT_EQ(ReadSpinValue("-2147483648", 0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ReadSpinValue("2147483647", 0), std::numeric_limits<std::int32_t>::max());
}

TEST(SpinText, ReadingNeverHoldsToTheRange) {
    // The typed text 99999 reads as 99999 whatever the editor's range.
    EXPECT_EQ(ReadSpinValue("99999", 16), 99999);
    EXPECT_EQ(ReadSpinValue("2", 512), 2);
}

TEST(SpinText, UnparsableTextReadsAsTheMinimum) {
    for (const char* text : {"", " ", "-", "+", "+-5", "--5", "12 ", "1.5", "1,024", "abc", "$10",
                             "2147483648", "-2147483649", "99999999999999999999"})
        EXPECT_EQ(ReadSpinValue(text, 337), 337) << '"' << text << '"';
}

TEST(SpinText, SettingHoldsToTheRangeUnlessTheBoundsAreEqual) {
    EXPECT_EQ(HoldSpinValue(99999, 16, 1024), 1024);
    EXPECT_EQ(HoldSpinValue(2, 512, 16384), 512);
    EXPECT_EQ(HoldSpinValue(700, 337, 6144), 700);
    EXPECT_EQ(HoldSpinValue(-5, 0, 0), -5);
    EXPECT_EQ(HoldSpinValue(99999, 7, 7), 99999);
}

TEST(SpinText, StepsFromTheValueReadThenHolds) {
    EXPECT_EQ(StepSpinValue(120, 8, true, 16, 128), 128);
    EXPECT_EQ(StepSpinValue(128, 8, true, 16, 128), 128);
    EXPECT_EQ(StepSpinValue(1024, 1024, false, 512, 16384), 512);
    EXPECT_EQ(StepSpinValue(99999, 16, false, 16, 1024), 1024);
    // No overflow at the ends of 32 bits, even without a range.
    EXPECT_EQ(StepSpinValue(std::numeric_limits<std::int32_t>::max(), 1024, true, 0, 0),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(StepSpinValue(std::numeric_limits<std::int32_t>::min(), 1024, false, 0, 0),
              std::numeric_limits<std::int32_t>::min());
}

TEST(SpinText, AcceptsDigitsSignsSeparatorAndControlCharactersButEnter) {
    for (char c : std::string("0123456789+-."))
        EXPECT_TRUE(IsSpinEditChar(c, '.')) << c;
    EXPECT_TRUE(IsSpinEditChar(',', ','));
    EXPECT_FALSE(IsSpinEditChar(',', '.'));
    EXPECT_TRUE(IsSpinEditChar('\b', '.'));
    EXPECT_TRUE(IsSpinEditChar(27, '.'));
    EXPECT_TRUE(IsSpinEditChar(3, '.')); // Ctrl+C
    EXPECT_FALSE(IsSpinEditChar('\r', '.'));
    for (char c : std::string("aZ $e/*= "))
        EXPECT_FALSE(IsSpinEditChar(c, '.')) << c;
    EXPECT_FALSE(IsSpinEditChar(static_cast<char>(0xE9), '.'));
}
