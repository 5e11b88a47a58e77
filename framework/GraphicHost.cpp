// The window that hosts graphic controls: it paints them, aligns them and routes the mouse to
// them.
#include "framework/GraphicControl.h"
#include "framework/DragDrop.h"
#include "framework/Gdi.h"
#include "framework/Hint.h"
#include <algorithm>

namespace qv {

TShiftState ShiftStateOf(WPARAM mouseKeys) {
    TShiftState shift = 0;
    if (mouseKeys & MK_SHIFT)
        shift |= ssShift;
    if (mouseKeys & MK_CONTROL)
        shift |= ssCtrl;
    if (mouseKeys & MK_LBUTTON)
        shift |= ssLeft;
    if (mouseKeys & MK_RBUTTON)
        shift |= ssRight;
    if (mouseKeys & MK_MBUTTON)
        shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

// --- Host: painting ------------------------------------------------------------------------

namespace {
// Every host alive, so that a drag can find the controls under the pointer in any window.
std::vector<GraphicHost*>& AllHosts() {
    static std::vector<GraphicHost*> hosts;
    return hosts;
}
} // namespace

GraphicHost::GraphicHost(HWND window) : window_(window) {
    AllHosts().push_back(this);
}

GraphicHost* GraphicHost::OfWindow(HWND window) {
    for (GraphicHost* host : AllHosts())
        if (window && host->window_ == window)
            return host;
    return nullptr;
}

void GraphicHost::PopupMenuGone(const qv::PopupMenu* menu) {
    for (GraphicHost* host : AllHosts())
        for (GraphicControl* c : host->controls_)
            if (c->popupMenu_ == menu)
                c->popupMenu_ = nullptr;
}

GraphicHost::~GraphicHost() {
    HintHostGone(this);
    auto& hosts = AllHosts();
    hosts.erase(std::remove(hosts.begin(), hosts.end(), this), hosts.end());
    if (capture_ && window_ && GetCapture() == window_)
        ReleaseCapture();
}

void GraphicHost::Add(GraphicControl* control) {
    controls_.push_back(control);
}

void GraphicHost::Remove(GraphicControl* control) {
    HintControlGone(control);
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (clicked_ == control)
        clicked_ = nullptr;
    if (capture_ == control)
        ReleaseMouse();
}

void GraphicHost::ExcludeOpaqueControls(HDC dc) const {
    for (const GraphicControl* c : controls_) {
        if (c->Showing() && c->Opaque()) {
            RECT r = c->Bounds();
            ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
        }
    }
}

namespace {
void PaintOne(HDC dc, GraphicControl& control) {
    RECT r = control.Bounds();
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    POINT origin;
    OffsetViewportOrgEx(dc, r.left, r.top, &origin);
    control.Paint(dc);
    RestoreDC(dc, saved);
}
} // namespace

void GraphicHost::PaintControls(HDC dc, const RECT& dirty) const {
    for (GraphicControl* c : controls_) {
        RECT r = c->Bounds();
        RECT overlap;
        if (c->Showing() && IntersectRect(&overlap, &r, &dirty))
            PaintOne(dc, *c);
    }
}

void GraphicHost::PaintControlNow(GraphicControl& control) const {
    if (!window_ || !control.Showing() || !IsWindowVisible(window_))
        return;
    WindowDC dc(window_);
    if (dc.Get())
        PaintOne(dc.Get(), control);
}

void GraphicHost::OffsetControls(int dx, int dy) {
    for (GraphicControl* c : controls_)
        OffsetRect(&c->bounds_, dx, dy);
}

// --- Host: alignment -----------------------------------------------------------------------

void GraphicHost::Realign() {
    if (aligning_ || !window_)
        return;
    aligning_ = true;
    RECT rest;
    GetClientRect(window_, &rest);
    // Each edge takes its controls in the order they stand from that edge; ties keep z-order.
    auto orderKey = [](const GraphicControl* c, TAlign align) {
        RECT b = c->Bounds();
        switch (align) {
        case alTop:
            return static_cast<long>(b.top);
        case alBottom:
            return -static_cast<long>(b.bottom);
        case alLeft:
            return static_cast<long>(b.left);
        case alRight:
            return -static_cast<long>(b.right);
        default:
            return 0L;
        }
    };
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<GraphicControl*> row;
        for (GraphicControl* c : controls_)
            if (c->Align() == align && c->Showing())
                row.push_back(c);
        std::stable_sort(row.begin(), row.end(), [&](GraphicControl* a, GraphicControl* b) {
            return orderKey(a, align) < orderKey(b, align);
        });
        for (GraphicControl* c : row) {
            const int w = std::min(c->Width(), static_cast<int>(rest.right - rest.left));
            const int h = std::min(c->Height(), static_cast<int>(rest.bottom - rest.top));
            RECT b = rest;
            switch (align) {
            case alTop:
                b.bottom = rest.top + std::max(h, 0);
                rest.top = b.bottom;
                break;
            case alBottom:
                b.top = rest.bottom - std::max(h, 0);
                rest.bottom = b.top;
                break;
            case alLeft:
                b.right = rest.left + std::max(w, 0);
                rest.left = b.right;
                break;
            case alRight:
                b.left = rest.right - std::max(w, 0);
                rest.right = b.left;
                break;
            default:
                break; // alClient: all that is left
            }
            c->SetBoundsAligned(b);
        }
    }
    aligning_ = false;
}

// --- Host: the mouse -----------------------------------------------------------------------

GraphicControl* GraphicHost::ControlAt(POINT point, bool allowDisabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        GraphicControl* c = *it;
        RECT r = c->Bounds();
        if (c->Showing() && (allowDisabled || c->Enabled()) && PtInRect(&r, point))
            return c;
    }
    return nullptr;
}

