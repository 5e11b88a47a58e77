// Windows 9x keeps GDI and USER objects in small heaps shared by every program: what the
// program does over and over must leave the number of its live objects as it was. Counted by
// the 9x personality's ledger (support/ResourceLedger.h), after one round of warm-up.
#include "AnimatedPicture.h"
#include "Machines.h"
#include "support/ProgramHost.h"
#include "framework/Application.h"
#include "main/ModuleState.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include "support/ResourceLedger.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

class ResourceLedger : public ::testing::Test {
protected:
    void SetUp() override {
        if (!qvtest::ResourceLedgerActive())
            GTEST_SKIP() << "runs with QV_WIN9X_PERSONALITY=1";
        qvtest::PrepareMachine(qvtest::QuorvaneMachine());
        program_ = std::make_unique<qvtest::ProgramHost>();
    }
    // Runs the round once to warm up, then `times` more, and checks that the live objects are
    // as after the first round (and that the rounds made objects, when they paint).
    void ExpectNoneLeftBy(int times, const std::function<void()>& round, bool paints = true) {
        round();
        const qvtest::LiveObjects before = qvtest::CountLiveObjects();
        const long made = qvtest::ObjectsMade();
        for (int i = 0; i < times; ++i)
            round();
        EXPECT_EQ(qvtest::CountLiveObjects(), before);
        if (paints) {
            EXPECT_GT(qvtest::ObjectsMade() - made, times) << "the rounds made and freed objects";
        }
    }
    Tf1& Window() { return program_->Window(); }
    std::unique_ptr<qvtest::ProgramHost> program_;
};

void RepaintNow(qv::Window& window) {
    RedrawWindow(window.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The whole refresh of every tick: the sample taken as changed, gauges and labels painted.
TEST_F(ResourceLedger, MonitorRefreshes) {
    Tf1& w = Window();
    ExpectNoneLeftBy(600, [&] {
        Module.LastFreePhysBytes = -1;
        w.updatemem(w.timer1);
        RedrawWindow(w.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
}

TEST_F(ResourceLedger, RepaintsOfEveryControl) {
    ExpectNoneLeftBy(100, [&] { RepaintNow(Window()); });
}

// Closes the dialog with its Cancel button once its picture has shown a few frames.
int g_frames = 0;
void CALLBACK CancelOnceAnimated(HWND, UINT, UINT_PTR, DWORD) {
    if (okform && okform->IsModal() && okform->Visible() && g_frames >= 3)
        PostMessageA(okform->BitBtn3.Handle(), BM_CLICK, 0, 0);
}

TEST_F(ResourceLedger, ConfirmationDialogWithItsPictureAnimating) {
    qv::TGIFImage& picture = program_->Dialog().GIFImage1;
    ASSERT_TRUE(picture.LoadStream(qvtest::BlinkingPicture()));
    picture.SetAnimate(true);
    picture.OnChange = [](qv::Component&) { ++g_frames; };
    const UINT_PTR closer = SetTimer(nullptr, 0, 20, CancelOnceAnimated);
    int showings = 0;
    ExpectNoneLeftBy(20, [&] {
        Module.SettingsChanged = true;
        g_frames = 0;
        program_->Command("Exit1"); // asks, and Cancel keeps the program running
        showings += g_frames >= 3;
    });
    KillTimer(nullptr, closer);
    EXPECT_EQ(showings, 21);
    EXPECT_FALSE(program_->Ended());
}

TEST_F(ResourceLedger, HelpAskedAndClosed) {
    qvtest::HelpRecorder help;
    Tf1& w = Window();
    ExpectNoneLeftBy(
        20,
        [&] {
            qvtest::FocusWindow(w.emin.EditHandle());
            qvtest::PressKey(VK_F1);
            program_->Command("Contents1");
            qv::Application::Instance().QuitHelp();
        },
        false);
    ASSERT_EQ(help.Requests().size(), 63u);
    EXPECT_EQ(help.Requests().back().command, static_cast<UINT>(HELP_QUIT));
}

} // namespace
