#pragma once
#include "main/core/CacheSettings.h"
#include <cstdint>

namespace qv {

enum class PresetSystem { Windows95, Windows98 };

// The five kinds of use, in menu order (1 to 5).
enum class PresetKind {
    StandardSystem = 1,
    CdWriter = 2,
    PowerUser = 3,
    LowMemorySystem = 4,
    Quake = 5,
};

// The five values a preset puts into the editors: sizes in Kb, the file-system values as counts.
struct PresetValues {
    std::int32_t minFileCache;
    std::int32_t maxFileCache;
    std::int32_t chunkSize;
    std::int32_t nameCache;
    std::int32_t pathCache;

    bool operator==(const PresetValues&) const = default;
};

// Memory band 1 to 9 of the total physical memory in bytes; each band includes its upper bound.
int MemoryBand(std::uint64_t totalPhysBytes);

// The values of one preset on a machine with the given physical memory.
PresetValues PresetFor(PresetSystem system, PresetKind kind, std::uint64_t totalPhysBytes);

// The settings after a preset: the three [vcache] flags set, all five values the preset's (before
// the editors hold them to their ranges), NameCacheEnabled as it was.
CacheSettings WithPreset(CacheSettings settings, PresetSystem system, PresetKind kind,
                         std::uint64_t totalPhysBytes);

} // namespace qv
