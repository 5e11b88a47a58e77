// The confirmation dialog's picture in an image control set up as the dialog sets up GIFImage1:
// streamed as its "Data" value, AutoSize and Center, drawn masked over the panel.
#include "TestHost.h"
#include "okunit/core/OkformPicture.h"
#include "widgets/GIFImage/GIFImage.h"
#include "widgets/GIFImage/core/GifDataValue.h"
#include "widgets/TimerEx/TimerThread.h"
#include <gtest/gtest.h>

using qv::TGIFImage;

namespace {
const COLORREF kPanel = RGB(192, 192, 192);

// The picture's colour indices and palette, as the decoder's core reads them.
struct Reference : qv::GifImageData {
    Reference() {
        WorkBuffer.assign(qv::kOkformPicture, qv::kOkformPicture + qv::kOkformPictureSize);
        ok = Decode();
    }
    bool ok;
};
} // namespace

TEST(GifDialogPicture, PanelShowsThroughEveryTransparentPixel) {
    qvtest::TestHost host(kPanel, 449, 70);
    TGIFImage image(host.Host());
    int changes = 0;
    image.OnChange = [&](qv::Component&) { ++changes; };
    // The streamed properties, then the stored picture.
    image.SetBounds(13, 11, 48, 48);
    image.SetAutoSize(true);
    image.SetCenter(true);
    std::vector<std::uint8_t> stored(qv::kOkformPicture,
                                     qv::kOkformPicture + qv::kOkformPictureSize);
    image.ReadDataValue(qv::WriteDataValue(stored));
    image.AfterStreaming();
    ASSERT_EQ(qv::GIFStatus, 0);
    host.Repaint();

    EXPECT_EQ(image.Left(), 13);
    EXPECT_EQ(image.Top(), 11);
    EXPECT_EQ(image.Width(), 48);
    EXPECT_EQ(image.Height(), 48);
    EXPECT_FALSE(image.Opaque());
    EXPECT_EQ(image.FrameCount(), 1);

    Reference ref;
    ASSERT_TRUE(ref.ok);
    const qv::GifFrameData& frame = ref.Frame(0);
    int transparent = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            int index = frame.PixelAt(x, y);
            const std::uint8_t* rgb = ref.GlobalTable().data() + 3 * index;
            COLORREF expected = index == 83 ? kPanel : RGB(rgb[0], rgb[1], rgb[2]);
            transparent += index == 83;
            ASSERT_EQ(host.Pixel(13 + x, 11 + y), expected) << x << "," << y << " index " << index;
        }
    EXPECT_GT(transparent, 0);

    // One frame: the worker exists and stays paused; no tick ever comes.
    ASSERT_NE(image.Timer().Worker(), nullptr);
    EXPECT_TRUE(image.Timer().Worker()->Paused());
    int before = changes;
    qvtest::PumpFor(300);
    EXPECT_EQ(changes, before);
}
