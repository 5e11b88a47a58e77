#pragma once
#include <cstdint>

namespace qv {

// The sixteen colours of the standard VGA driver, the only solid ones on its screen, in the
// order of its palette. Colours as COLORREF holds them: 0x00BBGGRR.
constexpr std::uint32_t kSixteenColors[16] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// The one of the sixteen nearest to a colour (the least sum of squared differences of red,
// green and blue; the first of equals).
std::uint32_t NearestOfSixteen(std::uint32_t color);

} // namespace qv
