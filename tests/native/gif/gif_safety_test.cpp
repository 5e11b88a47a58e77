// Corrupt and hostile data: every fault class ends the frame's data or the picture cleanly,
// keeps what was read, and never reads or writes outside the buffers.
#include "GifTestUtil.h"

#include <gtest/gtest.h>

using namespace qvtest;

namespace {

// A picture: one w x h image of raw image data `raster` (minimum code size byte included),
// then a 2 x 1 image that must still decode, then the trailer.
Bytes WithRaster(int w, int h, const Bytes& raster, std::uint8_t controlFlags = 0) {
    GifBuilder b;
    b.Header(4, 4);
    if (controlFlags) {
        b.ControlFlags(controlFlags, 0, 0);
    }
    b.Descriptor(0, 0, w, h, 0).Raw(raster);
    b.Image(0, 0, 2, 1, {7, 8}).Trailer();
    return b.bytes;
}

Bytes Codes(std::initializer_list<std::pair<unsigned, int>> codes) {
    BitPacker p;
    for (auto [code, size] : codes) {
        p.Put(code, size);
    }
    return p.Finish();
}

Bytes Raster(int minCodeSize, const Bytes& codeBytes) {
    Bytes r{std::uint8_t(minCodeSize)};
    const Bytes blocks = SubBlocks(codeBytes);
    r.insert(r.end(), blocks.begin(), blocks.end());
    return r;
}

// The second image decoded, so the parse position stood right behind the first one's data.
void ExpectSecondFrameIntact(const qv::GifImageData& image) {
    ASSERT_EQ(image.FrameCount(), 2);
    EXPECT_EQ(FramePixels(image.Frame(1)), (Bytes{7, 8}));
}

} // namespace

TEST(GifSafety, CodeBeyondTheNextFreeEntryEndsTheFrame) {
    // clear, literal 1, literal 2 (defines 258), then 300 while 259 is next.
    const Bytes raster = Raster(8, Codes({{256, 9}, {1, 9}, {2, 9}, {300, 9}, {3, 9}, {257, 9}}));
    auto image = Decode(WithRaster(5, 1, raster));
    EXPECT_EQ(FramePixels(image->Frame(0)), (Bytes{1, 2, 0, 0, 0}));
    ExpectSecondFrameIntact(*image);
}

TEST(GifSafety, FirstCodeAfterClearThatNamesNoEntryEndsTheFrame) {
    const Bytes raster = Raster(8, Codes({{256, 9}, {1, 9}, {256, 9}, {258, 9}, {4, 9}}));
    auto image = Decode(WithRaster(3, 1, raster));
    EXPECT_EQ(FramePixels(image->Frame(0)), (Bytes{1, 0, 0}));
    ExpectSecondFrameIntact(*image);
}

TEST(GifSafety, APrefixCycleCannotForm) {
    // Without the checks this stream links entry 258 to 300 and 300 back to 258, and decoding
    // code 300 would walk that loop for ever.
    BitPacker p;
    p.Put(256, 9);
    p.Put(300, 9);
    p.Put(258, 9);
    for (int i = 0; i < 41; ++i) {
        p.Put(1, 9);
    }
    p.Put(258, 9);
    p.Put(300, 9);
    p.Put(257, 9);
    auto image = Decode(WithRaster(16, 16, Raster(8, p.Finish())));
    EXPECT_EQ(FramePixels(image->Frame(0)), Bytes(256, 0));
    ExpectSecondFrameIntact(*image);
}

TEST(GifSafety, DecodedStringRunningPastTheFrameEndIsCut) {
    // The second code's string (1, 1) and a long run run past a 3 x 1 frame.
    const Bytes raster = Raster(2, LzwEncode(Bytes(50, 1), 2));
    auto image = Decode(WithRaster(3, 1, raster));
    EXPECT_EQ(FramePixels(image->Frame(0)), (Bytes{1, 1, 1}));
    ExpectSecondFrameIntact(*image);
}

TEST(GifSafety, TooMuchPixelDataIsReadOver) {
    const Bytes raster =
        Raster(8, LzwEncode(MakePixels(40, 40, [](int x, int y) { return x * y; }), 8));
    auto image = Decode(WithRaster(40, 2, raster));
    EXPECT_EQ(FramePixels(image->Frame(0)), MakePixels(40, 2, [](int x, int y) { return x * y; }));
    ExpectSecondFrameIntact(*image);
}

