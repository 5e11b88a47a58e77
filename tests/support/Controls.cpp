#include "support/Controls.h"
#include "support/Pump.h"

namespace qvtest {

namespace {

// The middle of the button's upper or lower half.
POINT SpinButtonPoint(qv::SpinEdit& edit, bool up) {
    RECT r;
    GetClientRect(edit.ButtonHandle(), &r);
    return POINT{r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4};
}

} // namespace

std::string TextOf(const qv::Window& window) {
    char text[256] = {};
    GetWindowTextA(window.Handle(), text, sizeof text);
    return text;
}

void PressSpinButton(qv::SpinEdit& edit, bool up) {
    const POINT p = SpinButtonPoint(edit, up);
    POINT screen = p;
    ClientToScreen(edit.ButtonHandle(), &screen);
    // The pointer settles first, so that no stale mouse move tells the button it is elsewhere.
    PlacePointer(screen);
    SendMessageA(edit.ButtonHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

void ReleaseSpinButton(qv::SpinEdit& edit, bool up, bool over) {
    POINT p = SpinButtonPoint(edit, up);
    if (!over) {
        RECT r;
        GetClientRect(edit.ButtonHandle(), &r);
        p.x = r.right + 40;
    }
    SendMessageA(edit.ButtonHandle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

} // namespace qvtest
