// The "Enabled" boxes of the real main window: each enables or disables its row and raises
// the flag, whether clicked by the user or set by the program.
#include "support/MainWindowTest.h"

using namespace qvtest;

namespace {

class EnableBoxes : public qvtest::MainWindowTest {};

std::vector<bool> EnabledStates(std::initializer_list<qv::Window*> controls) {
    std::vector<bool> states;
    for (qv::Window* c : controls)
        states.push_back(c->Enabled() && IsWindowEnabled(c->Handle()));
    return states;
}

} // namespace

TEST_F(EnableBoxes, AtStartEveryRowIsDisabled) {
    Tf1& f = Start();
    const std::initializer_list<qv::Window*> rows = {
        &f.Label1, &f.Label2,       &f.min,        &f.emin,    &f.Label3,       &f.Label4,
        &f.max,    &f.emax,         &f.Label5,     &f.Label6,  &f.chunk,        &f.echunk,
        &f.Label9, &f.namecachebar, &f.enamecache, &f.Label10, &f.pathcachebar, &f.epathcache};
    for (qv::Window* c : rows)
        EXPECT_FALSE(c->Enabled()) << c->Name();
    for (qv::CheckBox* box :
         {&f.enablemincache, &f.enablemaxcache, &f.enablechunk, &f.enablenamecache}) {
        EXPECT_TRUE(box->Enabled());
        EXPECT_FALSE(box->Checked());
    }
}

TEST_F(EnableBoxes, TheNameCacheBoxGovernsSixControls) {
    Tf1& f = Start();
    Module.SettingsChanged = false;
    ClickBox(f.enablenamecache);
    EXPECT_TRUE(f.enablenamecache.Checked());
    EXPECT_EQ(EnabledStates({&f.Label9, &f.namecachebar, &f.enamecache, &f.Label10, &f.pathcachebar,
                             &f.epathcache}),
              std::vector<bool>(6, true));
    EXPECT_TRUE(Module.SettingsChanged);
    EXPECT_FALSE(f.min.Enabled());

    Module.SettingsChanged = false;
    ClickBox(f.enablenamecache);
    EXPECT_FALSE(f.enablenamecache.Checked());
    EXPECT_EQ(EnabledStates({&f.Label9, &f.namecachebar, &f.enamecache, &f.Label10, &f.pathcachebar,
                             &f.epathcache}),
              std::vector<bool>(6, false));
    EXPECT_TRUE(Module.SettingsChanged);
}

TEST_F(EnableBoxes, EachDiskCacheBoxGovernsItsOwnRow) {
    Tf1& f = Start();
    struct Case {
        qv::CheckBox* box;
        std::vector<qv::Window*> row;
    };
    const std::vector<Case> cases = {
        {&f.enablemincache, {&f.Label1, &f.Label2, &f.min, &f.emin}},
        {&f.enablemaxcache, {&f.Label3, &f.Label4, &f.max, &f.emax}},
        {&f.enablechunk, {&f.Label5, &f.Label6, &f.chunk, &f.echunk}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box->Name());
        Module.SettingsChanged = false;
        ClickBox(*c.box);
        for (qv::Window* w : c.row)
            EXPECT_TRUE(w->Enabled()) << w->Name();
        EXPECT_TRUE(Module.SettingsChanged);
        Module.SettingsChanged = false;
        c.box->SetChecked(false); // by the program: the click event runs all the same
        for (qv::Window* w : c.row)
            EXPECT_FALSE(w->Enabled()) << w->Name();
        EXPECT_TRUE(Module.SettingsChanged);
    }
}

TEST_F(EnableBoxes, SettingTheStateABoxAlreadyHasRaisesNothing) {
    Tf1& f = Start();
    Module.SettingsChanged = false;
    f.enablechunk.SetChecked(false);
    EXPECT_FALSE(Module.SettingsChanged);
}

TEST_F(EnableBoxes, ADisabledRowStillTakesValuesFromTheProgram) {
    Tf1& f = Start();
    f.epathcache.SetValue(100);
    EXPECT_EQ(f.pathcachebar.Position(), 100);
    f.chunk.SetPosition(64); // no event from a position set by the program
    EXPECT_EQ(f.echunk.Text(), "512");
}
