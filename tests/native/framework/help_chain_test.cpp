#include "framework/core/HelpChain.h"
#include <gtest/gtest.h>

TEST(HelpChain, OwnContextWins) {
    qv::HelpNode window{1, nullptr};
    qv::HelpNode trackBar{1, &window};
    qv::HelpNode group{0, &window};
    qv::HelpNode spinEdit{0, &group};
    EXPECT_EQ(qv::NearestHelpContext(&trackBar), 1);
    EXPECT_EQ(qv::NearestHelpContext(&spinEdit), 1);
}

TEST(HelpChain, MenuItemsWithoutContextUseTheNearestEnclosingOne) {
    qv::HelpNode settings{3, nullptr};
    qv::HelpNode windows98{0, &settings};
    qv::HelpNode lowMemory{0, &windows98};
    qv::HelpNode powerUser{13, &windows98};
    qv::HelpNode file{3, nullptr};
    qv::HelpNode saveExit{7, &file};
    EXPECT_EQ(qv::NearestHelpContext(&lowMemory), 3);
    EXPECT_EQ(qv::NearestHelpContext(&powerUser), 13);
    EXPECT_EQ(qv::NearestHelpContext(&saveExit), 7);
}

TEST(HelpChain, NoContextAnywhereGivesZero) {
    qv::HelpNode dialog{0, nullptr};
    qv::HelpNode button{0, &dialog};
    EXPECT_EQ(qv::NearestHelpContext(&button), 0);
    EXPECT_EQ(qv::NearestHelpContext(nullptr), 0);
}
