// The popup menus of graphic controls: the host shows the menu of the control under a right
// click.
#include "framework/GraphicControl.h"
#include "framework/Menu.h"

namespace qv {

bool GraphicHost::ContextMenuMessage(WPARAM wParam, LPARAM lParam) {
    // Only a click in this very window: a child passes its unhandled clicks up to its parent.
    if (!window_ || reinterpret_cast<HWND>(wParam) != window_)
        return false;
    const POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (screen.x == -1 && screen.y == -1)
        return false; // from the keyboard: a window-less control never has the focus
    POINT client = screen;
    ScreenToClient(window_, &client);
    GraphicControl* control = ControlAt(client);
    if (!control)
        return false;
    qv::PopupMenu* menu = control->PopupMenu();
    if (!menu || !menu->AutoPopup())
        return false;
    menu->SetPopupComponent(control);
    menu->Popup(screen.x, screen.y);
    return true;
}

} // namespace qv
