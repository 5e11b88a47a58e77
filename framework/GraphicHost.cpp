// The window that hosts graphic controls: it keeps them and paints them.
#include "framework/GraphicControl.h"
#include "framework/Gdi.h"
#include <algorithm>

namespace qv {

namespace {
// Every host alive, so that a form can find the controls of the windows inside it.
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

GraphicHost::~GraphicHost() {
    auto& hosts = AllHosts();
    hosts.erase(std::remove(hosts.begin(), hosts.end(), this), hosts.end());
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
    WindowDC dc(window_);
    if (dc.Get())
        PaintOne(dc.Get(), control);
}

void GraphicHost::OffsetControls(int dx, int dy) {
    for (GraphicControl* c : controls_)
        OffsetRect(&c->bounds_, dx, dy);
}

} // namespace qv