TEST(GifSafety, TooLittlePixelDataLeavesTheRestZeroAndUnmasked) {
    // Transparent index 0: pixels the data does not supply are 0 but not transparent.
    const Bytes given = MakePixels(10, 2, [](int x, int) { return x % 3; });
    const Bytes raster = Raster(8, LzwEncode(Bytes(given.begin(), given.begin() + 15), 8));
    auto image = Decode(WithRaster(10, 4, raster, 0x01));
    const qv::GifFrameData& f = image->Frame(0);
    for (int i = 0; i < 40; ++i) {
        const int x = i % 10, y = i / 10;
        EXPECT_EQ(f.PixelAt(x, y), i < 15 ? given[std::size_t(i)] : 0) << i;
        EXPECT_EQ(f.MaskedAt(x, y), i < 15 && given[std::size_t(i)] == 0) << i;
    }
    ExpectSecondFrameIntact(*image);
}

TEST(GifSafety, MissingEndCodeEndsWithTheSubBlocks) {
    LzwOptions noEnd;
    noEnd.endCode = false;
    const Bytes pixels = MakePixels(30, 20, [](int x, int y) { return (x + y) & 63; });
    auto image = Decode(WithRaster(30, 20, Raster(8, LzwEncode(pixels, 8, noEnd))));
    EXPECT_EQ(FramePixels(image->Frame(0)), pixels);
    ExpectSecondFrameIntact(*image);
}

TEST(GifSafety, DataEndingInsideACodeGivesNoPixelForIt) {
    // clear, 5, 6 at 9 bits; the last byte holds only 3 bits of a further code.
    const Bytes raster = Raster(8, Codes({{256, 9}, {5, 9}, {6, 9}, {7, 3}}));
    auto image = Decode(WithRaster(4, 1, raster));
    EXPECT_EQ(FramePixels(image->Frame(0)), (Bytes{5, 6, 0, 0}));
    ExpectSecondFrameIntact(*image);
}

TEST(GifSafety, MinimumCodeSizeOfTwelveOrMoreEndsTheFrame) {
    for (int m : {12, 13, 255}) {
        const Bytes raster = Raster(m, Bytes(40, 0x55));
        auto image = Decode(WithRaster(4, 4, raster));
        EXPECT_EQ(FramePixels(image->Frame(0)), Bytes(16, 0)) << m;
        ExpectSecondFrameIntact(*image);
    }
}

TEST(GifSafety, MinimumCodeSizeZeroStaysInBounds) {
    auto image = Decode(WithRaster(8, 8, Raster(0, Bytes(30, 0xA6))));
    ExpectSecondFrameIntact(*image);
}

TEST(GifSafety, ZeroSizeFramesKeepTheirRecordButHaveNoPixels) {
    for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{0, 0}}) {
        const Bytes raster = Raster(8, LzwEncode(Bytes(25, 3), 8));
        auto image = Decode(WithRaster(w, h, raster, 0x01));
        const qv::GifFrameData& f = image->Frame(0);
        EXPECT_EQ(f.Width, w);
        EXPECT_EQ(f.Height, h);
        EXPECT_TRUE(f.Pixels.empty());
        EXPECT_TRUE(f.Mask.empty());
        ExpectSecondFrameIntact(*image);
    }
}

TEST(GifSafety, FramesAskingForGigabytesFailTheDecodeWithoutAllocating) {
    for (auto [w, h] : {std::pair{65535, 65535}, std::pair{65535, 1025}, std::pair{20000, 20000}}) {
        GifBuilder b;
        b.Header(4, 4).Image(0, 0, 2, 1, {1, 2}).Descriptor(0, 0, w, h, 0).Raw({8, 0}).Trailer();
        bool ok = true;
        auto image = Decode(b.bytes, &ok);
        EXPECT_FALSE(ok);
        EXPECT_EQ(qv::GIFStatus, qv::GifNotFinished);
        EXPECT_EQ(image->FrameCount(), 0);
        EXPECT_EQ(image->LastError(), "Frame 2 is too large (" + std::to_string(w) + " x " +
                                          std::to_string(h) + " pixels)");
        EXPECT_TRUE(image->WorkBuffer.empty());
    }
}

