#include "main/core/MemoryMath.h"
#include "framework/core/ExtendedMath.h"
#include <algorithm>
#include <cmath>

namespace qv {

std::int32_t BytesToKbRounded(std::int64_t bytes) {
    long double kb = static_cast<long double>(bytes) * KbFactor();
    return SaturateToInt32(RoundTiesToEven(kb));
}

std::int32_t BytesToKbTruncated(std::int64_t bytes) {
    long double kb = static_cast<long double>(bytes) * KbFactor();
    return SaturateToInt32(std::trunc(kb));
}

std::int32_t CacheCeilingKb(std::uint64_t totalPhysBytes) {
    long double kb = static_cast<long double>(totalPhysBytes) * CacheCeilingFactor();
    return std::min(SaturateToInt32(RoundTiesToEven(kb)), kLargestSafeDiskCacheKb);
}

} // namespace qv
