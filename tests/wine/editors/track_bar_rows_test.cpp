// Moving the track bars of the real main window with the keyboard: the spin edits follow,
// the minimal and maximal bars drag each other, and only real changes raise the flag.
#include "support/MainWindowTest.h"

using namespace qvtest;

namespace {
class TrackBarRows : public qvtest::MainWindowTest {};
} // namespace

TEST_F(TrackBarRows, MovingMinAboveMaxPushesMaxUp) {
    Tf1& f = StartEnabled();
    if (f.min.Max() < 9216)
        GTEST_SKIP() << "the cache ceiling of this machine is below 9216 Kb";
    f.emin.SetValue(8192);
    f.emax.SetValue(8192);
    Module.SettingsChanged = false;
    KeyOnBar(f.min, VK_RIGHT); // one line: 1024
    EXPECT_EQ(f.min.Position(), 9216);
    EXPECT_EQ(f.max.Position(), 9216);
    EXPECT_EQ(f.emin.Text(), "9216");
    EXPECT_EQ(f.emax.Text(), "9216");
    EXPECT_TRUE(Module.SettingsChanged);
}

TEST_F(TrackBarRows, MovingMaxBelowMinPullsMinDown) {
    Tf1& f = StartEnabled();
    f.emin.SetValue(4096);
    f.emax.SetValue(4096);
    KeyOnBar(f.max, VK_LEFT);
    EXPECT_EQ(f.max.Position(), 3072);
    EXPECT_EQ(f.min.Position(), 3072);
    EXPECT_EQ(f.emin.Text(), "3072");
    EXPECT_EQ(f.emax.Text(), "3072");
    KeyOnBar(f.max, VK_HOME);
    EXPECT_EQ(f.min.Position(), 512);
    EXPECT_EQ(f.emin.Text(), "512");
}

TEST_F(TrackBarRows, MovingMinBelowMaxLeavesMax) {
    Tf1& f = StartEnabled();
    f.emin.SetValue(4096);
    f.emax.SetValue(8192);
    KeyOnBar(f.min, VK_LEFT);
    EXPECT_EQ(f.emin.Text(), "3072");
    EXPECT_EQ(f.max.Position(), 8192);
    EXPECT_EQ(f.emax.Text(), "8192");
}

TEST_F(TrackBarRows, AnyScrollOfMinOrMaxRaisesTheFlag) {
    Tf1& f = StartEnabled();
    f.emin.SetValue(512);
    Module.SettingsChanged = false;
    KeyOnBar(f.min, VK_HOME); // already at the lower end
    EXPECT_EQ(f.min.Position(), 512);
    EXPECT_TRUE(Module.SettingsChanged);

    f.emax.SetValue(f.max.Max());
    Module.SettingsChanged = false;
    KeyOnBar(f.max, VK_END);
    EXPECT_TRUE(Module.SettingsChanged);
}

TEST_F(TrackBarRows, AScrollThatChangesNothingOnTheOtherBarsRaisesNothing) {
    Tf1& f = StartEnabled();
    f.echunk.SetValue(16);
    f.enamecache.SetValue(337);
    f.epathcache.SetValue(16);
    for (qv::TrackBar* bar : {&f.chunk, &f.namecachebar, &f.pathcachebar}) {
        SCOPED_TRACE(bar->Name());
        Module.SettingsChanged = false;
        KeyOnBar(*bar, VK_HOME);
        EXPECT_FALSE(Module.SettingsChanged);
    }
}

TEST_F(TrackBarRows, TheOtherBarsMoveTheirSpinEditsAndThatRaisesTheFlag) {
    Tf1& f = StartEnabled();
    Module.SettingsChanged = false;
    KeyOnBar(f.chunk, VK_RIGHT);
    EXPECT_EQ(f.echunk.Text(), "528");
    EXPECT_TRUE(Module.SettingsChanged);

    // One page (3000) reaches the end of the chunk and directory cache bars.
    KeyOnBar(f.chunk, VK_NEXT);
    EXPECT_EQ(f.echunk.Text(), "1024");
    KeyOnBar(f.pathcachebar, VK_PRIOR);
    EXPECT_EQ(f.epathcache.Text(), "16");

    Module.SettingsChanged = false;
    KeyOnBar(f.namecachebar, VK_RIGHT);
    EXPECT_EQ(f.enamecache.Text(), "1189");
    EXPECT_TRUE(Module.SettingsChanged);
}
