// The profile accessor against the real profile functions and the real system.ini of the
// test's Wine prefix.
#include "framework/Exceptions.h"
#include "framework/IniFile.h"
#include "HeldSystemIni.h"
#include "support/SystemFiles.h"
#include <gtest/gtest.h>
#include <cstdio>

using namespace qvtest;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSystemIni("[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\nminfilecache=2048\r\n"
                       "[386Enh]\r\nwoafont=dosapp.fon\r\n");
    }
    void TearDown() override { RestoreSystemIni(""); }
    qv::IniFile ini{"system.ini"};
};

} // namespace

TEST_F(IniFileTest, ReadsFromTheWindowsDirectory) {
    EXPECT_EQ(ini.ReadString("vcache", "minfilecache"), "2048");
    EXPECT_EQ(ini.ReadString("VCACHE", "MinFileCache"), "2048");
    EXPECT_EQ(ini.ReadString("vcache", "chunksize"), "");
    EXPECT_EQ(ini.ReadString("nosuchsection", "minfilecache"), "");
}

TEST_F(IniFileTest, LongValuesAreCutAtTheBuffer) {
    WriteSystemIni("[vcache]\r\nminfilecache=" + std::string(5000, '7') + "\r\n");
    std::string text = ini.ReadString("vcache", "minfilecache");
    EXPECT_EQ(text, std::string(1023, '7'));
}

TEST_F(IniFileTest, WriteAndDeleteTouchOnlyTheirKey) {
    IniModel before = ParseIni(ReadSystemIni());
    ini.WriteString("vcache", "chunksize", "512");
    ini.WriteString("vcache", "minfilecache", "4096");
    IniModel after = ParseIni(ReadSystemIni());
    EXPECT_EQ(IniValue(after, "vcache", "chunksize"), "512");
    EXPECT_EQ(IniValue(after, "vcache", "minfilecache"), "4096");
    EXPECT_EQ(WithoutKeys(after, "vcache", {"chunksize", "minfilecache"}),
              WithoutKeys(before, "vcache", {"minfilecache"}));

    ini.DeleteKey("vcache", "minfilecache");
    ini.DeleteKey("vcache", "chunksize");
    EXPECT_EQ(ParseIni(ReadSystemIni()), WithoutKeys(before, "vcache", {"minfilecache"}));
    EXPECT_EQ(ini.ReadString("vcache", "minfilecache"), "");
}

TEST_F(IniFileTest, DeletingMissingKeysOrFileIsQuiet) {
    EXPECT_NO_THROW(ini.DeleteKey("vcache", "maxfilecache"));
    EXPECT_NO_THROW(ini.DeleteKey("nosuchsection", "maxfilecache"));
    qv::IniFile missing("qv-no-such-file.ini");
    EXPECT_NO_THROW(missing.DeleteKey("vcache", "maxfilecache"));
    EXPECT_EQ(missing.ReadString("vcache", "maxfilecache"), "");
}

TEST_F(IniFileTest, RefusedWriteNamesTheBareFile) {
    std::string how = MakeSystemIniUnwritable();
    std::printf("system.ini made unwritable by: %s\n", how.c_str());
    try {
        ini.WriteString("vcache", "chunksize", "512");
        FAIL() << "no error";
    } catch (const qv::Exception& e) {
        EXPECT_STREQ(e.what(), "Unable to write to system.ini");
    }
    EXPECT_EQ(ini.ReadString("vcache", "chunksize"), "");
}

TEST_F(IniFileTest, ARefusedDeleteOfAPresentKeyFailsLikeAWrite) {
    const std::string before = ReadSystemIni();
    HeldSystemIni held;
    EXPECT_NO_THROW(ini.DeleteKey("vcache", "chunksize")); // absent: nothing to delete
    try {
        ini.DeleteKey("vcache", "minfilecache");
        FAIL() << "no error";
    } catch (const qv::Exception& e) {
        EXPECT_STREQ(e.what(), "Unable to write to system.ini");
    }
    EXPECT_EQ(ReadSystemIni(), before);
    EXPECT_EQ(ini.ReadString("vcache", "minfilecache"), "2048") << "what the file holds";
    // Once the file can be written, the same delete goes through.
    held.Release();
    ini.DeleteKey("vcache", "minfilecache");
    EXPECT_EQ(IniValue(ParseIni(ReadSystemIni()), "vcache", "minfilecache"), std::nullopt);
}
