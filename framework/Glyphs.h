#pragma once
#include "framework/BitButton.h"

namespace qv {

// Draws one of the framework's button pictures into rect (16 by 16); grey when disabled.
void DrawGlyph(HDC dc, BitButton::Glyph glyph, const RECT& rect, bool enabled);

} // namespace qv
