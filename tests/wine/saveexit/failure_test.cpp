// A store that refuses to write, on each of the three ways into Save: the menu's Save, Save &
// Exit, and Yes in the close query. Save ends at the failing step, the flag stays raised, no
// notice is shown, and the program stays open.
//
// system.ini refuses writes for real: the read-only attribute where the system honours it;
// under Wine running as root it does not (root writes read-only files), and a directory then
// takes the file's place (the helper reports which). The registry refuses in two real ways:
// through the security of "FS Templates" (readable by everyone, writable by nobody; systems
// without registry security, Windows 9x, skip this), and through a volatile "FS Templates",
// below which the program's non-volatile template key cannot be created.
#include "DialogDriver.h"
#include "LockedKey.h"
#include "Machines.h"
#include "framework/Application.h"
#include "main/ModuleState.h"
#include "support/Recorders.h"
#include "support/Win9xPersonality.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <memory>

using qvtest::Answer;

namespace {

enum class Refusal { SystemIni, RegistrySecurity, VolatileTemplates };
enum class Path { Save, SaveAndExit, ExitYes };

struct FailureCase {
    Refusal refusal;
    Path path;
};

std::string Name(const FailureCase& c) {
    std::string name = c.refusal == Refusal::SystemIni          ? "SystemIni"
                       : c.refusal == Refusal::RegistrySecurity ? "RegistrySecurity"
                                                                : "VolatileTemplates";
    switch (c.path) {
    case Path::Save:
        return name + "OnSave";
    case Path::SaveAndExit:
        return name + "OnSaveAndExit";
    case Path::ExitYes:
        return name + "OnExitYes";
    }
    return name;
}

class StoreRefuses : public ::testing::TestWithParam<FailureCase> {
protected:
    void SetUp() override { qvtest::PrepareMachine(qvtest::DesktopMachine()); }
    void TearDown() override {
        locked.reset();
        qvtest::RestoreSystemIni(qvtest::kStartIni);
    }
    // Sets up the refusal; false when this system cannot refuse that way.
    bool Refuse() {
        switch (GetParam().refusal) {
        case Refusal::SystemIni: {
            std::string how = qvtest::MakeSystemIniUnwritable();
            std::printf("system.ini made unwritable by: %s\n", how.c_str());
            EXPECT_FALSE(WritePrivateProfileStringA("vcache", "probe", "1", "system.ini"));
            return true;
        }
        case Refusal::RegistrySecurity:
            locked = std::make_unique<qvtest::LockedKey>(qvtest::kTemplatesKey);
            return qvtest::LockedKey::RefusesWrites(qvtest::kTemplatesKey);
        case Refusal::VolatileTemplates:
            qvtest::MakeKeyVolatile(qvtest::kTemplatesKey);
            EXPECT_TRUE(qvtest::RefusesSubkey(qvtest::kTemplatesKey, "Quorvane"));
            return true;
        }
        return false;
    }
    qvtest::MessageBoxRecorder boxes;
    std::unique_ptr<qvtest::LockedKey> locked;
};

} // namespace

