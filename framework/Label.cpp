#include "framework/Label.h"
#include "framework/Gdi.h"
#include <algorithm>

namespace qv {

void Label::CreateHandle(HWND parent, const RECT& bounds, const char* text) {
    CreateStandardWindow("STATIC", 0, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, text, bounds,
                         parent);
}

void Label::SetText(const std::string& text) {
    Control::SetText(text);
    if (autoSize_ && Handle())
        GrowToText();
}

void Label::SetFont(HFONT font) {
    Control::SetFont(font);
    if (autoSize_ && Handle())
        GrowToText();
}

void Label::GrowToText() {
    std::string text = Text();
    RECT needed{0, 0, 0, 0};
    {
        WindowDC dc(Handle());
        Selection font(dc.Get(), Font() ? Font() : GetStockObject(DEFAULT_GUI_FONT));
        DrawTextA(dc.Get(), text.c_str(), -1, &needed, DT_SINGLELINE | DT_CALCRECT);
    }
    RECT bounds = BoundsInParent();
    int width = std::max<int>(bounds.right - bounds.left, needed.right);
    int height = std::max<int>(bounds.bottom - bounds.top, needed.bottom);
    SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
