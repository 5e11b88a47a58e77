// DecodeRaster: LZW codes, placement of rows (interlaced or not) and the transparency mask.
#include "GifTestUtil.h"

#include <gtest/gtest.h>

#include <random>

using namespace qvtest;

namespace {

Bytes Noise(std::size_t count, unsigned colours, unsigned salt = 1) {
    std::mt19937 random(salt);
    Bytes p(count);
    for (auto& v : p) {
        v = std::uint8_t(random() % colours);
    }
    return p;
}

const qv::GifFrameData& Only(const std::unique_ptr<qv::GifImageData>& image) {
    EXPECT_EQ(image->FrameCount(), 1);
    return image->Frame(0);
}

Bytes OneFrameGif(int w, int h, const Bytes& pixels, const ImageOptions& o = {}) {
    GifBuilder b;
    b.Header(w, h).Image(0, 0, w, h, pixels, o).Trailer();
    return b.bytes;
}

} // namespace

TEST(GifRaster, OddWidthsPadRowsToFourBytes) {
    for (int w : {1, 2, 3, 5, 7, 9, 31, 33, 100}) {
        const Bytes pixels = Noise(std::size_t(w) * 3, 256, unsigned(w));
        auto image = Decode(OneFrameGif(w, 3, pixels));
        const qv::GifFrameData& f = Only(image);
        EXPECT_EQ(f.PixelStride, (w + 3) / 4 * 4);
        ASSERT_EQ(f.Pixels.size(), std::size_t(f.PixelStride) * 3);
        EXPECT_EQ(FramePixels(f), pixels) << w;
        for (int y = 0; y < 3; ++y) {
            for (int x = w; x < f.PixelStride; ++x) {
                EXPECT_EQ(f.Pixels[std::size_t(y) * f.PixelStride + x], 0) << "padding " << w;
            }
        }
    }
}

TEST(GifRaster, EveryMinimumCodeSizeFromOneToEleven) {
    for (int m = 1; m <= 11; ++m) {
        const unsigned colours = m >= 8 ? 256 : 1u << m;
        const Bytes pixels = Noise(40 * 30, colours, unsigned(m));
        ImageOptions o;
        o.minCodeSize = m;
        auto image = Decode(OneFrameGif(40, 30, pixels, o));
        EXPECT_EQ(FramePixels(Only(image)), pixels) << m;
    }
}

TEST(GifRaster, LiteralsAboveByteRangeAreTakenAsBytes) {
    // With a minimum code size of 9, literal 0x1A5 places pixel 0xA5.
    BitPacker codes;
    codes.Put(512, 10);
    codes.Put(0x1A5, 10);
    codes.Put(0x033, 10);
    codes.Put(513, 10);
    GifBuilder b;
    b.Header(2, 1).Descriptor(0, 0, 2, 1, 0).Raw({9}).Raw(SubBlocks(codes.Finish())).Trailer();
    EXPECT_EQ(FramePixels(Only(Decode(b.bytes))), (Bytes{0xA5, 0x33}));
}

TEST(GifRaster, OneByteSubBlocksAndTwelveBitCodes) {
    const Bytes pixels = Noise(90 * 90, 256, 7);
    ImageOptions o;
    o.blockSize = 1;
    EXPECT_EQ(FramePixels(Only(Decode(OneFrameGif(90, 90, pixels, o)))), pixels);
}

TEST(GifRaster, AFullTableWithoutClearCodeGoesOnWithTwelveBitCodes) {
    const Bytes pixels = Noise(200 * 150, 256, 3);
    ImageOptions o;
    o.lzw.clearWhenFull = false;
    const Bytes data = OneFrameGif(200, 150, pixels, o);
    ImageOptions withClear;
    ASSERT_NE(data, OneFrameGif(200, 150, pixels, withClear)); // the table did fill up
    EXPECT_EQ(FramePixels(Only(Decode(data))), pixels);
}

TEST(GifRaster, WithoutAnInitialClearCode) {
    const Bytes pixels = Noise(64 * 8, 16, 5);
    ImageOptions o;
    o.minCodeSize = 4;
    o.lzw.clearFirst = false;
    EXPECT_EQ(FramePixels(Only(Decode(OneFrameGif(64, 8, pixels, o)))), pixels);
}

