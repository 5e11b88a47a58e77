#include "framework/core/SixteenColors.h"

namespace qv {

std::uint32_t NearestOfSixteen(std::uint32_t color) {
    std::uint32_t best = kSixteenColors[0];
    long bestDistance = -1;
    for (std::uint32_t candidate : kSixteenColors) {
        long distance = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const long d = long((color >> shift) & 0xFF) - long((candidate >> shift) & 0xFF);
            distance += d * d;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace qv
