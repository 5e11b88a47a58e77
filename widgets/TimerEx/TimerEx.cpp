#include "widgets/TimerEx/TimerEx.h"
#include "framework/Timer.h"
#include "widgets/TimerEx/TimerThread.h"

namespace qv {

int ThreadPriorityValue(TThreadPriority priority) {
    static const int values[] = {-15, -2, -1, 0, 1, 2, 15};
    return values[priority];
}

TTimerEx::TTimerEx() {
    Rearm();
}

TTimerEx::~TTimerEx() {
    enabled_ = false;
    Rearm();
    // Ending the worker waits for it, but it is either paused, sleeping or waiting for a
    // hand-over, and all three give way at once: no tick reaches this timer any more.
    worker_.reset();
}

void TTimerEx::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Rearm();
}

void TTimerEx::SetInterval(UINT interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    Rearm();
}

void TTimerEx::SetThreaded(bool threaded) {
    if (threaded == threaded_)
        return;
    threaded_ = threaded;
    Rearm();
}

void TTimerEx::SetThreadPriority(TThreadPriority priority) {
    if (priority == priority_)
        return;
    priority_ = priority;
    if (threaded_)
        Rearm();
}

void TTimerEx::SetOnTimer(TimerEvent handler) {
    onTimer_ = std::move(handler);
    Rearm();
}

void TTimerEx::Timer() {
    if (!enabled_ || !onTimer_)
        return;
    TimerEvent handler = onTimer_; // the tick may replace the handler while it runs
    handler(*this);
}

HWND TTimerEx::Window() const {
    return windowTimer_ ? windowTimer_->Handle() : nullptr;
}

void TTimerEx::Rearm() {
    if (worker_ && !worker_->Paused())
        worker_->Pause();
    if (windowTimer_)
        windowTimer_->SetEnabled(false);

    if (threaded_) {
        windowTimer_.reset();
        if (!worker_)
            worker_ = std::make_unique<TTimerThread>(*this); // starts paused
    } else {
        worker_.reset(); // paused above, so it ends at once
        if (!windowTimer_) {
            windowTimer_ = std::make_unique<qv::Timer>("QvTimerExWindow");
            windowTimer_->SetEnabled(false);
            windowTimer_->SetOnTimer([this](Component&) { Timer(); });
        }
    }

    if (interval_ == 0 || !enabled_ || !onTimer_)
        return;
    if (threaded_) {
        worker_->SetPriority(ThreadPriorityValue(priority_));
        while (worker_->Paused())
            worker_->Resume();
    } else {
        windowTimer_->SetInterval(interval_);
        windowTimer_->SetEnabled(true); // "No More Timers Available" when Windows has none left
    }
}

} // namespace qv
