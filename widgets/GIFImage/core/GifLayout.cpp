#include "widgets/GIFImage/core/GifLayout.h"
#include <algorithm>

namespace qv {

unsigned FrameInterval(int delayMs, int speedPercent) {
    long long speed = std::max(speedPercent, 1);
    long long interval = std::max(delayMs, 50) * 100LL / speed;
    return unsigned(std::clamp(interval, 1LL, 0xFFFFFFFELL));
}

namespace {
// Nearest integer, halves to even. Done by hand rather than with nearbyint under fesetround:
// the runtime's fesetround sets the SSE unit's MXCSR too, which stops a processor whose system
// has not enabled SSE (Windows 95 and the first Windows 98 on a Pentium III).
int RoundEven(float v) {
    int whole = int(v); // toward zero
    if (float(whole) > v)
        --whole; // now toward minus infinity
    float fraction = v - float(whole);
    if (fraction > 0.5f || (fraction == 0.5f && whole % 2 != 0))
        ++whole;
    return whole;
}
} // namespace

LayoutRect RatioRect(int cw, int ch, int sw, int sh) {
    LayoutRect client{0, 0, cw, ch};
    if (sw <= 0 || sh <= 0)
        return client;
    float sx = float(cw) / float(sw);
    float sy = float(ch) / float(sh);
    if (sx > sy) {
        float margin = (float(cw) - float(sw) * sy) * 0.5f;
        return {RoundEven(0 + margin), 0, RoundEven(float(cw) - margin), ch};
    }
    float margin = (float(ch) - float(sh) * sx) * 0.5f;
    return {0, RoundEven(0 + margin), cw, RoundEven(float(ch) - margin)};
}

int CenterOffset(int control, int picture) {
    return (control - picture) / 2; // C++ division truncates toward zero
}

int LastTileIndex(int area, int picture) {
    return picture > 0 ? area / picture : -1;
}

bool IsOpaque(const OpacityInputs& in) {
    return in.visible && in.loaded && !in.anyTransparent && !in.stretchRatio &&
           (in.tile || in.stretch || (in.screenWidth >= in.width && in.screenHeight >= in.height));
}

} // namespace qv