namespace {
POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
} // namespace

bool GraphicHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    HintHostMessage(*this, message, lParam);
    if (DragHostMessage(*this, message, wParam, lParam))
        return true;
    switch (message) {
    case WM_RBUTTONUP:
        // The default processing turns the release into WM_CONTEXTMENU (the popup menu).
        MouseButtonMessage(message, wParam, lParam);
        return false;
    case WM_CONTEXTMENU:
        return ContextMenuMessage(wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
        return MouseButtonMessage(message, wParam, lParam);
    case WM_MOUSEMOVE:
        return MouseMoveMessage(wParam, lParam);
    case WM_SETCURSOR:
        if (SetCursorMessage(wParam, lParam)) {
            result = TRUE;
            return true;
        }
        return false;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window_) {
            capture_ = nullptr; // another window took the mouse: no click completes
            clicked_ = nullptr;
        }
        return false;
    case WM_SIZE:
        Realign();
        return false;
    default:
        return false;
    }
}

bool GraphicHost::MouseButtonMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT p = PointOf(lParam);
    TMouseButton button = mbLeft;
    if (message >= WM_RBUTTONDOWN && message <= WM_RBUTTONDBLCLK)
        button = mbRight;
    else if (message >= WM_MBUTTONDOWN && message <= WM_MBUTTONDBLCLK)
        button = mbMiddle;
    const bool up = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    const bool doubleClick =
        message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
    TShiftState shift = ShiftStateOf(wParam);

    if (up) {
        GraphicControl* target = capture_ ? capture_ : ControlAt(p);
        if (!target)
            return false;
        const bool clicked = button == mbLeft && clicked_ == target;
        if (button == mbLeft)
            clicked_ = nullptr;
        if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0)
            ReleaseMouse(); // the last button is up
        RECT r = target->Bounds();
        if (clicked && PtInRect(&r, p))
            target->Click();
        // The click may have destroyed the control.
        if (std::find(controls_.begin(), controls_.end(), target) != controls_.end())
            target->MouseUp(button, shift, p.x - r.left, p.y - r.top);
        return true;
    }

    GraphicControl* target = capture_ ? capture_ : ControlAt(p);
    if (!target)
        return false;
    if (message == WM_LBUTTONDOWN && !capture_ && target->DragMode() == dmAutomatic) {
        POINT screen = p;
        ClientToScreen(window_, &screen);
        BeginAutomaticDrag(*target, screen); // the press is the drag's, not the control's
        return true;
    }
    if (!capture_ && window_) {
        capture_ = target; // moves and the release go to the control pressed
        SetCapture(window_);
    }
    RECT r = target->Bounds();
    if (button == mbLeft) {
        clicked_ = doubleClick ? nullptr : target;
        if (doubleClick) {
            target->DblClick();
            shift |= ssDouble;
            if (std::find(controls_.begin(), controls_.end(), target) == controls_.end())
                return true;
        }
    }
    target->MouseDown(button, shift, p.x - r.left, p.y - r.top);
    return true;
}

bool GraphicHost::MouseMoveMessage(WPARAM wParam, LPARAM lParam) {
    const POINT p = PointOf(lParam);
    GraphicControl* target = capture_ ? capture_ : ControlAt(p);
    if (!target)
        return false;
    RECT r = target->Bounds();
    target->MouseMove(ShiftStateOf(wParam), p.x - r.left, p.y - r.top);
    return true;
}

bool GraphicHost::SetCursorMessage(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != window_ || LOWORD(lParam) != HTCLIENT)
        return false;
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(window_, &p);
    GraphicControl* c = ControlAt(p);
    if (!c || c->Cursor() == crDefault)
        return false;
    ShowCursorOf(c->Cursor());
    return true;
}

void GraphicHost::ReleaseMouse() {
    capture_ = nullptr;
    if (window_ && GetCapture() == window_)
        ReleaseCapture();
}

} // namespace qv
