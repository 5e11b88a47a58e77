#include "framework/BitButton.h"
#include "framework/Form.h"
#include "framework/Gdi.h"
#include "framework/Scaling.h"
#include "framework/StandardPictures.h"

namespace qv {

namespace {
// At 96 pixels per inch: between the picture and the caption, and from the frame to the focus
// rectangle.
constexpr int kSpacing = 4;
constexpr int kFocusInset = 4;
} // namespace

void BitButton::CreateHandle(HWND parent, const RECT& bounds, const char* text) {
    CreateStandardWindow("BUTTON", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, text,
                         bounds, parent);
}

void BitButton::SetGlyph(Glyph glyph) {
    SetPictures(StandardPicture(glyph, true), StandardPicture(glyph, false));
    glyph_ = glyph;
    if (glyph == Glyph::None)
        normalPicture_ = disabledPicture_ = nullptr; // no picture, no gap before the caption
}

void BitButton::SetPictures(const ButtonPicture& normal, const ButtonPicture& disabled) {
    glyph_ = Glyph::None;
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
    Selection font(dc, Font());
    RECT measure{0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
    bool hasPicture = normalPicture_ != nullptr;
    const int spacing = ScaleToScreen(kSpacing); // the picture keeps its pixels
    int width = measure.right + (hasPicture ? ButtonPicture::kSize + spacing : 0);
    int x = (r.left + r.right - width) / 2 + (pushed ? 1 : 0);
    int y = (r.top + r.bottom) / 2 + (pushed ? 1 : 0);
    if (hasPicture) {
        DrawButtonPicture(dc, enabled ? *normalPicture_ : *disabledPicture_, x,
                          y - ButtonPicture::kSize / 2);
        x += ButtonPicture::kSize + spacing;
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
    if (focused) {
        RECT focus = r;
        const int inset = ScaleToScreen(kFocusInset);
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace qv
