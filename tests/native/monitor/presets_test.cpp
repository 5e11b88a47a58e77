#include "main/core/Presets.h"
#include <gtest/gtest.h>

namespace {

using qv::PresetKind;
using qv::PresetSystem;
using qv::PresetValues;

constexpr std::uint64_t kMb = 1048576;

TEST(MemoryBand, EveryBoundaryBelongsToTheLowerBand) {
    const std::uint64_t uppers[] = {7 * kMb,  15 * kMb, 22 * kMb, 30 * kMb,
                                    44 * kMb, 60 * kMb, 90 * kMb, 125 * kMb};
    EXPECT_EQ(qv::MemoryBand(0), 1);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(qv::MemoryBand(uppers[i]), i + 1) << uppers[i];
        EXPECT_EQ(qv::MemoryBand(uppers[i] + 1), i + 2) << uppers[i] + 1;
    }
    EXPECT_EQ(qv::MemoryBand(31457280), 4);
    EXPECT_EQ(qv::MemoryBand(31457281), 5);
    EXPECT_EQ(qv::MemoryBand(131072000), 8);
    EXPECT_EQ(qv::MemoryBand(131072001), 9);
    EXPECT_EQ(qv::MemoryBand(UINT64_MAX), 9);
}

struct Cell {
    int min, max;
};

// The two tables as given, [band - 1][kind - 1].
const Cell kWin95[9][5] = {
    {{512, 1024}, {512, 512}, {1024, 1024}, {512, 512}, {512, 512}},
    {{512, 1024}, {512, 512}, {1024, 1024}, {512, 512}, {512, 512}},
    {{1024, 4096}, {512, 512}, {1024, 1024}, {512, 2048}, {512, 1024}},
    {{1024, 4096}, {2048, 2048}, {2048, 2048}, {512, 2048}, {512, 1024}},
    {{2048, 6144}, {2048, 2048}, {4096, 4096}, {512, 3144}, {512, 2048}},
    {{2048, 8192}, {4096, 4096}, {6144, 6144}, {512, 3144}, {512, 3144}},
    {{2048, 10240}, {8192, 8192}, {8192, 8192}, {1024, 4096}, {1024, 6144}},
    {{4096, 12288}, {10240, 10240}, {8192, 16384}, {1024, 6144}, {2048, 8192}},
    {{4096, 16384}, {10240, 10240}, {8192, 16384}, {2048, 8192}, {2048, 10240}},
};
const Cell kWin98[9][5] = {
    {{512, 1024}, {512, 512}, {1024, 1024}, {512, 512}, {512, 512}},
    {{512, 1024}, {512, 512}, {1024, 1024}, {512, 512}, {512, 512}},
    {{1024, 4096}, {512, 512}, {1024, 1024}, {512, 2048}, {512, 1024}},
    {{1024, 4096}, {2048, 2048}, {2048, 2048}, {512, 2048}, {512, 1024}},
    {{2048, 8192}, {2048, 2048}, {4096, 6144}, {512, 4096}, {512, 2048}},
    {{2048, 10240}, {4096, 4096}, {6144, 10240}, {512, 6144}, {512, 3144}},
    {{2048, 16384}, {8192, 8192}, {6144, 16384}, {1024, 8192}, {1024, 6144}},
    {{4096, 20480}, {10240, 10240}, {8192, 16384}, {1024, 10240}, {2048, 10240}},
    {{4096, 20480}, {10240, 10240}, {8192, 16384}, {2048, 10240}, {2048, 12288}},
};
const int kName[5] = {2048, 6144, 4096, 337, 2048};
const int kPath[5] = {64, 128, 96, 16, 48};
const int kChunk95[5] = {512, 256, 512, 128, 256};
const int kChunk98[5] = {512, 256, 512, 256, 256};

// Lowest and highest byte count of each band.
const std::uint64_t kBandLow[9] = {0,
                                   7 * kMb + 1,
                                   15 * kMb + 1,
                                   22 * kMb + 1,
                                   30 * kMb + 1,
                                   44 * kMb + 1,
                                   60 * kMb + 1,
                                   90 * kMb + 1,
                                   125 * kMb + 1};
const std::uint64_t kBandHigh[9] = {7 * kMb,  15 * kMb, 22 * kMb,  30 * kMb,  44 * kMb,
                                    60 * kMb, 90 * kMb, 125 * kMb, 4096 * kMb};

