#include "framework/ScreenColors.h"
#include "framework/Gdi.h"
#include "framework/core/SixteenColors.h"

namespace qv {

namespace {
bool FewColorsWithoutPalette(HDC dc) {
    return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) <= 4 &&
           !(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE);
}
} // namespace

bool SixteenColorSurface(HDC dc) {
    BITMAP selected{};
    // A memory surface has the format of its bitmap (a 4-bit one too on a true-colour screen).
    if (dc && GetObjectType(dc) == OBJ_MEMDC &&
        GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof selected, &selected) &&
        selected.bmBitsPixel * selected.bmPlanes == 4)
        return true;
    // Read each time: the tests play a sixteen-colour screen for a while.
    WindowDC screen;
    return screen.Get() && FewColorsWithoutPalette(screen.Get());
}

COLORREF SolidColor(HDC dc, COLORREF color) {
    return SixteenColorSurface(dc) ? static_cast<COLORREF>(NearestOfSixteen(color & 0xFFFFFF))
                                   : color;
}

} // namespace qv
