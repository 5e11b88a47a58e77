// Save, Save & Exit and Disable Cache Optimization, checked against the real system.ini and
// registry.
#include "DialogDriver.h"
#include "Machines.h"
#include "framework/Application.h"
#include "main/ModuleState.h"
#include "main/SaveExit.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include "support/Win9xPersonality.h"
#include <gtest/gtest.h>

using qvtest::Answer;
using qvtest::Bytes;

namespace {

class Save : public ::testing::Test {
protected:
    qvtest::IniModel Ini() const { return qvtest::ParseIni(qvtest::ReadSystemIni()); }
    std::optional<std::string> Vcache(const char* key) const {
        return qvtest::IniValue(Ini(), "vcache", key);
    }
    std::optional<qvtest::RegValue> Quorvane(const char* value) const {
        return qvtest::GetRegValue(qvtest::TemplateKey("Quorvane"), value);
    }
    void ExpectOneNotice() const {
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, kRebootNoticeText);
        EXPECT_EQ(boxes.Boxes()[0].caption, " Quorvane 3");
        EXPECT_EQ(boxes.Boxes()[0].flags, 64u);
        EXPECT_EQ(boxes.Boxes()[0].owner, qv::Application::Instance().Window());
    }
    qvtest::MessageBoxRecorder boxes;
};

// Everything but the keys the program owns stays as it was: other sections, other keys of
// [vcache], their order.
void ExpectForeignContentKept(const std::string& before, const std::string& after) {
    const std::vector<std::string> own{"minfilecache", "maxfilecache", "chunksize"};
    EXPECT_EQ(qvtest::WithoutKeys(qvtest::ParseIni(after), "vcache", own),
              qvtest::WithoutKeys(qvtest::ParseIni(before), "vcache", own));
}

} // namespace

TEST_F(Save, WithEveryBoxUntickedDeletesTheKeysAndMakesDesktopCurrent) {
    qvtest::PrepareMachine(qvtest::QuorvaneMachine());
    qvtest::ProgramHost program;
    Tf1& w = program.Window();
    ASSERT_TRUE(w.enablemincache.Checked() && w.enablemaxcache.Checked() &&
                w.enablenamecache.Checked());
    auto quorvaneBefore = qvtest::RegValues(qvtest::TemplateKey("Quorvane"));
    program.Click(w.enablemincache);
    program.Click(w.enablemaxcache);
    program.Click(w.enablenamecache);
    ASSERT_FALSE(w.enablemincache.Checked() || w.enablemaxcache.Checked() ||
                 w.enablechunk.Checked() || w.enablenamecache.Checked());
    program.Command("save1");
    EXPECT_EQ(Vcache("minfilecache"), std::nullopt);
    EXPECT_EQ(Vcache("maxfilecache"), std::nullopt);
    EXPECT_EQ(Vcache("chunksize"), std::nullopt);
    ExpectForeignContentKept(qvtest::kStartIni, qvtest::ReadSystemIni());
    EXPECT_EQ(qvtest::GetRegValue(qvtest::kTemplatesKey, ""), qvtest::TextValue("Desktop"));
    EXPECT_EQ(qvtest::RegValues(qvtest::TemplateKey("Quorvane")), quorvaneBefore);
    EXPECT_FALSE(SettingsChanged);
    ExpectOneNotice();
    EXPECT_FALSE(program.Ended());
}

TEST_F(Save, WritesEveryParameterFromItsEditorsAndKeepsTheUpperTemplateBytes) {
    qvtest::PrepareMachine(qvtest::QuorvaneMachine());
    qvtest::ProgramHost program;
    Tf1& w = program.Window();
    program.Click(w.enablechunk);
    program.Command("save1");
    EXPECT_EQ(Vcache("minfilecache"), "2048");
    EXPECT_EQ(Vcache("maxfilecache"), "8192");
    EXPECT_EQ(Vcache("chunksize"), "512");
    ExpectForeignContentKept(qvtest::kStartIni, qvtest::ReadSystemIni());
    EXPECT_EQ(qvtest::GetRegValue(qvtest::kTemplatesKey, ""), qvtest::TextValue("Quorvane"));
    EXPECT_EQ(Quorvane(""), qvtest::TextValue("Quorvane Settings"));
    EXPECT_EQ(Quorvane("NameCache"),
              (qvtest::RegValue{REG_BINARY, Bytes({0x00, 0x08, 0x11, 0x22})}));
    EXPECT_EQ(Quorvane("PathCache"),
              (qvtest::RegValue{REG_BINARY, Bytes({0x40, 0x01, 0x02, 0x03})}));
    ExpectOneNotice();
}

