// Drags across host windows, onto and from the animated image control, and controls destroyed
// in the middle of a drag.
#include "DragTest.h"
#include "framework/Container.h"
#include "framework/Exceptions.h"
#include "framework/Form.h"
#include "support/Recorders.h"
#include "widgets/GIFImage/GIFImage.h"
#include <gtest/gtest.h>
#include <array>
#include <memory>

using namespace qvtest;
using Events = std::vector<std::string>;

namespace {

struct DragLifetimeTest : ::testing::Test {
    HostWindow win{40, 40, 200, 120};
    Log log;
    std::unique_ptr<Box> src = std::make_unique<Box>(win.Host(), "src", 10, 10);
    std::unique_ptr<Box> dst = std::make_unique<Box>(win.Host(), "dst", 100, 10);
    HWND w = win.Window();

    void SetUp() override {
        Record(*src, log, false);
        Record(*dst, log, true);
        src->SetDragMode(qv::dmAutomatic);
    }
    void TearDown() override {
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(qv::DragSource(), nullptr);
    }
};

TEST_F(DragLifetimeTest, TargetDestroyedMidDragIsForgotten) {
    Press(w, 20, 20);
    MoveHeld(w, 110, 15);
    EXPECT_TRUE(ShowsCursor(qv::crDrag));
    dst.reset();
    EXPECT_TRUE(ShowsCursor(qv::crNoDrop));
    MoveHeld(w, 112, 15);
    Release(w, 112, 15);
    EXPECT_EQ(log, (Events{"startdrag:src", "over:dst:enter:10,5", "enddrag:src:nil:0,0"}));
}

TEST_F(DragLifetimeTest, TargetDestroyedByItsOwnDrop) {
    dst->OnDragDrop = [this](qv::Component&, qv::Component&, int, int) {
        log.push_back("drop");
        dst.reset();
    };
    Press(w, 20, 20);
    Release(w, 110, 15);
    EXPECT_EQ(log, (Events{"startdrag:src", "over:dst:enter:10,5", "over:dst:leave:10,5", "drop",
                           "enddrag:src:nil:0,0"}));
}

TEST_F(DragLifetimeTest, SourceDestroyedMidDragEndsItWithoutEventsToIt) {
    Press(w, 20, 20);
    MoveHeld(w, 110, 15);
    HWND capture = GetCapture();
    src.reset();
    EXPECT_EQ(GetCapture(), nullptr);
    // Messages still on their way to the drag's window change nothing.
    SendMessageA(capture, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 0));
    SendMessageA(capture, WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(log, (Events{"startdrag:src", "over:dst:enter:10,5", "over:dst:leave:10,5"}));
}

TEST_F(DragLifetimeTest, SourceDestroyedByTheDropGetsNoEndDrag) {
    dst->OnDragDrop = [this](qv::Component&, qv::Component& source, int, int) {
        log.push_back("drop:" + source.Name());
        src.reset();
    };
    Press(w, 20, 20);
    Release(w, 110, 15);
    EXPECT_EQ(log,
              (Events{"startdrag:src", "over:dst:enter:10,5", "over:dst:leave:10,5", "drop:src"}));
}

TEST_F(DragLifetimeTest, SourceDestroyedWhileWaitingForTheThreshold) {
    src->SetDragMode(qv::dmManual);
    src->OnMouseDown = [this](qv::Component&, qv::TMouseButton, qv::TShiftState, int, int) {
        src->BeginDrag(false);
    };
    PlacePointer(w, 20, 20);
    Press(w, 20, 20);
    EXPECT_EQ(qv::DragSource(), src.get());
    src.reset();
    EXPECT_EQ(GetCapture(), nullptr); // the host gave up the press
    EXPECT_EQ(log, Events{});
}

TEST_F(DragLifetimeTest, SourceDestroyedInOnStartDrag) {
    src->OnStartDrag = [this](qv::Component&) {
        log.push_back("start");
        src.reset();
    };
    Press(w, 20, 20);
    EXPECT_EQ(log, Events{"start"});
}

TEST_F(DragLifetimeTest, DragIntoAnotherHostWindow) {
    HostWindow second(300, 40, 200, 120);
    Box remote(second.Host(), "remote", 20, 20);
    Record(remote, log, true);
    Press(w, 20, 20);
    MoveHeld(w, 110, 15);
    MoveHeld(second.Window(), 30, 25);
    EXPECT_TRUE(ShowsCursor(qv::crDrag));
    Release(second.Window(), 31, 26);
    EXPECT_EQ(log,
              (Events{"startdrag:src", "over:dst:enter:10,5", "over:dst:leave:190,15",
                      "over:remote:enter:10,5", "over:remote:move:11,6", "over:remote:leave:11,6",
                      "drop:remote:src:11,6", "enddrag:src:remote:11,6"}));
}

// A form with a panel: both host graphic controls through the framework's own windows.
class PanelForm : public qv::Form {
public:
    qv::Panel panel;
    PanelForm() {
        CreateForm(qv::FormSpec{"Drag", 300, 150});
        const std::array<qv::Placement, 1> layout{
            {{panel, *this, "panel", 100, 10, 150, 100, -1, nullptr, nullptr, true, 0}}};
        qv::PlaceControls(layout);
    }
};

TEST_F(DragLifetimeTest, FromAFormOntoItsPanelAndEscape) {
    PanelForm form;
    Box onForm(form.Graphics(), "onForm", 10, 10);
    Box onPanel(form.panel.Graphics(), "onPanel", 10, 10);
    Record(onForm, log, false);
    Record(onPanel, log, true);
    onForm.SetDragMode(qv::dmAutomatic);
    form.Show();
    qv::Application::Instance().ProcessMessages();
    HWND f = form.Handle(), p = form.panel.Handle();

    Press(f, 20, 20);
    MoveHeld(p, 20, 15);
    MSG escape{f, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    qv::Application::Instance().Process(escape); // the drag's, not the form's cancel key
    EXPECT_EQ(GetCapture(), nullptr);
    Press(f, 20, 20);
    MoveHeld(p, 20, 15);
    Release(p, 21, 15);
    EXPECT_EQ(log, (Events{"startdrag:onForm", "over:onPanel:enter:10,5", "over:onPanel:leave:10,5",
                           "enddrag:onForm:nil:0,0", "startdrag:onForm", "over:onPanel:enter:10,5",
                           "over:onPanel:move:11,5", "over:onPanel:leave:11,5",
                           "drop:onPanel:onForm:11,5", "enddrag:onForm:onPanel:11,5"}));
    EXPECT_TRUE(IsWindowVisible(f));
}

TEST_F(DragLifetimeTest, FailingHandlersShowTheErrorBoxAndLeaveNoDragBehind) {
    MessageBoxRecorder boxes;
    PanelForm form;
    Box onForm(form.Graphics(), "onForm", 10, 10);
    Box onPanel(form.panel.Graphics(), "onPanel", 10, 10);
    Record(onForm, log, false);
    Record(onPanel, log, true);
    onForm.SetDragMode(qv::dmAutomatic);
    onForm.OnStartDrag = [](qv::Component&) { throw qv::Exception("Cannot drag this"); };
    form.Show();
    qv::Application::Instance().ProcessMessages();
    HWND f = form.Handle(), p = form.panel.Handle();

    Press(f, 20, 20);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Cannot drag this.");
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(qv::DragSource(), nullptr);

    Record(onForm, log, false);
    auto recordOver = onPanel.OnDragOver;
    onPanel.OnDragOver = [&](qv::Component& s, qv::Component& source, int x, int y,
                             qv::TDragState state, bool& accept) {
        recordOver(s, source, x, y, state, accept);
        if (state == qv::dsDragEnter)
            throw qv::Exception("Cannot look at it");
    };
    Press(f, 20, 20);
    MoveHeld(p, 20, 15);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_TRUE(onForm.Dragging()) << "the drag goes on";
    EXPECT_TRUE(ShowsCursor(qv::crNoDrop));
    MoveHeld(p, 21, 15);
    EXPECT_TRUE(ShowsCursor(qv::crDrag));
    Release(p, 21, 15);
    EXPECT_EQ(log, (Events{"startdrag:onForm", "over:onPanel:enter:10,5", "over:onPanel:move:11,5",
                           "over:onPanel:leave:11,5", "drop:onPanel:onForm:11,5",
                           "enddrag:onForm:onPanel:11,5"}));
}

TEST_F(DragLifetimeTest, AnimatedImageAsTargetAndAsSource) {
    qv::TGIFImage gif(win.Host());
    gif.SetName("gif");
    gif.SetBounds(10, 60, 60, 40);
    Record(gif, log, true);
    Press(w, 20, 20);
    Release(w, 25, 70);
    gif.SetDragMode(qv::dmAutomatic);
    gif.SetDragCursor(qv::crMultiDrag);
    Press(w, 20, 70);
    EXPECT_TRUE(gif.Dragging());
    EXPECT_TRUE(ShowsCursor(qv::crMultiDrag)) << "over itself, and it accepts";
    MoveHeld(w, 110, 15);
    EXPECT_TRUE(ShowsCursor(qv::crMultiDrag));
    Release(w, 110, 15);
    EXPECT_EQ(log, (Events{"startdrag:src", "over:gif:enter:15,10", "over:gif:leave:15,10",
                           "drop:gif:src:15,10", "enddrag:src:gif:15,10", "startdrag:gif",
                           "over:gif:enter:10,10", "over:gif:leave:100,-45", "over:dst:enter:10,5",
                           "over:dst:leave:10,5", "drop:dst:gif:10,5", "enddrag:gif:dst:10,5"}));
}

} // namespace
