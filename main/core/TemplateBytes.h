#pragma once
#include <array>
#include <cstdint>

namespace qv {

// The raw 4-byte data of a file-system template's "NameCache" and "PathCache" values.
// Only the low bytes carry the sizes; the rest is kept as found and written back unchanged.
using TemplateBytes = std::array<std::uint8_t, 4>;

// Ranges of the name cache and directory cache editors. (Constants of each file, not inline
// variables: the linker warns on the shared section of one optimised at link time.)
constexpr int kNameCacheMin = 337;
constexpr int kNameCacheMax = 6144;
constexpr int kPathCacheMin = 16;
constexpr int kPathCacheMax = 128;

// Bytes 0 and 1, little-endian (0 to 65535).
int NameCacheFromBytes(const TemplateBytes& bytes);
// Byte 0 (0 to 255).
int PathCacheFromBytes(const TemplateBytes& bytes);

// Put a name cache size into bytes 0 and 1. A value typed beyond the editor's range can reach
// a save while the editor still has the focus, so it is held to that range first; the field
// never receives anything it cannot hold. Bytes 2 and 3 stay as they are.
void StoreNameCache(TemplateBytes& bytes, int value);
// Put a directory cache size into byte 0, held to the editor's range; bytes 1 to 3 stay.
void StorePathCache(TemplateBytes& bytes, int value);

} // namespace qv
