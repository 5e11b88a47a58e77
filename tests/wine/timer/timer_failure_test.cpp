// A window timer that the system refuses: once the hidden window has been destroyed behind the
// timer's back, SetTimer fails for real, and the timer reports it as the framework's
// out-of-resources error.
#include "framework/Exceptions.h"
#include "widgets/TimerEx/TimerEx.h"
#include <gtest/gtest.h>
#include <string>

using qv::TTimerEx;

TEST(TimerFailure, RefusedWindowTimerRaisesNoMoreTimersAvailable) {
    TTimerEx timer;
    timer.SetThreaded(false);
    timer.SetOnTimer([](qv::Component&) {});
    ASSERT_NE(timer.Window(), nullptr);
    ASSERT_TRUE(DestroyWindow(timer.Window()));
    std::string message;
    try {
        timer.SetInterval(10);
        ADD_FAILURE() << "no exception";
    } catch (const qv::EOutOfResources& e) {
        message = e.what();
    }
    EXPECT_EQ(message, "No More Timers Available");
}
