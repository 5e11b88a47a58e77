#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

// The image control streams its picture as one binary value "Data": a 4-byte signed
// little-endian count N followed by N bytes of GIF data.

// Reads a "Data" value from `value` (`size` bytes available) and appends its GIF bytes to
// `stored`. A count of 0 or less appends nothing. Returns the number of bytes consumed. Throws
// qv::Exception when the value is shorter than 4 bytes or than its count says; `stored` is then
// left as it was.
std::size_t ReadDataValue(const std::uint8_t* value, std::size_t size,
                          std::vector<std::uint8_t>& stored);

// The "Data" value for `stored`: its size as the 4-byte count, then the bytes.
std::vector<std::uint8_t> WriteDataValue(const std::vector<std::uint8_t>& stored);

// The value is written only when there is something to write.
inline bool ShouldWriteDataValue(const std::vector<std::uint8_t>& stored) {
    return !stored.empty();
}

} // namespace qv
