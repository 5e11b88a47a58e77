#pragma once
#include <windows.h>

namespace qv {

// On a screen of sixteen colours without a palette (the standard VGA driver, which a Windows 9x
// falls back to when its display driver fails), a brush of any other colour is a pattern of
// dots: a bar in it, or a caption over it, becomes hard to read. Drawn into such a surface, or
// while the screen is one, a colour becomes the nearest of the sixteen.
bool SixteenColorSurface(HDC dc);
// The colour itself, or on a sixteen-colour surface the nearest of the sixteen.
COLORREF SolidColor(HDC dc, COLORREF color);

} // namespace qv
