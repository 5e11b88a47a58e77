#pragma once
#include "framework/Window.h"

namespace qv {

// A hidden top-level window that only receives messages (timers, hand-overs from worker
// threads); a derived class handles them in OnMessage. Windows 95 has no message-only windows,
// so it is an invisible pop-up.
class HiddenWindow : public Window {
protected:
    explicit HiddenWindow(const char* className) {
        CreateOwnWindow(className, 0, WS_POPUP, "", RECT{0, 0, 0, 0}, nullptr, nullptr);
    }
};

} // namespace qv
