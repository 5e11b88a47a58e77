// Window-less controls: bounds, state and the mouse events their host passes on.
#include "framework/GraphicControl.h"
#include "framework/DragDrop.h"
#include "framework/Menu.h"
#include "framework/Scaling.h"

namespace qv {

GraphicControl::GraphicControl(GraphicHost& host) : host_(host) {
    host_.Add(this);
}

GraphicControl::~GraphicControl() {
    PopupMenu::ComponentGone(this);
    DragControlDestroyed(*this);
    host_.Remove(this);
}

void GraphicControl::SetBounds(int left, int top, int width, int height) {
    RECT next{left, top, left + width, top + height};
    if (EqualRect(&next, &bounds_))
        return;
    SetBoundsAligned(next);
    if (align_ != alNone)
        host_.Realign(); // the aligned edge stays where the alignment puts it
}

void GraphicControl::SetLayoutBounds(int left, int top, int width, int height) {
    const RECT scaled = ScaleToScreen(RECT{left, top, left + width, top + height});
    SetBounds(scaled.left, scaled.top, scaled.right - scaled.left, scaled.bottom - scaled.top);
}

void GraphicControl::SetBoundsAligned(const RECT& bounds) {
    if (EqualRect(&bounds, &bounds_))
        return;
    Invalidate();
    bounds_ = bounds;
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
    host_.Realign();
}

void GraphicControl::Invalidate() {
    if (HWND w = host_.Window())
        InvalidateRect(w, &bounds_, TRUE);
}

void GraphicControl::PaintNow() {
    host_.PaintControlNow(*this);
}

void GraphicControl::SetAlign(TAlign align) {
    if (align_ == align)
        return;
    align_ = align;
    host_.Realign();
}

void GraphicControl::Click() {
    if (OnClick)
        OnClick(*this);
}

void GraphicControl::DblClick() {
    if (OnDblClick)
        OnDblClick(*this);
}

void GraphicControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(*this, button, shift, x, y);
}

void GraphicControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(*this, shift, x, y);
}

void GraphicControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(*this, button, shift, x, y);
}

} // namespace qv
