// Pixels on a real window: masked drawing over the parent's background, the placement modes
// and the frame disposal modes.
#include "Pictures.h"
#include "framework/core/SixteenColors.h"
#include "support/HostWindow.h"
#include "support/Pump.h"
#include "widgets/GIFImage/GIFImage.h"
#include <gtest/gtest.h>

using namespace qvtest;
using qv::TGIFImage;

namespace {
const COLORREF kPanel = RGB(10, 120, 200);

class GifPaint : public ::testing::Test {
protected:
    HostWindow host{0, 0, 300, 300, kPanel};
    TGIFImage image{host.Host()};

    void Load(const Bytes& gif) {
        ASSERT_TRUE(image.LoadStream(gif));
        host.Repaint();
    }
    // The window's pixel at a point of the control.
    COLORREF At(int x, int y) const { return host.Pixel(image.Left() + x, image.Top() + y); }
};
} // namespace

TEST_F(GifPaint, TransparentPixelsShowTheParentsBackground) {
    image.SetBounds(10, 10, 4, 2);
    Bytes pixels = {kRed, kClear, kGreen, kClear, kClear, kBlue, kClear, kRed};
    Load(Picture(4, 2, {FrameSpec{0, 0, 4, 2, 0, pixels, 0, 0, true}}));
    EXPECT_FALSE(image.Opaque());
    for (int i = 0; i < 8; ++i) {
        COLORREF expected = pixels[i] == kClear ? kPanel : kColors[pixels[i]];
        EXPECT_EQ(At(i % 4, i / 4), expected) << "pixel " << i;
    }
    // Outside the control the panel is untouched.
    EXPECT_EQ(host.Pixel(14, 10), kPanel);
}

// Into a four-bit surface in the VGA driver's sixteen colours, as on its screen: the panel
// (silver there) shows through the transparent pixels.
TEST_F(GifPaint, TransparentPixelsShowThePanelOnAFourBitSurface) {
    image.SetBounds(0, 0, 4, 2);
    Bytes pixels = {kRed, kClear, kGreen, kClear, kClear, kBlue, kClear, kRed};
    Load(Picture(4, 2, {FrameSpec{0, 0, 4, 2, 0, pixels, 0, 0, true}}));
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[16];
    } format{{sizeof(BITMAPINFOHEADER), 4, -2, 1, 4, BI_RGB, 0, 0, 0, 16, 0}, {}};
    for (int i = 0; i < 16; ++i) {
        const COLORREF c = qv::kSixteenColors[i];
        format.colors[i] = RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0};
    }
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&format),
                                                    DIB_RGB_COLORS, &bits, nullptr, 0));
    const RECT panel{0, 0, 4, 2};
    FillRect(dc, &panel, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    image.Paint(dc);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(GetPixel(dc, i % 4, i / 4),
                  pixels[i] == kClear ? RGB(192, 192, 192) : kColors[pixels[i]])
            << i;
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
}

TEST_F(GifPaint, OpaquePictureDeclaresItselfOpaqueAndCoversItsBounds) {
    image.SetBounds(5, 5, 8, 8);
    Load(Picture(8, 8, {Solid(8, 8, kGreen)}));
    EXPECT_TRUE(image.Opaque());
    EXPECT_EQ(At(0, 0), kColors[kGreen]);
    EXPECT_EQ(At(7, 7), kColors[kGreen]);
}

TEST_F(GifPaint, StretchRatioFitsAndCentres) {
    image.SetBounds(0, 0, 200, 200);
    image.SetStretchRatio(true);
    Load(Picture(100, 50, {Solid(100, 50, kRed)}));
    EXPECT_FALSE(image.Opaque()); // the margins show the parent
    EXPECT_EQ(At(100, 49), kPanel);
    EXPECT_EQ(At(100, 50), kColors[kRed]);
    EXPECT_EQ(At(0, 100), kColors[kRed]);
    EXPECT_EQ(At(199, 149), kColors[kRed]);
    EXPECT_EQ(At(100, 150), kPanel);
}

