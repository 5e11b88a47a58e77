#pragma once
#include "widgets/gauge/core/QvObjects.h"
#include <windows.h>

namespace qv {

// Draws the bevel just inside rect and returns the rectangle left inside it.
RECT DrawQvBevel(HDC dc, const TQvBevel& bevel, RECT rect);

// Draws a frame in one of the standard border styles around rect (inside it).
void DrawQvBorder(HDC dc, TQvBorderStyle style, RECT rect);

} // namespace qv
