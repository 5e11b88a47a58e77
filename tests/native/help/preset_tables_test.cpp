// The help's tables of the tuning profiles (help/presets.but) are made from the profiles' own
// data and committed; this fails when the profiles changed and the file was not made again.
#include "tools/helptables/core/PresetTables.h"
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {
std::string Committed() {
    std::ifstream in(QV_SOURCE_DIR "/help/presets.but", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

TEST(PresetTables, CommittedHelpSectionIsUpToDate) {
    EXPECT_EQ(Committed(), qv::PresetTablesHalibut())
        << "help/presets.but is out of date: run build/native/tools/helptables/help-tables > "
           "help/presets.but";
}

TEST(PresetTables, RowsFollowTheMemoryBands) {
    const std::string text = qv::PresetTablesHalibut();
    // 64 MB on Windows 95 and 98 (band 7), and band 9 of "Quake 2, Unreal ..." on Windows 98.
    EXPECT_NE(text.find("\\c up to 90 MB  2048/10240  8192/8192   8192/8192   1024/4096   "
                        "1024/6144\n"),
              std::string::npos);
    EXPECT_NE(text.find("\\c up to 90 MB  2048/16384  8192/8192   6144/16384  1024/8192   "
                        "1024/6144\n"),
              std::string::npos);
    EXPECT_NE(text.find("\\c over 125 MB  4096/20480  10240/10240 8192/16384  2048/10240  "
                        "2048/12288\n"),
              std::string::npos);
    EXPECT_NE(text.find("\\c Low Memory System    128 Kb      256 Kb      337    16\n"),
              std::string::npos);
}
