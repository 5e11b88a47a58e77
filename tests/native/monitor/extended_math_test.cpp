#include "framework/core/ExtendedMath.h"
#include "framework/core/FpuPrecision.h"
#include "main/core/MemoryMath.h"
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(ExtendedConstants, AreTheGivenBitPatterns) {
    // Cross-check each constant against the same value scaled from its integer mantissa.
    EXPECT_EQ(qv::KbFactor(), 1.0L / 1024);
    EXPECT_EQ(qv::CacheCeilingFactor(),
              std::ldexp(static_cast<long double>(0x817E00817E00817EULL), 0x3FF4 - 16383 - 63));
    EXPECT_EQ(qv::PercentFactor(),
              std::ldexp(static_cast<long double>(0xA3D70A3D70A3D70AULL), 0x3FF8 - 16383 - 63));
    // The ceiling factor is the extended value nearest 1/2024.4, just above it.
    EXPECT_NEAR(static_cast<double>(qv::CacheCeilingFactor()), 0.000493973523019166, 1e-18);
    EXPECT_GT(qv::CacheCeilingFactor() * 2024.4L, 1.0L - 1e-18L);
    // The percent factor is the extended value nearest 0.01 and lies just below it:
    // mantissa * 100 < 2^70 (the factor is mantissa * 2^-70).
    EXPECT_EQ(qv::PercentFactor(), 1.0L / 100);
    EXPECT_LT(static_cast<unsigned __int128>(0xA3D70A3D70A3D70AULL) * 100,
              static_cast<unsigned __int128>(1) << 70);
    EXPECT_LT(qv::PercentFactor() * 20 * 5, 1.0L);
    EXPECT_NEAR(static_cast<double>(qv::PercentFactor()), 0.01, 1e-19);
}

TEST(RoundTiesToEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(qv::RoundTiesToEven(1.5L), 2);
    EXPECT_EQ(qv::RoundTiesToEven(2.5L), 2);
    EXPECT_EQ(qv::RoundTiesToEven(3.5L), 4);
    EXPECT_EQ(qv::RoundTiesToEven(-2.5L), -2);
    EXPECT_EQ(qv::RoundTiesToEven(-3.5L), -4);
    EXPECT_EQ(qv::RoundTiesToEven(2.5000000001L), 3);
    EXPECT_EQ(qv::RoundTiesToEven(-0.4L), 0);
}

TEST(KbConversion, RoundsAtCreationAndTruncatesOnRefresh) {
    EXPECT_EQ(qv::BytesToKbRounded(1536), 2);
    EXPECT_EQ(qv::BytesToKbTruncated(1536), 1);
    EXPECT_EQ(qv::BytesToKbRounded(2560), 2);
    EXPECT_EQ(qv::BytesToKbTruncated(2560), 2);
    EXPECT_EQ(qv::BytesToKbRounded(3584), 4);
    EXPECT_EQ(qv::BytesToKbTruncated(3584), 3);
    EXPECT_EQ(qv::BytesToKbRounded(67108864), 65536);
    // Negative differences (used swap) keep their sign; truncation goes toward zero.
    EXPECT_EQ(qv::BytesToKbRounded(-1536), -2);
    EXPECT_EQ(qv::BytesToKbTruncated(-1536), -1);
    EXPECT_EQ(qv::BytesToKbTruncated(-1023), 0);
    EXPECT_EQ(qv::BytesToKbRounded(INT32_MIN), -2097152);
    EXPECT_EQ(qv::BytesToKbTruncated(INT32_MAX), 2097151);
}

TEST(KbConversion, LargeCountsStayExactAndSaturate) {
    EXPECT_EQ(qv::BytesToKbRounded(4LL << 30), 4194304);
    EXPECT_EQ(qv::BytesToKbTruncated((64LL << 30) + 1023), 67108864);
    EXPECT_EQ(qv::BytesToKbRounded(INT64_MAX), INT32_MAX);
}

TEST(CacheCeiling, MatchesTheWorkedFigures) {
    EXPECT_EQ(qv::CacheCeilingKb(8ULL << 20), 4144);
    EXPECT_EQ(qv::CacheCeilingKb(16ULL << 20), 8288);
    EXPECT_EQ(qv::CacheCeilingKb(32ULL << 20), 16575);
    EXPECT_EQ(qv::CacheCeilingKb(64ULL << 20), 33150);
    EXPECT_EQ(qv::CacheCeilingKb(128ULL << 20), 66300);
    EXPECT_EQ(qv::CacheCeilingKb(0), 0);
}

TEST(CacheCeiling, HeldTo512MbFromAbout1GbOfMemory) {
    // 1000 MB: 1048576000 / 2024.4 = 517968.8; 1 GiB would give 530404.
    EXPECT_EQ(qv::CacheCeilingKb(1000ULL << 20), 517969);
    EXPECT_EQ(qv::CacheCeilingKb(1ULL << 30), 524288);
    EXPECT_EQ(qv::CacheCeilingKb(24ULL << 30), 524288);
    EXPECT_EQ(qv::CacheCeilingKb(UINT64_MAX), 524288);
}

TEST(FpuPrecision, EnsureExtendedPrecisionRestoresA53BitMantissa) {
    const std::uint16_t saved = qv::X87ControlWord();
    qv::SetX87ControlWord((saved & ~qv::kX87PrecisionMask) | qv::kX87Precision53);
    qv::EnsureExtendedPrecision();
    const std::uint16_t now = qv::X87ControlWord();
    qv::SetX87ControlWord(saved);
    EXPECT_EQ(now & qv::kX87PrecisionMask, qv::kX87Precision64);
    EXPECT_EQ(now & qv::kX87RoundingMask, 0);
    EXPECT_EQ(now & 0x3F, saved & 0x3F) << "exception masks must stay";
}

} // namespace
