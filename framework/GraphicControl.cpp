#include "framework/GraphicControl.h"
#include <algorithm>

namespace qv {

GraphicControl::GraphicControl(GraphicHost& host) : host_(host) {
    host_.Add(this);
}

GraphicControl::~GraphicControl() {
    host_.Remove(this);
}

void GraphicControl::SetBounds(int left, int top, int width, int height) {
    RECT next{left, top, left + width, top + height};
    if (EqualRect(&next, &bounds_))
        return;
    Invalidate();
    bounds_ = next;
    Invalidate();
    BoundsChanged();
}

HWND GraphicControl::HostWindow() const {
    return host_.Window();
}

void GraphicControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    EnabledChanged();
    Invalidate();
}

void GraphicControl::SetShowing(bool showing) {
    if (showing_ == showing)
        return;
    showing_ = showing;
    Invalidate();
}

void GraphicControl::Invalidate() {
    if (HWND w = host_.Window())
        InvalidateRect(w, &bounds_, TRUE);
}

void GraphicControl::PaintNow() {
    host_.PaintControlNow(*this);
}

void GraphicHost::Add(GraphicControl* control) {
    controls_.push_back(control);
}

void GraphicHost::Remove(GraphicControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
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
    HDC dc = GetDC(window_);
    if (!dc)
        return;
    PaintOne(dc, control);
    ReleaseDC(window_, dc);
}

} // namespace qv
