// The confirmation dialog's stored picture.
#include "GifTestUtil.h"
#include "okunit/core/OkformPicture.h"
#include "widgets/GIFImage/core/GifDataValue.h"

#include <gtest/gtest.h>

using namespace qvtest;

namespace {

Bytes PictureBytes() {
    return Bytes(qv::kOkformPicture, qv::kOkformPicture + qv::kOkformPictureSize);
}

} // namespace

TEST(GifDialogPicture, IsLaidOutAsTheDialogStoresIt) {
    const Bytes data = PictureBytes();
    ASSERT_EQ(data.size(), 1560u);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 6), (Bytes{'G', 'I', 'F', '8', '7', 'a'}));
    EXPECT_EQ(data[10], 0xF7);
    EXPECT_EQ(data[11], 2);
    const std::size_t control = 13 + 768;
    EXPECT_EQ(Bytes(data.begin() + control, data.begin() + control + 8),
              (Bytes{0x21, 0xF9, 4, 0x01, 0, 0, 83, 0}));
    const std::size_t image = control + 8;
    EXPECT_EQ(Bytes(data.begin() + image, data.begin() + image + 11),
              (Bytes{',', 0, 0, 0, 0, 48, 0, 48, 0, 0, 8}));
    // Follow the sub-blocks: the last one's declared length runs over the zero terminator, so
    // the next length byte read is the trailer.
    std::size_t pos = image + 11;
    std::size_t last = 0;
    while (pos < data.size() && data[pos] != ';') {
        last = pos;
        pos += 1 + data[pos];
    }
    EXPECT_EQ(pos, data.size() - 1);
    EXPECT_EQ(data[pos - 1], 0); // the swallowed terminator
    EXPECT_GT(data[last], 1);
    EXPECT_EQ(qv::WriteDataValue(data).size(), 1564u);
}

TEST(GifDialogPicture, DecodesToOneTransparent48By48Frame) {
    bool ok = false;
    auto image = Decode(PictureBytes(), &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(qv::GIFStatus, qv::GifLoaded);
    ASSERT_EQ(image->FrameCount(), 1);
    EXPECT_EQ(image->ScreenWidth(), 48);
    EXPECT_EQ(image->ScreenHeight(), 48);
    EXPECT_EQ(image->LoopCount(), 1);
    EXPECT_TRUE(image->HasTransparency());
    EXPECT_EQ(image->GlobalColorBits(), 8);
    const qv::GifFrameData& f = image->Frame(0);
    EXPECT_EQ(f.Left, 0);
    EXPECT_EQ(f.Top, 0);
    EXPECT_EQ(f.Width, 48);
    EXPECT_EQ(f.Height, 48);
    EXPECT_TRUE(f.Transparent);
    EXPECT_EQ(f.TransparentIndex, 83);
    EXPECT_EQ(f.Disposal, 0);
    EXPECT_EQ(f.Delay, 0);
    EXPECT_FALSE(f.Interlaced);
    EXPECT_EQ(f.ColorsUsed, 256);
    EXPECT_EQ(f.MaskStride, 8);
    int transparent = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            const bool key = f.PixelAt(x, y) == 83;
            EXPECT_EQ(f.MaskedAt(x, y), key) << x << "," << y;
            transparent += key;
        }
    }
    // The corners lie outside the disc, the centre inside it.
    EXPECT_TRUE(f.MaskedAt(0, 0));
    EXPECT_TRUE(f.MaskedAt(47, 47));
    EXPECT_FALSE(f.MaskedAt(24, 24));
    EXPECT_EQ(transparent, 712);
}

TEST(GifDialogPicture, StreamsThroughTheDataValue) {
    const Bytes value = qv::WriteDataValue(PictureBytes());
    qv::GifImageData image;
    qv::ReadDataValue(value.data(), value.size(), image.StoredData);
    image.WorkBuffer = image.StoredData;
    ASSERT_TRUE(image.Decode());
    EXPECT_EQ(qv::WriteDataValue(image.StoredData), value);
}
