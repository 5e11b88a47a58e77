#include "framework/Timer.h"
#include "framework/Exceptions.h"

namespace qv {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

void Timer::SetEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Update();
}

void Timer::SetInterval(unsigned milliseconds) {
    if (interval_ == milliseconds)
        return;
    interval_ = milliseconds;
    Update();
}

void Timer::SetOnTimer(std::function<void(Component& sender)> handler) {
    onTimer_ = std::move(handler);
    Update();
}

void Timer::Update() {
    if (running_)
        KillTimer(Handle(), kTimerId);
    running_ = false;
    if (!enabled_ || interval_ == 0 || !onTimer_)
        return;
    if (!Handle() || !SetTimer(Handle(), kTimerId, interval_, nullptr))
        throw EOutOfResources("No More Timers Available");
    running_ = true;
}

bool Timer::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_TIMER && wParam == kTimerId) {
        if (onTimer_)
            onTimer_(*this);
        result = 0;
        return true;
    }
    return false;
}

} // namespace qv