TEST(PresetFor, EveryCellAtBothEndsOfEveryBand) {
    for (int band = 0; band < 9; ++band) {
        for (int kind = 0; kind < 5; ++kind) {
            for (std::uint64_t bytes : {kBandLow[band], kBandHigh[band]}) {
                const auto k = static_cast<PresetKind>(kind + 1);
                const PresetValues w95{kWin95[band][kind].min, kWin95[band][kind].max,
                                       kChunk95[kind], kName[kind], kPath[kind]};
                const PresetValues w98{kWin98[band][kind].min, kWin98[band][kind].max,
                                       kChunk98[kind], kName[kind], kPath[kind]};
                EXPECT_EQ(qv::PresetFor(PresetSystem::Windows95, k, bytes), w95)
                    << "band " << band + 1 << " kind " << kind + 1 << " bytes " << bytes;
                EXPECT_EQ(qv::PresetFor(PresetSystem::Windows98, k, bytes), w98)
                    << "band " << band + 1 << " kind " << kind + 1 << " bytes " << bytes;
                EXPECT_LE(w95.minFileCache, w95.maxFileCache);
                EXPECT_LE(w98.minFileCache, w98.maxFileCache);
            }
        }
    }
}

TEST(PresetFor, WorkedExamples) {
    // 30 MB exactly is band 4, one byte more band 5.
    EXPECT_EQ(qv::PresetFor(PresetSystem::Windows95, PresetKind::StandardSystem, 31457280),
              (PresetValues{1024, 4096, 512, 2048, 64}));
    EXPECT_EQ(qv::PresetFor(PresetSystem::Windows95, PresetKind::StandardSystem, 31457281),
              (PresetValues{2048, 6144, 512, 2048, 64}));
    // 64 MB: band 7.
    EXPECT_EQ(
        qv::PresetFor(PresetSystem::Windows95, PresetKind::StandardSystem, 64 * kMb).maxFileCache,
        10240);
    EXPECT_EQ(
        qv::PresetFor(PresetSystem::Windows98, PresetKind::StandardSystem, 64 * kMb).maxFileCache,
        16384);
    EXPECT_EQ(qv::PresetFor(PresetSystem::Windows98, PresetKind::PowerUser, 64 * kMb),
              (PresetValues{6144, 16384, 512, 4096, 96}));
    // Band 6: the 3144 Kb cells.
    EXPECT_EQ(
        qv::PresetFor(PresetSystem::Windows95, PresetKind::LowMemorySystem, 50 * kMb).maxFileCache,
        3144);
    EXPECT_EQ(
        qv::PresetFor(PresetSystem::Windows98, PresetKind::LowMemorySystem, 50 * kMb).maxFileCache,
        6144);
    EXPECT_EQ(qv::PresetFor(PresetSystem::Windows95, PresetKind::Quake, 50 * kMb).maxFileCache,
              3144);
    EXPECT_EQ(qv::PresetFor(PresetSystem::Windows98, PresetKind::Quake, 50 * kMb).maxFileCache,
              3144);
    // Before any sample the record reads 0: band 1.
    EXPECT_EQ(qv::PresetFor(PresetSystem::Windows98, PresetKind::CdWriter, 0),
              (PresetValues{512, 512, 256, 6144, 128}));
}

TEST(PresetFor, LowMemoryChunkDiffersBySystem) {
    const auto w95 = qv::PresetFor(PresetSystem::Windows95, PresetKind::LowMemorySystem, 8 * kMb);
    const auto w98 = qv::PresetFor(PresetSystem::Windows98, PresetKind::LowMemorySystem, 8 * kMb);
    EXPECT_EQ(w95.chunkSize, 128);
    EXPECT_EQ(w98.chunkSize, 256);
    EXPECT_EQ(w95.nameCache, 337);
    EXPECT_EQ(w95.pathCache, 16);
}

TEST(PresetFor, CdWriterIsTheSameOnBothSystems) {
    for (std::uint64_t bytes : kBandHigh)
        EXPECT_EQ(qv::PresetFor(PresetSystem::Windows95, PresetKind::CdWriter, bytes),
                  qv::PresetFor(PresetSystem::Windows98, PresetKind::CdWriter, bytes));
}

} // namespace
