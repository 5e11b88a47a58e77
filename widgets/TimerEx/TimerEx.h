#pragma once
#include "framework/Component.h"
#include <windows.h>
#include <functional>
#include <memory>

namespace qv {

class Timer;

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The platform's thread priority for a TThreadPriority (tpIdle -15 ... tpTimeCritical 15).
int ThreadPriorityValue(TThreadPriority priority);

class TTimerThread;

// A timer that ticks on the user-interface thread, either from the framework's window timer
// (a hidden window of its own) or from a worker thread that sleeps and hands each tick over.
// Every setter stores its value and re-arms the timer when the value changed.
class TTimerEx : public Component {
public:
    using TimerEvent = std::function<void(Component& sender)>;

    TTimerEx();
    ~TTimerEx() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Milliseconds between ticks; 0 stops the ticks.
    UINT Interval() const { return interval_; }
    void SetInterval(UINT interval);
    bool Threaded() const { return threaded_; }
    void SetThreaded(bool threaded);
    TThreadPriority ThreadPriority() const { return priority_; }
    void SetThreadPriority(TThreadPriority priority);
    void SetOnTimer(TimerEvent handler);

    // Runs OnTimer when the timer is enabled and has a handler; this is what every tick does.
    void Timer();

    // The current worker and hidden window (none when the other mode is in use).
    TTimerThread* Worker() const { return worker_.get(); }
    HWND Window() const;

private:
    void Rearm();

    bool enabled_ = true;
    UINT interval_ = 1000;
    bool threaded_ = true;
    TThreadPriority priority_ = tpNormal;
    TimerEvent onTimer_;
    std::unique_ptr<TTimerThread> worker_;
    std::unique_ptr<qv::Timer> windowTimer_;
};

} // namespace qv
