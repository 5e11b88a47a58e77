// The decoder against Debian's giflib (DGifSlurp): frames, palettes, pixels and transparency
// agree on a corpus made by ImageMagick and gifsicle and on pictures made by the test helper.
#include "native/gif/GifTestUtil.h"
#include "support/gif/GifCorpus.h"
#include "support/gif/GiflibReference.h"

#include <gtest/gtest.h>

#include <random>

using namespace qvtest;

namespace {

void ExpectSameAsGiflib(const Bytes& bytes, const std::string& name) {
    SCOPED_TRACE(name);
    GiflibPicture reference(bytes);
    ASSERT_TRUE(reference.Ok());
    bool ok = false;
    auto mine = Decode(bytes, &ok);
    ASSERT_TRUE(ok);
    const GifFileType* g = reference.Gif();
    ASSERT_EQ(mine->FrameCount(), std::min(g->ImageCount, 256));
    EXPECT_EQ(mine->LoopCount(), reference.LoopCount());
    int right = g->SWidth, bottom = g->SHeight;
    if (g->SColorMap) {
        EXPECT_EQ(mine->GlobalColorBits() >= g->SColorMap->BitsPerPixel, true);
        for (int c = 0; c < g->SColorMap->ColorCount; ++c) {
            const GifColorType& rgb = g->SColorMap->Colors[c];
            ASSERT_EQ(mine->GlobalTable()[3 * c], rgb.Red);
            ASSERT_EQ(mine->GlobalTable()[3 * c + 1], rgb.Green);
            ASSERT_EQ(mine->GlobalTable()[3 * c + 2], rgb.Blue);
        }
    }
    for (int i = 0; i < mine->FrameCount(); ++i) {
        SCOPED_TRACE("frame " + std::to_string(i + 1));
        const SavedImage& s = g->SavedImages[i];
        const qv::GifFrameData& f = mine->Frame(i);
        ASSERT_EQ(f.Left, s.ImageDesc.Left);
        ASSERT_EQ(f.Top, s.ImageDesc.Top);
        ASSERT_EQ(f.Width, s.ImageDesc.Width);
        ASSERT_EQ(f.Height, s.ImageDesc.Height);
        EXPECT_EQ(f.Interlaced, bool(s.ImageDesc.Interlace));
        right = std::max(right, f.Left + f.Width);
        bottom = std::max(bottom, f.Top + f.Height);

        const ColorMapObject* local = s.ImageDesc.ColorMap;
        ASSERT_EQ(f.OwnsPalette, local != nullptr);
        if (local) {
            EXPECT_EQ(f.ColorBits, local->BitsPerPixel);
            for (int c = 0; c < local->ColorCount; ++c) {
                ASSERT_EQ(f.Palette[3 * c], local->Colors[c].Red);
                ASSERT_EQ(f.Palette[3 * c + 1], local->Colors[c].Green);
                ASSERT_EQ(f.Palette[3 * c + 2], local->Colors[c].Blue);
            }
        }

        GraphicsControlBlock gcb;
        gcb.DisposalMode = 0;
        gcb.DelayTime = 0;
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(const_cast<GifFileType*>(g), i, &gcb);
        EXPECT_EQ(f.Transparent, gcb.TransparentColor != NO_TRANSPARENT_COLOR);
        if (f.Transparent) {
            EXPECT_EQ(f.TransparentIndex, gcb.TransparentColor);
        }
        EXPECT_EQ(f.Delay, gcb.DelayTime * 10);
        EXPECT_EQ(f.Disposal, gcb.DisposalMode > 3 ? 2 : gcb.DisposalMode);

        for (int y = 0; y < f.Height; ++y) {
            for (int x = 0; x < f.Width; ++x) {
                const std::uint8_t expected = s.RasterBits[std::size_t(y) * f.Width + x];
                ASSERT_EQ(f.PixelAt(x, y), expected) << "at " << x << "," << y;
                ASSERT_EQ(f.MaskedAt(x, y), f.Transparent && expected == f.TransparentIndex)
                    << "mask at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(mine->ScreenWidth(), right);
    EXPECT_EQ(mine->ScreenHeight(), bottom);
}

} // namespace

TEST(GifReference, CorpusAgreesWithGiflib) {
    const auto corpus = LoadGifCorpus(QV_SOURCE_DIR, QV_BINARY_DIR "/gif-corpus");
    ASSERT_GE(corpus.size(), 15u) << "tools/gif-corpus/make-corpus.sh needs convert and gifsicle";
    for (const CorpusFile& file : corpus) {
        ExpectSameAsGiflib(file.bytes, file.name);
    }
}

TEST(GifReference, HelperPicturesAgreeWithGiflib) {
    std::mt19937 random(2024);
    auto pick = [&](int lo, int hi) { return int(random() % unsigned(hi - lo + 1)) + lo; };
    for (int n = 0; n < 150; ++n) {
        const int bits = pick(1, 8);
        const int w = pick(1, 120), h = pick(1, 90);
        ImageOptions o;
        o.minCodeSize = std::max(2, bits);
        o.interlaced = pick(0, 1) == 1;
        o.blockSize = std::size_t(pick(0, 3) == 0 ? pick(1, 8) : 255);
        o.lzw.clearWhenFull = pick(0, 3) != 0;
        o.lzw.clearFirst = pick(0, 4) != 0;
        o.lzw.endCode = pick(0, 4) != 0;
        if (pick(0, 1)) {
            o.localBits = bits;
        }
        const int colours = 1 << bits;
        const int runs = pick(1, 40);
        Bytes pixels = MakePixels(w, h, [&](int x, int y) {
            return ((x / runs) * 7 + y * 3 + int(random() % 3 == 0)) % colours;
        });
        GifBuilder b;
        b.Header(w + pick(0, 5), h, o.localBits ? 0 : bits);
        if (pick(0, 1)) {
            b.Control(pick(0, 3), pick(0, 500), true, std::uint8_t(pick(0, colours - 1)));
        }
        if (pick(0, 2) == 0) {
            b.Netscape(pick(0, 9));
        }
        b.Image(pick(0, 3), pick(0, 3), w, h, pixels, o).Trailer();
        ExpectSameAsGiflib(b.bytes, "picture " + std::to_string(n));
        if (HasFatalFailure()) {
            return;
        }
    }
}
