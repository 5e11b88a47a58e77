#pragma once
#include <windows.h>
#include <utility>

namespace qv {

// A memory device context with its own bitmap selected into it: the off-screen surfaces of
// the image control. The context's previous bitmap is put back before both are deleted.
class MemorySurface {
public:
    MemorySurface() = default;
    // A colour surface compatible with `reference` (the screen when null).
    static MemorySurface Compatible(HDC reference, int width, int height);
    // A monochrome surface (the transparency masks).
    static MemorySurface Monochrome(int width, int height);
    ~MemorySurface() { Release(); }
    MemorySurface(MemorySurface&& other) noexcept { *this = std::move(other); }
    MemorySurface& operator=(MemorySurface&& other) noexcept;

    void Release();
    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    MemorySurface(HBITMAP bitmap, int width, int height);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0, height_ = 0;
};

// A bitmap that somebody else owns, selected into a temporary memory context for copying.
class BitmapSource {
public:
    explicit BitmapSource(HBITMAP bitmap);
    ~BitmapSource();
    BitmapSource(const BitmapSource&) = delete;
    BitmapSource& operator=(const BitmapSource&) = delete;
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A logical palette selected (as a background palette) and realized for the scope; nothing
// when the palette is null.
class PaletteSelection {
public:
    PaletteSelection(HDC dc, HPALETTE palette);
    ~PaletteSelection();
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;

private:
    HDC dc_;
    HPALETTE previous_ = nullptr;
};

} // namespace qv
