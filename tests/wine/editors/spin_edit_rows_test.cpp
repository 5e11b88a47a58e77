// Typing into the spin edits of the real main window: each row's bar follows, the flag rises
// on every text change, Enter and the focus leaving set the bar without touching the flag.
#include "support/MainWindowTest.h"

using namespace qvtest;

namespace {

class SpinEditRows : public qvtest::MainWindowTest {};

struct Row {
    qv::SpinEdit Tf1::*edit;
    qv::TrackBar Tf1::*bar;
    int lower;
};

const Row kRows[] = {
    {&Tf1::emin, &Tf1::min, 512},
    {&Tf1::emax, &Tf1::max, 512},
    {&Tf1::echunk, &Tf1::chunk, 16},
    {&Tf1::enamecache, &Tf1::namecachebar, 337},
    {&Tf1::epathcache, &Tf1::pathcachebar, 16},
};

} // namespace

TEST_F(SpinEditRows, TypingBeyondTheRangeMovesTheBarToItsEndAndLeavingRewritesTheText) {
    Tf1& f = StartEnabled();
    SelectAllIn(f.echunk);
    std::vector<int> positions;
    for (char c : std::string("99999")) {
        const char text[2] = {c, 0};
        TypeText(text);
        positions.push_back(f.chunk.Position());
    }
    EXPECT_EQ(positions, (std::vector<int>{16, 99, 999, 1024, 1024}));
    EXPECT_EQ(f.echunk.Text(), "99999");
    EXPECT_TRUE(Module.SettingsChanged);

    Module.SettingsChanged = false;
    FocusWindow(f.enamecache.EditHandle());
    EXPECT_EQ(f.echunk.Text(), "1024");
    EXPECT_EQ(f.chunk.Position(), 1024);
    EXPECT_TRUE(Module.SettingsChanged); // the rewrite changed the text
}

TEST_F(SpinEditRows, TypingAMinimalValueMovesOnlyItsOwnBar) {
    Tf1& f = StartEnabled();
    const int maxBefore = f.max.Position();
    SelectAllIn(f.emin);
    std::vector<int> positions;
    for (char c : std::string("2048")) {
        const char text[2] = {c, 0};
        TypeText(text);
        positions.push_back(f.min.Position());
        EXPECT_TRUE(Module.SettingsChanged);
        Module.SettingsChanged = false;
    }
    EXPECT_EQ(positions, (std::vector<int>{512, 512, 512, 2048}));
    EXPECT_EQ(f.max.Position(), maxBefore);

    // Above the maximal size: the bars cross until one of them is moved.
    SelectAllIn(f.emin);
    TypeText("9216");
    EXPECT_EQ(f.min.Position(), std::min(9216, f.min.Max()));
    EXPECT_EQ(f.max.Position(), maxBefore);
    EXPECT_EQ(f.emax.Text(), std::to_string(maxBefore));
}

TEST_F(SpinEditRows, EmptyingTheTextMovesTheBarToTheLowerEndAndTheTextStaysEmpty) {
    Tf1& f = StartEnabled();
    for (const Row& row : kRows) {
        qv::SpinEdit& edit = f.*row.edit;
        qv::TrackBar& bar = f.*row.bar;
        SCOPED_TRACE(edit.Name());
        SelectAllIn(edit);
        Module.SettingsChanged = false;
        PressKey(VK_DELETE);
        EXPECT_EQ(edit.Text(), "");
        EXPECT_EQ(bar.Position(), row.lower);
        EXPECT_TRUE(Module.SettingsChanged);
        FocusWindow(f.enablenamecache.Handle());
        EXPECT_EQ(edit.Text(), "");
        EXPECT_EQ(bar.Position(), row.lower);
    }
}

TEST_F(SpinEditRows, EnterBeepsAndSetsTheBarWithoutRaisingTheFlag) {
    Tf1& f = StartEnabled();
    BeepCounter beeps;
    for (const Row& row : kRows) {
        qv::SpinEdit& edit = f.*row.edit;
        qv::TrackBar& bar = f.*row.bar;
        SCOPED_TRACE(edit.Name());
        edit.SetValue(row.lower + 16);
        bar.SetPosition(bar.Max()); // set by the program: the edit does not follow
        Module.SettingsChanged = false;
        const int beepsBefore = beeps.Count();
        FocusWindow(edit.EditHandle());
        PressKey(VK_RETURN);
        EXPECT_EQ(beeps.Count(), beepsBefore + 1);
        EXPECT_EQ(bar.Position(), row.lower + 16);
        EXPECT_EQ(edit.Text(), std::to_string(row.lower + 16));
        EXPECT_FALSE(Module.SettingsChanged);
    }
}

TEST_F(SpinEditRows, LeavingSetsTheBarWithoutRaisingTheFlag) {
    Tf1& f = StartEnabled();
    f.enamecache.SetValue(1024);
    f.namecachebar.SetPosition(4096);
    FocusWindow(f.enamecache.EditHandle());
    Module.SettingsChanged = false;
    FocusWindow(f.epathcache.EditHandle());
    EXPECT_EQ(f.namecachebar.Position(), 1024);
    EXPECT_FALSE(Module.SettingsChanged);
}

TEST_F(SpinEditRows, HoldingTheUpButtonStopsAtTheUpperEnd) {
    Tf1& f = StartEnabled();
    f.epathcache.SetValue(120);
    Module.SettingsChanged = false;
    PressSpinButton(f.epathcache, true);
    // Eight steps of auto-repeat: a busy machine may take longer than their 700 ms.
    EXPECT_TRUE(PumpUntil([&] { return f.epathcache.Text() == "128"; }, 10000));
    PumpFor(300); // held on at the end
    EXPECT_EQ(f.epathcache.Text(), "128");
    EXPECT_EQ(f.pathcachebar.Position(), 128);
    EXPECT_TRUE(Module.SettingsChanged);
    Module.SettingsChanged = false;
    ReleaseSpinButton(f.epathcache, true);
    PumpFor(300);
    EXPECT_EQ(f.epathcache.Text(), "128");
    EXPECT_EQ(f.pathcachebar.Position(), 128);
    EXPECT_FALSE(Module.SettingsChanged); // the last step changed nothing
}

TEST_F(SpinEditRows, ArrowKeysStepByTheIncrement) {
    Tf1& f = StartEnabled();
    FocusWindow(f.enamecache.EditHandle());
    PressKey(VK_UP);
    EXPECT_EQ(f.enamecache.Text(), "1189");
    EXPECT_EQ(f.namecachebar.Position(), 1189);
    FocusWindow(f.echunk.EditHandle());
    PressKey(VK_DOWN);
    EXPECT_EQ(f.echunk.Text(), "496");
    EXPECT_EQ(f.chunk.Position(), 496);
}
