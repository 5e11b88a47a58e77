#include "framework/Gdi.h"
#include "framework/Seams.h"

namespace qv {

PaletteSelection::PaletteSelection(HDC dc, HPALETTE palette, bool background) : dc_(dc) {
    if (palette) {
        previous_ = SelectPalette(dc_, palette, background ? TRUE : FALSE);
        const UINT realized = RealizePalette(dc_);
        realized_ = realized == GDI_ERROR ? 0 : realized;
    }
}

PaletteSelection::~PaletteSelection() {
    if (previous_) {
        SelectPalette(dc_, previous_, TRUE);
    }
}

MemorySurface::MemorySurface(HDC reference, HBITMAP bitmap, int width, int height)
    : dc_(bitmap ? CreateCompatibleDC(reference) : nullptr), bitmap_(bitmap), width_(width),
      height_(height) {
    if (!dc_) {
        if (bitmap_) {
            DeleteObject(bitmap_);
        }
        bitmap_ = nullptr;
        width_ = height_ = 0;
        return;
    }
    previous_ = SelectObject(dc_, bitmap_);
    // Monochrome sources copy as black (0) and white (1) only with these colours.
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkColor(dc_, RGB(255, 255, 255));
    SetStretchBltMode(dc_, COLORONCOLOR);
}

MemorySurface MemorySurface::Compatible(HDC reference, int width, int height) {
    if (reference) {
        return MemorySurface(reference, CreateSurfaceBitmap(reference, width, height), width,
                             height);
    }
    WindowDC screen;
    return MemorySurface(nullptr, CreateSurfaceBitmap(screen.Get(), width, height), width, height);
}

MemorySurface MemorySurface::Monochrome(int width, int height) {
    return MemorySurface(nullptr, CreateBitmap(width, height, 1, 1, nullptr), width, height);
}

MemorySurface& MemorySurface::operator=(MemorySurface&& other) noexcept {
    if (this != &other) {
        Release();
        std::swap(dc_, other.dc_);
        std::swap(bitmap_, other.bitmap_);
        std::swap(previous_, other.previous_);
        std::swap(width_, other.width_);
        std::swap(height_, other.height_);
    }
    return *this;
}

void MemorySurface::Release() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    width_ = height_ = 0;
}

BitmapSource::BitmapSource(HBITMAP bitmap) : selection_(dc_.Get(), bitmap) {
    SetTextColor(dc_.Get(), RGB(0, 0, 0));
    SetBkColor(dc_.Get(), RGB(255, 255, 255));
}

} // namespace qv
