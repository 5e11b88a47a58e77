// TTimerEx in both modes: defaults, ticks on the user-interface thread, silence when disabled
// or at interval 0, and re-arming when the interval changes.
#include "support/Pump.h"
#include "widgets/TimerEx/TimerEx.h"
#include "widgets/TimerEx/TimerThread.h"
#include <gtest/gtest.h>

using qv::TTimerEx;

namespace {

struct TickLog {
    int ticks = 0;
    bool allOnUiThread = true;
    qv::Component* sender = nullptr;
    TTimerEx::TimerEvent Handler() {
        DWORD ui = GetCurrentThreadId();
        return [this, ui](qv::Component& s) {
            ++ticks;
            sender = &s;
            allOnUiThread = allOnUiThread && GetCurrentThreadId() == ui;
        };
    }
};

class TimerModes : public ::testing::TestWithParam<bool> {
protected:
    bool Threaded() const { return GetParam(); }
};

} // namespace

TEST(TimerEx, DefaultsAndPriorityValues) {
    TTimerEx timer;
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_TRUE(timer.Threaded());
    EXPECT_EQ(timer.ThreadPriority(), qv::tpNormal);
    // Threaded: a worker exists, silent (paused) while there is no handler; no window.
    ASSERT_NE(timer.Worker(), nullptr);
    EXPECT_TRUE(timer.Worker()->Paused());
    EXPECT_EQ(timer.Window(), nullptr);

    const int expected[] = {-15, -2, -1, 0, 1, 2, 15};
    for (int p = qv::tpIdle; p <= qv::tpTimeCritical; ++p)
        EXPECT_EQ(qv::ThreadPriorityValue(static_cast<qv::TThreadPriority>(p)), expected[p]);
}

TEST(TimerEx, SwitchingModesSwapsWorkerAndWindow) {
    TTimerEx timer;
    timer.SetThreaded(false);
    EXPECT_EQ(timer.Worker(), nullptr);
    ASSERT_NE(timer.Window(), nullptr);
    EXPECT_TRUE(IsWindow(timer.Window()));
    EXPECT_FALSE(IsWindowVisible(timer.Window()));
    char cls[64] = {};
    GetClassNameA(timer.Window(), cls, sizeof cls);
    EXPECT_STREQ(cls, "QvTimerExWindow");
    HWND old = timer.Window();
    timer.SetThreaded(true);
    EXPECT_EQ(timer.Window(), nullptr);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_NE(timer.Worker(), nullptr);
}

TEST_P(TimerModes, TicksArriveOnTheUserInterfaceThreadWithTheTimerAsSender) {
    TTimerEx timer;
    timer.SetThreaded(Threaded());
    TickLog log;
    timer.SetInterval(1);
    timer.SetOnTimer(log.Handler());
    ASSERT_TRUE(qvtest::PumpUntil([&] { return log.ticks >= 5; }));
    EXPECT_TRUE(log.allOnUiThread);
    EXPECT_EQ(log.sender, static_cast<qv::Component*>(&timer));
}

TEST_P(TimerModes, IntervalZeroGivesNoTicks) {
    TTimerEx timer;
    timer.SetThreaded(Threaded());
    TickLog log;
    timer.SetInterval(0);
    timer.SetOnTimer(log.Handler());
    qvtest::PumpFor(300);
    EXPECT_EQ(log.ticks, 0);
    if (Threaded()) {
        EXPECT_TRUE(timer.Worker()->Paused());
    }
    // Back to a working interval: ticks come.
    timer.SetInterval(1);
    EXPECT_TRUE(qvtest::PumpUntil([&] { return log.ticks >= 2; }));
}

TEST_P(TimerModes, DisabledTimerIsSilentAndTimerCallDoesNothing) {
    TTimerEx timer;
    timer.SetThreaded(Threaded());
    TickLog log;
    timer.SetInterval(1);
    timer.SetOnTimer(log.Handler());
    timer.SetEnabled(false);
    qvtest::PumpFor(300);
    EXPECT_EQ(log.ticks, 0);
    timer.Timer(); // a stray tick of a disabled timer runs no handler
    EXPECT_EQ(log.ticks, 0);
    timer.SetEnabled(true);
    EXPECT_TRUE(qvtest::PumpUntil([&] { return log.ticks >= 1; }));
}

TEST_P(TimerModes, IntervalSetByATickTakesEffectForTheNextWait) {
    TTimerEx timer;
    timer.SetThreaded(Threaded());
    int ticks = 0;
    timer.SetInterval(1);
    timer.SetOnTimer([&](qv::Component&) {
        ++ticks;
        timer.SetInterval(3600000); // an hour: nothing more during this test
    });
    ASSERT_TRUE(qvtest::PumpUntil([&] { return ticks >= 1; }));
    qvtest::PumpFor(300);
    EXPECT_EQ(ticks, 1);
    // Re-arming restarts the wait with the new interval instead of finishing the hour.
    timer.SetOnTimer([&](qv::Component&) { ++ticks; });
    timer.SetInterval(1);
    EXPECT_TRUE(qvtest::PumpUntil([&] { return ticks >= 3; }));
}

INSTANTIATE_TEST_SUITE_P(BothModes, TimerModes, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Worker" : "WindowTimer"; });
