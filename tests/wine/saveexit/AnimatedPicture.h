#pragma once
#include <cstdint>
#include <vector>

namespace qvtest {

// A 48 x 48 GIF of two frames, red and blue, each shown for 20 ms, looping for ever.
std::vector<std::uint8_t> BlinkingPicture();

} // namespace qvtest
