#pragma once
#include "framework/Gdi.h"
#include "framework/ScreenColors.h"
#include "widgets/gauge/core/QvObjects.h"
#include <windows.h>

namespace qv::gauge {

// System colours carry the top bit; everything else is plain RGB.
inline COLORREF ColorToRGB(TColor color) {
    if (color & 0x80000000u)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

// A solid fill also on a sixteen-colour screen, where other colours would be dithered.
inline void FillSolid(HDC dc, const RECT& rect, TColor color) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(SolidColor(dc, ColorToRGB(color))));
    FillRect(dc, &rect, brush.Get());
}

} // namespace qv::gauge
