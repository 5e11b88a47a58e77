#pragma once
// The cache settings as one model: the five parameters with their four "Enabled" flags, and the
// table of the rows that edit them. The window keeps the values in its editors; this is the
// snapshot that a preset fills and a save writes.
#include "main/core/TemplateBytes.h"
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

namespace qv {

// The five parameters (Kb, or counts for the two file-system values) and their flags; the
// defaults are the editors' start values. NameCacheEnabled governs NameCache and PathCache.
struct CacheSettings {
    std::int32_t MinFileCache = 1024;
    std::int32_t MaxFileCache = 8192;
    std::int32_t ChunkSize = 512;
    std::int32_t NameCache = 677;
    std::int32_t PathCache = 32;
    bool MinFileCacheEnabled = false;
    bool MaxFileCacheEnabled = false;
    bool ChunkSizeEnabled = false;
    bool NameCacheEnabled = false;

    bool operator==(const CacheSettings&) const = default;
};

// The rows of stored settings, one per "Enabled" box: the three [vcache] keys and the
// file-system template (name and directory cache together).
enum class SettingsRow { MinFileCache, MaxFileCache, ChunkSize, FileCache, Count };
using SettingsRows = std::bitset<static_cast<std::size_t>(SettingsRow::Count)>;

// Where a parameter is kept: a key of [vcache] in system.ini, or a value of the template.
enum class SettingStore { Vcache, Template };
// Which of the row's two editors a save reads: the bar always holds a value within its range;
// the spin edit reports its text as read, which the template's fixed-width fields then hold.
enum class SavedFrom { TrackBar, SpinEdit };

// One parameter row: its stored name, its store, its editors' range and steps.
struct ParameterRow {
    const char* name; // the [vcache] key or the template's value
    SettingStore store;
    SettingsRow row; // the box that enables it
    std::int32_t CacheSettings::*value;
    bool CacheSettings::*enabled;
    std::int32_t minimum;
    std::int32_t maximum; // at load; the cache ceiling replaces it where ceilingBound
    bool ceilingBound;
    std::int32_t lineSize, pageSize, tickFrequency; // the track bar's steps
    std::int32_t increment;                         // the spin edit's step
    SavedFrom savedFrom;
};

// The rows in window order, which is also the order of a preset's and a save's [vcache] work.
// clang-format off
inline constexpr std::array<ParameterRow, 5> kParameterRows = {{
    // name          store                  row                       value                        enabled                              min            max            ceiling line  page  tick incr  saved from
    {"minfilecache", SettingStore::Vcache,   SettingsRow::MinFileCache, &CacheSettings::MinFileCache, &CacheSettings::MinFileCacheEnabled,  512,           16384,         true,  1024, 3000, 1024, 1024, SavedFrom::TrackBar},
    {"maxfilecache", SettingStore::Vcache,   SettingsRow::MaxFileCache, &CacheSettings::MaxFileCache, &CacheSettings::MaxFileCacheEnabled,  512,           16384,         true,  1024, 3000, 1024, 1024, SavedFrom::TrackBar},
    {"chunksize",    SettingStore::Vcache,   SettingsRow::ChunkSize,    &CacheSettings::ChunkSize,    &CacheSettings::ChunkSizeEnabled,     16,            1024,          false,   16, 3000,   32,   16, SavedFrom::TrackBar},
    {"NameCache",    SettingStore::Template, SettingsRow::FileCache,    &CacheSettings::NameCache,    &CacheSettings::NameCacheEnabled,     kNameCacheMin, kNameCacheMax, false,  512, 3000,  256,  512, SavedFrom::SpinEdit},
    {"PathCache",    SettingStore::Template, SettingsRow::FileCache,    &CacheSettings::PathCache,    &CacheSettings::NameCacheEnabled,     kPathCacheMin, kPathCacheMax, false,    1, 3000,    8,    8, SavedFrom::SpinEdit},
}};
// clang-format on

// The row's start value: the field's default.
inline std::int32_t StartValue(const ParameterRow& row) {
    return CacheSettings{}.*row.value;
}

} // namespace qv
