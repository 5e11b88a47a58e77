#pragma once
#include <cstdint>
#include <string_view>

namespace qv {

// The number rules of the spin edit, apart from any window.

// Parses a signed 32-bit decimal integer: leading blanks and one sign allowed, nothing after
// the digits. Returns false for empty text, stray characters or a value beyond 32 bits.
bool ParseInt32(std::string_view text, std::int32_t& value);

// The value a spin edit reads from its text: the parsed number, not held to the range;
// text that does not parse reads as minValue.
std::int32_t ReadSpinValue(std::string_view text, std::int32_t minValue);

// The value a spin edit takes when one is set: held to minValue..maxValue, except that equal
// bounds mean "no range" (the value is taken unchanged, within 32 bits).
std::int32_t HoldSpinValue(std::int64_t value, std::int32_t minValue, std::int32_t maxValue);

// One step of the up/down buttons or arrow keys: value + increment (or - increment),
// computed without overflow, then held as HoldSpinValue holds it.
std::int32_t StepSpinValue(std::int32_t value, std::int32_t increment, bool up,
                           std::int32_t minValue, std::int32_t maxValue);

// Characters a spin edit accepts while typing: 0-9, "+", "-", the locale's decimal
// separator and control characters other than Enter (13).
bool IsSpinEditChar(char c, char decimalSeparator);

} // namespace qv
