// The main window on screens lower than it (640x480, 144 pixels per inch on 1024x768) with a
// taskbar: as high as the work area, scrolling. (LargeFonts: a window that fits stays as it is.)
#include "framework/Scaling.h"
#include "support/MainWindowTest.h"
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A taskbar 28 pixels high at the screen's bottom, for as long as it lives.
struct Taskbar {
    RECT saved{}, work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - 28};
    Taskbar() {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved, 0);
        SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
    }
    ~Taskbar() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved, 0); }
};

RECT ScreenRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

class SmallScreenScrolling : public qvtest::MainWindowTest {
protected:
    void SetUp() override {
        if (!std::getenv("QV_SCREEN"))
            GTEST_SKIP() << "needs QV_SCREEN";
        MainWindowTest::SetUp();
        Tf1& f = Start();
        bar = f.Scroller().VerticalBar();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(ScreenRect(f.Handle()).bottom, taskbar.work.bottom);
        RECT client;
        GetClientRect(f.Handle(), &client);
        end = qv::ScaleToScreen(514) - client.bottom;
    }
    // Left of the bar, between the view's top and the bar's bottom (inside the work area).
    void ExpectShown(HWND control) {
        const RECT r = ScreenRect(control), view = ScreenRect(bar);
        POINT top{0, 0};
        ClientToScreen(form().Handle(), &top);
        EXPECT_LE(r.right, view.left);
        EXPECT_GE(r.top, top.y);
        EXPECT_LE(r.bottom, view.bottom);
    }

    Taskbar taskbar; // before the window, as a real taskbar is
    HWND bar = nullptr;
    int end = 0; // the position that shows the content's bottom
};

} // namespace

// The arrow key on the focused bar brings every control into view in turn, the window-less
// ones moving with their boxes and the window; Page Up and Page Down go to the ends.
TEST_F(SmallScreenScrolling, KeysOnTheBarBringEveryControlIntoView) {
    Tf1& f = form();
    const int bevelTop = f.Bevel1.Bounds().top;
    for (const qv::Placement& p : f.Layout()) {
        SCOPED_TRACE(p.name);
        const HWND control = p.control.Handle();
        qvtest::FocusWindow(bar);
        qvtest::PressKey(VK_HOME);
        for (int key = 0; key < 60 && ScreenRect(control).bottom > ScreenRect(bar).bottom; ++key)
            qvtest::PressKey(VK_DOWN);
        ExpectShown(control);
    }
    EXPECT_EQ(f.Bevel1.Bounds().top, bevelTop - f.Scroller().Position().y); // moved as far
    qvtest::PressKey(VK_PRIOR);
    EXPECT_EQ(f.Bevel1.Bounds().top, bevelTop);
    qvtest::PressKey(VK_NEXT); // a page is more than there is to scroll
    EXPECT_EQ(f.Scroller().Position().y, end);
}

// With every row enabled (its box ticked from the keyboard), Tab goes through every tab stop,
// the bar last; each one is in view once it has the focus.
TEST_F(SmallScreenScrolling, TabScrollsEachControlIntoView) {
    Tf1& f = form();
    for (qv::CheckBox* box :
         {&f.enablemincache, &f.enablemaxcache, &f.enablechunk, &f.enablenamecache}) {
        qvtest::FocusWindow(box->Handle());
        qvtest::PressKey(VK_SPACE);
    }
    int visited = 0;
    for (HWND first = GetFocus(); visited == 0 || GetFocus() != first; ++visited) {
        ASSERT_LT(visited, 40);
        if (GetFocus() != bar)
            ExpectShown(GetFocus());
        qvtest::PressKey(VK_TAB);
    }
    EXPECT_EQ(visited, 15); // five track bars, five fields, four boxes and the scroll bar
}
