// Odd system.ini files and registry values at start-up and save: never fatal, and everything
// the program does not own comes through a save unchanged.
#include "support/MainWindowTest.h"

using namespace qvtest;

namespace {

const std::vector<std::string> kOwnKeys = {"minfilecache", "maxfilecache", "chunksize"};

IniModel Foreign(const std::string& text) {
    IniModel model = WithoutKeys(ParseIni(text), "vcache", kOwnKeys);
    std::erase_if(model, [](const auto& s) { return s.first == "vcache" && s.second.empty(); });
    return model;
}

class StoreBadInput : public MainWindowTest {
protected:
    // Starts with the file, checks what was loaded, saves with every disk-cache box ticked and
    // checks that the rest of the file survived.
    void LoadAndSave(const std::string& ini, int expectedMin, bool minTicked) {
        WriteSystemIni(ini);
        Tf1& f = Start();
        EXPECT_TRUE(ErrorTexts().empty());
        EXPECT_EQ(f.enablemincache.Checked(), minTicked);
        EXPECT_EQ(f.min.Position(), expectedMin);
        f.enablemincache.SetChecked(true);
        f.enablemaxcache.SetChecked(true);
        f.enablechunk.SetChecked(true);
        EXPECT_EQ(Save(), "");
        const std::string after = ReadSystemIni();
        EXPECT_EQ(Foreign(after), Foreign(ini));
        IniModel model = ParseIni(after);
        EXPECT_EQ(IniValue(model, "vcache", "minfilecache"), std::to_string(expectedMin));
        EXPECT_EQ(IniValue(model, "vcache", "chunksize"), std::to_string(f.chunk.Position()));
        Close();
    }
};

} // namespace

TEST_F(StoreBadInput, OddSpacing) {
    LoadAndSave("  [ vcache ]  \r\n   minfilecache   =   0x800   \r\n\t[boot]\t\r\n a = b \r\n",
                2048, true);
}

TEST_F(StoreBadInput, DuplicateSectionsAndKeys) {
    LoadAndSave("[vcache]\r\nminfilecache=4096\r\nminfilecache=1\r\nforeign=1\r\n[boot]\r\n"
                "shell=a\r\nshell=b\r\n[vcache]\r\nminfilecache=3072\r\nforeign=2\r\n",
                4096, true);
}

TEST_F(StoreBadInput, VeryLongLines) {
    // 5000 digits are cut at the read buffer and no longer fit 32 bits: not stored.
    LoadAndSave("[386Enh]\r\nlong=" + std::string(20000, 'x') +
                    "\r\n[vcache]\r\nminfilecache=" + std::string(5000, '1') + "\r\n",
                1024, false);
}

TEST_F(StoreBadInput, NoTrailingLineEnd) {
    LoadAndSave("[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\nminfilecache=3072", 3072, true);
    LoadAndSave("[vcache]\nminfilecache=2048\n[boot]\nlast=1", 2048, true);
}

TEST_F(StoreBadInput, BinaryJunkAroundTheSection) {
    std::string junk;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n' && c != '[' && c != '=' && c != ';')
            junk += static_cast<char>(c);
    LoadAndSave("[junk]\r\nbin=a" + junk + "z\r\na" + junk + "z\r\n[vcache]\r\nminfilecache=$C00" +
                    "\r\nforeign=a\x01\x02\xff" + "z\r\n",
                3072, true);
}

TEST_F(StoreBadInput, AnEmptyOrMissingSystemIni) {
    LoadAndSave("", 1024, false);
    DeleteFileA(WindowsDirFile("system.ini").c_str());
    Tf1& f = Start();
    EXPECT_TRUE(ErrorTexts().empty());
    EXPECT_FALSE(f.enablemincache.Checked());
    f.enablechunk.SetChecked(true);
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(IniValue(ParseIni(ReadSystemIni()), "vcache", "chunksize"), "512");
}

TEST_F(StoreBadInput, AnEmptyTemplateNameIsNoError) {
    SetRegText(kTemplatesKey, "", "");
    SetRegValue(kTemplatesKey, "foreign", REG_DWORD, {1, 2, 3, 4});
    Tf1& f = Start();
    EXPECT_TRUE(ErrorTexts().empty());
    EXPECT_FALSE(f.enablenamecache.Checked());
    EXPECT_EQ(Save(), "");
    EXPECT_EQ(GetRegValue(kTemplatesKey, ""), TextValue("Desktop"));
    EXPECT_EQ(GetRegValue(kTemplatesKey, "foreign"), (RegValue{REG_DWORD, {1, 2, 3, 4}}));
}

TEST_F(StoreBadInput, AnExpandableTemplateNameCounts) {
    SetRegValue(kTemplatesKey, "", REG_EXPAND_SZ, {'Q', 'u', 'o', 'r', 'v', 'a', 'n', 'e', 0});
    CreateRegKey(kTemplatePrefix + "Quorvane");
    Tf1& f = Start();
    EXPECT_TRUE(ErrorTexts().empty());
    EXPECT_TRUE(f.enablenamecache.Checked());
}
