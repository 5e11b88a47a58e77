#pragma once
#include <cstdint>

namespace qv {

// The x87 control word of the calling thread.
std::uint16_t X87ControlWord();
void SetX87ControlWord(std::uint16_t word);

// Puts the calling thread's x87 unit into 64-bit mantissa precision with rounding to nearest,
// the mode all of the monitor's extended arithmetic assumes. Some runtimes start threads with a
// 53-bit mantissa, which changes results such as 20 % of 5 pixels. The exception masks stay.
void EnsureExtendedPrecision();

// Precision-control and rounding-control fields of the control word.
constexpr std::uint16_t kX87PrecisionMask = 0x0300;
constexpr std::uint16_t kX87Precision64 = 0x0300;
constexpr std::uint16_t kX87Precision53 = 0x0200;
constexpr std::uint16_t kX87RoundingMask = 0x0C00;

} // namespace qv