TEST_F(GifPaint, StretchWinsOverStretchRatio) {
    image.SetBounds(0, 0, 200, 200);
    image.SetStretch(true);
    image.SetStretchRatio(true);
    Load(Picture(100, 50, {Solid(100, 50, kRed)}));
    EXPECT_EQ(At(100, 10), kColors[kRed]);
    EXPECT_EQ(At(0, 0), kColors[kRed]);
    EXPECT_EQ(At(199, 199), kColors[kRed]);
}

TEST_F(GifPaint, TileRepeatsThePicture) {
    image.SetBounds(0, 0, 100, 100);
    image.SetTile(true);
    Bytes pixels(48 * 48, kRed);
    pixels[0] = kBlue; // marks each copy's top-left corner
    Load(Picture(48, 48, {FrameSpec{0, 0, 48, 48, 0, pixels}}));
    EXPECT_TRUE(image.Opaque());
    for (int x : {0, 48, 96})
        for (int y : {0, 48, 96}) {
            EXPECT_EQ(At(x, y), kColors[kBlue]) << x << "," << y;
            if (x < 96 && y < 96) {
                EXPECT_EQ(At(x + 1, y + 1), kColors[kRed]) << x << "," << y;
            }
        }
}

TEST_F(GifPaint, TileWithTransparencyIsMasked) {
    image.SetBounds(0, 0, 10, 10);
    image.SetTile(true);
    Load(Picture(4, 4, {FrameSpec{0, 0, 4, 4, 0, Bytes(16, kClear), 0, 0, true}}));
    host.Repaint();
    EXPECT_EQ(At(0, 0), kPanel);
    EXPECT_EQ(At(9, 9), kPanel);
}

TEST_F(GifPaint, CenterShowsTheMiddleOfALargerPicture) {
    image.SetBounds(0, 0, 20, 20);
    image.SetCenter(true);
    Bytes pixels(60 * 60, kRed);
    pixels[20 * 60 + 20] = kBlue; // the picture's point that lands on the control's corner
    Load(Picture(60, 60, {FrameSpec{0, 0, 60, 60, 0, pixels}}));
    EXPECT_TRUE(image.Opaque());
    EXPECT_EQ(At(0, 0), kColors[kBlue]);
    EXPECT_EQ(At(1, 1), kColors[kRed]);
    EXPECT_EQ(At(19, 19), kColors[kRed]);
}

TEST_F(GifPaint, CenterMaskedPictureInALargerControl) {
    image.SetBounds(0, 0, 10, 10);
    image.SetCenter(true);
    Load(Picture(4, 4, {FrameSpec{0, 0, 4, 4, kGreen, {}, 0, 0, true}}));
    EXPECT_EQ(At(2, 2), kPanel);
    EXPECT_EQ(At(3, 3), kColors[kGreen]); // (10 - 4) div 2 = 3
    EXPECT_EQ(At(6, 6), kColors[kGreen]);
    EXPECT_EQ(At(7, 7), kPanel);
}

TEST_F(GifPaint, FirstFrameWithoutTransparencyIsDrawnDirectly) {
    // Frame 1 covers only the left half and has no transparent colour; frame 2 has one. The
    // uncovered part of the composite is transparent, but direct drawing shows it black.
    image.SetBounds(0, 0, 4, 4);
    Load(Picture(4, 4,
                 {FrameSpec{0, 0, 2, 4, kRed}, FrameSpec{3, 0, 1, 1, kGreen, {}, 0, 0, true}}));
    EXPECT_FALSE(image.Opaque());
    EXPECT_EQ(At(0, 0), kColors[kRed]);
    EXPECT_EQ(At(3, 3), RGB(0, 0, 0));
}

