#include "framework/core/ExtendedMath.h"
#include <cmath>
#include <cstring>

namespace qv {

long double ExtendedFromBits(std::uint64_t mantissa, std::uint16_t biasedExponent) {
    // x87 layout, little-endian: 8 bytes of mantissa, then sign and 15 bits of exponent.
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &mantissa, 8);
    bytes[8] = static_cast<unsigned char>(biasedExponent & 0xFF);
    bytes[9] = static_cast<unsigned char>((biasedExponent >> 8) & 0x7F);
    long double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

long double KbFactor() {
    static const long double factor = ExtendedFromBits(0x8000000000000000ULL, 0x3FF5);
    return factor;
}

long double CacheCeilingFactor() {
    static const long double factor = ExtendedFromBits(0x817E00817E00817EULL, 0x3FF4);
    return factor;
}

long double PercentFactor() {
    static const long double factor = ExtendedFromBits(0xA3D70A3D70A3D70AULL, 0x3FF8);
    return factor;
}

long double RoundTiesToEven(long double value) {
    long double lower = std::floor(value);
    long double fraction = value - lower; // exact: both lie in the same binade or below
    if (fraction > 0.5L)
        return lower + 1;
    if (fraction < 0.5L)
        return lower;
    return std::fmod(lower, 2.0L) == 0 ? lower : lower + 1;
}

std::int32_t SaturateToInt32(long double integral) {
    if (integral >= 2147483647.0L)
        return INT32_MAX;
    if (integral <= -2147483648.0L)
        return INT32_MIN;
    return static_cast<std::int32_t>(integral);
}

} // namespace qv
