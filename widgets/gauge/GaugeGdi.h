#pragma once
#include "widgets/gauge/core/QvObjects.h"
#include <windows.h>

namespace qv::gauge {

// System colours carry the top bit; everything else is plain RGB.
inline COLORREF ColorToRGB(TColor color) {
    if (color & 0x80000000u)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

// Owns one GDI object (pen, brush, bitmap, region, font).
template <class Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~GdiObject() {
        if (handle_)
            DeleteObject(handle_);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_;
};

// Selects an object into a device context for the scope's lifetime.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, old_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory device context with a bitmap of the given size selected into it.
class OffscreenBitmap {
public:
    OffscreenBitmap(HDC compatible, int width, int height)
        : dc_{CreateCompatibleDC(compatible)},
          bitmap_(CreateCompatibleBitmap(compatible, width, height)),
          selection_(dc_.dc, bitmap_.get()) {}
    ~OffscreenBitmap() = default;
    HDC dc() const { return dc_.dc; }
    bool Valid() const { return dc_.dc && bitmap_; }

private:
    struct OwnedDC {
        HDC dc;
        ~OwnedDC() {
            if (dc)
                DeleteDC(dc);
        }
    } dc_;
    GdiObject<HBITMAP> bitmap_;
    Selection selection_;
};

inline void FillSolid(HDC dc, const RECT& rect, TColor color) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(color)));
    FillRect(dc, &rect, brush.get());
}

} // namespace qv::gauge