TEST_F(GifPaint, InvisibleOrEmptyControlDrawsNothing) {
    image.SetBounds(0, 0, 8, 8);
    host.Repaint();
    EXPECT_EQ(At(1, 1), kPanel); // no picture yet
    Load(Picture(8, 8, {Solid(8, 8, kRed)}));
    EXPECT_EQ(At(1, 1), kColors[kRed]);
    image.SetVisible(false);
    host.Repaint();
    EXPECT_FALSE(image.Opaque());
    EXPECT_EQ(At(1, 1), kPanel);
}

TEST_F(GifPaint, ZeroSizedLogicalScreenDrawsNothing) {
    image.SetBounds(0, 0, 8, 8);
    image.SetTile(true);
    GifBuilder b;
    b.Header(0, 0, 2).Descriptor(0, 0, 0, 5, 0).Raw({2, 0}).Trailer();
    ASSERT_TRUE(image.LoadStream(b.bytes));
    EXPECT_EQ(image.ScreenWidth(), 0);
    host.Repaint();
    EXPECT_EQ(At(1, 1), kPanel);
}

// --- Disposal ----------------------------------------------------------------------------

namespace {
// Shows frame after frame the way the CurrentFrame property does and returns the composite.
struct DisposalCase : GifPaint {
    void ShowFrames(const Bytes& gif, int last) {
        image.SetBounds(0, 0, 2, 1);
        Load(gif);
        for (int n = 2; n <= last; ++n)
            image.SetCurrentFrame(n);
        host.Repaint();
    }
};
} // namespace

TEST_F(DisposalCase, LeaveInPlaceKeepsThePreviousFrame) {
    for (int disposal : {0, 1}) {
        ShowFrames(
            Picture(2, 1,
                    {FrameSpec{0, 0, 2, 1, kRed, {}, disposal}, FrameSpec{1, 0, 1, 1, kBlue}}),
            2);
        EXPECT_EQ(At(0, 0), kColors[kRed]) << disposal;
        EXPECT_EQ(At(1, 0), kColors[kBlue]) << disposal;
    }
}

TEST_F(DisposalCase, RestoreToBackgroundShowsTheParentWhenThePictureIsTransparent) {
    ShowFrames(Picture(2, 1,
                       {FrameSpec{0, 0, 2, 1, kRed, {}, 2, 0, true},
                        FrameSpec{1, 0, 1, 1, kBlue, {}, 0, 0, true}}),
               2);
    EXPECT_EQ(At(0, 0), kPanel);
    EXPECT_EQ(At(1, 0), kColors[kBlue]);
}

TEST_F(DisposalCase, RestoreToBackgroundIsBlackWithoutTransparency) {
    ShowFrames(Picture(2, 1, {FrameSpec{0, 0, 2, 1, kRed, {}, 2}, FrameSpec{1, 0, 1, 1, kBlue}}),
               2);
    EXPECT_EQ(At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(At(1, 0), kColors[kBlue]);
}

TEST_F(DisposalCase, RestorePreviousPutsBackWhatLayUnderneath) {
    ShowFrames(Picture(2, 1,
                       {FrameSpec{0, 0, 2, 1, kRed, {}, 1, 0, true},
                        FrameSpec{0, 0, 2, 1, kBlue, {}, 3, 0, true},
                        FrameSpec{1, 0, 1, 1, kGreen, {}, 0, 0, true}}),
               3);
    EXPECT_EQ(At(0, 0), kColors[kRed]);
    EXPECT_EQ(At(1, 0), kColors[kGreen]);
}

TEST_F(DisposalCase, RestorePreviousRestoresTransparencyToo) {
    // Frame 2 covers a transparent area of frame 1; disposing of it makes that area
    // transparent again, not black.
    ShowFrames(Picture(2, 1,
                       {FrameSpec{0, 0, 2, 1, 0, {kRed, kClear}, 1, 0, true},
                        FrameSpec{0, 0, 2, 1, kBlue, {}, 3, 0, true},
                        FrameSpec{0, 0, 1, 1, kGreen, {}, 0, 0, true}}),
               3);
    EXPECT_EQ(At(0, 0), kColors[kGreen]);
    EXPECT_EQ(At(1, 0), kPanel);
}
