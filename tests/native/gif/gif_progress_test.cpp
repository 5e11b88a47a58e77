// The progress hook: when it runs, what it reports, and cancelling through it.
#include "GifTestUtil.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

using namespace qvtest;

namespace {

struct Recorder {
    std::vector<qv::GifProgress> calls;
    int cancelAt = -1;
    void Attach(qv::GifImageData& image) {
        image.OnProgress = [this](const qv::GifProgress& p, bool& keep) {
            calls.push_back(p);
            if (int(calls.size()) - 1 == cancelAt) {
                keep = false;
            }
        };
    }
};

// Header, one image of w x h (data for the first `rows` rows only), trailer.
Bytes Picture(int w, int h, int rows) {
    GifBuilder b;
    b.Header(w, h).Descriptor(0, 0, w, h, 0).Raw({8});
    b.Raw(SubBlocks(LzwEncode(MakePixels(w, rows, [](int x, int y) { return x ^ y; }), 8)));
    return b.Trailer().bytes;
}

// Reports during placement: all reports minus the block loop's two passes and the last one.
int RowReports(int w, int h, int rows) {
    qv::GifImageData image;
    Recorder r;
    r.Attach(image);
    image.WorkBuffer = Picture(w, h, rows);
    EXPECT_TRUE(image.Decode());
    return int(r.calls.size()) - 3;
}

} // namespace

TEST(GifProgress, WideLargeFramesReportEvery32Rows) {
    EXPECT_EQ(RowReports(600, 200, 200), 7); // rows 0, 32, ..., 192
    EXPECT_EQ(RowReports(600, 200, 33), 2);  // rows 0 and 32 only: the data ends at row 33
    EXPECT_EQ(RowReports(600, 200, 32), 1);
    EXPECT_EQ(RowReports(321, 400, 400), 13);
}

TEST(GifProgress, NarrowLargeFramesReportEvery64Rows) {
    EXPECT_EQ(RowReports(300, 400, 400), 7); // rows 0, 64, ..., 384
    EXPECT_EQ(RowReports(320, 400, 65), 2);
}

TEST(GifProgress, FramesUpTo100000PixelsReportOnlyBetweenBlocks) {
    EXPECT_EQ(RowReports(300, 300, 300), 0);
    EXPECT_EQ(RowReports(1000, 100, 100), 0);
    EXPECT_EQ(RowReports(1000, 101, 101), 4);
}

TEST(GifProgress, ReportsPositionSizeAndRoundedPercentage) {
    qv::GifImageData image;
    Recorder r;
    r.Attach(image);
    GifBuilder b;
    b.Header(2, 2).Comment("c").Image(0, 0, 2, 2, {0, 1, 2, 3}).Trailer();
    image.WorkBuffer = b.bytes;
    ASSERT_TRUE(image.Decode());
    const int size = int(b.bytes.size());
    ASSERT_EQ(r.calls.size(), 4u); // comment, image, trailer, after the loop
    EXPECT_EQ(r.calls[0].BytesProcessed, 13 + 768);
    EXPECT_EQ(r.calls[1].BytesProcessed, 13 + 768 + 5);
    EXPECT_EQ(r.calls[2].BytesProcessed, size - 1);
    EXPECT_EQ(r.calls[3].BytesProcessed, size);
    for (const auto& c : r.calls) {
        EXPECT_EQ(c.BytesToProcess, size);
        EXPECT_EQ(c.PercentageProcessed, qv::GifPercentage(c.BytesProcessed, size));
    }
    EXPECT_EQ(r.calls[3].PercentageProcessed, 100);
}

TEST(GifProgress, PercentageRoundsLikeMulDiv) {
    EXPECT_EQ(qv::GifPercentage(1, 200), 1); // 0.5 rounds up
    EXPECT_EQ(qv::GifPercentage(1, 201), 0); // 0.4975
    EXPECT_EQ(qv::GifPercentage(2, 3), 67);
    EXPECT_EQ(qv::GifPercentage(1, 3), 33);
    EXPECT_EQ(qv::GifPercentage(-1, 200), -1); // halves away from zero
    EXPECT_EQ(qv::GifPercentage(5, 0), -1);
}

TEST(GifProgress, RowReportsCarryTheParsePositionOfTheSubBlocksReadSoFar) {
    qv::GifImageData image;
    Recorder r;
    r.Attach(image);
    image.WorkBuffer = Picture(600, 200, 200);
    ASSERT_TRUE(image.Decode());
    for (std::size_t i = 1; i < r.calls.size(); ++i) {
        EXPECT_LE(r.calls[i - 1].BytesProcessed, r.calls[i].BytesProcessed);
    }
    // After the header the first sub-block has been read at row 0, and rows 32.. lie further on.
    EXPECT_GT(r.calls[1].BytesProcessed, 13 + 768 + 10 + 1);
    EXPECT_LT(r.calls[1].BytesProcessed, r.calls[2].BytesProcessed);
}

TEST(GifCancel, BetweenBlocksAndDuringRowsGivesStatus1AndAbort) {
    for (int at : {0, 2, 5}) {
        qv::GifImageData image;
        Recorder r;
        r.cancelAt = at;
        r.Attach(image);
        image.WorkBuffer = Picture(600, 200, 200);
        EXPECT_THROW(image.Decode(), qv::EAbort) << at;
        EXPECT_EQ(qv::GIFStatus, qv::GifCancelled);
        EXPECT_TRUE(image.WorkBuffer.empty());
        EXPECT_EQ(int(r.calls.size()), at + 1);
    }
    try {
        qv::GifImageData image;
        Recorder r;
        r.cancelAt = 0;
        r.Attach(image);
        image.WorkBuffer = Picture(2, 2, 2);
        image.Decode();
    } catch (const qv::EAbort& e) {
        EXPECT_STREQ(e.what(), "Operation aborted");
    }
}

TEST(GifCancel, KeepOnProcessingIsTrueAgainAtTheNextDecode) {
    qv::GifImageData image;
    Recorder r;
    r.cancelAt = 0;
    r.Attach(image);
    image.WorkBuffer = Picture(2, 2, 2);
    EXPECT_THROW(image.Decode(), qv::EAbort);
    image.OnProgress = nullptr;
    image.WorkBuffer = Picture(2, 2, 2);
    EXPECT_TRUE(image.Decode());
    EXPECT_TRUE(image.KeepOnProcessing);
}
