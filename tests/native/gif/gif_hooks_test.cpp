// The hooks a control builds on: its own frame records, a call per frame read, and the step
// after parsing; exceptions from them unwind the decode and still empty the work buffer.
#include "GifTestUtil.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

using namespace qvtest;

namespace {

struct TaggedFrame : qv::GifFrameData {
    int tag = 0;
};

class HookedPicture : public qv::GifImageData {
public:
    std::vector<std::string> events;
    int throwInFrame = 0;
    bool throwAfterParse = false;

protected:
    std::unique_ptr<qv::GifFrameData> CreateFrame() override {
        auto frame = std::make_unique<TaggedFrame>();
        frame->tag = ++created_;
        return frame;
    }
    void FrameRead(qv::GifFrameData& frame) override {
        const auto& tagged = static_cast<TaggedFrame&>(frame);
        events.push_back("frame " + std::to_string(tagged.tag) + " " +
                         std::to_string(frame.Pixels.size()) + " " + frame.Comment);
        if (tagged.tag == throwInFrame) {
            throw qv::Exception("no bitmap");
        }
    }
    void AfterParse() override {
        events.push_back("after parse: screen " + std::to_string(ScreenWidth()) + ", status " +
                         std::to_string(qv::GIFStatus));
        if (throwAfterParse) {
            throw qv::Exception("no surface");
        }
    }

private:
    int created_ = 0;
};

Bytes TwoFrames() {
    GifBuilder b;
    b.Header(3, 2).Comment("one").Image(0, 0, 3, 2, Bytes(6, 1)).Image(4, 0, 2, 2, Bytes(4, 2));
    return b.Trailer().bytes;
}

} // namespace

TEST(GifHooks, RunInOrderWithTheControlsOwnFrames) {
    HookedPicture picture;
    picture.WorkBuffer = TwoFrames();
    ASSERT_TRUE(picture.Decode());
    EXPECT_EQ(picture.events, (std::vector<std::string>{"frame 1 8 one", "frame 2 8 ",
                                                        "after parse: screen 6, status 3"}));
    EXPECT_EQ(static_cast<const TaggedFrame&>(picture.Frame(1)).tag, 2);
    EXPECT_EQ(qv::GIFStatus, qv::GifLoaded);
}

TEST(GifHooks, AnExceptionUnwindsTheDecodeAndEmptiesTheWorkBuffer) {
    HookedPicture inFrame;
    inFrame.throwInFrame = 2;
    inFrame.WorkBuffer = TwoFrames();
    EXPECT_THROW(inFrame.Decode(), qv::Exception);
    EXPECT_TRUE(inFrame.WorkBuffer.empty());
    EXPECT_EQ(qv::GIFStatus, qv::GifNotFinished);

    HookedPicture afterParse;
    afterParse.throwAfterParse = true;
    afterParse.WorkBuffer = TwoFrames();
    EXPECT_THROW(afterParse.Decode(), qv::Exception);
    EXPECT_TRUE(afterParse.WorkBuffer.empty());
    EXPECT_EQ(qv::GIFStatus, qv::GifNotFinished);
}
