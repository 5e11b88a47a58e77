// Saving from the real main window into system.ini and the registry.
#include "HeldSystemIni.h"
#include "main/SaveExit.h"
#include "support/MainWindowTest.h"
#include <map>

using namespace qvtest;

namespace {

const std::string kOwnTemplateKey = kTemplatePrefix + "Quorvane";

RegValue Binary(std::vector<std::uint8_t> bytes) {
    return RegValue{REG_BINARY, std::move(bytes)};
}

class StoreSave : public MainWindowTest {
protected:
    // Chooses a menu entry as the user's click does: WM_COMMAND with the item's id.
    void Command(const char* itemName) {
        qv::MenuItem* item = form().MainMenu1.FindByName(itemName);
        ASSERT_NE(item, nullptr) << itemName;
        SendMessageA(form().Handle(), WM_COMMAND, MAKEWPARAM(item->Id(), 0), 0);
        PumpFor(20);
    }
};

// Every value of "FS Templates" and of each template below it.
std::map<std::string, std::map<std::string, RegValue>> Templates() {
    std::map<std::string, std::map<std::string, RegValue>> all{
        {kTemplatesKey, RegValues(kTemplatesKey)}};
    for (const std::string& name : RegSubkeys(kTemplatesKey))
        all[kTemplatePrefix + name] = RegValues(kTemplatePrefix + name);
    return all;
}

} // namespace

TEST_F(StoreSave, WithEveryBoxUntickedDeletesTheKeysAndMakesDesktopCurrent) {
    const std::string ini = "[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\nminfilecache=abc\r\n"
                            "maxfilecache=0\r\nchunksize=Kb\r\nforeign=1\r\n[386Enh]\r\nx=y\r\n";
    WriteSystemIni(ini);
    SetRegText(kTemplatesKey, "", "Desktop");
    SetRegText(kOwnTemplateKey, "", "Quorvane Settings");
    SetRegValue(kOwnTemplateKey, "NameCache", REG_BINARY, {0x00, 0x10, 0x00, 0x00});
    SetRegValue(kOwnTemplateKey, "PathCache", REG_BINARY, {0x40, 0x00, 0x00, 0x00});
    const auto ownBefore = RegValues(kOwnTemplateKey);

    Start();
    EXPECT_EQ(Save(), "");
    IniModel after = ParseIni(ReadSystemIni());
    for (const auto& key : kStoreKeys)
        EXPECT_EQ(IniValue(after, "vcache", key), std::nullopt) << key;
    EXPECT_EQ(after, WithoutKeys(ParseIni(ini), "vcache", kStoreKeys));
    EXPECT_EQ(GetRegValue(kTemplatesKey, ""), TextValue("Desktop"));
    EXPECT_EQ(RegValues(kOwnTemplateKey), ownBefore);
}

TEST_F(StoreSave, TickedRowsWriteTheirBarPositionsAsDecimals) {
    WriteSystemIni("[vcache]\r\nminfilecache=0x800\r\nmaxfilecache=$2000\r\n");
    Tf1& f = Start();
    f.enablechunk.SetChecked(true);
    f.chunk.SetPosition(64);
    EXPECT_EQ(Save(), "");
    IniModel after = ParseIni(ReadSystemIni());
    EXPECT_EQ(IniValue(after, "vcache", "minfilecache"), "2048");
    EXPECT_EQ(IniValue(after, "vcache", "maxfilecache"), "8192");
    EXPECT_EQ(IniValue(after, "vcache", "chunksize"), "64");
}

TEST_F(StoreSave, OwnTemplateFromNothingLoaded) {
    DeleteRegTree(kTemplatesKey);
    Tf1& f = Start();
    f.enablenamecache.SetChecked(true);
    f.enamecache.SetValue(337);
    f.epathcache.SetValue(16);
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(GetRegValue(kTemplatesKey, ""), TextValue("Quorvane"));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, ""), TextValue("Quorvane Settings"));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "NameCache"), Binary({0x51, 0x01, 0x00, 0x00}));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "PathCache"), Binary({0x10, 0x00, 0x00, 0x00}));
}

