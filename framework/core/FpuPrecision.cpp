#include "framework/core/FpuPrecision.h"

namespace qv {

#if !defined(__i386__) && !defined(__x86_64__)
#error "The monitor's arithmetic needs the x87 unit"
#endif

std::uint16_t X87ControlWord() {
    std::uint16_t word;
    __asm__ __volatile__("fnstcw %0" : "=m"(word));
    return word;
}

void SetX87ControlWord(std::uint16_t word) {
    __asm__ __volatile__("fldcw %0" : : "m"(word));
}

void EnsureExtendedPrecision() {
    std::uint16_t word = X87ControlWord();
    std::uint16_t wanted = (word & ~(kX87PrecisionMask | kX87RoundingMask)) | kX87Precision64;
    if (wanted != word)
        SetX87ControlWord(wanted);
}

} // namespace qv
