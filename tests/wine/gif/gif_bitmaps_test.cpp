// The frame bitmaps read back from real GDI: transparent pixels black in the image and white in
// the mask, every other pixel its palette colour.
#include "okunit/core/OkformPicture.h"
#include "support/gif/GifBuilder.h"
#include "widgets/GIFImage/GifFrameBitmaps.h"
#include "widgets/GIFImage/core/GifImageData.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

using namespace qvtest;

namespace {

// The bitmap's pixels as top-down 32-bit 0x00RRGGBB values.
std::vector<DWORD> ReadBack(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(std::size_t(width) * height);
    qv::WindowDC screen;
    EXPECT_EQ(
        GetDIBits(screen.Get(), bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS),
        height);
    return pixels;
}

DWORD Rgb(const std::uint8_t* triple) {
    return DWORD(triple[0]) << 16 | triple[1] << 8 | triple[2];
}

// At a screen depth below 24 bits colours come back rounded; compare the top bits only.
DWORD Significant(DWORD colour) {
    qv::WindowDC screen;
    const int depth = GetDeviceCaps(screen.Get(), BITSPIXEL);
    const DWORD keep = depth >= 24 ? 0xFF : 0xF8;
    return colour & (keep << 16 | keep << 8 | keep);
}

void ExpectFrameBitmaps(const qv::GifFrameData& f) {
    qv::GifFrameBitmaps bitmaps;
    qv::BuildFrameBitmaps(f, bitmaps);
    ASSERT_TRUE(bitmaps.Bitmap.bitmap);
    ASSERT_TRUE(bitmaps.Bitmap.palette);
    EXPECT_EQ(bool(bitmaps.Mask.bitmap), f.Transparent);
    const std::vector<DWORD> image = ReadBack(bitmaps.Bitmap.bitmap.Get(), f.Width, f.Height);
    std::vector<DWORD> mask;
    if (f.Transparent) {
        mask = ReadBack(bitmaps.Mask.bitmap.Get(), f.Width, f.Height);
    }
    for (int y = 0; y < f.Height; ++y) {
        for (int x = 0; x < f.Width; ++x) {
            const std::size_t i = std::size_t(y) * f.Width + x;
            const bool transparent = f.Transparent && f.PixelAt(x, y) == f.TransparentIndex;
            const DWORD expected = transparent ? 0 : Rgb(f.Palette + 3 * f.PixelAt(x, y));
            ASSERT_EQ(Significant(image[i]), Significant(expected)) << x << "," << y;
            if (f.Transparent) {
                ASSERT_EQ(mask[i], transparent ? 0xFFFFFFu : 0u) << x << "," << y;
            }
        }
    }
}

} // namespace