// Windows 9x keeps system.ini in its profile cache and the registry in memory until it shuts
// down: a save has each store written to disk as soon as its writes are done, the template
// before it is made the one in force. Wine answers the profile flush FALSE, as Windows 95 does,
// and the save still counts.
TEST_F(Save, EndsWithBothStoresOnDisk) {
    qvtest::PrepareMachine(qvtest::QuorvaneMachine());
    qvtest::ProgramHost program;
    program.Click(program.Window().enablechunk);
    qvtest::ProfileWriteRecorder profile;
    qvtest::RegistryWriteRecorder registry;
    program.Command("save1");
    const std::vector<qvtest::RecordedProfileWrite> expected{
        {"vcache", "minfilecache", "2048", "system.ini"},
        {"vcache", "maxfilecache", "8192", "system.ini"},
        {"vcache", "chunksize", "512", "system.ini"},
        qvtest::FlushRequest("system.ini")};
    EXPECT_EQ(profile.Calls(), expected);
    const std::vector<std::string> registryCalls{"set ",  "set NameCache", "set PathCache",
                                                 "flush", "set ",          "flush"};
    ASSERT_EQ(registry.Names(), registryCalls);
    EXPECT_EQ(registry.Calls()[3].key, registry.Calls()[0].key);
    EXPECT_EQ(registry.Calls()[5].key, registry.Calls()[4].key);
    EXPECT_EQ(qvtest::ProfileFileOnDisk("system.ini"), qvtest::ReadSystemIni());
    EXPECT_FALSE(SettingsChanged);
    ExpectOneNotice();
}

// A registry that cannot be written to disk fails the save before the template is named.
TEST_F(Save, RegistryThatCannotReachTheDiskFailsTheSave) {
    qvtest::PrepareMachine(qvtest::DesktopMachine());
    qvtest::ProgramHost program;
    program.Click(program.Window().enablenamecache);
    qvtest::RegistryWriteRecorder registry(ERROR_REGISTRY_IO_FAILED);
    program.Command("save1");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Failed to write the registry to disk.");
    EXPECT_EQ(registry.Names().back(), "flush");
    EXPECT_EQ(qvtest::GetRegValue(qvtest::kTemplatesKey, ""), qvtest::TextValue("Desktop"));
    EXPECT_TRUE(SettingsChanged);
}

TEST_F(Save, DisableCacheOptimizationAloneWritesNothingAndClosingAsks) {
    qvtest::PrepareMachine(qvtest::QuorvaneMachine());
    qvtest::Snapshot before = qvtest::TakeSnapshot();
    qvtest::ProgramHost program;
    Tf1& w = program.Window();
    program.Command("RestoreOriginalSettings1");
    EXPECT_FALSE(w.enablemincache.Checked() || w.enablemaxcache.Checked() ||
                 w.enablechunk.Checked() || w.enablenamecache.Checked());
    // The click events ran: every row is disabled again.
    EXPECT_FALSE(w.min.Enabled() || w.emin.Enabled() || w.max.Enabled() || w.emax.Enabled() ||
                 w.namecachebar.Enabled() || w.epathcache.Enabled());
    EXPECT_TRUE(SettingsChanged);
    EXPECT_EQ(qvtest::TakeSnapshot(), before);
    EXPECT_TRUE(boxes.Boxes().empty());

    qvtest::DialogDriver driver({Answer::KeyN});
    program.Command("Exit1");
    EXPECT_EQ(driver.Showings(), 1);
    EXPECT_TRUE(program.Ended());
    EXPECT_EQ(qvtest::TakeSnapshot(), before);
}

