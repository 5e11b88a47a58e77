#include "widgets/TimerEx/TimerEx.h"
#include "framework/ErrorBox.h"
#include "framework/Exceptions.h"
#include "framework/HiddenWindow.h"
#include "widgets/TimerEx/TimerThread.h"

namespace qv {

namespace {
const char kTimerWindowClass[] = "QvTimerExWindow";
const UINT_PTR kTimerId = 1;
} // namespace

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
    DestroyTimerWindow();
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

void TTimerEx::Rearm() {
    if (worker_ && !worker_->Paused())
        worker_->Pause();
    if (window_)
        KillTimer(window_, kTimerId);

    if (threaded_) {
        DestroyTimerWindow();
        if (!worker_)
            worker_ = std::make_unique<TTimerThread>(*this); // starts paused
    } else {
        worker_.reset(); // paused above, so it ends at once
        CreateTimerWindow();
    }

    if (interval_ == 0 || !enabled_ || !onTimer_)
        return;
    if (threaded_) {
        worker_->SetPriority(ThreadPriorityValue(priority_));
        while (worker_->Paused())
            worker_->Resume();
    } else if (!window_ || !SetTimer(window_, kTimerId, interval_, nullptr)) {
        throw EOutOfResources("No More Timers Available");
    }
}

void TTimerEx::CreateTimerWindow() {
    if (!window_)
        window_ = CreateHiddenWindow(kTimerWindowClass, WindowProc, this);
}

void TTimerEx::DestroyTimerWindow() {
    if (window_) {
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

LRESULT CALLBACK TTimerEx::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TTimerEx* self = WindowObject<TTimerEx>(window, message, lParam);
    if (message == WM_TIMER && self) {
        try {
            self->Timer();
        } catch (...) {
            ReportCurrentException();
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace qv
