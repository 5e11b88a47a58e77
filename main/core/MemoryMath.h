#pragma once
#include <cstdint>

namespace qv {

// Byte counts to Kb: multiplied by 1/1024 in extended precision. The first sample rounds
// (ties to even), the refresh truncates toward zero. The count is signed: a used-swap
// difference may be negative. Results beyond the 32-bit range saturate.
std::int32_t BytesToKbRounded(std::int64_t bytes);
std::int32_t BytesToKbTruncated(std::int64_t bytes);

// The largest disk cache Windows 95/98 run with, in Kb (512 MB). Beyond it they report "out of
// memory" or no longer start (Microsoft's article 253912, which recommends a MaxFileCache of at
// most 524288).
inline constexpr std::int32_t kLargestSafeDiskCacheKb = 524288;

// Upper bound of the minimal and maximal disk cache editors, in Kb: the physical memory in bytes
// times the extended value nearest to 1/2024.4, rounded (about 50.58 % of memory in Kb), held to
// kLargestSafeDiskCacheKb, which machines with more than about 1 GB of memory reach.
std::int32_t CacheCeilingKb(std::uint64_t totalPhysBytes);

} // namespace qv
