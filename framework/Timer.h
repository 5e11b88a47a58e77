#pragma once
#include "framework/HiddenWindow.h"
#include <functional>

namespace qv {

// A message-driven timer (a window timer on a hidden window of its own, of the class named).
// It runs while it is enabled, its interval is above 0 and it has a handler; OnTimer runs on
// the UI thread inside the exception barrier. Starting it raises EOutOfResources "No More
// Timers Available" when Windows has no timer left.
class Timer : public HiddenWindow {
public:
    explicit Timer(const char* className = "QvTimerWindow") : HiddenWindow(className) {}
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) override;
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    void SetOnTimer(std::function<void(Component& sender)> handler);
    // True while a window timer is actually running.
    bool Running() const { return running_; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Update();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    bool running_ = false;
    std::function<void(Component& sender)> onTimer_;
};

} // namespace qv
