#include "widgets/GIFImage/GifFrameBitmaps.h"

#include "framework/Exceptions.h"

#include <cstring>
#include <string>
#include <vector>

namespace qv {

namespace {

constexpr DWORD kAndNotSource = 0x220326; // destination AND NOT source

void DescribeCommon(const GifFrameData& frame, BitmapDescription& d, WORD bits, DWORD imageSize,
                    int colors) {
    std::memset(&d, 0, sizeof d);
    d.header.biSize = sizeof(BITMAPINFOHEADER);
    d.header.biWidth = frame.Width;
    d.header.biHeight = -frame.Height; // rows run top-down
    d.header.biPlanes = 1;
    d.header.biBitCount = bits;
    d.header.biCompression = BI_RGB;
    d.header.biSizeImage = imageSize;
    d.header.biClrUsed = DWORD(colors);
}

std::string SizeText(const BitmapDescription& d) {
    return std::to_string(d.header.biWidth) + " x " + std::to_string(-d.header.biHeight);
}

} // namespace

void DescribeFramePixels(const GifFrameData& frame, BitmapDescription& d) {
    DescribeCommon(frame, d, 8, DWORD(frame.PixelStride) * DWORD(frame.Height), frame.ColorsUsed);
    for (int i = 0; i < frame.ColorsUsed; ++i) {
        d.colors[i].rgbRed = frame.Palette[3 * i];
        d.colors[i].rgbGreen = frame.Palette[3 * i + 1];
        d.colors[i].rgbBlue = frame.Palette[3 * i + 2];
    }
}

void DescribeFrameMask(const GifFrameData& frame, BitmapDescription& d) {
    DescribeCommon(frame, d, 1, DWORD(frame.MaskStride) * DWORD(frame.Height), 2);
    d.colors[1].rgbRed = d.colors[1].rgbGreen = d.colors[1].rgbBlue = 255;
}

PaletteHandle BuildPalette(const BitmapDescription& d) {
    const int count = d.ColorCount();
    std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * std::size_t(count));
    LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = WORD(count);
    for (int i = 0; i < count; ++i) {
        PALETTEENTRY& e = palette->palPalEntry[i];
        e.peRed = d.colors[i].rgbRed;
        e.peGreen = d.colors[i].rgbGreen;
        e.peBlue = d.colors[i].rgbBlue;
        e.peFlags = 0;
    }
    PaletteHandle handle(CreatePalette(palette));
    if (!handle) {
        throw EOutOfResources("Cannot create a palette of " + std::to_string(count) + " colours");
    }
    return handle;
}

void BuildBitmap(PaletteBitmap& target, const BitmapDescription& d, const void* bits) {
    target.bitmap.Reset();
    target.palette.Reset();
    target.palette = BuildPalette(d);
    WindowDC screen;
    PaletteSelection selected(screen.Get(), target.palette.Get(), false);
    target.bitmap.Reset(
        CreateDIBitmap(screen.Get(), &d.header, CBM_INIT, bits, d.Info(), DIB_RGB_COLORS));
    if (!target.bitmap) {
        throw EOutOfResources("Cannot create a bitmap of " + SizeText(d) + " pixels");
    }
}

void BuildFrameBitmaps(const GifFrameData& frame, GifFrameBitmaps& bitmaps) {
    bitmaps.Bitmap = {};
    bitmaps.Mask = {};
    if (frame.Width <= 0 || frame.Height <= 0) {
        return;
    }
    BitmapDescription description;
    DescribeFramePixels(frame, description);
    BuildBitmap(bitmaps.Bitmap, description, frame.Pixels.data());
    if (!frame.Transparent) {
        return;
    }
    DescribeFrameMask(frame, description);
    BuildBitmap(bitmaps.Mask, description, frame.Mask.data());

    MemoryDC target;
    MemoryDC source;
    Selection targetBitmap(target.Get(), bitmaps.Bitmap.bitmap.Get());
    Selection sourceBitmap(source.Get(), bitmaps.Mask.bitmap.Get());
    BitBlt(target.Get(), 0, 0, frame.Width, frame.Height, source.Get(), 0, 0, kAndNotSource);
}

} // namespace qv
