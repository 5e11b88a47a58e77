// Window-less controls: their bounds and state.
#include "framework/GraphicControl.h"
#include "framework/Scaling.h"

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

void GraphicControl::SetLayoutBounds(int left, int top, int width, int height) {
    const RECT scaled = ScaleToScreen(RECT{left, top, left + width, top + height});
    SetBounds(scaled.left, scaled.top, scaled.right - scaled.left, scaled.bottom - scaled.top);
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

} // namespace qv
