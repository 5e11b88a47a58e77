#pragma once
#include <cfloat>
#include <cstdint>

namespace qv {

// The monitor's figures are defined in x87 extended precision (64-bit mantissa). Every product
// below is formed in long double, so the build must use the 80-bit format, and the FPU must run
// with a 64-bit mantissa (see FpuPrecision.h).
static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 80-bit extended format");

// Builds an extended value from its 64-bit mantissa (explicit leading bit) and its biased
// exponent, exactly as the bits lie in memory.
long double ExtendedFromBits(std::uint64_t mantissa, std::uint16_t biasedExponent);

// 1/1024, exact.
long double KbFactor();
// The extended value nearest to 1/2024.4 (slightly above it): the cache ceiling factor.
long double CacheCeilingFactor();
// The extended value nearest to 0.01 (slightly below it): the gauge's percent factor.
long double PercentFactor();

// Nearest integer, ties to even, independent of the FPU's rounding mode.
long double RoundTiesToEven(long double value);

// Clamps an integral long double into the 32-bit signed range.
std::int32_t SaturateToInt32(long double integral);

} // namespace qv
