#pragma once
#include <string>
#include <string_view>

namespace qv {

// A hint text holds two parts separated by the first "|": the short hint, shown in the hint
// window, and the long hint, meant for a status line. Without a "|" both parts are the whole
// text.

// The part before the first "|" (the whole text when there is none).
std::string GetShortHint(std::string_view hint);
// The part after the first "|" (the whole text when there is none).
std::string GetLongHint(std::string_view hint);

} // namespace qv
