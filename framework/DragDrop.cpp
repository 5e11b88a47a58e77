// The drag manager: one drag at a time between the graphic controls of any host window.
#include "framework/DragDrop.h"
#include "framework/DragManager.h"
#include "framework/Application.h"
#include "framework/ErrorBox.h"
#include "framework/GraphicControl.h"
#include "framework/HiddenWindow.h"
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace qv {

namespace {

POINT ScreenPointOf(HWND window, LPARAM lParam) {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (window)
        ClientToScreen(window, &p);
    return p;
}

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK;
}

// The showing, enabled graphic control under a screen point, in any host window.
GraphicControl* TargetAt(POINT screen) {
    HWND window = WindowFromPoint(screen);
    GraphicHost* host = window ? GraphicHost::OfWindow(window) : nullptr;
    if (!host)
        return nullptr;
    POINT p = screen;
    ScreenToClient(window, &p);
    return host->ControlAt(p);
}

// The pointer shown before the drag (the arrow when there was none).
void RestoreCursor(HCURSOR cursor) {
    ::SetCursor(cursor ? cursor : LoadCursorA(nullptr, IDC_ARROW));
}

} // namespace

HWND DragManager::CaptureWindow() {
    if (!window_ || !IsWindow(window_))
        window_ = CreateHiddenWindow("QvDragCapture", &DragManager::WindowProc, this);
    return window_;
}

LRESULT CALLBACK DragManager::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DragManager* self = WindowObject<DragManager>(window, message, lParam);
    if (self) {
        try {
            if (IsMouseMessage(message)) {
                self->MouseMessage(window, message, wParam, lParam);
                return 0;
            }
            if (message == WM_CAPTURECHANGED) {
                self->CaptureLost(reinterpret_cast<HWND>(lParam));
                return 0;
            }
            if (message == WM_CANCELMODE) {
                self->CaptureLost(nullptr);
                return 0;
            }
        } catch (...) {
            ReportCurrentException();
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void DragManager::Begin(GraphicControl& source, bool immediate, int threshold, POINT screen,
                        bool automatic) {
    if (source_)
        return; // one drag at a time
    source_ = &source;
    started_ = false;
    ++drag_;
    origin_ = screen;
    last_ = screen;
    threshold_ = threshold >= 0 ? threshold : Application::Instance().DragThreshold();
    target_ = nullptr;
    accepted_ = false;
    if (immediate) {
        Start(screen);
        return;
    }
    // Pressed through the host: the host keeps the mouse, so that a release before the
    // threshold is the control's ordinary click.
    HWND host = source.HostWindow();
    if (!automatic && host && GetCapture() == host) {
        pendingHost_ = host;
    } else {
        pendingHost_ = nullptr;
        SetCapture(CaptureWindow());
    }
}

void DragManager::End(GraphicControl& source, bool drop) {
    if (source_ != &source)
        return;
    if (!started_) {
        Abandon();
        return;
    }
    if (drop) {
        POINT screen;
        GetCursorPos(&screen);
        Release(screen);
    } else {
        Stop(false, last_);
    }
}

bool DragManager::Beyond(POINT screen) const {
    return std::abs(screen.x - origin_.x) >= threshold_ ||
           std::abs(screen.y - origin_.y) >= threshold_;
}

bool DragManager::HostMessage(GraphicHost& host, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!source_)
        return false;
    HWND window = host.Window();
    if (!started_ && pendingHost_) {
        if (window != pendingHost_)
            return false;
        switch (message) {
        case WM_MOUSEMOVE: {
            if (!(wParam & MK_LBUTTON)) {
                Abandon(); // the button went up unseen
                return false;
            }
            const POINT screen = ScreenPointOf(window, lParam);
            if (!Beyond(screen))
                return false;
            Start(screen);
            return true;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            Abandon(); // never started: the host completes the press as usual
            return false;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window)
                Abandon();
            return false;
        default:
            return false;
        }
    }
    // The drag holds the mouse: whatever reaches a host belongs to the drag.
    if (!IsMouseMessage(message))
        return false;
    MouseMessage(window, message, wParam, lParam);
    return true;
}

void DragManager::MouseMessage(HWND from, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!source_ || pendingHost_)
        return;
    const POINT screen = ScreenPointOf(from, lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        if (started_) {
            MoveTo(screen);
        } else if (!(wParam & MK_LBUTTON)) {
            Abandon();
        } else if (Beyond(screen)) {
            Start(screen);
        }
        return;
    case WM_LBUTTONUP:
        if (started_)
            Release(screen);
        else
            Abandon(); // released before the threshold
        return;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        if (started_)
            Stop(false, last_);
        else
            Abandon();
        return;
    default:
        return;
    }
}

void DragManager::CaptureLost(HWND newOwner) {
    if (!source_ || pendingHost_ || (window_ && newOwner == window_))
        return;
    if (started_)
        Stop(false, last_);
    else
        Abandon();
}

bool DragManager::KeyMessage(const MSG& message) {
    if (!source_ || message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE)
        return false;
    if (started_)
        Stop(false, last_);
    else
        Abandon();
    return true;
}

void DragManager::Start(POINT screen) {
    GraphicControl* source = source_;
    const unsigned drag = drag_;
    started_ = true;
    pendingHost_ = nullptr;
    last_ = screen;
    savedCursor_ = GetCursor();
    // A host that held the mouse for the press loses it here, so the press makes no click.
    SetCapture(CaptureWindow());
    try {
        source->DoStartDrag();
    } catch (...) {
        if (Current(drag))
            Abandon();
        throw;
    }
    if (Current(drag))
        MoveTo(screen);
}

