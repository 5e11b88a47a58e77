#include "framework/Hint.h"
#include "framework/Application.h"
#include "framework/GraphicControl.h"
#include "framework/HintWindow.h"
#include "framework/core/HintText.h"

namespace qv {

namespace {

// The controller alive now, if any: hooks that only clean up never create one.
HintController* g_controller = nullptr;

constexpr unsigned kPollInterval = 100;

// The foreground window belongs to another program: this one is not the active application.
bool AnotherApplicationActive() {
    HWND foreground = GetForegroundWindow();
    if (!foreground)
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    return process != GetCurrentProcessId();
}

} // namespace

HintController::HintController() {
    g_controller = this;
}

HintController::~HintController() {
    if (g_controller == this)
        g_controller = nullptr;
}

HintWindow& HintController::EnsureWindow() {
    if (!window_) {
        window_ = std::make_unique<HintWindow>();
        window_->OnTimer = [this](UINT_PTR id) { Timer(id); };
        window_->OnDeactivateApp = [this] { Cancel(); };
    }
    return *window_;
}

bool HintController::CanShow(const GraphicControl* control) const {
    return control && control != dismissed_ && Application::Instance().ShowHint() &&
           control->Showing() && control->Enabled() && control->ShowHint() &&
           !GetShortHint(control->Hint()).empty() && !AnotherApplicationActive();
}

void HintController::MouseMove(GraphicHost& host, POINT point) {
    MouseOver(&host, host.ControlAt(point));
}

void HintController::MouseOver(GraphicHost* host, GraphicControl* control) {
    host_ = host;
    if (control == current_) {
        // Resting on the same control: the pause goes on, or starts now that the control
        // has a hint to show (its text or ShowHint set meanwhile); a hint shown goes when it
        // may no longer show.
        if (current_ && shown_ && !CanShow(current_))
            Cancel();
        else if (current_ && !shown_ && !pending_ && CanShow(current_))
            StartPause(active_);
        UpdatePolling();
        return;
    }
    HideWindow();
    if (control != dismissed_)
        dismissed_ = nullptr; // the mouse has left the silenced control
    current_ = control;
    if (current_ && CanShow(current_))
        StartPause(active_);
    else
        active_ = false; // a place without a hint ends the quick succession
    UpdatePolling();
}

void HintController::UpdatePolling() {
    // While a hint is due, shown or silenced, a timer checks where the mouse really is:
    // Windows 95 sends no message when it leaves a window. Controls without hints cost nothing.
    const bool wanted = host_ && current_ && (pending_ || shown_ || current_ == dismissed_);
    if (wanted && !polling_) {
        EnsureWindow().StartTimer(kPollTimer, kPollInterval);
        polling_ = true;
    } else if (!wanted && polling_) {
        window_->StopTimer(kPollTimer);
        polling_ = false;
    }
}

void HintController::StartPause(bool quick) {
    const Application& app = Application::Instance();
    EnsureWindow().StartTimer(kShowTimer, quick ? app.HintShortPause() : app.HintPause());
    pending_ = true;
}

void HintController::Timer(UINT_PTR id) {
    window_->StopTimer(id);
    switch (id) {
    case kShowTimer: {
        // Only where the pointer really is now (it may have gone without a message).
        GraphicControl* due = current_;
        Poll();
        pending_ = false;
        if (current_ == due && CanShow(due))
            Show();
        break;
    }
    case kHideTimer:
        if (shown_)
            Cancel();
        break;
    case kPollTimer:
        polling_ = false; // stopped above
        Poll();
        break;
    default:
        break;
    }
    UpdatePolling();
}

void HintController::Show() {
    POINT pointer;
    GetCursorPos(&pointer);
    const std::string text = GetShortHint(current_->Hint());
    HintWindow& window = EnsureWindow();
    const SIZE size = window.CalcHintSize(text, GetSystemMetrics(SM_CXSCREEN));
    window.ActivateHint(HintBoundsAt(pointer, size), text);
    shown_ = true;
    active_ = true;
    window.StartTimer(kHideTimer, Application::Instance().HintHidePause());
}

void HintController::HideWindow() {
    shown_ = false;
    pending_ = false;
    if (!window_)
        return;
    window_->StopTimer(kShowTimer);
    window_->StopTimer(kHideTimer);
    window_->ReleaseHint();
}

void HintController::Poll() {
    if (!host_)
        return;
    // Only the host's own client area counts: over a child window, another window or outside,
    // the mouse has left.
    POINT pointer;
    GetCursorPos(&pointer);
    HWND hostWindow = host_->Window();
    if (!hostWindow || !IsWindowVisible(hostWindow) || WindowFromPoint(pointer) != hostWindow) {
        MouseOver(nullptr, nullptr);
        return;
    }
    POINT client = pointer;
    ScreenToClient(hostWindow, &client);
    RECT area;
    GetClientRect(hostWindow, &area);
    MouseOver(host_, PtInRect(&area, client) ? host_->ControlAt(client) : nullptr);
}

void HintController::Cancel() {
    HideWindow();
    active_ = false;
    dismissed_ = current_;
    UpdatePolling();
}

void HintController::Forget() {
    HideWindow();
    if (window_)
        window_->StopTimer(kPollTimer);
    polling_ = false;
    current_ = nullptr;
    dismissed_ = nullptr;
    host_ = nullptr;
    active_ = false;
}

void HintController::ControlGone(const GraphicControl* control) {
    if (control == current_)
        Forget();
    else if (control == dismissed_)
        dismissed_ = nullptr;
}

void HintController::HostGone(const GraphicHost* host) {
    if (host_ == host)
        Forget();
    else if (dismissed_ && &dismissed_->Host() == host)
        dismissed_ = nullptr;
}

void HintHostMessage(GraphicHost& host, UINT message, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) {
        const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        Application::Instance().Hints().MouseMove(host, p);
    } else if (IsHintCancellingInput(message) && g_controller) {
        g_controller->Cancel();
    }
}

void HintControlGone(const GraphicControl* control) {
    if (g_controller)
        g_controller->ControlGone(control);
}

void HintHostGone(const GraphicHost* host) {
    if (g_controller)
        g_controller->HostGone(host);
}

bool IsHintCancellingInput(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

} // namespace qv
