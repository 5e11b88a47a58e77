#include "framework/core/FpuPrecision.h"
#include "main/core/MemoryMath.h"
#include "support/TestMain.h"
#include "widgets/gauge/core/GaugeModel.h"
#include <gtest/gtest.h>

namespace {

// Restores the control word the test found.
struct ControlWordGuard {
    std::uint16_t saved = qv::X87ControlWord();
    ~ControlWordGuard() { qv::SetX87ControlWord(saved); }
};

TEST(X87ControlWord, ExtendedPrecisionInsideAWindowsProcess) {
    ControlWordGuard guard;
    std::printf("x87 control word at process start: 0x%04X\n", qvtest::StartupControlWord());
    qv::EnsureExtendedPrecision();
    const std::uint16_t word = qv::X87ControlWord();
    EXPECT_EQ(word & qv::kX87PrecisionMask, qv::kX87Precision64);
    EXPECT_EQ(word & qv::kX87RoundingMask, 0) << "round to nearest";
    EXPECT_EQ(word & 0x3F, qvtest::StartupControlWord() & 0x3F) << "exception masks unchanged";
    // Figures that depend on the 64-bit mantissa.
    EXPECT_EQ(qv::PercentToPixels(20, 5), 0);
    EXPECT_EQ(qv::CacheCeilingKb(64ULL << 20), 33150);
    EXPECT_EQ(qv::BytesToKbRounded(1536), 2);
}

TEST(X87ControlWord, A53BitMantissaWouldChangeTheFigures) {
    ControlWordGuard guard;
    // What a runtime that starts threads with double precision would give: 20 % of 5 pixels
    // becomes a whole pixel. EnsureExtendedPrecision puts it right.
    qv::SetX87ControlWord((guard.saved & ~qv::kX87PrecisionMask) | qv::kX87Precision53);
    volatile int percent = 20, size = 5; // computed at run time, on the x87 unit
    const int at53 = qv::PercentToPixels(percent, size);
    qv::EnsureExtendedPrecision();
    EXPECT_EQ(qv::PercentToPixels(percent, size), 0);
    EXPECT_EQ(at53, 1);
}

} // namespace
