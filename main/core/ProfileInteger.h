#pragma once
#include <cstdint>
#include <string_view>

namespace qv {

// Reads a [vcache] value of system.ini as an integer. A C-style "0x" prefix is taken as hex;
// otherwise leading blanks, then either a signed decimal number that fits 32 bits or "$" and
// up to eight hex digits; the digits must run to the end. Anything else, empty text too, is 0.
std::int32_t ProfileTextToInt(std::string_view text);

// A [vcache] key counts as stored only with a value above 0.
inline bool IsStoredValue(std::int32_t value) {
    return value > 0;
}

} // namespace qv
