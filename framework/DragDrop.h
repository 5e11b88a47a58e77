#pragma once
#include <windows.h>

namespace qv {

class GraphicControl;
class GraphicHost;

// Drag and drop between graphic controls, in any of the program's host windows. One drag at a
// time: it starts at once or once the pointer has moved far enough with the left button held,
// holds the mouse capture on a hidden window of its own, shows the source's DragCursor over a
// target that accepts and crNoDrop elsewhere, and ends with a left-button release (a drop when
// the target under the pointer accepts it), Escape, a right-button press, or a lost capture.
// The controls' side is GraphicControl's BeginDrag, EndDrag and drag events; these are the
// framework's hooks.

// A hosting window's message, before its controls see it: moves that start a waiting drag,
// and every mouse message while the drag holds the mouse. True when the drag took it.
bool DragHostMessage(GraphicHost& host, UINT message, WPARAM wParam, LPARAM lParam);
// A left-button press on a dmAutomatic control, at a screen position: the press starts a drag
// (at once, or with the application's threshold) instead of reaching the control.
void BeginAutomaticDrag(GraphicControl& control, POINT screen);
// For the message loop: Escape cancels the drag. True when the drag took the message.
bool DragKeyMessage(const MSG& message);
// For GraphicControl's destructor: a source cancels its drag with no more events to it, a
// target is forgotten.
void DragControlDestroyed(GraphicControl& control);
// The control whose drag is waiting or running, or null.
GraphicControl* DragSource();

} // namespace qv
