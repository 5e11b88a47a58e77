#pragma once
#include <windows.h>

namespace qv {

// A font as the layouts name it: face, character height in pixels at 96 pixels per inch
// (negative: the character height without internal leading, as LOGFONT's lfHeight), underline.
// ANSI character set.
struct FontSpec {
    const char* face;
    int height;
    bool underline = false;
};

inline constexpr FontSpec kArial11{"Arial", -11};
inline constexpr FontSpec kMsSansSerif11{"MS Sans Serif", -11};

// The shared font object for a spec, its height scaled to the screen (see Scaling.h); created
// on first use, alive until the program ends.
HFONT GetFont(const FontSpec& spec);

} // namespace qv