TEST_P(StoreRefuses, SaveStopsAtTheFailingStepAndTheProgramStaysOpen) {
    qvtest::ProgramHost program;
    Tf1& w = program.Window();
    // Changes in both places: the chunk size row and the File Cache rows.
    program.Click(w.enablechunk);
    program.Click(w.enablenamecache);
    ASSERT_TRUE(Module.SettingsChanged);
    if (!Refuse())
        GTEST_SKIP() << "this system keeps no registry security (as Windows 9x)";
    qvtest::Snapshot refused = qvtest::TakeSnapshot();

    std::unique_ptr<qvtest::DialogDriver> driver;
    switch (GetParam().path) {
    case Path::Save:
        program.Command("save1");
        break;
    case Path::SaveAndExit:
        program.Command("savee1");
        break;
    case Path::ExitYes:
        driver = std::make_unique<qvtest::DialogDriver>(std::vector<Answer>{Answer::KeyY});
        program.Command("Exit1");
        EXPECT_EQ(driver->Showings(), 1);
        EXPECT_EQ(Module.ConfirmResult, 1);
        break;
    }

    // Only the error box, no reboot notice.
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(boxes.Boxes()[0].caption, " Quorvane");
    EXPECT_TRUE(Module.SettingsChanged);
    EXPECT_FALSE(program.Ended());
    EXPECT_FALSE(qv::Application::Instance().Terminated());
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(Module.ProfileAccessor); // the close handler did not run

    qvtest::Snapshot after = qvtest::TakeSnapshot();
    if (GetParam().refusal == Refusal::SystemIni) {
        // The first step failed: nothing at all was written.
        EXPECT_EQ(boxes.Boxes()[0].text, "Unable to write to system.ini.");
        EXPECT_EQ(after.registry, refused.registry);
    } else {
        // The three [vcache] steps ran. The template is filled before it is made the one in
        // force, so whichever default value the registry refused (the new template key's, or
        // that of "FS Templates"), "Desktop" is still in force, and a "Quorvane" key, where the
        // system let it be created below the locked key (Wine does), is complete.
        EXPECT_EQ(boxes.Boxes()[0].text, "Failed to set data for ''");
        qvtest::IniModel ini = qvtest::ParseIni(after.systemIni);
        EXPECT_EQ(qvtest::IniValue(ini, "vcache", "minfilecache"), "2048");
        EXPECT_EQ(qvtest::IniValue(ini, "vcache", "chunksize"), "512");
        const std::string own = qvtest::TemplateKey("Quorvane");
        if (GetParam().refusal == Refusal::VolatileTemplates || !qvtest::RegKeyExists(own)) {
            EXPECT_EQ(after.registry, refused.registry);
        } else {
            EXPECT_EQ(after.registry.at(own).at(""), qvtest::TextValue("Quorvane Settings"));
            EXPECT_EQ(after.registry.at(own).size(), 3u) << "description, NameCache, PathCache";
            after.registry.erase(own);
            EXPECT_EQ(after.registry, refused.registry);
        }
        EXPECT_EQ(after.registry.at(qvtest::kTemplatesKey).at(""), qvtest::TextValue("Desktop"));
    }

    // Once the store writes again, closing still asks, and Yes now saves and ends.
    locked.reset();
    qvtest::RestoreSystemIni(qvtest::kStartIni);
    qvtest::PrepareMachine(qvtest::DesktopMachine());
    driver.reset();
    qvtest::DialogDriver again({Answer::KeyY});
    program.Command("Exit1");
    EXPECT_EQ(again.Showings(), 1);
    EXPECT_TRUE(program.Ended());
    EXPECT_EQ(qvtest::GetRegValue(qvtest::kTemplatesKey, ""), qvtest::TextValue("Quorvane"));
}

INSTANTIATE_TEST_SUITE_P(
    ThreePaths, StoreRefuses,
    ::testing::Values(FailureCase{Refusal::SystemIni, Path::Save},
                      FailureCase{Refusal::SystemIni, Path::SaveAndExit},
                      FailureCase{Refusal::SystemIni, Path::ExitYes},
                      FailureCase{Refusal::RegistrySecurity, Path::Save},
                      FailureCase{Refusal::RegistrySecurity, Path::SaveAndExit},
                      FailureCase{Refusal::RegistrySecurity, Path::ExitYes},
                      FailureCase{Refusal::VolatileTemplates, Path::Save},
                      FailureCase{Refusal::VolatileTemplates, Path::SaveAndExit},
                      FailureCase{Refusal::VolatileTemplates, Path::ExitYes}),
    [](const auto& info) { return Name(info.param); });

// The [vcache] keys go to disk as soon as they are written: also when the registry then
// refuses the template.
TEST(FailedSave, StillHasTheWrittenKeysOnDisk) {
    qvtest::PrepareMachine(qvtest::DesktopMachine());
    qvtest::MessageBoxRecorder boxes;
    qvtest::ProgramHost program;
    program.Click(program.Window().enablechunk);
    program.Click(program.Window().enablenamecache);
    qvtest::MakeKeyVolatile(qvtest::kTemplatesKey);
    qvtest::ProfileWriteRecorder profile;
    program.Command("save1");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Failed to set data for ''");
    const std::vector<qvtest::RecordedProfileWrite> expected{
        {"vcache", "minfilecache", "2048", "system.ini"},
        {"vcache", "maxfilecache", "8192", "system.ini"},
        {"vcache", "chunksize", "512", "system.ini"},
        qvtest::FlushRequest("system.ini")};
    EXPECT_EQ(profile.Calls(), expected);
    EXPECT_EQ(qvtest::ProfileFileOnDisk("system.ini"), qvtest::ReadSystemIni());
    EXPECT_TRUE(Module.SettingsChanged);
}
