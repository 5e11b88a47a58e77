// Drag and drop between graphic controls, driven by real mouse messages.
#include "DragTest.h"
#include <gtest/gtest.h>

using namespace qvtest;
using Events = std::vector<std::string>;

namespace {

// One host window with a source and a drop target side by side.
struct DragTest : ::testing::Test {
    HostWindow win{40, 40, 200, 120};
    Log log;
    Box src{win.Host(), "src", 10, 10};  // (10,10)-(60,50)
    Box dst{win.Host(), "dst", 100, 10}; // (100,10)-(150,50)
    HWND w = win.Window();

    void SetUp() override {
        Record(src, log, false);
        Record(dst, log, true);
    }
    void TearDown() override {
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(qv::DragSource(), nullptr);
    }
    // A press on the source that begins its drag from OnMouseDown.
    void PressToDrag(bool immediate, int threshold = -1) {
        src.OnMouseDown = [this, immediate, threshold](qv::Component& s, qv::TMouseButton,
                                                       qv::TShiftState, int x, int y) {
            log.push_back("down:" + s.Name() + ":" + At(x, y));
            src.BeginDrag(immediate, threshold);
        };
        PlacePointer(w, 20, 20);
        Press(w, 20, 20);
    }
};

TEST_F(DragTest, DropOnAcceptingTargetRunsTheWholeChain) {
    PressToDrag(true);
    EXPECT_TRUE(src.Dragging());
    ASSERT_NE(GetCapture(), nullptr);
    EXPECT_NE(GetCapture(), w); // a window of the drag's own holds the mouse
    EXPECT_TRUE(ShowsCursor(qv::crNoDrop)) << "the source itself accepts nothing";
    MoveHeld(w, 110, 15);
    EXPECT_TRUE(ShowsCursor(qv::crDrag));
    MoveHeld(w, 112, 16);
    Release(w, 112, 16);
    EXPECT_EQ(
        log, (Events{"down:src:10,10", "startdrag:src", "over:dst:enter:10,5", "over:dst:move:12,6",
                     "over:dst:leave:12,6", "drop:dst:src:12,6", "enddrag:src:dst:12,6"}));
    EXPECT_FALSE(src.Dragging());
}

TEST_F(DragTest, ReleaseElsewhereMovesFirstThenDrops) {
    src.SetDragCursor(qv::crMultiDrag);
    PressToDrag(true);
    MoveHeld(w, 5, 60); // over no control
    EXPECT_TRUE(ShowsCursor(qv::crNoDrop));
    MoveHeld(w, 120, 30);
    EXPECT_TRUE(ShowsCursor(qv::crMultiDrag));
    Release(w, 101, 11); // a position no move reported
    EXPECT_EQ(
        log, (Events{"down:src:10,10", "startdrag:src", "over:dst:enter:20,20", "over:dst:move:1,1",
                     "over:dst:leave:1,1", "drop:dst:src:1,1", "enddrag:src:dst:1,1"}));
}

TEST_F(DragTest, ReleaseOverNothingCancels) {
    PressToDrag(true);
    MoveHeld(w, 110, 15);
    MoveHeld(w, 170, 90);
    Release(w, 170, 90);
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "over:dst:enter:10,5",
                           "over:dst:leave:70,80", "enddrag:src:nil:0,0"}));
}

TEST_F(DragTest, TargetThatRefusesGetsNoDrop) {
    bool accept = false;
    Record(dst, log, true, &accept);
    PressToDrag(true);
    MoveHeld(w, 110, 15);
    EXPECT_TRUE(ShowsCursor(qv::crNoDrop));
    accept = true;
    MoveHeld(w, 111, 15);
    EXPECT_TRUE(ShowsCursor(qv::crDrag));
    accept = false; // the last word, at the release, refuses
    Release(w, 111, 15);
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "over:dst:enter:10,5",
                           "over:dst:move:11,5", "over:dst:leave:11,5", "enddrag:src:nil:0,0"}));
}

