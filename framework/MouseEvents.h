#pragma once
#include "framework/Component.h"
#include <windows.h>
#include <functional>

namespace qv {

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The keys and buttons held during a mouse event; ssDouble marks the press of a double click.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 0x01, ssAlt = 0x02, ssCtrl = 0x04, ssLeft = 0x08, ssRight = 0x10,
                      ssMiddle = 0x20, ssDouble = 0x40;

// The shift state of a mouse message's key flags (MK_*); Alt is read from the keyboard.
TShiftState ShiftStateOf(WPARAM mouseKeys);

using NotifyEvent = std::function<void(Component& sender)>;
// x and y are relative to the sender's top-left corner.
using MouseEvent =
    std::function<void(Component& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Component& sender, TShiftState shift, int x, int y)>;

} // namespace qv
