// Hints of window-less controls: the pause, the text and place of the hint window, everything
// that hides it, and which ShowHint a control follows.
#include "HintForm.h"
#include "framework/Hint.h"
#include "framework/HintWindow.h"
#include "support/PointerAndMenus.h"
#include "support/Pump.h"
#include <gtest/gtest.h>

using namespace qvtest;

namespace {

class Hints : public ::testing::Test {
protected:
    qv::Application& app = qv::Application::Instance();
    HintForm form;

    void SetUp() override {
        app.SetShowHint(true);
        app.SetHintPause(30);
        app.SetHintShortPause(10);
        app.SetHintHidePause(60000); // stays until the test hides it
        form.SetShowHint(true);
        form.left->SetHint("Open|Opens a file");
        form.right->SetHint("Save|Saves the file");
        form.inner->SetHint("Inner");
    }
    void TearDown() override {
        ParkPointer();
        app.CancelHint();
        app.SetShowHint(true);
        app.SetHintPause(500);
        app.SetHintShortPause(50);
        app.SetHintHidePause(2500);
        PumpFor(20);
    }

    HWND FormWindow() const { return form.Handle(); }
    // Rests the pointer on a box of the form and waits for its hint.
    bool HintFor(Box& box, const char* text) {
        RECT b = box.Bounds();
        MovePointerTo(box.HostWindow(), b.left + 20, b.top + 20);
        return PumpUntil([&] { return ShownHint() && HintText() == text; });
    }
    qv::GraphicControl* Tracked() const { return app.Hints().CurrentControl(); }
};

} // namespace

TEST_F(Hints, ShowsTheShortHintJustBelowThePointerWithoutActivating) {
    SetForegroundWindow(FormWindow());
    PumpFor(20);
    HWND foreground = GetForegroundWindow();
    ASSERT_EQ(foreground, FormWindow());

    app.SetHintPause(1500);
    MovePointerTo(FormWindow(), 30, 30);
    EXPECT_EQ(ShownHint(), nullptr); // only after the pause
    ASSERT_TRUE(PumpUntil([] { return ShownHint() != nullptr; }, 15000));
    HWND hint = ShownHint();
    EXPECT_EQ(ClassOf(hint), "QvHintWindow");
    EXPECT_EQ(HintText(), "Open");
    EXPECT_EQ(Tracked(), form.left.get());

    POINT pointer{30, 30};
    ClientToScreen(FormWindow(), &pointer);
    RECT r;
    GetWindowRect(hint, &r);
    EXPECT_EQ(r.left, pointer.x);
    EXPECT_GT(r.top, pointer.y);
    EXPECT_LE(r.top, pointer.y + GetSystemMetrics(SM_CYCURSOR));
    EXPECT_GT(r.right - r.left, 8);
    EXPECT_GT(r.bottom - r.top, 8);

    const LONG_PTR style = GetWindowLongPtrA(hint, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(hint, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(GetForegroundWindow(), foreground);
    EXPECT_EQ(GetActiveWindow(), FormWindow());
    EXPECT_NE(GetFocus(), hint);
}

TEST_F(Hints, PaintsTooltipColoursWithABlackFrame) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    HWND hint = ShownHint();
    RECT r;
    GetClientRect(hint, &r);
    HDC dc = GetDC(hint);
    const COLORREF corner = GetPixel(dc, 0, 0);
    const COLORREF inside = GetPixel(dc, 1, r.bottom - 2);
    const COLORREF background = GetNearestColor(dc, GetSysColor(COLOR_INFOBK));
    ReleaseDC(hint, dc);
    EXPECT_EQ(corner, RGB(0, 0, 0));
    EXPECT_EQ(inside, background);
}

TEST_F(Hints, HidesAfterTheHidePauseAndStaysHiddenWhileThePointerRests) {
    app.SetHintHidePause(100);
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    ASSERT_TRUE(PumpUntil([] { return ShownHint() == nullptr; }));
    // Resting on (and moving within) the same control does not bring it back.
    MovePointerTo(FormWindow(), 35, 35);
    PumpFor(200);
    EXPECT_EQ(ShownHint(), nullptr);
    // Leaving and coming back does.
    MovePointerTo(FormWindow(), 5, 150);
    EXPECT_TRUE(HintFor(*form.left, "Open"));
}

TEST_F(Hints, MovingOffTheControlOntoTheFormHidesAtOnce) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    MovePointerTo(FormWindow(), 5, 150); // the form's own background
    EXPECT_EQ(ShownHint(), nullptr);
    EXPECT_EQ(Tracked(), nullptr);
}

TEST_F(Hints, LeavingTheWindowIsNoticedWithoutAMessage) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    ParkPointer(); // no WM_MOUSEMOVE reaches the form
    EXPECT_TRUE(PumpUntil([] { return ShownHint() == nullptr; }));
    EXPECT_TRUE(PumpUntil([&] { return Tracked() == nullptr; }));
}

