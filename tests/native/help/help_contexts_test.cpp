// The built help file: every context number the program sends lands on the topic that explains
// that item.
#include "WinHelpFile.h"
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace {

// Context number -> the topic's title without its "Chapter 3: " or "Section 4.1: " number.
const std::map<std::int32_t, std::string> kIntendedTopics = {
    {1, "The main window"},
    {3, "The menus"},
    {5, "Save"},
    {6, "Exit and the confirmation dialog"},
    {7, "Save & Exit"},
    {11, "Standard System"},
    {12, "Cd Writer"},
    {13, "Power User"},
    {14, "Disable Cache Optimization"},
};

std::string WithoutNumber(const std::string& title) {
    const std::size_t colon = title.find(": ");
    return colon == std::string::npos ? title : title.substr(colon + 2);
}

} // namespace

TEST(HelpFile, EveryContextNumberOpensTheTopicOfItsItem) {
    const WinHelpFile help = WinHelpFile::Load(QV_HELP_FILE);
    const std::map<std::uint32_t, std::string> titles = help.Titles();
    std::map<std::int32_t, std::string> found;
    for (const auto& [number, topic] : help.ContextMap()) {
        auto title = titles.find(topic);
        ASSERT_NE(title, titles.end()) << "context " << number << " points at no topic";
        EXPECT_TRUE(found.emplace(number, WithoutNumber(title->second)).second)
            << "context " << number << " twice";
    }
    EXPECT_EQ(found, kIntendedTopics);
}

TEST(HelpFile, HasTheContentsFileBesideIt) {
    std::string contents = QV_HELP_FILE;
    contents.replace(contents.size() - 3, 3, "cnt");
    std::ifstream in(contents);
    std::string first;
    ASSERT_TRUE(std::getline(in, first)) << contents;
    if (!first.empty() && first.back() == '\r')
        first.pop_back();
    EXPECT_EQ(first, ":Title Quorvane 3.5 Help");
}

TEST(WinHelpFileReader, RefusesAFileWhoseSizeDisagreesWithItsHeader) {
    std::vector<std::uint8_t> bytes = {0x3F, 0x5F, 0x03, 0x00, 16, 0, 0, 0,
                                       0xFF, 0xFF, 0xFF, 0xFF, 99, 0, 0, 0};
    EXPECT_THROW(WinHelpFile{bytes}, std::runtime_error);
}
