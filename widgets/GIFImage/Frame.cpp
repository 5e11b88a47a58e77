#include "widgets/GIFImage/Frame.h"
#include "widgets/GIFImage/GifSurfaces.h"
#include <vector>

namespace qv {

namespace {

// A bitmap description with room for 256 colour entries.
struct Description {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

Description Describe(int width, int height, int bitsPerPixel, int stride, int colors) {
    Description d{};
    d.header.biSize = sizeof(BITMAPINFOHEADER);
    d.header.biWidth = width;
    d.header.biHeight = -height; // rows run top-down
    d.header.biPlanes = 1;
    d.header.biBitCount = WORD(bitsPerPixel);
    d.header.biCompression = BI_RGB;
    d.header.biSizeImage = DWORD(stride) * DWORD(height);
    d.header.biClrUsed = DWORD(colors);
    return d;
}

HPALETTE CreatePaletteOf(const Description& d) {
    struct {
        WORD version, count;
        PALETTEENTRY entries[256];
    } log{0x300, WORD(d.header.biClrUsed), {}};
    for (DWORD i = 0; i < d.header.biClrUsed; ++i)
        log.entries[i] = {d.colors[i].rgbRed, d.colors[i].rgbGreen, d.colors[i].rgbBlue, 0};
    return CreatePalette(reinterpret_cast<LOGPALETTE*>(&log));
}

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

void CopyArea(HDC from, int left, int top, int width, int height, HBITMAP into) {
    BitmapSource target(into);
    BitBlt(target.Dc(), 0, 0, width, height, from, left, top, SRCCOPY);
}

} // namespace

TFrame::~TFrame() {
    for (HGDIOBJ object : {HGDIOBJ(mask_), HGDIOBJ(savedMask_), HGDIOBJ(savedImage_),
                           HGDIOBJ(bitmap_), HGDIOBJ(palette_)})
        if (object)
            DeleteObject(object);
}

void TFrame::BuildBitmaps() {
    if (Width > 0 && Height > 0) {
        BuildImage();
        if (Transparent) {
            BuildMask();
            BlackenTransparentPixels();
        }
        if (Disposal == 3) {
            ScreenDc screen;
            savedImage_ = CreateCompatibleBitmap(screen.dc, Width, Height);
            savedMask_ = CreateBitmap(Width, Height, 1, 1, nullptr);
        }
    }
    ReleaseMatrices();
}

void TFrame::BuildImage() {
    Description d = Describe(Width, Height, 8, PixelStride, ColorsUsed);
    for (int i = 0; i < ColorsUsed; ++i)
        d.colors[i] = {Palette[3 * i + 2], Palette[3 * i + 1], Palette[3 * i], 0};
    palette_ = CreatePaletteOf(d);
    ScreenDc screen;
    HPALETTE previous = palette_ ? SelectPalette(screen.dc, palette_, FALSE) : nullptr;
    if (previous)
        RealizePalette(screen.dc);
    bitmap_ = CreateDIBitmap(screen.dc, &d.header, CBM_INIT, Pixels.data(),
                             reinterpret_cast<BITMAPINFO*>(&d), DIB_RGB_COLORS);
    if (previous)
        SelectPalette(screen.dc, previous, FALSE);
}

void TFrame::BuildMask() {
    Description d = Describe(Width, Height, 1, MaskStride, 2);
    d.colors[0] = {0, 0, 0, 0};
    d.colors[1] = {255, 255, 255, 0};
    const int t = TransparentIndex;
    TransparentColor = {Palette[3 * t], Palette[3 * t + 1], Palette[3 * t + 2]};
    mask_ = CreateBitmap(Width, Height, 1, 1, nullptr);
    ScreenDc screen;
    if (mask_)
        SetDIBits(screen.dc, mask_, 0, UINT(Height), Mask.data(), reinterpret_cast<BITMAPINFO*>(&d),
                  DIB_RGB_COLORS);
}

// Destination AND NOT mask: transparent pixels turn black, all others keep their colour. The
// control's mask-and-invert drawing relies on this.
void TFrame::BlackenTransparentPixels() {
    if (!bitmap_ || !mask_)
        return;
    BitmapSource image(bitmap_);
    BitmapSource mask(mask_);
    BitBlt(image.Dc(), 0, 0, Width, Height, mask.Dc(), 0, 0, 0x220326);
}

void TFrame::SaveUnderneath(HDC composite, HDC mask) {
    if (mask && savedMask_)
        CopyArea(mask, Left, Top, Width, Height, savedMask_);
    if (savedImage_)
        CopyArea(composite, Left, Top, Width, Height, savedImage_);
}

void TFrame::RestoreUnderneath(HDC composite, HDC mask) {
    if (mask && savedMask_) {
        BitmapSource saved(savedMask_);
        BitBlt(mask, Left, Top, Width, Height, saved.Dc(), 0, 0, SRCCOPY);
    }
    if (savedImage_) {
        BitmapSource saved(savedImage_);
        BitBlt(composite, Left, Top, Width, Height, saved.Dc(), 0, 0, SRCCOPY);
    }
}

} // namespace qv
