#include "GraphicProbe.h"
#include "support/Pump.h"
#include <gtest/gtest.h>

using Events = std::vector<std::string>;

TEST(GraphicMouse, PressAndReleaseOverTheControlIsAClickWithRelativeCoordinates) {
    ProbeForm form;
    form.Add("a", 20, 30, 50, 40);
    form.Mouse(WM_LBUTTONDOWN, 25, 35, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), form.panel.Handle()) << "the press captures the mouse";
    EXPECT_EQ(form.panel.Graphics().CaptureControl()->Name(), "a");
    form.Mouse(WM_MOUSEMOVE, 30, 36, MK_LBUTTON);
    form.Mouse(WM_LBUTTONUP, 30, 36);
    EXPECT_EQ(form.events, (Events{"down:a:L:L:5,5", "move:a:L:10,6", "click:a", "up:a:L:10,6"}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(form.panel.Graphics().CaptureControl(), nullptr);
}

TEST(GraphicMouse, ReleaseOutsideIsNoClickButTheCapturedControlHearsEverything) {
    ProbeForm form;
    form.Add("a", 20, 30, 50, 40);
    form.Add("b", 100, 30, 50, 40);
    form.Mouse(WM_LBUTTONDOWN, 21, 31, MK_LBUTTON);
    form.Mouse(WM_MOUSEMOVE, 110, 35, MK_LBUTTON); // over b, but a holds the mouse
    form.Mouse(WM_LBUTTONUP, 110, 35);
    EXPECT_EQ(form.events, (Events{"down:a:L:L:1,1", "move:a:L:90,5", "up:a:L:90,5"}));
    EXPECT_EQ(GetCapture(), nullptr);
    // Coming back before the release makes it a click again.
    form.events.clear();
    form.Mouse(WM_LBUTTONDOWN, 21, 31, MK_LBUTTON);
    form.Mouse(WM_MOUSEMOVE, 200, 99, MK_LBUTTON);
    form.Mouse(WM_LBUTTONUP, 69, 69);
    EXPECT_EQ(form.events,
              (Events{"down:a:L:L:1,1", "move:a:L:180,69", "click:a", "up:a:L:49,39"}));
}

TEST(GraphicMouse, DoubleClickRaisesDblClickAndADoublePressButOneClickOnly) {
    ProbeForm form;
    form.Add("a", 0, 0, 50, 50);
    form.Mouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    form.Mouse(WM_LBUTTONUP, 5, 5);
    form.Mouse(WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    form.Mouse(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(form.events, (Events{"down:a:L:L:5,5", "click:a", "up:a:L:5,5", "dblclick:a",
                                   "down:a:L:LD:5,5", "up:a:L:5,5"}));
}

TEST(GraphicMouse, RealDoubleClicksReachTheControlsOfAPanel) {
    ProbeForm form;
    form.Add("a", 0, 0, 50, 50);
    // The panel's window class asks for double clicks, so Windows makes the second press one.
    EXPECT_TRUE(GetClassLongA(form.panel.Handle(), GCL_STYLE) & CS_DBLCLKS);
}

TEST(GraphicMouse, TheTopmostShowingEnabledControlGetsThePress) {
    ProbeForm form;
    Probe& under = form.Add("under", 0, 0, 100, 100);
    Probe& over = form.Add("over", 50, 50, 100, 50);
    form.Mouse(WM_LBUTTONDOWN, 60, 60, MK_LBUTTON);
    form.Mouse(WM_LBUTTONUP, 60, 60);
    over.SetEnabled(false);
    form.Mouse(WM_LBUTTONDOWN, 60, 60, MK_LBUTTON);
    form.Mouse(WM_LBUTTONUP, 60, 60);
    over.SetEnabled(true);
    over.SetShowing(false);
    form.Mouse(WM_MOUSEMOVE, 61, 61);
    EXPECT_EQ(form.events, (Events{"down:over:L:L:10,10", "click:over", "up:over:L:10,10",
                                   "down:under:L:L:60,60", "click:under", "up:under:L:60,60",
                                   "move:under:61,61"}));
    EXPECT_EQ(form.panel.Graphics().ControlAt(POINT{60, 60}), &under);
    under.SetEnabled(false);
    EXPECT_EQ(form.panel.Graphics().ControlAt(POINT{60, 60}), nullptr);
    EXPECT_EQ(form.panel.Graphics().ControlAt(POINT{60, 60}, true), &under);
}

TEST(GraphicMouse, RightAndMiddleButtonsWithShiftKeysButNoClick) {
    ProbeForm form;
    form.Add("a", 10, 10, 50, 50);
    form.Mouse(WM_RBUTTONDOWN, 12, 13, MK_RBUTTON | MK_SHIFT | MK_CONTROL);
    form.Mouse(WM_RBUTTONUP, 12, 13, MK_SHIFT);
    form.Mouse(WM_MBUTTONDOWN, 14, 15, MK_MBUTTON);
    form.Mouse(WM_MBUTTONUP, 14, 15);
    EXPECT_EQ(form.events,
              (Events{"down:a:R:SCR:2,3", "up:a:R:S:2,3", "down:a:M:M:4,5", "up:a:M:4,5"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(GraphicMouse, MouseOverNoControlIsLeftToTheHost) {
    ProbeForm form;
    form.Add("a", 10, 10, 20, 20);
    LRESULT result = 1;
    EXPECT_FALSE(form.panel.Graphics().HandleMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                                                     MAKELPARAM(150, 80), result));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(form.events.empty());
}

TEST(GraphicMouse, AControlDestroyedByItsClickGetsNoMoreEventsAndTheMouseIsFree) {
    ProbeForm form;
    Probe& a = form.Add("a", 10, 10, 20, 20);
    a.OnClick = [&](qv::Component&) {
        form.events.push_back("click");
        form.Destroy(a);
    };
    form.Mouse(WM_LBUTTONDOWN, 15, 15, MK_LBUTTON);
    form.Mouse(WM_LBUTTONUP, 15, 15);
    EXPECT_EQ(form.events, (Events{"down:a:L:L:5,5", "click"}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(form.panel.Graphics().Controls().empty());
}

TEST(GraphicMouse, AControlDestroyedWhileHoldingTheMouseReleasesIt) {
    ProbeForm form;
    Probe& a = form.Add("a", 10, 10, 20, 20);
    form.Add("b", 100, 10, 20, 20);
    form.Mouse(WM_LBUTTONDOWN, 15, 15, MK_LBUTTON);
    ASSERT_EQ(GetCapture(), form.panel.Handle());
    form.Destroy(a);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(form.panel.Graphics().CaptureControl(), nullptr);
    form.Mouse(WM_LBUTTONUP, 105, 15); // lands on b: an up without a press, no click
    EXPECT_EQ(form.events, (Events{"down:a:L:L:5,5", "up:b:L:5,5"}));
}

TEST(GraphicMouse, AnotherWindowTakingTheMouseCancelsTheClick) {
    ProbeForm form;
    form.Add("a", 10, 10, 20, 20);
    form.Mouse(WM_LBUTTONDOWN, 15, 15, MK_LBUTTON);
    SetCapture(form.Handle());
    ReleaseCapture();
    form.Mouse(WM_LBUTTONUP, 15, 15);
    EXPECT_EQ(form.events, (Events{"down:a:L:L:5,5", "up:a:L:5,5"}));
}

TEST(GraphicMouse, ControlsOnTheFormItselfAreRoutedToo) {
    ProbeForm form;
    std::vector<std::string> events;
    Probe onForm(form.Graphics(), "f", events);
    onForm.SetBounds(220, 10, 40, 40);
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(230, 20));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(230, 20));
    EXPECT_EQ(events, (Events{"down:f:L:L:10,10", "click:f", "up:f:L:10,10"}));
}
