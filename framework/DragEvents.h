#pragma once
#include "framework/Component.h"
#include <functional>

namespace qv {

// Where the pointer is, for a drop target, in a drag: it has just come over the target, it
// moves over it, or it has left it (also when the drag ends over it, dropped or cancelled).
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// x and y are relative to the sender's top-left corner. accept arrives true when the handler
// is set (a target without one accepts nothing); the handler may refuse by clearing it.
using DragOverEvent = std::function<void(Component& sender, Component& source, int x, int y,
                                         TDragState state, bool& accept)>;
// The source was dropped on the sender at (x, y).
using DragDropEvent = std::function<void(Component& sender, Component& source, int x, int y)>;
// The source's drag has begun (the pointer moved far enough, or at once).
using StartDragEvent = std::function<void(Component& sender)>;
// The sender's drag is over: dropped on target at (x, y) relative to the target, or cancelled
// (target null, x and y 0).
using EndDragEvent = std::function<void(Component& sender, Component* target, int x, int y)>;

} // namespace qv
