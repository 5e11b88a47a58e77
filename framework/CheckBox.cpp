#include "framework/CheckBox.h"

namespace qv {

void CheckBox::CreateHandle(HWND parent, const RECT& bounds, const char* text) {
    CreateStandardWindow("BUTTON", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, text,
                         bounds, parent);
}

bool CheckBox::Checked() const {
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    if (Checked() == checked)
        return;
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (OnClick)
        OnClick(*this);
}

bool CheckBox::OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND) {
        // The automatic check box has toggled itself already.
        if (HIWORD(wParam) == BN_CLICKED && OnClick)
            OnClick(*this);
        result = 0;
        return true;
    }
    return Control::OnParentNotify(message, wParam, lParam, result);
}

} // namespace qv
