#include "framework/BitButton.h"
#include "framework/Form.h"
#include "framework/Glyphs.h"

namespace qv {

namespace {
constexpr int kPictureSize = 16;
constexpr int kSpacing = 4;
} // namespace

void BitButton::CreateHandle(HWND parent, const RECT& bounds, const char* text) {
    CreateStandardWindow("BUTTON", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, text,
                         bounds, parent);
}

void BitButton::SetGlyph(Glyph glyph) {
    glyph_ = glyph;
    if (Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void BitButton::SetIconResource(int resourceId) {
    icon_ = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId),
                                          IMAGE_ICON, kPictureSize, kPictureSize, 0));
    if (Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void BitButton::SetPictures(const ButtonPicture& normal, const ButtonPicture& disabled) {
    normalPicture_ = &normal;
    disabledPicture_ = &disabled;
    if (Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void BitButton::Click() {
    if (modalResult_ != 0) {
        if (Form* form = Form::OfWindow(Handle()))
            form->SetModalResult(modalResult_);
    }
    if (OnClick)
        OnClick(*this);
}

bool BitButton::OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND) {
        if (HIWORD(wParam) == BN_CLICKED)
            Click();
        result = 0;
        return true;
    }
    if (message == WM_DRAWITEM) {
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return Control::OnParentNotify(message, wParam, lParam, result);
}

bool BitButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // Owner-drawn buttons do not repaint on focus changes by themselves in every version.
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
        result = CallDefault(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, FALSE);
        return true;
    }
    return false;
}

void BitButton::DrawPicture(HDC dc, int x, int y, bool enabled) {
    if (normalPicture_) {
        DrawButtonPicture(dc, enabled ? *normalPicture_ : *disabledPicture_, x, y);
        return;
    }
    if (icon_) {
        DrawIconEx(dc, x, y, icon_, kPictureSize, kPictureSize, 0, nullptr, DI_NORMAL);
        return;
    }
    DrawGlyph(dc, glyph_, RECT{x, y, x + kPictureSize, y + kPictureSize}, enabled);
}

void BitButton::Draw(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pushed = item.itemState & ODS_SELECTED;
    bool focused = item.itemState & ODS_FOCUS;
    bool enabled = !(item.itemState & ODS_DISABLED);
    // The default button shows the heavy frame while no other button has the focus.
    bool heavy = focused || (kind_ == Kind::Default &&
                             !dynamic_cast<BitButton*>(Window::FromHandle(GetFocus())));
    if (heavy) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

    std::string caption = Text();
    HGDIOBJ oldFont = SelectObject(dc, Font());
    RECT measure{0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
    bool hasPicture = normalPicture_ || icon_ || glyph_ != Glyph::None;
    int width = measure.right + (hasPicture ? kPictureSize + kSpacing : 0);
    int x = (r.left + r.right - width) / 2 + (pushed ? 1 : 0);
    int y = (r.top + r.bottom) / 2 + (pushed ? 1 : 0);
    if (hasPicture) {
        DrawPicture(dc, x, y - kPictureSize / 2, enabled);
        x += kPictureSize + kSpacing;
    }
    RECT text{x, y - measure.bottom / 2, x + measure.right,
              y - measure.bottom / 2 + measure.bottom};
    SetBkMode(dc, TRANSPARENT);
    if (enabled) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
    } else {
        OffsetRect(&text, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
        OffsetRect(&text, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
    }
    SelectObject(dc, oldFont);
    if (focused) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace qv
