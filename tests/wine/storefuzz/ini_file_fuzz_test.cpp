// Writing and deleting the [vcache] keys through the profile accessor on a few hundred
// malformed system.ini files: every other section, key and value comes through unchanged.
#include "framework/IniFile.h"
#include "support/MalformedInput.h"
#include "support/SystemFiles.h"
#include <gtest/gtest.h>

using namespace qvtest;

TEST(IniFileFuzz, ForeignContentSurvivesWritesAndDeletes) {
    qv::IniFile ini("system.ini");
    for (std::uint32_t run = 0; run < 300; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        Rng rng(run);
        std::string input = MalformedSystemIni(rng);
        WriteSystemIni(input);
        for (const auto& key : kStoreKeys) {
            (void)ini.ReadString("vcache", key);
            if (rng.Chance(50)) {
                std::string value = std::to_string(rng.Below(20000));
                ini.WriteString("vcache", key, value);
                EXPECT_EQ(ini.ReadString("vcache", key), value);
            } else {
                ini.DeleteKey("vcache", key);
            }
        }
        // Reported without the texts, which can be long; the run number reproduces them.
        ASSERT_TRUE(ForeignToStore(ReadSystemIni()) == ForeignToStore(input));
    }
}

TEST(IniFileFuzz, LongLinesAndHighBytesAroundTheSectionStay) {
    std::string longValue(8000, 'x');
    std::string input = "[386Enh]\r\nlong=" + longValue + "\r\nhigh=a\x01\x7f\x81\xfe\xffz\r\n" +
                        "[vcache]\r\nminfilecache=0x800\r\nforeign=kept\r\n[vcache]\r\n" +
                        "foreign2=also kept";
    WriteSystemIni(input);
    qv::IniFile ini("system.ini");
    ini.WriteString("vcache", "chunksize", "512");
    ini.DeleteKey("vcache", "minfilecache");
    IniModel after = ParseIni(ReadSystemIni());
    EXPECT_EQ(IniValue(after, "386Enh", "long"), longValue);
    EXPECT_EQ(IniValue(after, "386Enh", "high"), "a\x01\x7f\x81\xfe\xffz");
    EXPECT_EQ(IniValue(after, "vcache", "foreign"), "kept");
    EXPECT_EQ(IniValue(after, "vcache", "chunksize"), "512");
    EXPECT_EQ(ForeignToStore(ReadSystemIni()), ForeignToStore(input));
}
