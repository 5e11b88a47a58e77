#include "widgets/GIFImage/core/GifDataValue.h"

#include "framework/Exceptions.h"

#include <algorithm>
#include <string>

namespace qv {

std::size_t ReadDataValue(const std::uint8_t* value, std::size_t size,
                          std::vector<std::uint8_t>& stored) {
    if (size < 4) {
        throw Exception("The picture data is damaged: its byte count is missing");
    }
    const std::int32_t count =
        static_cast<std::int32_t>(std::uint32_t(value[0]) | std::uint32_t(value[1]) << 8 |
                                  std::uint32_t(value[2]) << 16 | std::uint32_t(value[3]) << 24);
    if (count <= 0) {
        return 4;
    }
    if (static_cast<std::size_t>(count) > size - 4) {
        throw Exception("The picture data is damaged: " + std::to_string(count) +
                        " bytes announced, " + std::to_string(size - 4) + " present");
    }
    stored.insert(stored.end(), value + 4, value + 4 + count);
    return 4 + static_cast<std::size_t>(count);
}

std::vector<std::uint8_t> WriteDataValue(const std::vector<std::uint8_t>& stored) {
    const std::uint32_t count = static_cast<std::uint32_t>(stored.size());
    std::vector<std::uint8_t> value(4 + stored.size());
    for (int i = 0; i < 4; ++i) {
        value[std::size_t(i)] = std::uint8_t(count >> (8 * i));
    }
    std::copy(stored.begin(), stored.end(), value.begin() + 4);
    return value;
}

} // namespace qv
