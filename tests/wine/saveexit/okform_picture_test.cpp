// The confirmation dialog's picture GIFImage1: placed and streamed as the dialog's layout says,
// drawn masked over Panel1, and never animated.
#include "support/ProgramHost.h"
#include "okunit/core/OkformPicture.h"
#include "support/Pump.h"
#include "support/SystemFiles.h"
#include "widgets/GIFImage/core/GifImageData.h"
#include "widgets/TimerEx/TimerThread.h"
#include <gtest/gtest.h>

namespace {

// The picture's colour indices and palette as the decoder's core reads them.
struct DialogPicture : qv::GifImageData {
    DialogPicture() {
        WorkBuffer.assign(qv::kOkformPicture, qv::kOkformPicture + qv::kOkformPictureSize);
        decoded = Decode();
    }
    bool decoded;
};

COLORREF PixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

class OkformPicture : public ::testing::Test {
protected:
    void SetUp() override { qvtest::PrepareMachine(qvtest::Machine{"[vcache]\r\n", "", {}}); }
};

} // namespace

TEST_F(OkformPicture, StreamedOntoThePanel) {
    qvtest::ProgramHost program;
    qv::TGIFImage& image = program.Dialog().GIFImage1;
    EXPECT_EQ(image.Name(), "GIFImage1");
    EXPECT_EQ(image.HostWindow(), program.Dialog().Panel1.Handle());
    EXPECT_EQ(image.Left(), 13);
    EXPECT_EQ(image.Top(), 11);
    EXPECT_EQ(image.Width(), 48);
    EXPECT_EQ(image.Height(), 48);
    EXPECT_TRUE(image.AutoSize());
    EXPECT_TRUE(image.Center());
    EXPECT_FALSE(image.Empty());
    EXPECT_EQ(image.FrameCount(), 1);
    EXPECT_TRUE(image.HasTransparency());
    EXPECT_FALSE(image.Opaque());
    EXPECT_EQ(image.Data().size(), 1560u);
    EXPECT_EQ(image.WriteDataValue().size(), 1564u); // streams back as it came
}

TEST_F(OkformPicture, PanelShowsThroughTheTransparentPixelsAndNothingAnimates) {
    qvtest::ProgramHost program;
    Tokform& dialog = program.Dialog();
    int changes = 0;
    dialog.GIFImage1.OnChange = [&](qv::Component&) { ++changes; };
    dialog.Show();
    qvtest::PumpFor(100);
    HWND panel = dialog.Panel1.Handle();
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    DialogPicture picture;
    ASSERT_TRUE(picture.decoded);
    const qv::GifFrameData& frame = picture.Frame(0);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int transparent = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            int index = frame.PixelAt(x, y);
            const std::uint8_t* rgb = picture.GlobalTable().data() + 3 * index;
            COLORREF expected = index == 83 ? face : RGB(rgb[0], rgb[1], rgb[2]);
            transparent += index == 83;
            ASSERT_EQ(PixelOf(panel, 13 + x, 11 + y), expected) << x << "," << y;
        }
    EXPECT_GT(transparent, 0);

    // One frame: the worker exists from the dialog's creation and stays paused.
    ASSERT_NE(dialog.GIFImage1.Timer().Worker(), nullptr);
    EXPECT_TRUE(dialog.GIFImage1.Timer().Worker()->Paused());
    EXPECT_FALSE(dialog.GIFImage1.Timer().Enabled());
    qvtest::PumpFor(300);
    EXPECT_EQ(changes, 0);
    dialog.Hide();
}