TEST(GifRaster, RepeatedClearCodesAreSkipped) {
    BitPacker codes;
    for (int i = 0; i < 3; ++i) {
        codes.Put(4, 3);
    }
    codes.Put(1, 3);
    codes.Put(4, 3);
    codes.Put(2, 3);
    codes.Put(3, 3);
    codes.Put(5, 3);
    GifBuilder b;
    b.Header(3, 1, 2).Descriptor(0, 0, 3, 1, 0).Raw({2}).Raw(SubBlocks(codes.Finish())).Trailer();
    EXPECT_EQ(FramePixels(Only(Decode(b.bytes))), (Bytes{1, 2, 3}));
}

TEST(GifRaster, LongRunsUseTheKwKwKCase) {
    const Bytes pixels(500 * 20, 9);
    EXPECT_EQ(FramePixels(Only(Decode(OneFrameGif(500, 20, pixels)))), pixels);
}

TEST(GifInterlace, HeightThreePlacesRowsZeroTwoOne) {
    // Stored in pass order: row 0 (pass 1), row 2 (pass 3), row 1 (pass 4); pass 2 is empty.
    GifBuilder b;
    b.Header(2, 3).Descriptor(0, 0, 2, 3, 0x40).Raw({8});
    b.Raw(SubBlocks(LzwEncode({10, 10, 20, 20, 30, 30}, 8))).Trailer();
    auto image = Decode(b.bytes);
    const qv::GifFrameData& f = Only(image);
    EXPECT_EQ(FramePixels(f), (Bytes{10, 10, 30, 30, 20, 20}));
}

TEST(GifInterlace, HeightOnePlacesRowZeroAndEnds) {
    GifBuilder b;
    b.Header(3, 1).Descriptor(0, 0, 3, 1, 0x40).Raw({8});
    b.Raw(SubBlocks(LzwEncode({1, 2, 3, 4, 5, 6}, 8))).Trailer();
    EXPECT_EQ(FramePixels(Only(Decode(b.bytes))), (Bytes{1, 2, 3}));
}

TEST(GifInterlace, AllHeightsRoundTrip) {
    for (int h = 1; h <= 20; ++h) {
        const Bytes pixels = MakePixels(5, h, [](int x, int y) { return y * 10 + x; });
        ImageOptions o;
        o.interlaced = true;
        EXPECT_EQ(FramePixels(Only(Decode(OneFrameGif(5, h, pixels, o)))), pixels) << h;
    }
}

TEST(GifMask, TransparentPixelsSetTheirBitMostSignificantFirst) {
    const int w = 37, h = 4;
    const Bytes pixels = MakePixels(w, h, [](int x, int y) { return (x + y) % 5 == 0 ? 83 : x; });
    GifBuilder b;
    b.Header(w, h).Control(0, 0, true, 83).Image(0, 0, w, h, pixels).Trailer();
    auto image = Decode(b.bytes);
    const qv::GifFrameData& f = Only(image);
    ASSERT_EQ(f.MaskStride, 8);
    ASSERT_EQ(f.Mask.size(), 32u);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(f.MaskedAt(x, y), pixels[std::size_t(y) * w + x] == 83) << x << "," << y;
        }
        for (int x = w; x < 64; ++x) {
            EXPECT_FALSE(f.Mask[std::size_t(y) * 8 + x / 8] >> (7 - x % 8) & 1) << "padding";
        }
    }
    EXPECT_EQ(f.Mask[0], 0x84); // pixels 0 and 5 of row 0
}

TEST(GifMask, InterlacedMaskFollowsTheRows) {
    const Bytes pixels = MakePixels(9, 11, [](int x, int y) { return x == y ? 0 : 1; });
    GifBuilder b;
    ImageOptions o;
    o.interlaced = true;
    b.Header(9, 11).Control(0, 0, true, 0).Image(0, 0, 9, 11, pixels, o).Trailer();
    auto image = Decode(b.bytes);
    const qv::GifFrameData& f = Only(image);
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(f.MaskedAt(x, y), x == y);
        }
    }
}