TEST(GifBitmaps, DialogPicture) {
    qv::GifImageData picture;
    picture.WorkBuffer.assign(qv::kOkformPicture, qv::kOkformPicture + qv::kOkformPictureSize);
    ASSERT_TRUE(picture.Decode());
    ASSERT_EQ(picture.FrameCount(), 1);
    const qv::GifFrameData& f = picture.Frame(0);
    ExpectFrameBitmaps(f);
    qv::GifFrameBitmaps bitmaps;
    qv::BuildFrameBitmaps(f, bitmaps);
    BITMAP info = {};
    ASSERT_TRUE(GetObjectA(bitmaps.Bitmap.bitmap.Get(), sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 48);
    EXPECT_EQ(info.bmHeight, 48);
    EXPECT_EQ(GetPaletteEntries(bitmaps.Bitmap.palette.Get(), 0, 0, nullptr), 256u);
    EXPECT_EQ(GetPaletteEntries(bitmaps.Mask.palette.Get(), 0, 0, nullptr), 2u);
}

TEST(GifBitmaps, MultiColourPictureWithLocalTableAndOddWidth) {
    GifBuilder b;
    ImageOptions o;
    o.localBits = 4;
    o.minCodeSize = 4;
    b.Header(13, 7, 1).Control(0, 0, true, 5);
    b.Image(0, 0, 13, 7, MakePixels(13, 7, [](int x, int y) { return (x + 3 * y) % 16; }), o);
    b.Trailer();
    qv::GifImageData picture;
    picture.WorkBuffer = b.bytes;
    ASSERT_TRUE(picture.Decode());
    const qv::GifFrameData& f = picture.Frame(0);
    ExpectFrameBitmaps(f);
    qv::GifFrameBitmaps bitmaps;
    qv::BuildFrameBitmaps(f, bitmaps);
    PALETTEENTRY entries[16];
    ASSERT_EQ(GetPaletteEntries(bitmaps.Bitmap.palette.Get(), 0, 16, entries), 16u);
    EXPECT_EQ(entries[3].peRed, f.Palette[9]);
    EXPECT_EQ(entries[3].peGreen, f.Palette[10]);
    EXPECT_EQ(entries[3].peBlue, f.Palette[11]);
    EXPECT_EQ(entries[3].peFlags, 0);
}

TEST(GifBitmaps, OpaqueFrameWithoutAnyTableIsBlackWithOneEntry) {
    GifBuilder b;
    b.Header(4, 2, 0).Image(0, 0, 4, 2, {0, 0, 0, 0, 0, 0, 0, 0}).Trailer();
    qv::GifImageData picture;
    picture.WorkBuffer = b.bytes;
    ASSERT_TRUE(picture.Decode());
    const qv::GifFrameData& f = picture.Frame(0);
    qv::GifFrameBitmaps bitmaps;
    qv::BuildFrameBitmaps(f, bitmaps);
    EXPECT_FALSE(bitmaps.Mask.bitmap);
    EXPECT_EQ(GetPaletteEntries(bitmaps.Bitmap.palette.Get(), 0, 0, nullptr), 1u);
    for (DWORD pixel : ReadBack(bitmaps.Bitmap.bitmap.Get(), 4, 2)) {
        EXPECT_EQ(pixel, 0u);
    }
}

TEST(GifBitmaps, ZeroSizeFrameHasNoBitmaps) {
    GifBuilder b;
    b.Header(4, 2).Control(0, 0, true, 1).Descriptor(0, 0, 0, 3, 0).Raw({8, 0}).Trailer();
    qv::GifImageData picture;
    picture.WorkBuffer = b.bytes;
    ASSERT_TRUE(picture.Decode());
    qv::GifFrameBitmaps bitmaps;
    qv::BuildFrameBitmaps(picture.Frame(0), bitmaps);
    EXPECT_FALSE(bitmaps.Bitmap.bitmap);
    EXPECT_FALSE(bitmaps.Mask.bitmap);
}

TEST(GifBitmaps, DescriptionBlocks) {
    GifBuilder b;
    b.Header(5, 3, 3).Control(0, 0, true, 1).Image(0, 0, 5, 3, Bytes(15, 1)).Trailer();
    qv::GifImageData picture;
    picture.WorkBuffer = b.bytes;
    ASSERT_TRUE(picture.Decode());
    const qv::GifFrameData& f = picture.Frame(0);
    qv::BitmapDescription d;
    qv::DescribeFramePixels(f, d);
    EXPECT_EQ(d.header.biSize, 40u);
    EXPECT_EQ(d.header.biWidth, 5);
    EXPECT_EQ(d.header.biHeight, -3);
    EXPECT_EQ(d.header.biBitCount, 8);
    EXPECT_EQ(d.header.biSizeImage, 24u);
    EXPECT_EQ(d.header.biClrUsed, 8u);
    EXPECT_EQ(d.colors[2].rgbRed, f.Palette[6]);
    EXPECT_EQ(d.colors[2].rgbBlue, f.Palette[8]);
    EXPECT_EQ(d.colors[2].rgbReserved, 0);
    qv::DescribeFrameMask(f, d);
    EXPECT_EQ(d.header.biBitCount, 1);
    EXPECT_EQ(d.header.biSizeImage, 12u);
    EXPECT_EQ(d.header.biClrUsed, 2u);
    EXPECT_EQ(d.colors[0].rgbRed | d.colors[0].rgbGreen | d.colors[0].rgbBlue, 0);
    EXPECT_EQ(d.colors[1].rgbRed & d.colors[1].rgbGreen & d.colors[1].rgbBlue, 255);
}
