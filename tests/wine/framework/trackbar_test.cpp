#include "TestForm.h"
#include "support/Pump.h"
#include <commctrl.h>
#include <gtest/gtest.h>

using qvtest::PressKey;

TEST(TrackBar, IsAHorizontalComctlBarWithTicksBelow) {
    TestForm form;
    EXPECT_EQ(qvtest::ClassOf(form.bar.Handle()), TRACKBAR_CLASSA);
    LONG style = GetWindowLongA(form.bar.Handle(), GWL_STYLE);
    EXPECT_EQ(style & TBS_VERT, 0);
    EXPECT_EQ(style & TBS_TOP, 0); // ticks below (TBS_BOTTOM is the absence of TBS_TOP)
    EXPECT_TRUE(style & TBS_AUTOTICKS);
    EXPECT_EQ(form.bar.LineSize(), 16);
    EXPECT_EQ(form.bar.PageSize(), 3000);
    EXPECT_EQ(form.bar.TickFrequency(), 32);
    // Ticks every 32 from 16: 48, 80, ... inside the range (the ends are drawn anyway).
    EXPECT_EQ(SendMessageA(form.bar.Handle(), TBM_GETTIC, 0, 0), 48);
}

TEST(TrackBar, ProgramPositionIsHeldToTheRangeAndRaisesNothing) {
    TestForm form;
    form.bar.SetPosition(5000);
    EXPECT_EQ(form.bar.Position(), 1024);
    form.bar.SetPosition(-3);
    EXPECT_EQ(form.bar.Position(), 16);
    form.bar.SetPosition(700);
    EXPECT_EQ(form.bar.Position(), 700);
    qvtest::PumpFor(30);
    EXPECT_TRUE(form.events.empty());
}

TEST(TrackBar, LoweringTheMaximumMovesThePositionSilently) {
    TestForm form;
    form.bar.SetPosition(900);
    form.bar.SetMax(600);
    EXPECT_EQ(form.bar.Max(), 600);
    EXPECT_EQ(form.bar.Position(), 600);
    form.bar.SetMax(2000);
    EXPECT_EQ(form.bar.Position(), 600);
    qvtest::PumpFor(30);
    EXPECT_TRUE(form.events.empty());
}

TEST(TrackBar, EveryScrollNotificationRaisesChangeOnce) {
    TestForm form;
    // As the control sends them: one notification, one event, position unchanged or not.
    SendMessageA(form.box.Handle(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                 reinterpret_cast<LPARAM>(form.bar.Handle()));
    EXPECT_EQ(form.Count("bar"), 1);
    SendMessageA(form.box.Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 512),
                 reinterpret_cast<LPARAM>(form.bar.Handle()));
    EXPECT_EQ(form.Count("bar"), 2);
}

TEST(TrackBar, KeysMoveByLineAndPageAndRaiseChangeForEachNotification) {
    TestForm form;
    qvtest::FocusWindow(form.bar.Handle());
    ASSERT_EQ(GetFocus(), form.bar.Handle());

    PressKey(VK_RIGHT); // TB_LINEDOWN on the key press, TB_ENDTRACK on its release
    EXPECT_EQ(form.bar.Position(), 528);
    EXPECT_EQ(form.Count("bar"), 2);

    form.events.clear();
    PressKey(VK_NEXT); // a page of 3000 reaches the end of a 16..1024 bar
    EXPECT_EQ(form.bar.Position(), 1024);
    EXPECT_EQ(form.Count("bar"), 2);

    form.events.clear();
    PressKey(VK_HOME);
    EXPECT_EQ(form.bar.Position(), 16);
    form.events.clear();
    PressKey(VK_HOME); // already at the lower end: the position stays, the user is notified
    EXPECT_EQ(form.bar.Position(), 16);
    EXPECT_GE(form.Count("bar"), 1);
}
