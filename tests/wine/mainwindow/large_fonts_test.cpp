// The windows on a screen of another density: every place, size and font height of the layouts
// multiplied by the screen's pixels per inch over 96. CTest runs these at 120 and 144 pixels
// per inch (QV_DPI, wine_mainwindow_120dpi and _144dpi) and on a 640x480 screen (QV_SCREEN,
// wine_mainwindow_vga); in the ordinary run, at 96, nothing may move.
#include "framework/MessageBox.h"
#include "support/MainWindowTest.h"
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Scaled(int layoutPixels) {
    return MulDiv(layoutPixels, ScreenDpi(), 96);
}

// Within a pixel of the layout's rectangle scaled: left, top, width and height.
void ExpectScaled(const RECT& r, int left, int top, int width, int height, bool widthMayGrow) {
    EXPECT_NEAR(r.left, Scaled(left), 1);
    EXPECT_NEAR(r.top, Scaled(top), 1);
    if (widthMayGrow)
        EXPECT_GE(r.right - r.left, Scaled(width) - 1);
    else
        EXPECT_NEAR(r.right - r.left, Scaled(width), 1);
    EXPECT_NEAR(r.bottom - r.top, Scaled(height), 1);
}

SIZE ClientSize(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return SIZE{r.right, r.bottom};
}

// A static control's text, on one line in the control's own font, fits the control.
void ExpectTextFits(HWND label) {
    char text[128] = {};
    GetWindowTextA(label, text, sizeof text);
    HDC dc = GetDC(label);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, 0, 0};
    DrawTextA(dc, text, -1, &needed, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    const SIZE room = ClientSize(label);
    EXPECT_LE(needed.right, room.cx);
    EXPECT_LE(needed.bottom, room.cy);
}

// Where the system put the message box "Tall"; the timer then closes it.
RECT g_tallBox{};
void CALLBACK MeasureTallBox(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND box = FindWindowA("#32770", "Tall")) {
        KillTimer(nullptr, timer);
        GetWindowRect(box, &g_tallBox);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

class LargeFonts : public qvtest::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // The prefix really has the density asked for: otherwise every check below is one at 96.
        if (const char* asked = std::getenv("QV_DPI")) {
            ASSERT_EQ(ScreenDpi(), std::atoi(asked));
        }
    }
};

} // namespace

TEST_F(LargeFonts, MainWindowControlsAndFontsScale) {
    Tf1& f = Start(); // it fits the screen: no scroll bar, and its size as it was made
    EXPECT_EQ(FindWindowExA(f.Handle(), nullptr, "ScrollBar", nullptr), nullptr);
    const SIZE client = ClientSize(f.Handle());
    EXPECT_EQ(client.cx, Scaled(497));
    EXPECT_EQ(client.cy, Scaled(514));
    for (const qv::Placement& p : f.Layout()) {
        SCOPED_TRACE(p.name);
        const HWND w = p.control.Handle();
        const RECT r = qvtest::RectInParent(w);
        if (dynamic_cast<qv::Picture*>(&p.control)) { // the icon as the system sizes icons
            EXPECT_NEAR(r.left, Scaled(p.left), 1);
            EXPECT_NEAR(r.top, Scaled(p.top), 1);
            EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXICON));
            continue;
        }
        // Labels grow where their text needs more room than the scaled width.
        const bool label = dynamic_cast<qv::Label*>(&p.control) != nullptr;
        ExpectScaled(r, p.left, p.top, p.width, p.height, label);
        if (label)
            ExpectTextFits(w);
        if (HFONT font = reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0))) {
            LOGFONTA lf{};
            GetObjectA(font, sizeof lf, &lf);
            EXPECT_EQ(lf.lfHeight, Scaled(-11));
        }
    }
    struct Graphic {
        RECT bounds;
        int left, top, width, height;
    };
    for (const Graphic& g :
         {Graphic{f.Bevel1.Bounds(), 2, 0, 493, 2}, Graphic{f.Bevel2.Bounds(), 55, 138, 428, 24},
          Graphic{f.gauge1->Bounds(), 55, 39, 428, 24},
          Graphic{f.gauge2->Bounds(), 55, 89, 428, 24}})
        ExpectScaled(g.bounds, g.left, g.top, g.width, g.height, false);
}

TEST_F(LargeFonts, ConfirmationDialogScalesAroundItsPicture) {
    Create();
    Tokform& dialog = *okform;
    const SIZE client = ClientSize(dialog.Handle());
    EXPECT_EQ(client.cx, Scaled(449));
    EXPECT_EQ(client.cy, Scaled(102));
    ExpectScaled(qvtest::RectInParent(dialog.BitBtn1.Handle()), 5, 74, 122, 24, false);
    ExpectScaled(qvtest::RectInParent(dialog.BitBtn2.Handle()), 133, 74, 122, 24, false);
    ExpectScaled(qvtest::RectInParent(dialog.Panel1.Handle()), 0, 0, 449, 70, false);
    ExpectScaled(qvtest::RectInParent(dialog.BitBtn3.Handle()), 323, 74, 122, 24, false);
    ExpectScaled(qvtest::RectInParent(dialog.labelok.Handle()), 76, 28, 146, 15, true);
    ExpectTextFits(dialog.labelok.Handle());
    const RECT picture = dialog.GIFImage1.Bounds(); // the animation keeps its 48 by 48 pixels
    EXPECT_NEAR(picture.left, Scaled(13), 1);
    EXPECT_NEAR(picture.top, Scaled(11), 1);
    EXPECT_EQ(picture.right - picture.left, 48);
    EXPECT_EQ(picture.bottom - picture.top, 48);
}

// On a screen lower than the window, centring would put the caption above the top edge; the
// window is cut to the work area instead, and the dialog fits it whole.
using SmallScreen = qvtest::MainWindowTest;
TEST_F(SmallScreen, WindowsStayInsideTheWorkArea) {
    if (const char* asked = std::getenv("QV_SCREEN")) {
        ASSERT_EQ(std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" +
                      std::to_string(GetSystemMetrics(SM_CYSCREEN)),
                  asked);
    }
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    Tf1& f = Create();
    for (qv::Form* form : std::initializer_list<qv::Form*>{&f, okform}) {
        SCOPED_TRACE(form->Name());
        form->Show();
        qvtest::PumpFor(20);
        RECT r;
        GetWindowRect(form->Handle(), &r);
        EXPECT_GE(r.top, work.top);
        EXPECT_GE(r.left, work.left);
        EXPECT_LE(r.bottom, work.bottom);
        EXPECT_LE(r.right, work.right);
        form->Hide();
    }
}

// The system centres a message box, also one taller than the screen.
TEST(SmallScreenMessageBox, CaptionStaysInsideTheWorkArea) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    std::string text;
    while (static_cast<int>(text.size()) < 3 * (work.bottom - work.top))
        text += "A line of a long message.\n";
    SetTimer(nullptr, 0, 20, &MeasureTallBox);
    qv::ShowMessageBox(nullptr, text, "Tall", MB_OK);
    ASSERT_GT(g_tallBox.bottom - g_tallBox.top, work.bottom - work.top);
    EXPECT_GE(g_tallBox.top, work.top);
    EXPECT_GE(g_tallBox.left, work.left);
}
