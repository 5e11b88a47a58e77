#pragma once
#include "framework/Gdi.h"
#include "widgets/gauge/core/QvObjects.h"
#include <windows.h>

namespace qv::gauge {

// System colours carry the top bit; everything else is plain RGB.
inline COLORREF ColorToRGB(TColor color) {
    if (color & 0x80000000u)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

inline void FillSolid(HDC dc, const RECT& rect, TColor color) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(color)));
    FillRect(dc, &rect, brush.Get());
}

} // namespace qv::gauge