TEST_F(Hints, AButtonPressHidesTheHintUntilThePointerLeaves) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    PostMessageA(FormWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
    PostMessageA(FormWindow(), WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
    PumpFor(20);
    EXPECT_EQ(ShownHint(), nullptr);
    EXPECT_EQ(form.events, (std::vector<std::string>{"down:left:left", "up:left:left"}));
    MovePointerTo(FormWindow(), 32, 32);
    PumpFor(200);
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, AKeyPressHidesTheHint) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    FocusWindow(FormWindow());
    PressKey(VK_SHIFT);
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, TheApplicationLosingTheActivationHidesTheHint) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    // What every top-level window of the program receives when another program activates.
    SendMessageA(ShownHint(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(ShownHint(), nullptr);
    PumpFor(200); // resting on the control does not bring it back
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, AnotherProgramInTheForegroundHidesTheHint) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    // A program of the system's own takes the foreground with its first window.
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other{};
    char command[] = "notepad.exe";
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &other))
        GTEST_SKIP() << "no other program to start here";
    WaitForInputIdle(other.hProcess, 10000);
    const bool otherInFront = PumpUntil(
        [] {
            DWORD process = 0;
            HWND front = GetForegroundWindow();
            if (front)
                GetWindowThreadProcessId(front, &process);
            return front && process != GetCurrentProcessId();
        },
        10000);
    const bool hidden = PumpUntil([] { return ShownHint() == nullptr; });
    TerminateProcess(other.hProcess, 0);
    WaitForSingleObject(other.hProcess, 10000);
    CloseHandle(other.hThread);
    CloseHandle(other.hProcess);
    if (!otherInFront)
        GTEST_SKIP() << "the other program never took the foreground";
    EXPECT_TRUE(hidden);
}

TEST_F(Hints, CancelHintHidesAPendingHintToo) {
    app.SetHintPause(300);
    MovePointerTo(FormWindow(), 30, 30);
    app.CancelHint();
    PumpFor(500);
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, FromOneShownHintToTheNextControlTheShortPauseApplies) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    app.SetHintPause(60000); // only the short pause can bring the next hint in time
    MovePointerTo(FormWindow(), 120, 30);
    EXPECT_TRUE(PumpUntil([] { return ShownHint() && HintText() == "Save"; }));
    EXPECT_EQ(Tracked(), form.right.get());
}

TEST_F(Hints, AfterTheShortPauseFromTheFormTheFullPauseApplies) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    MovePointerTo(FormWindow(), 5, 150); // hides: the next one starts afresh
    app.SetHintPause(60000);
    MovePointerTo(FormWindow(), 120, 30);
    PumpFor(300);
    EXPECT_EQ(ShownHint(), nullptr);
    EXPECT_EQ(Tracked(), form.right.get());
}

TEST_F(Hints, NoHintWithoutShortText) {
    form.left->SetHint("|Only a long hint");
    form.right->SetHint("");
    MovePointerTo(FormWindow(), 30, 30);
    PumpFor(200);
    EXPECT_EQ(ShownHint(), nullptr);
    MovePointerTo(FormWindow(), 120, 30);
    PumpFor(200);
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, NoHintForHiddenOrDisabledControlsAndHidingOneHidesItsHint) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    form.left->SetShowing(false);
    EXPECT_TRUE(PumpUntil([] { return ShownHint() == nullptr; }));

    form.left->SetShowing(true);
    MovePointerTo(FormWindow(), 5, 150);
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    form.left->SetEnabled(false);
    EXPECT_TRUE(PumpUntil([] { return ShownHint() == nullptr; }));
    MovePointerTo(FormWindow(), 5, 150);
    MovePointerTo(FormWindow(), 30, 30);
    PumpFor(200);
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, HidingTheFormHidesTheHint) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    form.Hide();
    EXPECT_TRUE(PumpUntil([] { return ShownHint() == nullptr; }));
    EXPECT_TRUE(PumpUntil([&] { return Tracked() == nullptr; }));
}

TEST_F(Hints, ApplicationSwitchOffHidesAndPreventsHints) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    app.SetShowHint(false);
    EXPECT_EQ(ShownHint(), nullptr);
    MovePointerTo(FormWindow(), 120, 30);
    PumpFor(200);
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, SwitchingTheControlsShowHintOffHidesItsHint) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    form.left->SetShowHint(false);
    EXPECT_TRUE(PumpUntil([] { return ShownHint() == nullptr; }));
}

TEST_F(Hints, ControlDestroyedWhileItsHintIsPending) {
    app.SetHintPause(150);
    MovePointerTo(FormWindow(), 30, 30);
    EXPECT_EQ(Tracked(), form.left.get());
    form.left.reset();
    EXPECT_EQ(Tracked(), nullptr);
    PumpFor(400);
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, ControlDestroyedWhileItsHintShows) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    form.left.reset();
    EXPECT_EQ(ShownHint(), nullptr);
    EXPECT_EQ(Tracked(), nullptr);
    PumpFor(300); // the poll must not touch the control
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, ControlDestroyedByItsOwnMouseMove) {
    form.left->OnMouseMove = [this](qv::Component&, qv::TShiftState, int, int) {
        form.left.reset();
    };
    MovePointerTo(FormWindow(), 30, 30);
    EXPECT_EQ(Tracked(), nullptr);
    PumpFor(200);
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, HintWindowIsReusedAcrossHints) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    HWND first = ShownHint();
    MovePointerTo(FormWindow(), 5, 150);
    ASSERT_TRUE(HintFor(*form.right, "Save"));
    EXPECT_EQ(ShownHint(), first);
}

