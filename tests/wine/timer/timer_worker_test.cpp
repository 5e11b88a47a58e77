// The worker thread: priorities, nested pauses, errors in handed-over ticks, and ending the
// worker with no further tick, whatever it is doing at the time.
#include "framework/Exceptions.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include "widgets/TimerEx/TimerEx.h"
#include "widgets/TimerEx/TimerThread.h"
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using qv::TTimerEx;

TEST(TimerWorker, PriorityFollowsThreadPriorityWhileThreaded) {
    TTimerEx timer;
    timer.SetOnTimer([](qv::Component&) {});
    timer.SetInterval(3600000);
    const qv::TThreadPriority all[] = {qv::tpIdle,   qv::tpLowest,  qv::tpLower,       qv::tpNormal,
                                       qv::tpHigher, qv::tpHighest, qv::tpTimeCritical};
    for (qv::TThreadPriority p : all) {
        timer.SetThreadPriority(p);
        EXPECT_EQ(timer.Worker()->Priority(), qv::ThreadPriorityValue(p)) << p;
    }
}

TEST(TimerWorker, RearmResumesNestedPausesCompletely) {
    TTimerEx timer;
    int ticks = 0;
    timer.SetInterval(1);
    timer.SetOnTimer([&](qv::Component&) { ++ticks; });
    qv::TTimerThread* worker = timer.Worker();
    ASSERT_FALSE(worker->Paused());
    worker->Pause();
    worker->Pause();
    worker->Resume();
    EXPECT_TRUE(worker->Paused()); // two pauses need two resumes
    int before = ticks;
    qvtest::PumpFor(200);
    EXPECT_EQ(ticks, before);
    worker->Resume();
    EXPECT_FALSE(worker->Paused());
    EXPECT_TRUE(qvtest::PumpUntil([&] { return ticks >= before + 2; }));

    // Rearm undoes however many pauses are pending.
    worker->Pause();
    worker->Pause();
    worker->Pause();
    timer.SetInterval(2);
    EXPECT_FALSE(worker->Paused());
    before = ticks;
    EXPECT_TRUE(qvtest::PumpUntil([&] { return ticks >= before + 2; }));
}

TEST(TimerWorker, PauseDropsATickAlreadyHandedOver) {
    TTimerEx timer;
    int ticks = 0;
    timer.SetInterval(1);
    timer.SetOnTimer([&](qv::Component&) { ++ticks; });
    Sleep(100); // no pumping: the worker has handed a tick over and waits for it
    timer.Worker()->Pause();
    qvtest::PumpFor(200);
    EXPECT_EQ(ticks, 0);
}

namespace {
class ErrorBoxes : public ::testing::Test {
protected:
    qvtest::MessageBoxRecorder recorder;
};
} // namespace

TEST_F(ErrorBoxes, ExceptionInAWorkerTickGoesToTheStandardErrorBox) {
    TTimerEx timer;
    int ticks = 0;
    timer.SetInterval(1);
    timer.SetOnTimer([&](qv::Component&) {
        if (++ticks == 1)
            throw std::runtime_error("Tick failed");
    });
    ASSERT_TRUE(qvtest::PumpUntil([&] { return ticks >= 3; })); // the worker goes on
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].text, "Tick failed.");
    EXPECT_EQ(recorder.Boxes()[0].caption, " Quorvane");
    EXPECT_EQ(recorder.Boxes()[0].flags, UINT(MB_OK | MB_ICONSTOP));
}

TEST_F(ErrorBoxes, ExceptionInAWindowTimerTickGoesToTheStandardErrorBox) {
    TTimerEx timer;
    timer.SetThreaded(false);
    int ticks = 0;
    timer.SetInterval(1);
    timer.SetOnTimer([&](qv::Component&) {
        if (++ticks == 1)
            throw qv::Exception("Window tick failed");
    });
    ASSERT_TRUE(qvtest::PumpUntil([&] { return ticks >= 2; }));
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].text, "Window tick failed.");
}

TEST(TimerWorker, DestructionMidSleepEndsTheWorkerAtOnce) {
    auto timer = std::make_unique<TTimerEx>();
    int ticks = 0;
    timer->SetOnTimer([&](qv::Component&) { ++ticks; });
    timer->SetInterval(3600000); // the worker sleeps for an hour
    qvtest::PumpFor(50);
    DWORD start = GetTickCount();
    timer.reset(); // would hang for an hour if the sleep were not cut short
    EXPECT_LT(GetTickCount() - start, 60000u);
    EXPECT_EQ(ticks, 0);
}

TEST(TimerWorker, DestructionWhileATickIsHandedOverDeliversNoTick) {
    auto timer = std::make_unique<TTimerEx>();
    int ticks = 0;
    timer->SetInterval(1);
    timer->SetOnTimer([&](qv::Component&) { ++ticks; });
    Sleep(100); // the worker has posted its tick and waits in the hand-over
    timer.reset();
    qvtest::PumpFor(200); // the stale hand-over message finds no timer
    EXPECT_EQ(ticks, 0);
}

TEST(TimerWorker, SwitchingToWindowTimerFromInsideAWorkerTick) {
    TTimerEx timer;
    int workerTicks = 0, windowTicks = 0;
    timer.SetInterval(1);
    timer.SetOnTimer([&](qv::Component&) {
        if (timer.Threaded()) {
            ++workerTicks;
            timer.SetThreaded(false); // ends the very worker that handed this tick over
        } else {
            ++windowTicks;
        }
    });
    ASSERT_TRUE(qvtest::PumpUntil([&] { return windowTicks >= 2; }));
    EXPECT_EQ(workerTicks, 1);
    EXPECT_EQ(timer.Worker(), nullptr);
}
