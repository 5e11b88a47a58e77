#include "framework/SpinEdit.h"
#include "framework/Scaling.h"
#include "framework/Seams.h"
#include "framework/SpinEditParts.h"
#include "framework/core/SpinText.h"

namespace qv {

namespace {
constexpr int kButtonWidth = 15; // at 96 pixels per inch

char DecimalSeparator() {
    char buffer[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) > 0 &&
        buffer[0])
        return buffer[0];
    return '.';
}

// The focus has moved to another control of the same window (not to another window).
bool FocusStaysInWindow(HWND from, HWND to) {
    return to && TopLevelOf(to) == TopLevelOf(from);
}
} // namespace

// ---- the edit part -------------------------------------------------------------------------

bool SpinEdit::Editor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter goes to the edit (which refuses it with a beep) instead of the dialog keys.
        result = CallDefault(message, wParam, lParam);
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
            msg->wParam == VK_RETURN)
            result |= DLGC_WANTMESSAGE;
        return true;
    }
    case WM_CHAR:
        if (!IsSpinEditChar(static_cast<char>(wParam), DecimalSeparator())) {
            DefaultBeep();
            result = 0;
            return true;
        }
        return false;
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_DOWN) {
            wParam == VK_UP ? owner_.StepUp() : owner_.StepDown();
            result = 0;
            return true;
        }
        return false;
    case WM_KEYUP:
        result = CallDefault(message, wParam, lParam);
        if (owner_.OnKeyUp)
            owner_.OnKeyUp(owner_, static_cast<unsigned>(wParam));
        return true;
    case WM_KILLFOCUS:
        result = CallDefault(message, wParam, lParam);
        if (FocusStaysInWindow(Handle(), reinterpret_cast<HWND>(wParam)))
            owner_.FocusLeft();
        return true;
    default:
        return false;
    }
}

bool SpinEdit::Editor::OnParentNotify(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        if (!owner_.settingText_)
            owner_.TextChanged();
        result = 0;
        return true;
    }
    return false;
}

// ---- the spin edit -------------------------------------------------------------------------

SpinEdit::SpinEdit() : editor_(new Editor(*this)), buttons_(new Buttons(*this)) {}

SpinEdit::~SpinEdit() {
    delete buttons_;
    delete editor_;
}

void SpinEdit::CreateHandle(HWND parent, const RECT& bounds, const char* text) {
    CreateOwnWindow("QvSpinEdit", WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT,
                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, "", bounds, parent, nullptr);
    RECT client;
    GetClientRect(Handle(), &client);
    int editWidth = client.right - ScaleToScreen(kButtonWidth);
    editor_->Create(Handle(), RECT{0, 0, editWidth, client.bottom}, text);
    buttons_->Create(Handle(), RECT{editWidth, 0, client.right, client.bottom});
}

HWND SpinEdit::EditHandle() const {
    return editor_->Handle();
}

HWND SpinEdit::ButtonHandle() const {
    return buttons_->Handle();
}

std::string SpinEdit::Text() const {
    return editor_->Text();
}

void SpinEdit::SetText(const std::string& text) {
    if (editor_->Text() == text)
        return;
    settingText_ = true;
    editor_->SetText(text);
    settingText_ = false;
    TextChanged();
}

std::int32_t SpinEdit::Value() const {
    return ReadSpinValue(Text(), minValue_);
}

void SpinEdit::SetValue(std::int32_t value) {
    SetText(std::to_string(HoldSpinValue(value, minValue_, maxValue_)));
}

void SpinEdit::StepUp() {
    SetText(std::to_string(StepSpinValue(Value(), increment_, true, minValue_, maxValue_)));
}

void SpinEdit::StepDown() {
    SetText(std::to_string(StepSpinValue(Value(), increment_, false, minValue_, maxValue_)));
}

void SpinEdit::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    editor_->SetEnabled(enabled);
    buttons_->SetEnabled(enabled);
}

void SpinEdit::SetFocus() {
    editor_->SetFocus();
}

void SpinEdit::TextChanged() {
    if (OnChange)
        OnChange(*this);
}

void SpinEdit::FocusLeft() {
    if (OnExit)
        OnExit(*this);
    std::int32_t value = Value();
    if (HoldSpinValue(value, minValue_, maxValue_) != value)
        SetValue(value);
}

bool SpinEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SETFONT:
        SendMessageA(editor_->Handle(), WM_SETFONT, wParam, lParam);
        result = 0;
        return true;
    case WM_GETFONT:
        result = SendMessageA(editor_->Handle(), WM_GETFONT, 0, 0);
        return true;
    case WM_SETFOCUS:
        editor_->SetFocus();
        result = 0;
        return true;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_WINDOW));
        result = 1;
        return true;
    }
    default:
        return false;
    }
}

} // namespace qv