TEST_F(Save, DisableCacheOptimizationRaisesTheFlagAlsoWhenNoBoxWasTicked) {
    qvtest::PrepareMachine({"[vcache]\r\n", "", {}});
    qvtest::ProgramHost program;
    ASSERT_FALSE(SettingsChanged);
    program.Command("RestoreOriginalSettings1");
    EXPECT_TRUE(SettingsChanged);
}

TEST_F(Save, SaveAndExitWithNothingChangedShowsTheNoticeAndEnds) {
    qvtest::PrepareMachine(qvtest::DesktopMachine());
    qvtest::ProgramHost program;
    ASSERT_FALSE(SettingsChanged);
    qvtest::DialogDriver driver({});
    program.Command("savee1");
    ExpectOneNotice();
    // The message loop ends; the window was never closed: no close query, no close handler.
    EXPECT_TRUE(qv::Application::Instance().Terminated());
    EXPECT_EQ(driver.Showings(), 0);
    EXPECT_TRUE(ProfileAccessor); // and no close handler: the store was not released
    // Save writes every parameter, changed or not.
    EXPECT_EQ(Vcache("minfilecache"), "2048");
    EXPECT_EQ(qvtest::GetRegValue(qvtest::kTemplatesKey, ""), qvtest::TextValue("Desktop"));
}

TEST_F(Save, MinimumTypedBeyondTheCeilingWritesTheBarsHeldPosition) {
    qvtest::PrepareMachine(qvtest::DesktopMachine());
    qvtest::ProgramHost program;
    Tf1& w = program.Window();
    const int ceiling = w.min.Max();
    program.TypeInto(w.emin, std::to_string(ceiling + 4096));
    ASSERT_TRUE(w.emin.Focused());
    ASSERT_EQ(w.emin.Text(), std::to_string(ceiling + 4096)); // not held while it has the focus
    program.Command("save1");
    EXPECT_EQ(Vcache("minfilecache"), std::to_string(ceiling));
    EXPECT_TRUE(w.emin.Focused());
    ExpectOneNotice();
}

TEST_F(Save, FileCacheValuesTypedBeyondTheirRangeAreHeldToItBeforeWriting) {
    qvtest::PrepareMachine(qvtest::QuorvaneMachine());
    qvtest::ProgramHost program;
    Tf1& w = program.Window();
    program.TypeInto(w.enamecache, "99999");
    ASSERT_TRUE(w.enamecache.Focused());
    ASSERT_EQ(w.enamecache.Value(), 99999);
    program.Command("save1");
    // 6144 = 0x1800, low byte first; the upper bytes as found.
    EXPECT_EQ(Quorvane("NameCache"),
              (qvtest::RegValue{REG_BINARY, Bytes({0x00, 0x18, 0x11, 0x22})}));

    program.TypeInto(w.epathcache, "999"); // enamecache's exit holds its text now
    ASSERT_TRUE(w.epathcache.Focused());
    program.Command("save1");
    EXPECT_EQ(Quorvane("PathCache"),
              (qvtest::RegValue{REG_BINARY, Bytes({0x80, 0x01, 0x02, 0x03})}));

    program.TypeInto(w.epathcache, "5");
    program.Command("save1");
    EXPECT_EQ(Quorvane("PathCache"),
              (qvtest::RegValue{REG_BINARY, Bytes({0x10, 0x01, 0x02, 0x03})}));
    EXPECT_EQ(Quorvane("NameCache"),
              (qvtest::RegValue{REG_BINARY, Bytes({0x00, 0x18, 0x11, 0x22})}));
}

TEST_F(Save, SaveAndExitEndsTheApplicationsMessageLoop) {
    qvtest::PrepareMachine(qvtest::DesktopMachine());
    qvtest::ProgramHost program;
    qv::MenuItem* item = program.Window().MainMenu1.FindByName("savee1");
    PostMessageA(program.Window().Handle(), WM_COMMAND, item->Id(), 0);
    qv::Application::Instance().Run(); // the program's own loop: returns once it has ended
    ExpectOneNotice();
    EXPECT_TRUE(qv::Application::Instance().Terminated());
    EXPECT_EQ(Vcache("minfilecache"), "2048");
}
