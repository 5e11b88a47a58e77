// The main window on a screen lower than it: as high as the work area, its client area
// scrolling. CTest runs these on a 640x480 screen and at 144 pixels per inch on 1024x768
// (wine_mainwindow_vga, _144dpi), each with a taskbar's strip kept out of the work area; in the
// ordinary run, at 96 on 1024x768, the window keeps its size and has no bar.
#include "LayoutTable.h"
#include "framework/Application.h"
#include "support/Pump.h"
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int kTaskbarHeight = 28;

// The work area of a screen whose taskbar takes the bottom strip, for as long as it lives.
class Taskbar {
public:
    Taskbar() {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved_, 0);
        RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN),
                  GetSystemMetrics(SM_CYSCREEN) - kTaskbarHeight};
        SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
    }
    ~Taskbar() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved_, 0); }
    static RECT WorkArea() {
        RECT work;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        return work;
    }

private:
    RECT saved_{};
};

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

bool SmallScreenAsked() {
    return std::getenv("QV_SCREEN") || std::getenv("QV_DPI");
}

RECT ScreenRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

// Inside the work area and inside the main window's view (left of and above the bar).
void ExpectShown(Tf1& f, HWND control) {
    const RECT r = ScreenRect(control);
    const RECT work = Taskbar::WorkArea();
    EXPECT_GE(r.top, work.top);
    EXPECT_LE(r.bottom, work.bottom);
    RECT bar = ScreenRect(f.Scroller().VerticalBar());
    EXPECT_LE(r.right, bar.left);
    POINT viewTop{0, 0};
    ClientToScreen(f.Handle(), &viewTop);
    EXPECT_GE(r.top, viewTop.y);
    EXPECT_LE(r.bottom, bar.bottom);
}

class SmallScreenScrolling : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SmallScreenAsked())
            GTEST_SKIP() << "needs QV_SCREEN or QV_DPI";
        qv::Application::Instance().SetMainForm(&f);
        f.Show();
        qvtest::PumpFor(20);
        ASSERT_NE(f.Scroller().VerticalBar(), nullptr);
        const RECT window = ScreenRect(f.Handle()), work = Taskbar::WorkArea();
        EXPECT_EQ(window.top, work.top);
        EXPECT_EQ(window.bottom, work.bottom);
    }
    void TearDown() override { qv::Application::Instance().SetMainForm(nullptr); }

    Taskbar taskbar;
    Tf1 f;
};

} // namespace

TEST(Screens, WindowThatFitsKeepsItsSizeAndHasNoBar) {
    if (SmallScreenAsked())
        GTEST_SKIP() << "the ordinary screen only";
    Taskbar taskbar;
    Tf1 f;
    f.Show();
    qvtest::PumpFor(20);
    EXPECT_FALSE(f.Scroller().Scrolls());
    EXPECT_EQ(FindWindowExA(f.Handle(), nullptr, "ScrollBar", nullptr), nullptr);
    RECT client;
    GetClientRect(f.Handle(), &client);
    EXPECT_EQ(client.right, 497);
    EXPECT_EQ(client.bottom, 514);
}

// The arrow key on the focused bar brings every control into view in turn, the window-less
// ones moving with their boxes and the window; Page Down and Page Up go to the ends.
TEST_F(SmallScreenScrolling, KeysOnTheBarBringEveryControlIntoView) {
    const HWND bar = f.Scroller().VerticalBar();
    const int bevelTop = f.Bevel1.Bounds().top;
    for (const qvtest::Expected& e : qvtest::kControls) {
        SCOPED_TRACE(e.name);
        const HWND control = qvtest::Find(f, e.name)->Handle();
        qvtest::FocusWindow(bar);
        qvtest::PressKey(VK_HOME);
        for (int key = 0; key < 60 && ScreenRect(control).bottom > ScreenRect(bar).bottom; ++key)
            qvtest::PressKey(VK_DOWN);
        ExpectShown(f, control);
    }
    const int scrolled = f.Scroller().Position().y;
    EXPECT_GT(scrolled, 0);
    EXPECT_EQ(f.Bevel1.Bounds().top, bevelTop - scrolled);
    qvtest::PressKey(VK_PRIOR);
    EXPECT_EQ(f.Scroller().Position().y, 0);
    EXPECT_EQ(f.Bevel1.Bounds().top, bevelTop);
    qvtest::PressKey(VK_NEXT); // a page is more than there is to scroll: the end
    RECT client;
    GetClientRect(f.Handle(), &client);
    EXPECT_EQ(f.Scroller().Position().y, MulDiv(514, ScreenDpi(), 96) - client.bottom);
}

// Clicks on the bar's lower arrow and under its thumb scroll a line and a page.
TEST_F(SmallScreenScrolling, MouseOnTheBarScrolls) {
    const RECT bar = ScreenRect(f.Scroller().VerticalBar());
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    auto clickAt = [](int x, int y) {
        qvtest::PlacePointer(POINT{x, y});
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        qvtest::PumpFor(50);
    };
    const int x = (bar.left + bar.right) / 2;
    clickAt(x, bar.bottom - arrow / 2);
    EXPECT_EQ(f.Scroller().Position().y, MulDiv(16, ScreenDpi(), 96));
    clickAt(x, bar.bottom - arrow - 2); // the thumb is higher: a page, which is the end
    RECT client;
    GetClientRect(f.Handle(), &client);
    EXPECT_EQ(f.Scroller().Position().y, MulDiv(514, ScreenDpi(), 96) - client.bottom);
}

// With every row enabled (its box ticked from the keyboard), Tab goes through every tab stop,
// the bar last; each one is in view once it has the focus.
TEST_F(SmallScreenScrolling, TabScrollsEachControlIntoView) {
    for (qv::CheckBox* box :
         {&f.enablemincache, &f.enablemaxcache, &f.enablechunk, &f.enablenamecache}) {
        qvtest::FocusWindow(box->Handle());
        qvtest::PressKey(VK_SPACE);
        ASSERT_TRUE(box->Checked());
    }
    qvtest::FocusWindow(f.enablemincache.Handle());
    int visited = 0;
    for (HWND first = GetFocus(); visited == 0 || GetFocus() != first; ++visited) {
        ASSERT_LT(visited, 40);
        if (GetFocus() != f.Scroller().VerticalBar())
            ExpectShown(f, GetFocus());
        qvtest::PressKey(VK_TAB);
    }
    EXPECT_EQ(visited, 15); // five bars, five fields, four boxes and the scroll bar
}