TEST_F(DragTest, ControlWithoutDragOverHandlerAcceptsNothing) {
    Box plain{win.Host(), "plain", 10, 70};
    Record(plain, log, false);
    plain.OnDragDrop = [this](qv::Component&, qv::Component&, int, int) {
        log.push_back("drop:plain");
    };
    PressToDrag(true);
    MoveHeld(w, 20, 80);
    EXPECT_TRUE(ShowsCursor(qv::crNoDrop));
    Release(w, 20, 80);
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "enddrag:src:nil:0,0"}));
}

TEST_F(DragTest, HiddenAndDisabledControlsAreNoTargets) {
    dst.SetEnabled(false);
    PressToDrag(true);
    MoveHeld(w, 110, 15);
    EXPECT_TRUE(ShowsCursor(qv::crNoDrop));
    dst.SetEnabled(true);
    dst.SetShowing(false);
    MoveHeld(w, 111, 15);
    Release(w, 111, 15);
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "enddrag:src:nil:0,0"}));
}

TEST_F(DragTest, SourceCanBeItsOwnTarget) {
    Record(src, log, true);
    PressToDrag(true);
    EXPECT_TRUE(ShowsCursor(qv::crDrag));
    Release(w, 30, 25);
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "over:src:enter:10,10",
                           "over:src:move:20,15", "over:src:leave:20,15", "drop:src:src:20,15",
                           "enddrag:src:src:20,15"}));
}

TEST_F(DragTest, BelowThresholdReleaseIsAClick) {
    PressToDrag(false);
    EXPECT_EQ(GetCapture(), w); // the host keeps the press
    MoveHeld(w, 23, 20);
    EXPECT_FALSE(src.Dragging());
    EXPECT_EQ(qv::DragSource(), &src);
    Release(w, 23, 20);
    EXPECT_EQ(log, (Events{"down:src:10,10", "click:src", "up:src"}));
}

TEST_F(DragTest, ThresholdMoveStartsTheDrag) {
    PressToDrag(false);
    MoveHeld(w, 23, 20);
    MoveHeld(w, 20, 26); // 6 pixels from the press
    EXPECT_TRUE(src.Dragging());
    EXPECT_NE(GetCapture(), w);
    Release(w, 110, 15);
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "over:dst:enter:10,5",
                           "over:dst:leave:10,5", "drop:dst:src:10,5", "enddrag:src:dst:10,5"}));
}

TEST_F(DragTest, ThresholdOfTheCallAndOfTheApplication) {
    PressToDrag(false, 10);
    MoveHeld(w, 26, 20);
    EXPECT_FALSE(src.Dragging());
    MoveHeld(w, 30, 20);
    EXPECT_TRUE(src.Dragging());
    src.EndDrag(false);
    log.clear();
    qv::Application::Instance().SetDragThreshold(2);
    PressToDrag(false);
    MoveHeld(w, 22, 20);
    EXPECT_TRUE(src.Dragging());
    qv::Application::Instance().SetDragThreshold(5);
    src.EndDrag(false);
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "enddrag:src:nil:0,0"}));
}

TEST_F(DragTest, AutomaticModeDragsInsteadOfPressing) {
    src.SetDragMode(qv::dmAutomatic);
    Press(w, 20, 20);
    EXPECT_TRUE(src.Dragging());
    Release(w, 110, 15);
    EXPECT_EQ(log, (Events{"startdrag:src", "over:dst:enter:10,5", "over:dst:leave:10,5",
                           "drop:dst:src:10,5", "enddrag:src:dst:10,5"}));
    log.clear();
    // A double click is still the control's.
    SendMouse(w, WM_LBUTTONDBLCLK, MK_LBUTTON, 20, 20);
    Release(w, 20, 20);
    EXPECT_EQ(log, (Events{"down:src:10,10", "up:src"}));
}

