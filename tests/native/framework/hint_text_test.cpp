#include "framework/core/HintText.h"
#include <gtest/gtest.h>

using qv::GetLongHint;
using qv::GetShortHint;

TEST(HintText, SplitsAtTheFirstBar) {
    EXPECT_EQ(GetShortHint("Open|Opens a file"), "Open");
    EXPECT_EQ(GetLongHint("Open|Opens a file"), "Opens a file");
}

TEST(HintText, LaterBarsBelongToTheLongHint) {
    EXPECT_EQ(GetShortHint("a|b|c"), "a");
    EXPECT_EQ(GetLongHint("a|b|c"), "b|c");
}

TEST(HintText, WithoutABarBothPartsAreTheWholeText) {
    EXPECT_EQ(GetShortHint("Save the settings"), "Save the settings");
    EXPECT_EQ(GetLongHint("Save the settings"), "Save the settings");
}

TEST(HintText, EmptyParts) {
    EXPECT_EQ(GetShortHint(""), "");
    EXPECT_EQ(GetLongHint(""), "");
    // Only a long hint: nothing to show in the hint window.
    EXPECT_EQ(GetShortHint("|Shown on the status line"), "");
    EXPECT_EQ(GetLongHint("|Shown on the status line"), "Shown on the status line");
    EXPECT_EQ(GetShortHint("Short|"), "Short");
    EXPECT_EQ(GetLongHint("Short|"), "");
}

TEST(HintText, KeepsSpacesAndLineBreaks) {
    EXPECT_EQ(GetShortHint(" two\r\nlines |x"), " two\r\nlines ");
}