bool DragManager::SendDragOver(GraphicControl& target, Component& source, POINT screen,
                               TDragState state, int& x, int& y) {
    POINT p = screen;
    if (HWND host = target.HostWindow())
        ScreenToClient(host, &p);
    x = p.x - target.Left();
    y = p.y - target.Top();
    bool accept = false;
    target.DragOver(source, x, y, state, accept);
    return accept;
}

void DragManager::MoveTo(POINT screen) {
    const unsigned drag = drag_;
    last_ = screen;
    int x = 0, y = 0;
    GraphicControl* found = TargetAt(screen);
    if (found != target_) {
        if (GraphicControl* old = target_) {
            target_ = nullptr;
            accepted_ = false;
            SendDragOver(*old, *source_, screen, dsDragLeave, x, y);
            if (!Current(drag))
                return;
            found = TargetAt(screen); // the handler may have changed what is there
        }
        if (found && !target_) {
            target_ = found;
            const bool accept = SendDragOver(*found, *source_, screen, dsDragEnter, x, y);
            if (!Current(drag))
                return;
            if (target_ == found)
                accepted_ = accept;
        }
    } else if (GraphicControl* current = target_) {
        const bool accept = SendDragOver(*current, *source_, screen, dsDragMove, x, y);
        if (!Current(drag))
            return;
        if (target_ == current)
            accepted_ = accept;
    }
    ShowCursorOf(target_ && accepted_ ? source_->DragCursor() : crNoDrop);
}

void DragManager::Release(POINT screen) {
    const unsigned drag = drag_;
    if (screen.x != last_.x || screen.y != last_.y || TargetAt(screen) != target_) {
        MoveTo(screen); // released somewhere the last move did not report
        if (!Current(drag))
            return;
    }
    Stop(true, screen);
}

// Ends a running drag: the target (if any) is left, then a drop when asked for and the target
// accepts it at the end, then the source's end. The mouse is free again before any of it.
void DragManager::Stop(bool drop, POINT screen) {
    Ending ending{source_, target_};
    const HCURSOR cursor = savedCursor_;
    Clear();
    RestoreCursor(cursor);
    endings_.push_back(&ending);
    struct Pop {
        std::vector<Ending*>& list;
        ~Pop() { list.pop_back(); }
    } pop{endings_};

    bool accept = false;
    int x = 0, y = 0;
    if (ending.target && ending.source)
        accept = SendDragOver(*ending.target, *ending.source, screen, dsDragLeave, x, y);
    const bool dropped = drop && accept && ending.target && ending.source;
    if (dropped)
        ending.target->DragDrop(*ending.source, x, y);
    if (!ending.source)
        return;
    if (dropped && ending.target)
        ending.source->DoEndDrag(ending.target, x, y);
    else
        ending.source->DoEndDrag(nullptr, 0, 0);
}

// Ends a drag with no events: one that never started, or whose source is gone.
void DragManager::Abandon() {
    const bool started = started_;
    const HCURSOR cursor = savedCursor_;
    Clear();
    if (started)
        RestoreCursor(cursor);
}

// Forgets the drag and gives the mouse back (the host keeps a capture of its own press).
void DragManager::Clear() {
    source_ = nullptr;
    started_ = false;
    pendingHost_ = nullptr;
    target_ = nullptr;
    accepted_ = false;
    savedCursor_ = nullptr;
    ++drag_;
    if (window_ && GetCapture() == window_)
        ReleaseCapture();
}

void DragManager::Destroyed(GraphicControl& control) {
    for (Ending* ending : endings_) {
        if (ending->source == &control)
            ending->source = nullptr;
        if (ending->target == &control)
            ending->target = nullptr;
    }
    if (target_ == &control) {
        target_ = nullptr;
        accepted_ = false;
        if (started_)
            ShowCursorOf(crNoDrop);
    }
    if (source_ != &control)
        return;
    // The source goes: nothing more is said to it, but a target it was over is left.
    GraphicControl* target = target_;
    const bool started = started_;
    const POINT screen = last_;
    Abandon();
    if (!started || !target)
        return;
    Ending ending{&control, target};
    endings_.push_back(&ending);
    try {
        int x = 0, y = 0;
        SendDragOver(*target, control, screen, dsDragLeave, x, y);
    } catch (...) {
        ReportCurrentException(); // inside a destructor: nothing may escape
    }
    endings_.pop_back();
}

// --- The hooks ------------------------------------------------------------------------------

bool DragHostMessage(GraphicHost& host, UINT message, WPARAM wParam, LPARAM lParam) {
    return DragManager::Instance().HostMessage(host, message, wParam, lParam);
}

void BeginAutomaticDrag(GraphicControl& control, POINT screen) {
    const Application& app = Application::Instance();
    DragManager::Instance().Begin(control, app.DragImmediate(), app.DragThreshold(), screen, true);
}

bool DragKeyMessage(const MSG& message) {
    return DragManager::Instance().KeyMessage(message);
}

void DragControlDestroyed(GraphicControl& control) {
    DragManager::Instance().Destroyed(control);
}

GraphicControl* DragSource() {
    return DragManager::Instance().Source();
}

} // namespace qv
