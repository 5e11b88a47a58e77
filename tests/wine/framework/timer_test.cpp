#include "framework/Exceptions.h"
#include "framework/Timer.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include <gtest/gtest.h>

TEST(Timer, StartsEnabledWithOneSecondAndRunsOnlyWithAHandler) {
    qv::Timer timer;
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_FALSE(timer.Running());
    int ticks = 0;
    timer.SetInterval(30);
    timer.SetOnTimer([&](qv::Component&) { ++ticks; });
    EXPECT_TRUE(timer.Running());
    qvtest::PumpUntil([&] { return ticks >= 3; }, 2000);
    EXPECT_GE(ticks, 3);
    timer.SetEnabled(false);
    int stopped = ticks;
    qvtest::PumpFor(150);
    EXPECT_EQ(ticks, stopped);
    timer.SetEnabled(true);
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
}

TEST(Timer, AFailingHandlerShowsTheErrorBoxAndTheTimerGoesOn) {
    qvtest::MessageBoxRecorder boxes;
    qv::Timer timer;
    int ticks = 0;
    timer.SetInterval(20);
    timer.SetOnTimer([&](qv::Component&) {
        ++ticks;
        throw qv::Exception("Can't load USER.EXE!");
    });
    qvtest::PumpUntil([&] { return ticks >= 2; }, 2000);
    timer.SetEnabled(false);
    ASSERT_GE(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Can't load USER.EXE!");
    EXPECT_EQ(boxes.Boxes()[0].caption, " Quorvane");
    EXPECT_EQ(boxes.Boxes()[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

TEST(Timer, NoTimerLeftRaisesOutOfResources) {
    qv::Timer timer;
    timer.SetEnabled(false);
    timer.SetOnTimer([](qv::Component&) {});
    DestroyWindow(timer.Handle()); // SetTimer on a window that is gone fails
    try {
        timer.SetEnabled(true);
        FAIL() << "no exception";
    } catch (const qv::EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "No More Timers Available");
    }
}
