// One user's session from start-up to the end of the program: the machine prepared, the window
// created as start-up creates it, two rows changed with mouse and keyboard, Save, another
// change, Exit answered Yes. After each step system.ini and the registry hold exactly what the
// user chose, and everything else on the machine is as it was.
#include "DialogDriver.h"
#include "Machines.h"
#include "main/ModuleState.h"
#include "main/SaveExit.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include <gtest/gtest.h>

using qvtest::Bytes;

namespace {

const std::vector<std::string> kOwnKeys{"minfilecache", "maxfilecache", "chunksize"};

qvtest::Machine FlowMachine() {
    qvtest::Machine m = qvtest::DesktopMachine();
    m.templates.push_back({"Mobile", Bytes({0x51, 0x01, 0x07, 0x07}), Bytes({0x10, 0, 9, 9})});
    return m;
}

} // namespace

TEST(UserSession, ChangeSaveChangeExitYes) {
    qvtest::PrepareMachine(FlowMachine());
    qvtest::SetRegText(qvtest::kTemplatesKey, "Foreign", "left alone");
    qvtest::Snapshot start = qvtest::TakeSnapshot();
    qvtest::MessageBoxRecorder boxes;

    qvtest::ProgramHost program;
    Tf1& w = program.Window();
    ASSERT_TRUE(w.enablemincache.Checked());
    ASSERT_TRUE(w.enablemaxcache.Checked());
    ASSERT_FALSE(w.enablechunk.Checked());
    ASSERT_FALSE(w.enablenamecache.Checked());
    ASSERT_FALSE(Module.SettingsChanged);

    // Row "Chuck Size": tick it, then End on its bar (to 1024).
    program.Click(w.enablechunk);
    qvtest::FocusWindow(w.chunk.Handle());
    qvtest::PressKey(VK_END);
    ASSERT_EQ(w.chunk.Position(), 1024);
    ASSERT_EQ(w.echunk.Text(), "1024");
    // Rows of the File Cache: tick them, type a name cache of 2048.
    program.Click(w.enablenamecache);
    program.TypeInto(w.enamecache, "2048");
    ASSERT_TRUE(Module.SettingsChanged);

    program.Command("save1");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, kRebootNoticeText);
    EXPECT_FALSE(Module.SettingsChanged);
    qvtest::Snapshot saved = qvtest::TakeSnapshot();
    qvtest::IniModel ini = qvtest::ParseIni(saved.systemIni);
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "minfilecache"), "2048");
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "maxfilecache"), "8192");
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "chunksize"), "1024");
    EXPECT_EQ(qvtest::WithoutKeys(ini, "vcache", kOwnKeys),
              qvtest::WithoutKeys(qvtest::ParseIni(start.systemIni), "vcache", kOwnKeys));
    auto templates = saved.registry.at(qvtest::kTemplatesKey);
    EXPECT_EQ(templates.at(""), qvtest::TextValue("Quorvane"));
    EXPECT_EQ(templates.at("Foreign"), qvtest::TextValue("left alone"));
    auto own = saved.registry.at(qvtest::TemplateKey("Quorvane"));
    EXPECT_EQ(own.size(), 3u);
    EXPECT_EQ(own.at(""), qvtest::TextValue("Quorvane Settings"));
    // The upper bytes are those of the template in force at start ("Desktop").
    EXPECT_EQ(own.at("NameCache"), (qvtest::RegValue{REG_BINARY, Bytes({0x00, 0x08, 0, 0})}));
    EXPECT_EQ(own.at("PathCache"), (qvtest::RegValue{REG_BINARY, Bytes({0x20, 0, 0, 0})}));
    EXPECT_EQ(saved.registry.at(qvtest::TemplateKey("Desktop")),
              start.registry.at(qvtest::TemplateKey("Desktop")));
    EXPECT_EQ(saved.registry.at(qvtest::TemplateKey("Mobile")),
              start.registry.at(qvtest::TemplateKey("Mobile")));

    // Change again: the minimal size is no longer wanted. Exit, Yes.
    program.Click(w.enablemincache);
    ASSERT_TRUE(Module.SettingsChanged);
    qvtest::DialogDriver driver({qvtest::Answer::KeyY});
    program.Command("Exit1");
    EXPECT_EQ(driver.Showings(), 1);
    EXPECT_TRUE(program.Ended());
    EXPECT_FALSE(Module.ProfileAccessor); // the close handler released the store
    EXPECT_FALSE(Module.RegistryAccessor);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].text, kRebootNoticeText);

    qvtest::Snapshot end = qvtest::TakeSnapshot();
    ini = qvtest::ParseIni(end.systemIni);
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "minfilecache"), std::nullopt);
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "maxfilecache"), "8192");
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "chunksize"), "1024");
    EXPECT_EQ(qvtest::WithoutKeys(ini, "vcache", kOwnKeys),
              qvtest::WithoutKeys(qvtest::ParseIni(start.systemIni), "vcache", kOwnKeys));
    // The registry is as after the first save: the second one wrote the same values again.
    EXPECT_EQ(end.registry, saved.registry);
}
