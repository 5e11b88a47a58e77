#include "framework/core/SpinText.h"
#include <limits>

namespace qv {

bool ParseInt32(std::string_view text, std::int32_t& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return false;
    }
    std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

std::int32_t ReadSpinValue(std::string_view text, std::int32_t minValue) {
    std::int32_t value;
    return ParseInt32(text, value) ? value : minValue;
}

std::int32_t HoldSpinValue(std::int64_t value, std::int32_t minValue, std::int32_t maxValue) {
    if (minValue != maxValue) {
        if (value < minValue)
            return minValue;
        if (value > maxValue)
            return maxValue;
    }
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::int32_t StepSpinValue(std::int32_t value, std::int32_t increment, bool up,
                           std::int32_t minValue, std::int32_t maxValue) {
    std::int64_t next = std::int64_t{value} + (up ? increment : -std::int64_t{increment});
    return HoldSpinValue(next, minValue, maxValue);
}

bool IsSpinEditChar(char c, char decimalSeparator) {
    if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == decimalSeparator)
        return true;
    unsigned char code = static_cast<unsigned char>(c);
    return code < 32 && code != 13;
}

} // namespace qv
