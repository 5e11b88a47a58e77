#pragma once
// Owners for what GDI hands out: objects, device contexts, selections into a device context and
// off-screen surfaces. Each gives back, puts back or deletes what it took when it goes, so a
// drawing routine can leave at any point (an exception included) without leaking.
#include <windows.h>

#include <utility>

namespace qv {

// Owns one GDI object (pen, brush, font, region, bitmap or palette) and deletes it.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_) {
            DeleteObject(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using BitmapHandle = GdiObject<HBITMAP>;
using PaletteHandle = GdiObject<HPALETTE>;

// The device context of a window's client area, or of the screen when the window is null.
class WindowDC {
public:
    explicit WindowDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The paint context of a window between BeginPaint and EndPaint (WM_PAINT).
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return dc_; }
    // The part of the client area that needs painting.
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory device context compatible with `reference` (the screen when null).
class MemoryDC {
public:
    explicit MemoryDC(HDC reference = nullptr) : dc_(CreateCompatibleDC(reference)) {}
    ~MemoryDC() {
        if (dc_) {
            DeleteDC(dc_);
        }
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object (pen, brush, font, bitmap) into a device context and puts the previous one
// back. A null object selects nothing.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_) {
            SelectObject(dc_, previous_);
        }
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Selects a logical palette (as a background palette unless asked otherwise), realizes it, and
// puts the previous palette back. A null palette selects nothing.
class PaletteSelection {
public:
    PaletteSelection(HDC dc, HPALETTE palette, bool background = true);
    ~PaletteSelection();
    // RealizePalette's answer: how many entries were newly mapped into the system palette.
    UINT Realized() const { return realized_; }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;

private:
    HDC dc_;
    HPALETTE previous_ = nullptr;
    UINT realized_ = 0;
};

// A memory device context with its own bitmap selected into it: an off-screen surface to compose
// on and copy from. The context's previous bitmap is put back before both are deleted. A surface
// whose context or bitmap cannot be made is empty (false).
class MemorySurface {
public:
    MemorySurface() = default;
    // A colour surface compatible with `reference` (the screen when null).
    static MemorySurface Compatible(HDC reference, int width, int height);
    // A monochrome surface (a transparency mask).
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
    MemorySurface(HDC reference, HBITMAP bitmap, int width, int height);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0, height_ = 0;
};

// A bitmap that somebody else owns, selected into a temporary memory context for copying.
class BitmapSource {
public:
    explicit BitmapSource(HBITMAP bitmap);
    HDC Dc() const { return dc_.Get(); }

private:
    MemoryDC dc_;
    Selection selection_;
};

} // namespace qv