TEST_F(StoreSave, AMissingTemplatesKeyIsCreatedWithTheDefaults) {
    DeleteRegTree(kTemplatesKey);
    Tf1& f = Start();
    f.enablenamecache.SetChecked(true);
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(GetRegValue(kTemplatesKey, ""), TextValue("Quorvane"));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "NameCache"), Binary({0xA5, 0x02, 0x00, 0x00}));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "PathCache"), Binary({0x20, 0x00, 0x00, 0x00}));
}

TEST_F(StoreSave, TheUpperBytesOfTheTemplateFoundAtStartPassIntoTheOwnOne) {
    SetRegText(kTemplatesKey, "", "Desktop");
    SetRegValue(kTemplatePrefix + "Desktop", "PathCache", REG_BINARY, {0x20, 0x01, 0x02, 0x03});
    SetRegValue(kTemplatePrefix + "Desktop", "NameCache", REG_BINARY, {0xA5, 0x02, 0xEE, 0xFF});
    const auto desktopBefore = RegValues(kTemplatePrefix + "Desktop");
    Tf1& f = Start();
    EXPECT_EQ(f.epathcache.Text(), "32");
    f.enablenamecache.SetChecked(true);
    f.epathcache.SetValue(64);
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "PathCache"), Binary({0x40, 0x01, 0x02, 0x03}));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "NameCache"), Binary({0xA5, 0x02, 0xEE, 0xFF}));
    EXPECT_EQ(RegValues(kTemplatePrefix + "Desktop"), desktopBefore);
    // A second save writes the same upper bytes again.
    f.enamecache.SetValue(4096);
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "NameCache"), Binary({0x00, 0x10, 0xEE, 0xFF}));
    EXPECT_EQ(Module.CurrentTemplateName, "Desktop");
}

