#include "main/core/TemplateBytes.h"
#include <algorithm>

namespace qv {

int NameCacheFromBytes(const TemplateBytes& bytes) {
    return bytes[0] + 256 * bytes[1];
}

int PathCacheFromBytes(const TemplateBytes& bytes) {
    return bytes[0];
}

void StoreNameCache(TemplateBytes& bytes, int value) {
    const int held = std::clamp(value, kNameCacheMin, kNameCacheMax);
    bytes[0] = static_cast<std::uint8_t>(held & 0xFF);
    bytes[1] = static_cast<std::uint8_t>((held >> 8) & 0xFF);
}

void StorePathCache(TemplateBytes& bytes, int value) {
    const int held = std::clamp(value, kPathCacheMin, kPathCacheMax);
    bytes[0] = static_cast<std::uint8_t>(held);
}

} // namespace qv
