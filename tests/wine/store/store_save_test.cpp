// Saving from the real main window into system.ini and the registry.
#include "support/MainWindowTest.h"

using namespace qvtest;

namespace {

const std::vector<std::string> kOwnKeys = {"minfilecache", "maxfilecache", "chunksize"};
const std::string kOwnTemplateKey = kTemplatePrefix + "Quorvane";

RegValue Binary(std::vector<std::uint8_t> bytes) {
    return RegValue{REG_BINARY, std::move(bytes)};
}

class StoreSave : public MainWindowTest {};

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
    for (const auto& key : kOwnKeys)
        EXPECT_EQ(IniValue(after, "vcache", key), std::nullopt) << key;
    EXPECT_EQ(after, WithoutKeys(ParseIni(ini), "vcache", kOwnKeys));
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
    EXPECT_EQ(CurrentTemplateName, "Desktop");
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
    ASSERT_TRUE(SettingsChanged);
    const auto templatesBefore = RegValues(kTemplatesKey);
    const auto ownBefore = RegValues(kOwnTemplateKey);
    std::printf("system.ini made unwritable by: %s\n", MakeSystemIniUnwritable().c_str());

    EXPECT_EQ(Save(), "Unable to write to system.ini.");
    EXPECT_EQ(boxes.Boxes().back().flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_TRUE(SettingsChanged);
    EXPECT_EQ(RegValues(kTemplatesKey), templatesBefore);
    EXPECT_EQ(RegValues(kOwnTemplateKey), ownBefore);
}

TEST_F(StoreSave, DeletesAloneNeverFailEvenWithoutASystemIni) {
    Start();
    DeleteFileA(WindowsDirFile("system.ini").c_str());
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(GetRegValue(kTemplatesKey, ""), TextValue("Desktop"));
}