TEST_F(StoreSave, ValuesTypedBeyondTheRangeAreHeldBeforeTheyGoIntoTheBytes) {
    SetRegText(kTemplatesKey, "", "Quorvane");
    SetRegValue(kOwnTemplateKey, "PathCache", REG_BINARY, {0x20, 0xAA, 0xBB, 0xCC});
    SetRegValue(kOwnTemplateKey, "NameCache", REG_BINARY, {0xA5, 0x02, 0xDD, 0xEE});
    Tf1& f = Start();
    ASSERT_TRUE(f.enablenamecache.Checked());
    // Text as it stands while the editor still has the focus: read, but not yet held.
    f.epathcache.SetText("99999");
    f.enamecache.SetText("70000");
    ASSERT_EQ(f.epathcache.Value(), 99999);
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "PathCache"), Binary({0x80, 0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "NameCache"), Binary({0x00, 0x18, 0xDD, 0xEE}));
    f.epathcache.SetText("-3");
    f.enamecache.SetText("");
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "PathCache"), Binary({0x10, 0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(GetRegValue(kOwnTemplateKey, "NameCache"), Binary({0x51, 0x01, 0xDD, 0xEE}));
}

TEST_F(StoreSave, AnUnwritableSystemIniStopsTheSaveBeforeTheRegistry) {
    WriteSystemIni("[vcache]\r\nminfilecache=2048\r\n");
    SetRegText(kTemplatesKey, "", "Quorvane");
    SetRegValue(kOwnTemplateKey, "PathCache", REG_BINARY, {0x20, 0, 0, 0});
    Tf1& f = Start();
    f.enablenamecache.SetChecked(true);
    f.epathcache.SetValue(100);
    ASSERT_TRUE(Module.SettingsChanged);
    const auto templatesBefore = RegValues(kTemplatesKey);
    const auto ownBefore = RegValues(kOwnTemplateKey);
    std::printf("system.ini made unwritable by: %s\n", MakeSystemIniUnwritable().c_str());

    EXPECT_EQ(Save(), "Unable to write to system.ini.");
    EXPECT_EQ(boxes.Boxes().back().flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_TRUE(Module.SettingsChanged);
    EXPECT_EQ(RegValues(kTemplatesKey), templatesBefore);
    EXPECT_EQ(RegValues(kOwnTemplateKey), ownBefore);
}

TEST_F(StoreSave, ARefusedDeleteEndsTheSaveWithoutTheNotice) {
    WriteSystemIni("[vcache]\r\nminfilecache=2048\r\nmaxfilecache=8192\r\nchunksize=512\r\n");
    Start();
    Command("RestoreOriginalSettings1"); // Disable Cache Optimization
    const std::string before = ReadSystemIni();
    const auto templatesBefore = Templates();
    HeldSystemIni held;

    Command("save1");
    EXPECT_EQ(ErrorTexts(), std::vector<std::string>{"Unable to write to system.ini."});
    EXPECT_EQ(boxes.Boxes().back().flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(ReadSystemIni(), before);
    EXPECT_EQ(Templates(), templatesBefore);
    EXPECT_TRUE(Module.SettingsChanged);

    held.Release();
    Command("save1");
    for (const auto& key : kStoreKeys)
        EXPECT_EQ(IniValue(ParseIni(ReadSystemIni()), "vcache", key), std::nullopt) << key;
    EXPECT_EQ(boxes.Boxes().back().text, kRebootNoticeText);
    EXPECT_FALSE(Module.SettingsChanged);
}

// Start-up stops at a template value of the wrong type, before the [vcache] keys: a save then
// leaves what was never shown as it is stored, and writes only the rows the user changes.
TEST_F(StoreSave, SettingsStartUpCouldNotShowSurviveASave) {
    const std::string ini = "[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\nminfilecache=0x800\r\n"
                            "maxfilecache=8192\r\nchunksize=256\r\nforeign=1\r\n";
    WriteSystemIni(ini);
    SetRegText(kTemplatesKey, "", "Desktop");
    SetRegValue(kTemplatePrefix + "Desktop", "PathCache", REG_DWORD, {0x20, 0, 0, 0});
    SetRegValue(kTemplatePrefix + "Desktop", "NameCache", REG_BINARY, {0xA5, 0x02, 0, 0});
    SetRegText(kOwnTemplateKey, "", "Quorvane Settings");
    const auto templatesBefore = Templates();
    Tf1& f = Start();
    ASSERT_EQ(ErrorTexts(), std::vector<std::string>{"Invalid data type for 'PathCache'"});
    ASSERT_FALSE(f.enablemincache.Checked());

    Command("save1");
    EXPECT_EQ(boxes.Boxes().back().text, kRebootNoticeText);
    EXPECT_EQ(ReadSystemIni(), ini);
    EXPECT_EQ(Templates(), templatesBefore);

    // The row the user changes is written; the others stay as stored.
    f.enablechunk.SetChecked(true);
    f.chunk.SetPosition(64);
    Command("save1");
    IniModel after = ParseIni(ReadSystemIni());
    EXPECT_EQ(IniValue(after, "vcache", "chunksize"), "64");
    EXPECT_EQ(IniValue(after, "vcache", "minfilecache"), "0x800");
    EXPECT_EQ(IniValue(after, "vcache", "maxfilecache"), "8192");
    EXPECT_EQ(ForeignToStore(ReadSystemIni()), ForeignToStore(ini));
    EXPECT_EQ(Templates(), templatesBefore);
}

TEST_F(StoreSave, DeletesAloneNeverFailEvenWithoutASystemIni) {
    Start();
    DeleteFileA(WindowsDirFile("system.ini").c_str());
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(GetRegValue(kTemplatesKey, ""), TextValue("Desktop"));
}

TEST_F(StoreSave, ANumberBeyond32BitsIsNoSettingAndASaveRemovesIt) {
    WriteSystemIni("[vcache]\r\nmaxfilecache=2147483648\r\nforeign=1\r\n");
    Tf1& f = Start();
    EXPECT_FALSE(f.enablemaxcache.Checked());
    EXPECT_EQ(f.emax.Text(), "8192");
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(ParseIni(ReadSystemIni()), ParseIni("[vcache]\r\nforeign=1\r\n"));
}

// The profile functions see only the first section of a name: a second [vcache] further down
// is neither shown nor touched by a save.
TEST_F(StoreSave, ASecondVcacheSectionKeepsItsKeys) {
    const std::string second = "[vcache]\r\nminfilecache=3072\r\nmaxfilecache=6144\r\n";
    WriteSystemIni("[vcache]\r\nminfilecache=4096\r\n[boot]\r\nshell=Explorer.exe\r\n" + second);
    Tf1& f = Start();
    EXPECT_EQ(f.emin.Text(), "4096");
    EXPECT_FALSE(f.enablemaxcache.Checked());
    f.enablemincache.SetChecked(false);
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(ParseIni(ReadSystemIni()),
              ParseIni("[vcache]\r\n[boot]\r\nshell=Explorer.exe\r\n" + second));
}
