#include "framework/BitButton.h"
#include "framework/Form.h"
#include "support/Pump.h"
#include <gtest/gtest.h>
#include <array>

namespace {

// Green in the top-left corner, red in the bottom-right one, the button face between.
const qv::ButtonPicture kNormal{
    {"GG", "G", "", "", "", "", "", "", "", "", "", "", "", "", "", "               R"}};
const qv::ButtonPicture kDisabled{
    {"ss", "s", "", "", "", "", "", "", "", "", "", "", "", "", "", "               h"}};

class PictureForm : public qv::Form {
public:
    qv::BitButton button;
    PictureForm() {
        CreateForm(qv::FormSpec{"Pictures", 200, 60});
        // No caption: the picture is centred alone, 16 pixels plus the 4-pixel gap.
        const std::array<qv::Placement, 1> layout{
            {{button, *this, "button", 10, 10, 122, 24, 0, nullptr, nullptr, true, 0}}};
        qv::PlaceControls(layout);
        button.SetPictures(kNormal, kDisabled);
        Show();
        qvtest::PumpFor(50);
    }
    // Renders the button into a memory bitmap (WM_PRINTCLIENT runs its drawing) and reads one
    // pixel there.
    COLORREF PixelAt(int x, int y) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 122, 24);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageA(button.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        COLORREF color = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return color;
    }
};

// The picture's top-left corner inside the 122 x 24 button.
constexpr int kLeft = (122 - 20) / 2;
constexpr int kTop = 24 / 2 - 8;

} // namespace

TEST(ButtonPicture, EnabledButtonShowsTheNormalImagePixelForPixel) {
    PictureForm form;
    EXPECT_EQ(form.PixelAt(kLeft, kTop), RGB(0, 255, 0));
    EXPECT_EQ(form.PixelAt(kLeft + 1, kTop), RGB(0, 255, 0));
    EXPECT_EQ(form.PixelAt(kLeft, kTop + 1), RGB(0, 255, 0));
    EXPECT_EQ(form.PixelAt(kLeft + 15, kTop + 15), RGB(255, 0, 0));
    // Blanks leave the button face.
    EXPECT_EQ(form.PixelAt(kLeft + 2, kTop), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(form.PixelAt(kLeft + 8, kTop + 8), GetSysColor(COLOR_BTNFACE));
}

TEST(ButtonPicture, DisabledButtonShowsTheSecondImage) {
    PictureForm form;
    form.button.SetEnabled(false);
    qvtest::PumpFor(50);
    EXPECT_EQ(form.PixelAt(kLeft, kTop), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(form.PixelAt(kLeft + 15, kTop + 15), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(form.PixelAt(kLeft + 2, kTop), GetSysColor(COLOR_BTNFACE));
}

TEST(ButtonPicture, StandardPicturesAreDrawnTheSameWay) {
    PictureForm form;
    form.button.SetGlyph(qv::BitButton::Glyph::Cancel);
    qvtest::PumpFor(50);
    EXPECT_EQ(form.button.GetGlyph(), qv::BitButton::Glyph::Cancel);
    // The cross's strokes meet in the middle; the corners stay the button face.
    EXPECT_EQ(form.PixelAt(kLeft + 7, kTop + 7), RGB(255, 0, 0));
    EXPECT_EQ(form.PixelAt(kLeft + 3, kTop + 3), RGB(255, 0, 0));
    EXPECT_EQ(form.PixelAt(kLeft, kTop), GetSysColor(COLOR_BTNFACE));
    form.button.SetEnabled(false);
    qvtest::PumpFor(50);
    EXPECT_EQ(form.PixelAt(kLeft + 7, kTop + 7), GetSysColor(COLOR_BTNSHADOW));
}

TEST(ButtonPicture, CharactersWithoutAColourAreTransparent) {
    COLORREF color = 0;
    EXPECT_FALSE(qv::ButtonPictureColor(' ', color));
    EXPECT_FALSE(qv::ButtonPictureColor('?', color));
    ASSERT_TRUE(qv::ButtonPictureColor('g', color));
    EXPECT_EQ(color, RGB(0, 128, 0));
}
