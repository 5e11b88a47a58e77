#pragma once
// The Win32 half of the GIF decoder: turns a decoded frame's index and mask matrices into the
// drawable bitmaps the image control composes. Call BuildFrameBitmaps from the picture's
// FrameRead hook, then GifFrameData::ReleaseMatrices.
#include "framework/Gdi.h"
#include "widgets/GIFImage/core/GifFrameData.h"

#include <windows.h>

namespace qv {

// A bitmap with the logical palette it was made with (a frame's Bitmap or Mask).
struct PaletteBitmap {
    PaletteHandle palette;
    BitmapHandle bitmap;
};

// The bitmap description block: a 40-byte information header and 256 colour entries.
struct BitmapDescription {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];

    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(this); }
    int ColorCount() const { return int(header.biClrUsed); }
};
static_assert(sizeof(BitmapDescription) == 1064, "header and 256 entries, nothing between");

// Describes the frame's pixel matrix: 8 bits, top-down rows, ColorsUsed entries of its palette.
void DescribeFramePixels(const GifFrameData& frame, BitmapDescription& description);
// Describes the frame's mask matrix: 1 bit, top-down, entry 0 black and entry 1 white.
void DescribeFrameMask(const GifFrameData& frame, BitmapDescription& description);

// A logical palette (version 0x300) of the description's colour entries, flags 0.
PaletteHandle BuildPalette(const BitmapDescription& description);

// Replaces target's bitmap and palette: builds the palette, realizes it in the screen's context
// and creates a screen-compatible bitmap from the description and bits. Throws
// qv::EOutOfResources when GDI cannot make them.
void BuildBitmap(PaletteBitmap& target, const BitmapDescription& description, const void* bits);

// A frame's drawable bitmaps: Bitmap always (black where transparent), Mask only for a
// transparent frame (white where transparent, black elsewhere). Both stay empty for a frame of
// width or height 0: such a frame draws nothing.
struct GifFrameBitmaps {
    PaletteBitmap Bitmap;
    PaletteBitmap Mask;
};

// Builds Bitmap and, for a transparent frame, Mask, then blackens Bitmap's transparent pixels
// (Mask combined onto it with raster operation 0x220326, destination AND NOT source).
void BuildFrameBitmaps(const GifFrameData& frame, GifFrameBitmaps& bitmaps);

} // namespace qv
