#include "framework/core/ErrorText.h"
#include <gtest/gtest.h>

TEST(ErrorBoxText, AppendsFullStopAfterCharactersSortingAfterDot) {
    EXPECT_EQ(qv::ErrorBoxText("Unable to write to system.ini"), "Unable to write to system.ini.");
    EXPECT_EQ(qv::ErrorBoxText("Default browser not found"), "Default browser not found.");
}

TEST(ErrorBoxText, KeepsMessagesEndingInPunctuationAtOrBeforeDot) {
    EXPECT_EQ(qv::ErrorBoxText("Can't load USER.EXE!"), "Can't load USER.EXE!");
    EXPECT_EQ(qv::ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(qv::ErrorBoxText("a-"), "a-");
    // A closing quote sorts before the dot, so quoted names end the message as they are.
    EXPECT_EQ(qv::ErrorBoxText("Failed to set data for 'NameCache'"),
              "Failed to set data for 'NameCache'");
    EXPECT_EQ(qv::ErrorBoxText(""), "");
}