// --- Which ShowHint a control follows ----------------------------------------------------------

TEST_F(Hints, ControlsFollowTheirFormByDefault) {
    EXPECT_TRUE(form.left->ParentShowHint());
    EXPECT_TRUE(form.left->ShowHint());
    form.SetShowHint(false);
    EXPECT_FALSE(form.left->ShowHint());
    EXPECT_FALSE(form.ParentShowHint()); // a form has no parent to follow
    MovePointerTo(FormWindow(), 30, 30);
    PumpFor(200);
    EXPECT_EQ(ShownHint(), nullptr);

    // Its own ShowHint detaches the control from the form.
    form.left->SetShowHint(true);
    EXPECT_FALSE(form.left->ParentShowHint());
    MovePointerTo(FormWindow(), 5, 150);
    EXPECT_TRUE(HintFor(*form.left, "Open"));

    form.SetShowHint(true);
    form.left->SetShowHint(false);
    EXPECT_FALSE(form.left->ShowHint());
    form.left->SetParentShowHint(true);
    EXPECT_TRUE(form.left->ShowHint());
}

TEST_F(Hints, FormsShowNoHintsUntilAsked) {
    HintForm fresh;
    EXPECT_FALSE(fresh.ShowHint());
    EXPECT_FALSE(fresh.left->ShowHint());
    EXPECT_TRUE(fresh.panel.ParentShowHint());
    EXPECT_FALSE(fresh.inner->ShowHint());
}

TEST_F(Hints, AContainerInBetweenPassesTheFormsValueOrItsOwn) {
    EXPECT_TRUE(form.panel.ParentShowHint());
    EXPECT_TRUE(form.panel.ShowHint());
    EXPECT_TRUE(form.inner->ShowHint());
    EXPECT_TRUE(HintFor(*form.inner, "Inner"));

    form.SetShowHint(false);
    EXPECT_FALSE(form.inner->ShowHint());
    EXPECT_TRUE(PumpUntil([] { return ShownHint() == nullptr; }));

    form.panel.SetShowHint(true); // the panel's own value now
    EXPECT_FALSE(form.panel.ParentShowHint());
    EXPECT_TRUE(form.inner->ShowHint());
    form.SetShowHint(true);
    form.panel.SetShowHint(false);
    EXPECT_FALSE(form.inner->ShowHint());
    EXPECT_TRUE(form.left->ShowHint());
    form.panel.SetParentShowHint(true);
    EXPECT_TRUE(form.inner->ShowHint());
}

TEST_F(Hints, ABareHostHasItsOwnValue) {
    qv::GraphicHost host;
    Box box(host, 0, 0, 10, 10);
    EXPECT_FALSE(host.ShowHint());
    EXPECT_FALSE(box.ShowHint());
    host.SetShowHint(true);
    EXPECT_TRUE(box.ShowHint());
}

TEST_F(Hints, PointerOverAChildWindowIsNotOverTheControlsBehindIt) {
    // The panel covers part of the form's client area; a form control under it never shows.
    Box hidden(form.Graphics(), 210, 100, 50, 50);
    hidden.SetHint("Behind");
    POINT p{230, 120};
    ClientToScreen(FormWindow(), &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(FormWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(230, 120));
    PumpFor(300);
    EXPECT_NE(HintText(), "Behind");
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, StaysOnTheScreenAndGoesAboveThePointerWhenNoRoomBelow) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const SIZE size{60, 20};
    RECT corner = qv::HintBoundsAt(POINT{width - 5, height - 5}, size);
    EXPECT_EQ(corner.right, width);
    EXPECT_EQ(corner.bottom, height - 5); // its bottom edge at the pointer
    EXPECT_EQ(corner.bottom - corner.top, 20);
    RECT topLeft = qv::HintBoundsAt(POINT{0, 0}, size);
    EXPECT_EQ(topLeft.left, 0);
    EXPECT_GT(topLeft.top, 0);
    EXPECT_EQ(topLeft.right - topLeft.left, 60);
}

TEST_F(Hints, FromAFormControlToAPanelControlTheQuickSuccessionGoesOn) {
    ASSERT_TRUE(HintFor(*form.left, "Open"));
    app.SetHintPause(60000);
    // Straight onto the panel's control: the form's hint goes, the panel's comes quickly.
    MovePointerTo(form.panel.Handle(), 30, 30);
    EXPECT_EQ(Tracked(), form.inner.get());
    EXPECT_TRUE(PumpUntil([] { return ShownHint() && HintText() == "Inner"; }));
}
