// The registry accessor against the real registry of the test's Wine prefix.
#include "framework/Exceptions.h"
#include "framework/Registry.h"
#include "support/SystemFiles.h"
#include <gtest/gtest.h>

using namespace qvtest;
using Bytes = std::array<std::uint8_t, 4>;

namespace {

const std::string kKey = "Software\\QuorvaneTest\\Accessor";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteRegTree("Software\\QuorvaneTest");
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
    }
    void TearDown() override {
        reg.CloseKey();
        DeleteRegTree("Software\\QuorvaneTest");
    }
    std::string ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const qv::Exception& e) {
            return e.what();
        }
        return "(no error)";
    }
    qv::Registry reg;
};

} // namespace

TEST_F(RegistryTest, OpenWithoutCreateFailsOnMissingKeyAndLeavesNoneCurrent) {
    CreateRegKey(kKey);
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_NE(reg.CurrentKey(), nullptr);
    EXPECT_FALSE(reg.OpenKey(kKey + "\\Missing", false));
    EXPECT_EQ(reg.CurrentKey(), nullptr);
    EXPECT_FALSE(RegKeyExists(kKey + "\\Missing"));
}

TEST_F(RegistryTest, OpenOrCreateMakesTheKeyFromTheRoot) {
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_TRUE(RegKeyExists(kKey));
    // Paths are always taken from the root, never from the previous key.
    ASSERT_TRUE(reg.OpenKey("Software\\QuorvaneTest\\Other", true));
    EXPECT_TRUE(RegKeyExists("Software\\QuorvaneTest\\Other"));
    EXPECT_FALSE(RegKeyExists(kKey + "\\Software"));
    reg.CloseKey();
    EXPECT_EQ(reg.CurrentKey(), nullptr);
}

TEST_F(RegistryTest, TextValues) {
    SetRegText(kKey, "", "Quorvane");
    SetRegValue(kKey, "expand", REG_EXPAND_SZ, {'%', 'a', '%', 0});
    SetRegValue(kKey, "embedded", REG_SZ, {'a', 'b', 0, 'c', 'd', 0});
    SetRegValue(kKey, "unterminated", REG_SZ, {'x', 'y', 'z'});
    SetRegValue(kKey, "empty", REG_SZ, {});
    SetRegValue(kKey, "empty binary", REG_BINARY, {});
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadString(""), "Quorvane");
    EXPECT_EQ(reg.ReadString("expand"), "%a%");
    EXPECT_EQ(reg.ReadString("embedded"), "ab");
    EXPECT_EQ(reg.ReadString("unterminated"), "xyz");
    EXPECT_EQ(reg.ReadString("empty"), "");
    EXPECT_EQ(reg.ReadString("empty binary"), ""); // size 0: empty whatever the type
    EXPECT_EQ(reg.ReadString("missing"), "");
}

TEST_F(RegistryTest, TextOfAnotherTypeIsAnError) {
    SetRegValue(kKey, "", REG_DWORD, {1, 0, 0, 0});
    SetRegValue(kKey, "bin", REG_BINARY, {'a', 0});
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(ErrorOf([&] { reg.ReadString(""); }), "Invalid data type for ''");
    EXPECT_EQ(ErrorOf([&] { reg.ReadString("bin"); }), "Invalid data type for 'bin'");
}

TEST_F(RegistryTest, RawValuesFillOnlyTheBytesTheyHave) {
    SetRegValue(kKey, "four", REG_BINARY, {0x20, 0x01, 0x02, 0x03});
    SetRegValue(kKey, "two", REG_BINARY, {0x51, 0x01});
    SetRegValue(kKey, "none", REG_BINARY, {});
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    Bytes buffer{0xAA, 0xBB, 0xCC, 0xDD};
    reg.ReadRaw4("two", buffer);
    EXPECT_EQ(buffer, (Bytes{0x51, 0x01, 0xCC, 0xDD}));
    reg.ReadRaw4("none", buffer);
    EXPECT_EQ(buffer, (Bytes{0x51, 0x01, 0xCC, 0xDD}));
    reg.ReadRaw4("missing", buffer);
    EXPECT_EQ(buffer, (Bytes{0x51, 0x01, 0xCC, 0xDD}));
    reg.ReadRaw4("four", buffer);
    EXPECT_EQ(buffer, (Bytes{0x20, 0x01, 0x02, 0x03}));
}

TEST_F(RegistryTest, RawValuesOfAnotherTypeOrSizeAreErrors) {
    SetRegValue(kKey, "PathCache", REG_DWORD, {0x20, 0, 0, 0});
    SetRegValue(kKey, "NameCache", REG_BINARY, {1, 2, 3, 4, 5});
    SetRegValue(kKey, "text", REG_SZ, {'1', 0});
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    Bytes buffer{1, 2, 3, 4};
    EXPECT_EQ(ErrorOf([&] { reg.ReadRaw4("PathCache", buffer); }),
              "Invalid data type for 'PathCache'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadRaw4("NameCache", buffer); }),
              "Invalid data type for 'NameCache'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadRaw4("text", buffer); }), "Invalid data type for 'text'");
    EXPECT_EQ(buffer, (Bytes{1, 2, 3, 4}));
}

TEST_F(RegistryTest, WritesTextWithItsZeroAndRawAsFourBytes) {
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteString("", "Quorvane Settings");
    reg.WriteRaw4("NameCache", Bytes{0x51, 0x01, 0x00, 0x00});
    reg.CloseKey();
    EXPECT_EQ(GetRegValue(kKey, ""), TextValue("Quorvane Settings"));
    EXPECT_EQ(GetRegValue(kKey, "NameCache"), (RegValue{REG_BINARY, {0x51, 0x01, 0x00, 0x00}}));
}

TEST_F(RegistryTest, WritingWithoutAnOpenKeyNamesTheValue) {
    EXPECT_FALSE(reg.OpenKey(kKey, false));
    EXPECT_EQ(ErrorOf([&] { reg.WriteString("", "Desktop"); }), "Failed to set data for ''");
    EXPECT_EQ(ErrorOf([&] { reg.WriteRaw4("PathCache", Bytes{}); }),
              "Failed to set data for 'PathCache'");
    Bytes buffer{9, 9, 9, 9};
    EXPECT_NO_THROW(reg.ReadRaw4("PathCache", buffer)); // nothing to read: not an error
    EXPECT_EQ(reg.ReadString(""), "");
}