TEST(GifSafety, AFrameJustUnderTheLimitDecodes) {
    GifBuilder b; // 8192 x 8192 = 64 MiB exactly
    b.Header(8192, 8192).Descriptor(0, 0, 8192, 8192, 0).Raw({8, 0}).Trailer();
    bool ok = false;
    auto image = Decode(b.bytes, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(image->Frame(0).Pixels.size(), 64u << 20);
}

TEST(GifSafety, FramesTooLargeTogetherFailTheDecode) {
    GifBuilder b;
    b.Header(8000, 8000);
    for (int i = 0; i < 5; ++i) {
        b.Descriptor(0, 0, 8000, 8000, 0).Raw({8, 0});
    }
    bool ok = true;
    auto image = Decode(b.Trailer().bytes, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(image->LastError(),
              "The picture's frames are too large together (more than 256 MiB at Frame 5)");
}

TEST(GifSafety, AFrameFarOutsideTheScreenIsReadOverAndDropped) {
    GifBuilder b;
    b.Header(10, 10).Control(2, 5, false, 0);
    b.Image(65000, 65000, 20, 20, Bytes(400, 4));
    b.Image(5, 5, 10, 10, Bytes(100, 6)).Trailer();
    bool ok = false;
    auto image = Decode(b.bytes, &ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(image->FrameCount(), 1);
    EXPECT_EQ(image->Frame(0).Delay, 0); // the control extension went with the dropped frame
    EXPECT_EQ(FramePixels(image->Frame(0)), Bytes(100, 6));
    EXPECT_EQ(image->ScreenWidth(), 15);
    EXPECT_EQ(image->ScreenHeight(), 15);
}

TEST(GifSafety, AHugeLogicalScreenFailsTheDecode) {
    GifBuilder b;
    b.Header(65535, 65535).Image(0, 0, 1, 1, {1}).Trailer();
    bool ok = true;
    auto image = Decode(b.bytes, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(image->LastError(),
              "The picture's logical screen is too large (65535 x 65535 pixels)");
}

TEST(GifSafety, ASubBlockRunningPastTheEndEndsTheFrameThere) {
    // The last sub-block says 255 bytes but the data ends after 20 of them.
    const Bytes pixels = MakePixels(50, 50, [](int x, int y) { return (x * y) & 255; });
    Bytes codes = LzwEncode(pixels, 8);
    GifBuilder b;
    b.Header(50, 50).Descriptor(0, 0, 50, 50, 0).Raw({8, 255});
    b.Raw(Bytes(codes.begin(), codes.begin() + 20));
    bool ok = false;
    auto image = Decode(b.bytes, &ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(image->FrameCount(), 1);
    const Bytes got = FramePixels(image->Frame(0));
    // What 20 bytes of codes give is placed; the rest stays 0.
    std::size_t placed = 0;
    while (placed < got.size() && got[placed] == pixels[placed]) {
        ++placed;
    }
    EXPECT_GT(placed, 20u);
    EXPECT_EQ(Bytes(got.begin() + long(placed), got.end()), Bytes(got.size() - placed, 0));
}

TEST(GifSafety, TruncatedAtEveryByteDecodesWhatIsThere) {
    GifBuilder b;
    b.Header(20, 10, 4).Netscape(2).Comment("hello").Control(1, 3, true, 2);
    const std::size_t firstDescriptor = b.bytes.size();
    b.Image(0, 0, 20, 10, MakePixels(20, 10, [](int x, int y) { return (x + y) % 16; }));
    b.PlainText().Control(3, 3, false, 0);
    ImageOptions o;
    o.interlaced = true;
    o.localBits = 3;
    o.minCodeSize = 3;
    o.blockSize = 7;
    b.Image(5, 5, 20, 10, MakePixels(20, 10, [](int x, int y) { return (x * y) % 8; }), o);
    b.Trailer();
    int lastFrames = 0;
    for (std::size_t n = 3; n <= b.bytes.size(); ++n) {
        bool ok = false;
        auto image = Decode(Bytes(b.bytes.begin(), b.bytes.begin() + long(n)), &ok);
        // Cut inside the first image descriptor, the data has an image and no frame: a failure.
        const bool insideFirstDescriptor = n > firstDescriptor && n < firstDescriptor + 10;
        EXPECT_EQ(ok, !insideFirstDescriptor) << n;
        EXPECT_GE(image->FrameCount(), lastFrames) << n;
        lastFrames = image->FrameCount();
    }
    EXPECT_EQ(lastFrames, 2);
}

TEST(GifSafety, TruncatedExtensionsEndTheBlockLoop) {
    for (const Bytes& tail :
         {Bytes{'!'}, Bytes{'!', 0xF9, 4, 1}, Bytes{'!', 0xFE, 200, 'a'},
          Bytes{'!', 0xFF, 11, 'N', 'E', 'T'},
          Bytes{'!', 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 5},
          Bytes{'!', 0x01, 12, 0, 0}, Bytes{','}, Bytes{',', 1, 0, 1, 0, 4}}) {
        GifBuilder b;
        b.Header(2, 2).Image(0, 0, 2, 2, {1, 2, 3, 4}).Raw(tail);
        bool ok = false;
        auto image = Decode(b.bytes, &ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(image->FrameCount(), 1);
    }
}

TEST(GifSafety, ATruncatedHeaderGivesAnEmptyPicture) {
    for (const Bytes& data : {Bytes{'G', 'I', 'F'}, Bytes{'G', 'I', 'F', '8', '9', 'a', 5, 0},
                              Bytes{'G', 'I', 'F', '8', '9', 'a', 5, 0, 5, 0, 0x87, 0, 0, 1, 2}}) {
        bool ok = false;
        auto image = Decode(data, &ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(image->FrameCount(), 0);
    }
}

TEST(GifDamage, WhatWasReadOverIsNamed) {
    struct Case {
        Bytes tail;
        const char* damage;
    } cases[] = {
        {{';'}, ""},
        {{}, "The data ends without a trailer"},
        {{'x'}, "Unknown block at offset 801; the rest is left out"},
        {{'!', 0x7F, 2, 'a', 'b', 0, ';'}, ""},
        {{',', 0, 0}, "The data ends inside the descriptor of frame 2"},
        {{',', 0, 0, 0, 0, 2, 0, 2, 0, 0, 8, 3, 0x00, 0x01},
         "Frame 2: the image data runs past the end of the data"},
        {{',', 0, 0, 0, 0, 2, 0, 2, 0, 0, 8, 3, 0x00, 0x03, 0x00, 0},
         "Frame 2: the image data ends before the last pixel"},
        {{',', 0, 0, 0, 0, 2, 0, 2, 0, 0, 8, 4, 0x00, 0x03, 0xFF, 0xFF, 0},
         "Frame 2: the image data is corrupt"},
        {{',', 0, 0, 0, 0, 2, 0, 2, 0, 0, 12, 1, 0, 0, ';'},
         "Frame 2: the image data has an invalid code size"},
        {{',', 0, 0, 0, 0, 0, 0, 2, 0, 0, 8, 0, ';'}, ""},
    };
    for (const Case& c : cases) {
        GifBuilder b;
        b.Header(2, 2).Image(0, 0, 2, 2, {1, 2, 3, 4}).Raw(c.tail);
        auto image = Decode(b.bytes);
        EXPECT_EQ(image->Damage(), c.damage);
    }
    GifBuilder outside;
    outside.Header(2, 2).Image(60000, 60000, 2, 2, {1, 2, 3, 4}).Trailer();
    EXPECT_EQ(Decode(outside.bytes)->Damage(),
              "Frame 1 lies too far outside the logical screen and is left out");
}

TEST(GifSafety, APictureCanBeGivenSmallerBounds) {
    GifBuilder b;
    b.Header(20, 20).Image(0, 0, 20, 20, Bytes(400, 1)).Trailer();
    qv::GifImageData image;
    image.Limits.frameBytes = 399;
    image.WorkBuffer = b.bytes;
    EXPECT_FALSE(image.Decode());
    EXPECT_EQ(image.LastError(), "Frame 1 is too large (20 x 20 pixels)");
    image.Limits.frameBytes = 400;
    image.WorkBuffer = b.bytes;
    EXPECT_TRUE(image.Decode());
}
