#include "AnimatedPicture.h"
#include "wine/gifimage/Pictures.h"

namespace qvtest {

std::vector<std::uint8_t> BlinkingPicture() {
    return Picture(48, 48, {Solid(48, 48, kRed, 2), Solid(48, 48, kBlue, 2)}, 0);
}

} // namespace qvtest
