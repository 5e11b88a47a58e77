#include "framework/Label.h"

namespace qv {

void Label::CreateHandle(HWND parent, const RECT& bounds, const char* text) {
    CreateStandardWindow("STATIC", 0, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, text, bounds,
                         parent);
}

void LinkLabel::CreateHandle(HWND parent, const RECT& bounds, const char* text) {
    CreateStandardWindow("STATIC", 0, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOTIFY, text,
                         bounds, parent);
}

bool LinkLabel::OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        if (OnClick)
            OnClick(*this);
        result = 0;
        return true;
    }
    return Label::OnParentNotify(message, wParam, lParam, result);
}

} // namespace qv
