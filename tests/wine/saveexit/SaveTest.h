#pragma once
// The one fixture of the save tests: the program as start-up builds it (ProgramHost) on a
// prepared machine, its message boxes recorded; and what the tests check the stores with.
#include "Machines.h"
#include "framework/Application.h"
#include "main/SaveExit.h"
#include "support/Recorders.h"
#include "support/SystemFiles.h"
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

class Save : public ::testing::Test {
protected:
    qvtest::IniModel Ini() const { return qvtest::ParseIni(qvtest::ReadSystemIni()); }
    std::optional<std::string> Vcache(const char* key) const {
        return qvtest::IniValue(Ini(), "vcache", key);
    }
    std::optional<qvtest::RegValue> Quorvane(const char* value) const {
        return qvtest::GetRegValue(qvtest::TemplateKey("Quorvane"), value);
    }
    void ExpectOneNotice() const {
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, kRebootNoticeText);
        EXPECT_EQ(boxes.Boxes()[0].caption, " Quorvane 3");
        EXPECT_EQ(boxes.Boxes()[0].flags, 64u);
        EXPECT_EQ(boxes.Boxes()[0].owner, qv::Application::Instance().Window());
    }
    // The texts of the message boxes shown so far.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes())
            texts.push_back(box.text);
        return texts;
    }
    qvtest::MessageBoxRecorder boxes;
};

namespace qvtest::save {

using ValueMap = std::map<std::string, qvtest::RegValue>;

inline qvtest::RegValue Binary(std::initializer_list<int> bytes) {
    return {REG_BINARY, qvtest::Bytes(bytes)};
}

inline ValueMap With(ValueMap values, const ValueMap& more) {
    for (const auto& [name, value] : more)
        values[name] = value;
    return values;
}

// Control\FileSystem as the system keeps it, with a value of the program's own among others.
inline ValueMap PrepareFileSystemKey() {
    qvtest::SetRegValue(qvtest::kFileSystemKey, "Win31FileSystem", REG_BINARY, qvtest::Bytes({0}));
    qvtest::SetRegValue(qvtest::kFileSystemKey, "NameCache", REG_BINARY,
                        qvtest::Bytes({1, 2, 3, 4}));
    return qvtest::RegValues(qvtest::kFileSystemKey);
}

// Everything but the keys the program owns stays as it was: other sections, other keys of
// [vcache], their order.
inline void ExpectForeignContentKept(const std::string& before, const std::string& after) {
    const std::vector<std::string> own{"minfilecache", "maxfilecache", "chunksize"};
    EXPECT_EQ(qvtest::WithoutKeys(qvtest::ParseIni(after), "vcache", own),
              qvtest::WithoutKeys(qvtest::ParseIni(before), "vcache", own));
}

} // namespace qvtest::save
