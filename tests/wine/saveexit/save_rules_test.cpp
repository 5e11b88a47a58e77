// The store's rules as a save meets them: template bytes kept from start-up, a missing key,
// refused deletes, rows start-up could not show, numbers that are no setting, and a second
// [vcache] section.
#include "SaveTest.h"
#include "main/ModuleState.h"
#include "wine/store/HeldSystemIni.h"

using namespace qvtest;
using namespace qvtest::save;

namespace {

const std::string kOwnTemplateKey = TemplateKey("Quorvane");

// Every value of "FS Templates" and of each template below it.
std::map<std::string, std::map<std::string, RegValue>> Templates() {
    return TakeSnapshot().registry;
}

} // namespace

TEST_F(Save, AMissingTemplatesKeyIsCreatedWithTheDefaults) {
    PrepareMachine({kStartIni, "", {}});
    DeleteRegTree(kTemplatesKey);
    ProgramHost program;
    program.Click(program.Window().enablenamecache);
    program.Command("save1");
    ExpectOneNotice();
    EXPECT_EQ(GetRegValue(kTemplatesKey, ""), TextValue("Quorvane"));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "NameCache"), Binary({0xA5, 0x02, 0x00, 0x00}));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "PathCache"), Binary({0x20, 0x00, 0x00, 0x00}));
}

TEST_F(Save, TheUpperBytesOfTheTemplateFoundAtStartPassIntoTheOwnOne) {
    PrepareMachine({kStartIni, "Desktop", {}});
    SetRegValue(TemplateKey("Desktop"), "PathCache", REG_BINARY, {0x20, 0x01, 0x02, 0x03});
    SetRegValue(TemplateKey("Desktop"), "NameCache", REG_BINARY, {0xA5, 0x02, 0xEE, 0xFF});
    const auto desktopBefore = RegValues(TemplateKey("Desktop"));
    ProgramHost program;
    Tf1& f = program.Window();
    EXPECT_EQ(f.epathcache.Text(), "32");
    program.Click(f.enablenamecache);
    program.TypeInto(f.epathcache, "64");
    program.Command("save1");
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "PathCache"), Binary({0x40, 0x01, 0x02, 0x03}));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "NameCache"), Binary({0xA5, 0x02, 0xEE, 0xFF}));
    EXPECT_EQ(RegValues(TemplateKey("Desktop")), desktopBefore);
    // A second save writes the same upper bytes again.
    program.TypeInto(f.enamecache, "4096");
    program.Command("save1");
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "NameCache"), Binary({0x00, 0x10, 0xEE, 0xFF}));
    EXPECT_EQ(Module.CurrentTemplateName, "Desktop");
}

TEST_F(Save, ARefusedDeleteEndsTheSaveWithoutTheNotice) {
    PrepareMachine(
        {"[vcache]\r\nminfilecache=2048\r\nmaxfilecache=8192\r\nchunksize=512\r\n", "", {}});
    ProgramHost program;
    program.Command("RestoreOriginalSettings1"); // Disable Cache Optimization
    const std::string before = ReadSystemIni();
    const auto templatesBefore = Templates();
    HeldSystemIni held;

    program.Command("save1");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Unable to write to system.ini."});
    EXPECT_EQ(boxes.Boxes().back().flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(ReadSystemIni(), before);
    EXPECT_EQ(Templates(), templatesBefore);
    EXPECT_TRUE(Module.SettingsChanged);

    held.Release();
    program.Command("save1");
    for (const auto& key : kStoreKeys)
        EXPECT_EQ(IniValue(ParseIni(ReadSystemIni()), "vcache", key), std::nullopt) << key;
    EXPECT_EQ(boxes.Boxes().back().text, kRebootNoticeText);
    EXPECT_FALSE(Module.SettingsChanged);
}

// Start-up stops at a template value of the wrong type, before the [vcache] keys: a save then
// leaves what was never shown as it is stored, and writes only the rows the user changes.
TEST_F(Save, SettingsStartUpCouldNotShowSurviveASave) {
    const std::string ini = "[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\nminfilecache=0x800\r\n"
                            "maxfilecache=8192\r\nchunksize=256\r\nforeign=1\r\n";
    PrepareMachine({ini, "Desktop", {}});
    SetRegValue(TemplateKey("Desktop"), "PathCache", REG_DWORD, {0x20, 0, 0, 0});
    SetRegValue(TemplateKey("Desktop"), "NameCache", REG_BINARY, {0xA5, 0x02, 0, 0});
    SetRegText(kOwnTemplateKey, "", "Quorvane Settings");
    const auto templatesBefore = Templates();
    ProgramHost program;
    Tf1& f = program.Window();
    ASSERT_EQ(Texts(), std::vector<std::string>{"Invalid data type for 'PathCache'"});
    ASSERT_FALSE(f.enablemincache.Checked());

    program.Command("save1");
    EXPECT_EQ(boxes.Boxes().back().text, kRebootNoticeText);
    EXPECT_EQ(ReadSystemIni(), ini);
    EXPECT_EQ(Templates(), templatesBefore);

    // The row the user changes is written; the others stay as stored.
    f.enablechunk.SetChecked(true);
    f.chunk.SetPosition(64);
    program.Command("save1");
    IniModel after = ParseIni(ReadSystemIni());
    EXPECT_EQ(IniValue(after, "vcache", "chunksize"), "64");
    EXPECT_EQ(IniValue(after, "vcache", "minfilecache"), "0x800");
    EXPECT_EQ(IniValue(after, "vcache", "maxfilecache"), "8192");
    EXPECT_EQ(ForeignToStore(ReadSystemIni()), ForeignToStore(ini));
    EXPECT_EQ(Templates(), templatesBefore);
}

TEST_F(Save, DeletesAloneNeverFailEvenWithoutASystemIni) {
    PrepareMachine({kStartIni, "", {}});
    ProgramHost program;
    program.Command("RestoreOriginalSettings1");
    DeleteFileA(WindowsDirFile("system.ini").c_str());
    program.Command("save1");
    ExpectOneNotice();
    EXPECT_EQ(GetRegValue(kTemplatesKey, ""), TextValue("Desktop"));
}

TEST_F(Save, ANumberBeyond32BitsIsNoSettingAndASaveRemovesIt) {
    PrepareMachine({"[vcache]\r\nmaxfilecache=2147483648\r\nforeign=1\r\n", "", {}});
    ProgramHost program;
    EXPECT_FALSE(program.Window().enablemaxcache.Checked());
    EXPECT_EQ(program.Window().emax.Text(), "8192");
    program.Command("save1");
    ExpectOneNotice();
    EXPECT_EQ(ParseIni(ReadSystemIni()), ParseIni("[vcache]\r\nforeign=1\r\n"));
}

// The profile functions see only the first section of a name: a second [vcache] further down
// is neither shown nor touched by a save.
TEST_F(Save, ASecondVcacheSectionKeepsItsKeys) {
    const std::string second = "[vcache]\r\nminfilecache=3072\r\nmaxfilecache=6144\r\n";
    PrepareMachine(
        {"[vcache]\r\nminfilecache=4096\r\n[boot]\r\nshell=Explorer.exe\r\n" + second, "", {}});
    ProgramHost program;
    Tf1& f = program.Window();
    EXPECT_EQ(f.emin.Text(), "4096");
    EXPECT_FALSE(f.enablemaxcache.Checked());
    program.Click(f.enablemincache);
    program.Command("save1");
    ExpectOneNotice();
    EXPECT_EQ(ParseIni(ReadSystemIni()),
              ParseIni("[vcache]\r\n[boot]\r\nshell=Explorer.exe\r\n" + second));
}
