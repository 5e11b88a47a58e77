#pragma once
#include "framework/BitButton.h"

namespace qv {

// The framework's standard button pictures, as data like any other button picture: the green
// tick, the red "No" sign and the red "Cancel" cross, each with its embossed grey image for a
// disabled button. Glyph::None gives an empty picture.
const ButtonPicture& StandardPicture(BitButton::Glyph glyph, bool enabled);

} // namespace qv