TEST_F(DragTest, AutomaticModeWithThresholdNeverClicks) {
    qv::Application& app = qv::Application::Instance();
    app.SetDragImmediate(false);
    src.SetDragMode(qv::dmAutomatic);
    Press(w, 20, 20);
    EXPECT_FALSE(src.Dragging());
    MoveHeld(w, 23, 22);
    Release(w, 23, 22);
    EXPECT_EQ(log, Events{});
    EXPECT_EQ(GetCapture(), nullptr);
    Press(w, 20, 20);
    MoveHeld(w, 25, 20);
    app.SetDragImmediate(true);
    EXPECT_TRUE(src.Dragging());
    Release(w, 25, 20);
    EXPECT_EQ(log, (Events{"startdrag:src", "enddrag:src:nil:0,0"}));
}

TEST_F(DragTest, EscapeThroughTheMessageLoopCancels) {
    PressToDrag(true);
    MoveHeld(w, 110, 15);
    MSG escape{w, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    qv::Application::Instance().Process(escape);
    EXPECT_FALSE(src.Dragging());
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "over:dst:enter:10,5",
                           "over:dst:leave:10,5", "enddrag:src:nil:0,0"}));
}

TEST_F(DragTest, RightButtonCancels) {
    PressToDrag(true);
    MoveHeld(w, 110, 15);
    SendMouse(w, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 112, 15);
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "over:dst:enter:10,5",
                           "over:dst:leave:10,5", "enddrag:src:nil:0,0"}));
}

TEST_F(DragTest, CaptureTakenByAnotherWindowCancels) {
    HostWindow other(400, 300, 50, 50);
    PressToDrag(true);
    MoveHeld(w, 110, 15);
    SetCapture(other.Window());
    EXPECT_FALSE(src.Dragging());
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "over:dst:enter:10,5",
                           "over:dst:leave:10,5", "enddrag:src:nil:0,0"}));
    ReleaseCapture();
}

TEST_F(DragTest, EndDragByProgram) {
    PressToDrag(true);
    MoveHeld(w, 110, 15);
    src.EndDrag(false);
    PressToDrag(true);
    MoveHeld(w, 120, 20);
    PlacePointer(w, 120, 20);
    dst.EndDrag(true); // not dst's drag: nothing
    src.EndDrag(true);
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "over:dst:enter:10,5",
                           "over:dst:leave:10,5", "enddrag:src:nil:0,0", "down:src:10,10",
                           "startdrag:src", "over:dst:enter:20,10", "over:dst:leave:20,10",
                           "drop:dst:src:20,10", "enddrag:src:dst:20,10"}));
}

TEST_F(DragTest, HostMessagesDuringTheDragGoToTheDrag) {
    src.OnMouseMove = [this](qv::Component&, qv::TShiftState, int, int) {
        log.push_back("move:src");
    };
    PressToDrag(true);
    SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(110, 15));
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(110, 15));
    EXPECT_EQ(log, (Events{"down:src:10,10", "startdrag:src", "over:dst:enter:10,5",
                           "over:dst:leave:10,5", "drop:dst:src:10,5", "enddrag:src:dst:10,5"}));
}

TEST_F(DragTest, OneDragAtATime) {
    PressToDrag(true);
    dst.BeginDrag(true);
    EXPECT_FALSE(dst.Dragging());
    EXPECT_TRUE(src.Dragging());
    Release(w, 170, 90);
    // A handler may start the next drag as the last one ends.
    src.OnEndDrag = [this](qv::Component&, qv::Component*, int, int) {
        log.push_back("enddrag");
        if (!dst.Dragging() && log.size() < 10)
            dst.BeginDrag(true);
    };
    PressToDrag(true);
    Release(w, 170, 90);
    EXPECT_TRUE(dst.Dragging());
    EXPECT_EQ(qv::DragSource(), &dst);
    dst.EndDrag(false);
    EXPECT_EQ(log,
              (Events{"down:src:10,10", "startdrag:src", "enddrag:src:nil:0,0", "down:src:10,10",
                      "startdrag:src", "enddrag", "startdrag:dst", "enddrag:dst:nil:0,0"}));
}

} // namespace
