// The block loop: header, colour tables, extensions, frame records and the decode's outcome.
#include "GifTestUtil.h"

#include <gtest/gtest.h>

using namespace qvtest;

namespace {

const Bytes kFour = {1, 2, 3, 0};

Bytes OneImage(GifBuilder& b, int w = 2, int h = 2) {
    b.Image(0, 0, w, h, MakePixels(w, h, [](int x, int y) { return x + 2 * y; }));
    return b.bytes;
}

} // namespace

TEST(GifOutcome, EmptyDataFailsWithStatus2) {
    bool ok = true;
    auto image = Decode({}, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(qv::GIFStatus, qv::GifNoData);
    EXPECT_TRUE(image->WorkBuffer.empty());
}

TEST(GifOutcome, NotGifFailsWithStatus3AndEmptiesTheWorkBuffer) {
    for (const Bytes& data : {Bytes{'G', 'I'}, Bytes{'g', 'i', 'f', '8', '9', 'a'},
                              Bytes{'P', 'N', 'G', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}) {
        bool ok = true;
        auto image = Decode(data, &ok);
        EXPECT_FALSE(ok);
        EXPECT_EQ(qv::GIFStatus, qv::GifNotFinished);
        EXPECT_TRUE(image->WorkBuffer.empty());
        EXPECT_EQ(image->StoredData, data); // the stored buffer keeps what was last decoded
        EXPECT_EQ(image->FrameCount(), 0);
    }
}

TEST(GifOutcome, SuccessKeepsTheBytesInTheStoredBuffer) {
    GifBuilder b;
    b.Header(2, 2);
    OneImage(b);
    b.Trailer();
    bool ok = false;
    auto image = Decode(b.bytes, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(qv::GIFStatus, qv::GifLoaded);
    EXPECT_EQ(image->StoredData, b.bytes);
    EXPECT_TRUE(image->WorkBuffer.empty());
}

TEST(GifOutcome, AnyThreeVersionBytesDecodeAlike) {
    for (const char* version : {"87a", "89a", "xyz", "\x01\x02\x03"}) {
        GifBuilder b;
        b.Header(2, 2, 8, version);
        OneImage(b);
        b.Trailer();
        bool ok = false;
        auto image = Decode(b.bytes, &ok);
        EXPECT_TRUE(ok) << version;
        ASSERT_EQ(image->FrameCount(), 1);
        EXPECT_EQ(FramePixels(image->Frame(0)), (Bytes{0, 1, 2, 3}));
    }
}

TEST(GifTables, NoColourTablesGiveOneBlackEntry) {
    GifBuilder b;
    b.Header(2, 2, 0);
    OneImage(b);
    b.Trailer();
    auto image = Decode(b.bytes);
    ASSERT_EQ(image->FrameCount(), 1);
    const qv::GifFrameData& f = image->Frame(0);
    EXPECT_FALSE(f.OwnsPalette);
    EXPECT_EQ(f.ColorBits, 0);
    EXPECT_EQ(f.ColorsUsed, 1);
    EXPECT_EQ(f.Palette, image->GlobalTable().data());
    EXPECT_EQ(f.Palette[0] | f.Palette[1] | f.Palette[2], 0);
    EXPECT_EQ(image->GlobalColorBits(), 0);
}

TEST(GifTables, GlobalTableFillsTheAreaAndTheRestIsZero) {
    GifBuilder b;
    b.Header(2, 2, 2);
    OneImage(b);
    b.Trailer();
    auto image = Decode(b.bytes);
    EXPECT_EQ(image->GlobalColorBits(), 2);
    const Bytes expected = TestPalette(2);
    for (std::size_t i = 0; i < 768; ++i) {
        EXPECT_EQ(image->GlobalTable()[i], i < expected.size() ? expected[i] : 0) << i;
    }
    EXPECT_EQ(image->Frame(0).ColorsUsed, 4);
}

TEST(GifTables, LocalTablesRaiseTheGlobalColourBitsForLaterFrames) {
    GifBuilder b;
    b.Header(4, 4, 1);
    ImageOptions local;
    local.localBits = 5;
    b.Image(0, 0, 2, 2, {0, 1, 1, 0});
    b.Image(0, 0, 2, 2, {3, 1, 1, 0}, local);
    b.Image(0, 0, 2, 2, {0, 1, 1, 0});
    b.Trailer();
    auto image = Decode(b.bytes);
    ASSERT_EQ(image->FrameCount(), 3);
    EXPECT_EQ(image->Frame(0).ColorsUsed, 2);
    const qv::GifFrameData& second = image->Frame(1);
    EXPECT_TRUE(second.OwnsPalette);
    EXPECT_EQ(second.ColorBits, 5);
    EXPECT_EQ(second.ColorsUsed, 32);
    EXPECT_EQ(second.Palette, second.LocalPalette.data());
    EXPECT_EQ(second.Palette[3 * 3], std::uint8_t(~3));
    EXPECT_EQ(image->Frame(2).ColorsUsed, 32); // 2 ^ raised global bits
    EXPECT_EQ(image->GlobalColorBits(), 5);
}

TEST(GifControl, DisposalDelayAndTransparency) {
    const int disposals[8] = {0, 1, 2, 3, 2, 2, 2, 2};
    for (int field = 0; field < 8; ++field) {
        GifBuilder b;
        b.Header(2, 2);
        b.ControlFlags(std::uint8_t(field << 2 | 0x02 /* user input: ignored */), 7, 9);
        OneImage(b);
        b.Trailer();
        auto image = Decode(b.bytes);
        ASSERT_EQ(image->FrameCount(), 1);
        const qv::GifFrameData& f = image->Frame(0);
        EXPECT_EQ(f.Disposal, disposals[field]) << field;
        EXPECT_EQ(f.Delay, 70);
        EXPECT_FALSE(f.Transparent);
        EXPECT_EQ(f.TransparentIndex, 9);
        EXPECT_TRUE(f.Mask.empty());
    }
}

TEST(GifControl, AppliesToTheNextImageOnlyAndALaterOneReplacesIt) {
    GifBuilder b;
    b.Header(2, 2);
    b.Control(1, 5, false, 0).Control(3, 12, true, 2);
    OneImage(b);
    OneImage(b);
    b.Trailer();
    auto image = Decode(b.bytes);
    ASSERT_EQ(image->FrameCount(), 2);
    const qv::GifFrameData& first = image->Frame(0);
    EXPECT_EQ(first.Disposal, 3);
    EXPECT_EQ(first.Delay, 120);
    EXPECT_TRUE(first.Transparent);
    EXPECT_EQ(first.TransparentIndex, 2);
    const Bytes palette = TestPalette(8);
    EXPECT_EQ(first.TransparentColor[0], palette[6]);
    EXPECT_EQ(first.TransparentColor[1], palette[7]);
    EXPECT_EQ(first.TransparentColor[2], palette[8]);
    EXPECT_TRUE(image->HasTransparency());
    const qv::GifFrameData& second = image->Frame(1);
    EXPECT_EQ(second.Disposal, 0);
    EXPECT_EQ(second.Delay, 0);
    EXPECT_FALSE(second.Transparent);
}

TEST(GifComment, OnlyTheLastBeforeAnImageReachesItAndOneAfterTheLastIsDropped) {
    GifBuilder b;
    b.Header(2, 2).Comment("first").Comment(std::string(300, 'x') + "second");
    OneImage(b);
    OneImage(b);
    b.Comment("trailing").Trailer();
    auto image = Decode(b.bytes);
    ASSERT_EQ(image->FrameCount(), 2);
    EXPECT_EQ(image->Frame(0).Comment, std::string(300, 'x') + "second");
    EXPECT_EQ(image->Frame(1).Comment, "");
}

TEST(GifApplication, LoopCount) {
    struct Case {
        const char* id;
        const char* auth;
        int loops;
        int expected;
    } cases[] = {{"NETSCAPE", "2.0", 0, 0},         {"NETSCAPE", "2.0", 3, 3},
                 {"NETSCAPE", "2.0", 65535, 65535}, {"NETSCAPE", "2.1", 5, 1},
                 {"NETSCAPE", "3.0", 5, 1},         {"ANIMEXTS", "1.0", 5, 1}};
    for (const Case& c : cases) {
        GifBuilder b;
        b.Header(2, 2).Application(c.id, c.auth,
                                   {1, std::uint8_t(c.loops), std::uint8_t(c.loops >> 8)});
        OneImage(b);
        b.Trailer();
        auto image = Decode(b.bytes);
        EXPECT_EQ(image->LoopCount(), c.expected) << c.id << c.auth;
        EXPECT_EQ(image->FrameCount(), 1) << c.id << c.auth;
    }
    GifBuilder none;
    none.Header(2, 2);
    OneImage(none);
    EXPECT_EQ(Decode(none.Trailer().bytes)->LoopCount(), 1);
}

TEST(GifApplication, LoopingSubBlockFollowedByABufferingSubBlockIsReadToTheTerminator) {
    GifBuilder b;
    b.Header(2, 2).Raw({0x21, 0xFF, 11}).Text("NETSCAPE2.0");
    b.Raw({3, 1, 7, 0, 5, 2, 0, 0x10, 0, 0, 0});
    OneImage(b);
    b.Trailer();
    bool ok = false;
    auto image = Decode(b.bytes, &ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(image->FrameCount(), 1);
    EXPECT_EQ(image->LoopCount(), 7);
    EXPECT_EQ(FramePixels(image->Frame(0)), (Bytes{0, 1, 2, 3}));
}

TEST(GifApplication, ForeignApplicationWithSeveralSubBlocksIsSkipped) {
    GifBuilder b;
    b.Header(2, 2).Application("XMP Data", "XMP", Bytes(600, 7)).PlainText();
    OneImage(b);
    b.Trailer();
    auto image = Decode(b.bytes);
    ASSERT_EQ(image->FrameCount(), 1);
    EXPECT_EQ(FramePixels(image->Frame(0)), (Bytes{0, 1, 2, 3}));
}

TEST(GifBlockLoop, AForeignByteEndsParsingWithoutError) {
    for (const Bytes& tail : {Bytes{'x', ',', 0, 0}, Bytes{0}}) {
        GifBuilder b;
        b.Header(2, 2);
        OneImage(b);
        b.Raw(tail);
        OneImage(b); // never reached
        b.Trailer();
        bool ok = false;
        auto image = Decode(b.bytes, &ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(image->FrameCount(), 1);
        EXPECT_EQ(qv::GIFStatus, qv::GifLoaded);
    }
}

TEST(GifBlockLoop, AnExtensionWithAnUnknownLabelIsSkippedToItsTerminator) {
    GifBuilder b;
    b.Header(2, 2).Raw({'!', 0x7F, 3, 'a', 'b', 'c', 2, ',', ';', 0});
    OneImage(b);
    b.Trailer();
    bool ok = false;
    auto image = Decode(b.bytes, &ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(image->FrameCount(), 1);
    EXPECT_EQ(FramePixels(image->Frame(0)), (Bytes{0, 1, 2, 3}));
    EXPECT_EQ(image->Damage(), "");
}

TEST(GifOutcome, DataWithAnImageDescriptorButNoFrameFails) {
    GifBuilder cut; // the data ends inside the only descriptor
    cut.Header(2, 2).Raw({',', 0, 0, 0});
    GifBuilder outside; // the only image lies too far outside the logical screen
    outside.Header(2, 2).Image(60000, 60000, 2, 2, {1, 2, 3, 4}).Trailer();
    const struct {
        Bytes data;
        const char* error;
    } cases[] = {
        {cut.bytes, "None of the picture's images could be read: the data ends inside the "
                    "descriptor of frame 1"},
        {outside.bytes, "None of the picture's images could be read: frame 1 lies too far "
                        "outside the logical screen and is left out"},
    };
    for (const auto& c : cases) {
        bool ok = true;
        auto image = Decode(c.data, &ok);
        EXPECT_FALSE(ok);
        EXPECT_EQ(qv::GIFStatus, qv::GifNotFinished);
        EXPECT_EQ(image->FrameCount(), 0);
        EXPECT_EQ(image->LastError(), c.error);
    }
}

TEST(GifBlockLoop, TheTrailerEndsParsing) {
    GifBuilder b;
    b.Header(2, 2);
    OneImage(b);
    b.Trailer();
    OneImage(b);
    EXPECT_EQ(Decode(b.bytes)->FrameCount(), 1);
}

TEST(GifBlockLoop, At256FramesFurtherImagesAreIgnored) {
    GifBuilder b;
    b.Header(2, 2);
    for (int i = 0; i < 257; ++i) {
        b.Control(0, i, false, 0);
        OneImage(b);
    }
    b.Trailer();
    bool ok = false;
    auto image = Decode(b.bytes, &ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(image->FrameCount(), 256);
    EXPECT_EQ(image->Frame(255).Delay, 2550);
}

TEST(GifScreen, FramesOutsideTheScreenWidenIt) {
    GifBuilder b;
    b.Header(10, 8);
    b.Image(7, 1, 5, 2, Bytes(10, 1));
    b.Image(1, 6, 2, 5, Bytes(10, 1));
    b.Trailer();
    auto image = Decode(b.bytes);
    EXPECT_EQ(image->ScreenWidth(), 12);
    EXPECT_EQ(image->ScreenHeight(), 11);
    EXPECT_EQ(image->Frame(0).Left, 7);
    EXPECT_EQ(image->Frame(1).Top, 6);
}

TEST(GifScreen, InterlacedFlagIsCollected) {
    GifBuilder b;
    b.Header(4, 4);
    ImageOptions o;
    o.interlaced = true;
    b.Image(0, 0, 4, 4, Bytes(16, 3), o).Trailer();
    auto image = Decode(b.bytes);
    EXPECT_TRUE(image->AnyInterlaced());
    EXPECT_TRUE(image->Frame(0).Interlaced);
    EXPECT_FALSE(image->HasTransparency());
}

TEST(GifScreen, ADecodeStartsFromAnEmptyPicture) {
    GifBuilder first;
    first.Header(2, 2).Netscape(0).Control(0, 0, true, 1);
    OneImage(first);
    OneImage(first);
    first.Trailer();
    qv::GifImageData image;
    image.WorkBuffer = first.bytes;
    ASSERT_TRUE(image.Decode());
    EXPECT_EQ(image.FrameCount(), 2);

    GifBuilder second;
    second.Header(3, 3, 0);
    OneImage(second);
    image.WorkBuffer = second.Trailer().bytes;
    ASSERT_TRUE(image.Decode());
    EXPECT_EQ(image.FrameCount(), 1);
    EXPECT_EQ(image.LoopCount(), 1);
    EXPECT_FALSE(image.HasTransparency());
    EXPECT_EQ(image.GlobalColorBits(), 0);
    EXPECT_EQ(image.GlobalTable()[3], 0); // nothing left of the first picture's table
    EXPECT_EQ(image.ScreenWidth(), 3);
}
