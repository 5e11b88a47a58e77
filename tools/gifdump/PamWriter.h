#pragma once
#include "widgets/GIFImage/core/GifFrameData.h"

#include <string>

namespace gifdump {

// Writes the frame's own pixels (not composed onto the screen) as an RGBA PAM file (P7,
// TUPLTYPE RGB_ALPHA); transparent pixels get alpha 0. Returns false when the file cannot be
// written.
bool WriteFramePam(const qv::GifFrameData& frame, const std::string& path);

} // namespace gifdump
