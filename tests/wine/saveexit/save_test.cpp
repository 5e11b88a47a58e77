// Save, Save & Exit and Disable Cache Optimization, checked against the real system.ini and
// registry.
#include "DialogDriver.h"
#include "LockedKey.h"
#include "SaveTest.h"
#include "framework/Application.h"
#include "main/ModuleState.h"
#include "support/Pump.h"
#include "support/Win9xPersonality.h"
#include <memory>

using qvtest::Answer;
using qvtest::Bytes;

using namespace qvtest::save;

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
    EXPECT_FALSE(Module.SettingsChanged);
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
    const std::vector<std::string> registryCalls{"set ",          "set NameCache", "set PathCache",
                                                 "flush",         "set ",          "flush",
                                                 "set NameCache", "set PathCache", "flush"};
    ASSERT_EQ(registry.Names(), registryCalls);
    EXPECT_EQ(registry.Calls()[3].key, registry.Calls()[0].key);
    EXPECT_EQ(registry.Calls()[5].key, registry.Calls()[4].key);
    EXPECT_EQ(registry.Calls()[8].key, registry.Calls()[6].key);
    EXPECT_EQ(qvtest::ProfileFileOnDisk("system.ini"), qvtest::ReadSystemIni());
    EXPECT_FALSE(Module.SettingsChanged);
    ExpectOneNotice();
}

// The file system reads the name and directory cache at boot from Control\FileSystem: a save
// copies there the two values of the template it puts in force, as the control panel does when
// a role is applied, and leaves every other value of that key alone.
TEST_F(Save, TickedCopiesTheOwnTemplateWhereTheFileSystemReadsIt) {
    qvtest::PrepareMachine(qvtest::QuorvaneMachine());
    const auto foreign = PrepareFileSystemKey();
    qvtest::ProgramHost program;
    program.TypeInto(program.Window().enamecache, "4096");
    program.Command("save1");
    const auto nameCache = Binary({0x00, 0x10, 0x11, 0x22});
    const auto pathCache = Binary({0x40, 0x01, 0x02, 0x03});
    EXPECT_EQ(qvtest::RegValues(qvtest::kTemplatesKey),
              (ValueMap{{"", qvtest::TextValue("Quorvane")}}));
    EXPECT_EQ(qvtest::RegValues(qvtest::TemplateKey("Quorvane")),
              (ValueMap{{"", qvtest::TextValue("Quorvane Settings")},
                        {"NameCache", nameCache},
                        {"PathCache", pathCache}}));
    EXPECT_EQ(qvtest::RegValues(qvtest::kFileSystemKey),
              With(foreign, {{"NameCache", nameCache}, {"PathCache", pathCache}}));
    ExpectOneNotice();
}

TEST_F(Save, UntickedCopiesTheDesktopTemplateAsItStandsAndNothingWhenItLacksAValue) {
    qvtest::PrepareMachine(qvtest::DesktopMachine());
    const auto foreign = PrepareFileSystemKey();
    const auto desktop = qvtest::RegValues(qvtest::TemplateKey("Desktop"));
    {
        qvtest::ProgramHost program;
        program.Command("save1");
    }
    EXPECT_EQ(qvtest::RegValues(qvtest::kTemplatesKey),
              (ValueMap{{"", qvtest::TextValue("Desktop")}}));
    EXPECT_EQ(qvtest::RegValues(qvtest::TemplateKey("Desktop")), desktop);
    EXPECT_EQ(qvtest::RegValues(qvtest::kFileSystemKey),
              With(foreign, {{"NameCache", Binary({0xA5, 0x02, 0x00, 0x00})},
                             {"PathCache", Binary({0x20, 0x00, 0x00, 0x00})}}));

    qvtest::PrepareMachine({qvtest::kStartIni, "Desktop", {}});
    qvtest::SetRegValue(qvtest::TemplateKey("Desktop"), "NameCache", REG_BINARY,
                        Bytes({0x00, 0x04, 0, 0}));
    const auto before = qvtest::RegValues(qvtest::kFileSystemKey);
    qvtest::ProgramHost program;
    program.Command("save1");
    EXPECT_EQ(qvtest::RegValues(qvtest::kFileSystemKey), before);
    EXPECT_EQ(boxes.Boxes().back().text, kRebootNoticeText);
}

// A refused write into Control\FileSystem stops the save with its message, after the template
// was named; no notice, the flag stays raised. The key's security refuses it; where the system
// keeps none (Windows 9x), the system's answer to that write is a refusal.
TEST_F(Save, ARefusedWriteIntoTheFileSystemKeyStopsTheSave) {
    qvtest::PrepareMachine(qvtest::QuorvaneMachine());
    const auto foreign = PrepareFileSystemKey();
    qvtest::ProgramHost program;
    program.TypeInto(program.Window().enamecache, "4096");
    qvtest::LockedKey locked(qvtest::kFileSystemKey);
    std::unique_ptr<qvtest::RegistryWriteRecorder> refusal;
    if (!qvtest::LockedKey::RefusesWrites(qvtest::kFileSystemKey))
        refusal = std::make_unique<qvtest::RegistryWriteRecorder>(ERROR_SUCCESS, 6);
    program.Command("save1");
    ASSERT_EQ(Texts(), std::vector<std::string>{"Failed to set data for 'NameCache'"});
    EXPECT_EQ(boxes.Boxes()[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(qvtest::GetRegValue(qvtest::kTemplatesKey, ""), qvtest::TextValue("Quorvane"));
    EXPECT_EQ(Quorvane("NameCache"), Binary({0x00, 0x10, 0x11, 0x22}));
    EXPECT_EQ(qvtest::RegValues(qvtest::kFileSystemKey), foreign);
    EXPECT_TRUE(Module.SettingsChanged);
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
    EXPECT_TRUE(Module.SettingsChanged);
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
    EXPECT_TRUE(Module.SettingsChanged);
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
    ASSERT_FALSE(Module.SettingsChanged);
    program.Command("RestoreOriginalSettings1");
    EXPECT_TRUE(Module.SettingsChanged);
}

TEST_F(Save, SaveAndExitWithNothingChangedShowsTheNoticeAndEnds) {
    qvtest::PrepareMachine(qvtest::DesktopMachine());
    qvtest::ProgramHost program;
    ASSERT_FALSE(Module.SettingsChanged);
    qvtest::DialogDriver driver({});
    program.Command("savee1");
    ExpectOneNotice();
    // The message loop ends; the window was never closed: no close query, no close handler.
    EXPECT_TRUE(qv::Application::Instance().Terminated());
    EXPECT_EQ(driver.Showings(), 0);
    EXPECT_TRUE(Module.ProfileAccessor); // and no close handler: the store was not released
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
