// The raster decoder against a plain step-by-step model of the same rules: pixels, mask, the
// parse position at every reported row and behind the data, on valid, cut and damaged streams.
#include "GifTestUtil.h"
#include "ReferenceRaster.h"
#include "widgets/GIFImage/core/LzwRaster.h"

#include <gtest/gtest.h>

#include <random>

using namespace qvtest;

namespace {

struct RowRecorder : qv::RasterProgress {
    std::vector<std::size_t> positions;
    void RowDone(std::size_t position) override { positions.push_back(position); }
};

struct Case {
    int width, height;
    bool interlaced, transparent;
    std::uint8_t index;
    unsigned rowMask;
};

void ExpectSameAsModel(const Bytes& data, const Case& c, const std::string& what) {
    SCOPED_TRACE(what);
    const ReferenceResult model = ReferenceRaster(data, 0).Run(c.width, c.height, c.interlaced,
                                                               c.transparent, c.index, c.rowMask);
    qv::RasterTarget t;
    Bytes pixels(model.pixels.size(), 0), mask(model.mask.size(), 0);
    t.pixels = pixels.data();
    t.pixelStride = std::size_t(c.width + 3) / 4 * 4;
    if (c.transparent) {
        t.mask = mask.data();
        t.maskStride = std::size_t(c.width + 31) / 32 * 4;
    }
    t.width = c.width;
    t.height = c.height;
    t.interlaced = c.interlaced;
    t.transparentIndex = c.index;
    RowRecorder rows;
    static qv::LzwDecoder decoder; // one decoder for all cases, as for the frames of a picture
    const std::size_t end = decoder.Decode(data.data(), data.size(), 0, t, &rows, c.rowMask);
    ASSERT_EQ(pixels, model.pixels);
    ASSERT_EQ(mask, model.mask);
    ASSERT_EQ(rows.positions, model.rowReports);
    ASSERT_EQ(end, model.end);
}

Bytes RasterBytes(const Bytes& pixels, int minCodeSize, std::size_t blockSize, LzwOptions o) {
    Bytes r{std::uint8_t(minCodeSize)};
    const Bytes blocks = SubBlocks(LzwEncode(pixels, minCodeSize, o), blockSize);
    r.insert(r.end(), blocks.begin(), blocks.end());
    return r;
}

} // namespace

TEST(GifRasterModel, RandomStreamsValidCutAndDamaged) {
    std::mt19937 random(77);
    auto pick = [&](int lo, int hi) { return int(random() % unsigned(hi - lo + 1)) + lo; };
    for (int n = 0; n < 600; ++n) {
        Case c;
        c.width = pick(1, 70);
        c.height = pick(1, 40);
        c.interlaced = pick(0, 1) == 1;
        c.transparent = pick(0, 1) == 1;
        const int bits = pick(1, 8);
        c.index = std::uint8_t(pick(0, (1 << bits) - 1));
        c.rowMask = unsigned(pick(0, 3) == 0 ? 0 : (1 << pick(0, 5)) - 1);
        const int run = pick(1, 30);
        // Up to twice the frame's pixels, so strings also run past the frame's end.
        const int count = pick(0, 2 * c.width * c.height);
        Bytes pixels(std::size_t(count), 0);
        for (int i = 0; i < count; ++i) {
            pixels[std::size_t(i)] = std::uint8_t((i / run + (pick(0, 9) == 0)) % (1 << bits));
        }
        LzwOptions o;
        o.clearFirst = pick(0, 4) != 0;
        o.clearWhenFull = pick(0, 2) != 0;
        o.endCode = pick(0, 4) != 0;
        const std::size_t block = std::size_t(pick(0, 2) == 0 ? pick(1, 4) : pick(5, 255));
        Bytes data = RasterBytes(pixels, std::max(2, bits), block, o);
        const int damage = pick(0, 3);
        if (damage == 1 && data.size() > 2) {
            data.resize(std::size_t(pick(1, int(data.size()) - 1))); // cut off
        } else if (damage == 2 && data.size() > 3) {
            for (int k = pick(1, 3); k > 0; --k) { // bits flipped in the codes
                data[std::size_t(pick(2, int(data.size()) - 1))] ^= std::uint8_t(1 << pick(0, 7));
            }
        } else if (damage == 3) {
            data[0] = std::uint8_t(pick(0, 13)); // any minimum code size
        }
        data.push_back(';');
        ExpectSameAsModel(data, c, "case " + std::to_string(n));
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(GifRasterModel, LargeTwelveBitFramesWithShortBlocks) {
    std::mt19937 random(5);
    Bytes pixels(300 * 200);
    for (auto& p : pixels) {
        p = std::uint8_t(random() % 256);
    }
    for (std::size_t block : {1, 2, 3, 255}) {
        LzwOptions o;
        o.clearWhenFull = block != 2;
        Bytes data = RasterBytes(pixels, 8, block, o);
        ExpectSameAsModel(data, {300, 200, false, true, 17, 31}, "block " + std::to_string(block));
        ExpectSameAsModel(data, {300, 200, true, false, 0, 0}, "interlaced");
    }
}
