// The drag side of graphic controls: starting and ending their own drag, and the drag events
// the manager raises on them.
#include "framework/DragManager.h"
#include "framework/GraphicControl.h"

namespace qv {

void GraphicControl::BeginDrag(bool immediate, int threshold) {
    POINT screen;
    GetCursorPos(&screen);
    DragManager::Instance().Begin(*this, immediate, threshold, screen, false);
}

void GraphicControl::EndDrag(bool drop) {
    DragManager::Instance().End(*this, drop);
}

bool GraphicControl::Dragging() const {
    return DragManager::Instance().IsDragging(*this);
}

void GraphicControl::DoStartDrag() {
    if (OnStartDrag)
        OnStartDrag(*this);
}

void GraphicControl::DragOver(Component& source, int x, int y, TDragState state, bool& accept) {
    if (!OnDragOver)
        return;
    accept = true;
    OnDragOver(*this, source, x, y, state, accept);
}

void GraphicControl::DragDrop(Component& source, int x, int y) {
    if (OnDragDrop)
        OnDragDrop(*this, source, x, y);
}

void GraphicControl::DoEndDrag(Component* target, int x, int y) {
    if (OnEndDrag)
        OnEndDrag(*this, target, x, y);
}

} // namespace qv
