#include "framework/core/HintText.h"

namespace qv {

std::string GetShortHint(std::string_view hint) {
    return std::string(hint.substr(0, hint.find('|')));
}

std::string GetLongHint(std::string_view hint) {
    const std::size_t bar = hint.find('|');
    if (bar == std::string_view::npos)
        return std::string(hint);
    return std::string(hint.substr(bar + 1));
}

} // namespace qv
