#include "main/core/Presets.h"
#include <array>

namespace qv {
namespace {

constexpr std::uint64_t kMb = 1048576;

// Upper bound of bands 1 to 8, in bytes; band 9 is everything above the last.
constexpr std::array<std::uint64_t, 8> kBandUpperBounds = {
    7 * kMb, 15 * kMb, 22 * kMb, 30 * kMb, 44 * kMb, 60 * kMb, 90 * kMb, 125 * kMb,
};

struct KindValues {
    std::int32_t nameCache;
    std::int32_t pathCache;
    std::int32_t chunkSize95;
    std::int32_t chunkSize98;
};

// Kinds 1 to 5: name cache, directory cache, chunk size on Windows 95 and on Windows 98.
constexpr std::array<KindValues, 5> kKinds = {{
    {2048, 64, 512, 512},  // "Standard System"
    {6144, 128, 256, 256}, // "Cd Writer"
    {4096, 96, 512, 512},  // "Power User"
    {337, 16, 128, 256},   // "Low Memory System"
    {2048, 48, 256, 256},  // "Quake 2, Unreal ..."
}};

struct CacheRange {
    std::int32_t min;
    std::int32_t max;
};
using CacheTable = std::array<std::array<CacheRange, 5>, 9>; // [band - 1][kind - 1]

// Minimal / maximal disk cache in Kb. 3144 is meant as it stands (not 3072).
constexpr CacheTable kWindows95 = {{
    {{{512, 1024}, {512, 512}, {1024, 1024}, {512, 512}, {512, 512}}},
    {{{512, 1024}, {512, 512}, {1024, 1024}, {512, 512}, {512, 512}}},
    {{{1024, 4096}, {512, 512}, {1024, 1024}, {512, 2048}, {512, 1024}}},
    {{{1024, 4096}, {2048, 2048}, {2048, 2048}, {512, 2048}, {512, 1024}}},
    {{{2048, 6144}, {2048, 2048}, {4096, 4096}, {512, 3144}, {512, 2048}}},
    {{{2048, 8192}, {4096, 4096}, {6144, 6144}, {512, 3144}, {512, 3144}}},
    {{{2048, 10240}, {8192, 8192}, {8192, 8192}, {1024, 4096}, {1024, 6144}}},
    {{{4096, 12288}, {10240, 10240}, {8192, 16384}, {1024, 6144}, {2048, 8192}}},
    {{{4096, 16384}, {10240, 10240}, {8192, 16384}, {2048, 8192}, {2048, 10240}}},
}};

constexpr CacheTable kWindows98 = {{
    {{{512, 1024}, {512, 512}, {1024, 1024}, {512, 512}, {512, 512}}},
    {{{512, 1024}, {512, 512}, {1024, 1024}, {512, 512}, {512, 512}}},
    {{{1024, 4096}, {512, 512}, {1024, 1024}, {512, 2048}, {512, 1024}}},
    {{{1024, 4096}, {2048, 2048}, {2048, 2048}, {512, 2048}, {512, 1024}}},
    {{{2048, 8192}, {2048, 2048}, {4096, 6144}, {512, 4096}, {512, 2048}}},
    {{{2048, 10240}, {4096, 4096}, {6144, 10240}, {512, 6144}, {512, 3144}}},
    {{{2048, 16384}, {8192, 8192}, {6144, 16384}, {1024, 8192}, {1024, 6144}}},
    {{{4096, 20480}, {10240, 10240}, {8192, 16384}, {1024, 10240}, {2048, 10240}}},
    {{{4096, 20480}, {10240, 10240}, {8192, 16384}, {2048, 10240}, {2048, 12288}}},
}};

} // namespace

int MemoryBand(std::uint64_t totalPhysBytes) {
    int band = 1;
    for (std::uint64_t upper : kBandUpperBounds) {
        if (totalPhysBytes <= upper)
            return band;
        ++band;
    }
    return band;
}

PresetValues PresetFor(PresetSystem system, PresetKind kind, std::uint64_t totalPhysBytes) {
    const std::size_t k = static_cast<std::size_t>(kind) - 1;
    const KindValues& perKind = kKinds.at(k);
    const CacheTable& table = system == PresetSystem::Windows95 ? kWindows95 : kWindows98;
    const CacheRange& cache = table[MemoryBand(totalPhysBytes) - 1].at(k);
    return PresetValues{
        cache.min,
        cache.max,
        system == PresetSystem::Windows95 ? perKind.chunkSize95 : perKind.chunkSize98,
        perKind.nameCache,
        perKind.pathCache,
    };
}

CacheSettings WithPreset(CacheSettings settings, PresetSystem system, PresetKind kind,
                         std::uint64_t totalPhysBytes) {
    const PresetValues v = PresetFor(system, kind, totalPhysBytes);
    settings.MinFileCacheEnabled = true;
    settings.MaxFileCacheEnabled = true;
    settings.ChunkSizeEnabled = true;
    settings.MinFileCache = v.minFileCache;
    settings.MaxFileCache = v.maxFileCache;
    settings.ChunkSize = v.chunkSize;
    settings.NameCache = v.nameCache;
    settings.PathCache = v.pathCache;
    return settings;
}

} // namespace qv
