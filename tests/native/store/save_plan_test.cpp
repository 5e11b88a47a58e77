#include "main/core/Presets.h"
#include "main/core/SavePlan.h"
#include <gtest/gtest.h>

using qv::SaveStep;
using Action = SaveStep::Action;

namespace {

const std::string kOwnKey = std::string(qv::kTemplatesKey) + "\\Quorvane";

SaveStep Write(const char* key, const char* text) {
    return {Action::WriteKey, key, text, {}};
}
SaveStep Delete(const char* key) {
    return {Action::DeleteKey, key, {}, {}};
}
SaveStep Open(const std::string& path) {
    return {Action::OpenKey, path, {}, {}};
}
SaveStep Text(const char* text) {
    return {Action::SetText, "", text, {}};
}
SaveStep Bytes(const char* name, qv::TemplateBytes bytes) {
    return {Action::SetBytes, name, {}, bytes};
}
const SaveStep kFlushProfile{Action::FlushProfile, {}, {}, {}};
const SaveStep kFlushKey{Action::FlushKey, {}, {}, {}};

std::vector<SaveStep> UntickedVcache() {
    return {Delete("minfilecache"),
            Delete("maxfilecache"),
            Delete("chunksize"),
            kFlushProfile,
            Open(qv::kTemplatesKey),
            Text("Desktop"),
            kFlushKey};
}

} // namespace

TEST(SavePlan, EveryBoxUntickedDeletesTheKeysAndNamesDesktop) {
    EXPECT_EQ(qv::PlanSave({}).steps, UntickedVcache());

    // The template "Desktop" as it stands goes where the file system reads it.
    std::vector<SaveStep> expected = UntickedVcache();
    expected.insert(expected.end(),
                    {Open(qv::kFileSystemKey), Bytes("NameCache", {0xA5, 0x02, 0xEE, 0xFF}),
                     Bytes("PathCache", {0x20, 0x01, 0x02, 0x03}), kFlushKey});
    qv::SaveInput input;
    input.desktop = qv::TemplateValues{{0xA5, 0x02, 0xEE, 0xFF}, {0x20, 0x01, 0x02, 0x03}};
    EXPECT_EQ(qv::PlanSave(input).steps, expected);
}

TEST(SavePlan, OwnTemplateIsCompleteAndOnDiskBeforeItIsNamedThenCopiedInForce) {
    qv::SaveInput input;
    input.settings = {2048, 33150, 1024, 337, 16, true, true, true, true};
    const std::vector<SaveStep> expected{
        Write("minfilecache", "2048"),
        Write("maxfilecache", "33150"),
        Write("chunksize", "1024"),
        kFlushProfile,
        Open(kOwnKey),
        Text("Quorvane Settings"),
        Bytes("NameCache", {0x51, 0x01, 0x00, 0x00}),
        Bytes("PathCache", {0x10, 0x00, 0x00, 0x00}),
        kFlushKey,
        Open(qv::kTemplatesKey),
        Text("Quorvane"),
        kFlushKey,
        Open(qv::kFileSystemKey),
        Bytes("NameCache", {0x51, 0x01, 0x00, 0x00}),
        Bytes("PathCache", {0x10, 0x00, 0x00, 0x00}),
        kFlushKey,
    };
    EXPECT_EQ(qv::PlanSave(input).steps, expected);
}

// Only the low bytes change: the rest of the template found at start passes into the own one.
TEST(SavePlan, KeepsTheUpperBytesFoundAtStart) {
    qv::SaveInput input;
    input.settings.NameCacheEnabled = true;
    input.settings.PathCache = 64;
    input.loaded = {{0xA5, 0x02, 0xEE, 0xFF}, {0x20, 0x01, 0x02, 0x03}};
    EXPECT_EQ(qv::PlanSave(input).written,
              (qv::TemplateValues{{0xA5, 0x02, 0xEE, 0xFF}, {0x40, 0x01, 0x02, 0x03}}));
}

TEST(SavePlan, RowsStartUpCouldNotShowAreLeftAsStored) {
    qv::SaveInput input;
    input.settings.ChunkSizeEnabled = true;
    input.settings.ChunkSize = 64;
    input.rowsNotShown.set();
    input.rowsNotShown.reset(static_cast<std::size_t>(qv::SettingsRow::ChunkSize));
    input.desktop = qv::TemplateValues{};
    EXPECT_EQ(qv::PlanSave(input).steps,
              (std::vector<SaveStep>{Write("chunksize", "64"), kFlushProfile}));
}

TEST(WithPreset, SetsTheDiskCacheFlagsAndLeavesTheNameCacheFlag) {
    const qv::CacheSettings after =
        qv::WithPreset({}, qv::PresetSystem::Windows98, qv::PresetKind::PowerUser, 64 << 20);
    EXPECT_EQ(after, (qv::CacheSettings{6144, 16384, 512, 4096, 96, true, true, true, false}));
    qv::CacheSettings ticked;
    ticked.NameCacheEnabled = true;
    EXPECT_TRUE(qv::WithPreset(ticked, qv::PresetSystem::Windows95, qv::PresetKind::CdWriter, 0)
                    .NameCacheEnabled);
}
