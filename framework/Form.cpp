#include "framework/Form.h"
#include "framework/Application.h"
#include "framework/BitButton.h"
#include "framework/Scaling.h"
#include <vector>

namespace qv {

namespace {

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// The first enabled button of a kind among the form's controls, in control order.
struct ButtonSearch {
    BitButton::Kind kind;
    BitButton* found = nullptr;
};

BOOL CALLBACK FindButton(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ButtonSearch*>(param);
    auto* button = dynamic_cast<BitButton*>(Window::FromHandle(window));
    if (button && button->GetKind() == search->kind && IsWindowEnabled(window) &&
        IsWindowVisible(window)) {
        search->found = button;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void Form::CreateForm(const FormSpec& spec) {
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    HWND owner = nullptr;
    if (spec.border == FormSpec::Border::Dialog) {
        style |= WS_POPUP;
        exStyle |= WS_EX_DLGMODALFRAME;
        if (Form* main = Application::Instance().MainForm())
            owner = main->Handle();
    } else {
        style |= WS_OVERLAPPED;
    }
    if (spec.minimizeBox)
        style |= WS_MINIMIZEBOX;
    if (spec.contextHelpButton)
        exStyle |= WS_EX_CONTEXTHELP;
    if (spec.stayOnTop)
        exStyle |= WS_EX_TOPMOST;
    const int clientWidth = ScaleToScreen(spec.clientWidth);
    const int clientHeight = ScaleToScreen(spec.clientHeight);
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    CreateOwnWindow("QvForm", exStyle, style, spec.caption,
                    RECT{0, 0, frame.right - frame.left, frame.bottom - frame.top}, owner, nullptr,
                    CS_DBLCLKS);
    graphics_.SetWindow(Handle());
    SetChildFont(spec.font);
    SetHelpContext(spec.helpContext);
    if (spec.iconResource) {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        HICON big = LoadIconA(instance, MAKEINTRESOURCEA(spec.iconResource));
        HICON small = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(spec.iconResource),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), 0));
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
    SetClientSize(clientWidth, clientHeight);
}

Form* Form::OfWindow(HWND anyWindowInside) {
    return dynamic_cast<Form*>(Window::FromHandle(TopLevelOf(anyWindowInside)));
}

void Form::SetClientSize(int width, int height) {
    content_ = SIZE{width, height};
    // Measure rather than compute: a menu bar may take more than one line.
    RECT window, client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    int dw = width - client.right;
    int dh = height - client.bottom;
    if (dw || dh)
        SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left + dw,
                     window.bottom - window.top + dh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetMenu(MainMenu& menu) {
    menu_ = &menu;
    menu.AttachTo(Handle());
    ::SetMenu(Handle(), menu.Handle());
    SetClientSize(content_.cx, content_.cy);
}

int Form::MenuHelpContext() const {
    if (!menu_ || !menu_->Highlighted())
        return 0;
    return menu_->Highlighted()->NearestHelpContext();
}

void Form::Show() {
    if (!shownOnce_) {
        shownOnce_ = true;
        scroller_.OnScrolled = [this](int dx, int dy) { graphics_.OffsetControls(dx, dy); };
        scroller_.FitIntoWorkArea(Handle(), content_);
        RECT r;
        GetWindowRect(Handle(), &r);
        int width = r.right - r.left;
        int height = r.bottom - r.top;
        const POINT place = KeepInWorkArea(POINT{(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2},
                                           SIZE{width, height});
        SetWindowPos(Handle(), nullptr, place.x, place.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (OnShow && !IsWindowVisible(Handle()))
        OnShow(*this);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void Form::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

bool Form::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(*this, canClose);
    return canClose;
}

void Form::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    if (OnClose)
        OnClose(*this);
    Application& app = Application::Instance();
    if (app.MainForm() == this) {
        app.Terminate();
        Hide();
    } else {
        Hide();
    }
}

int Form::ShowModal() {
    Application& app = Application::Instance();
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow,
                      reinterpret_cast<LPARAM>(&disabled));
    for (HWND w : disabled) {
        if (w != Handle())
            EnableWindow(w, FALSE);
    }
    modal_ = true;
    modalResult_ = mrNone;
    Show();
    while (true) {
        if (modalResult_ == mrNone)
            app.HandleMessage();
        if (app.Terminated()) {
            modalResult_ = mrCancel;
            break;
        }
        if (modalResult_ != mrNone) {
            if (CloseQuery())
                break;
            modalResult_ = mrNone;
        }
    }
    if (OnClose)
        OnClose(*this);
    // Enable the other windows before hiding, so that the owner is activated again.
    for (HWND w : disabled) {
        if (w != Handle() && IsWindow(w))
            EnableWindow(w, TRUE);
    }
    Hide();
    modal_ = false;
    return modalResult_;
}

void Form::Activated(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus))
            lastFocus_ = focus;
        return;
    }
    HWND target = lastFocus_;
    if (!target || !IsWindow(target) || !IsChild(Handle(), target) || !IsWindowEnabled(target) ||
        !IsWindowVisible(target))
        target = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (target && target != Handle())
        ::SetFocus(target);
}

bool Form::IsOwnWindow(HWND window) const {
    return window == Handle() || IsChild(Handle(), window);
}

void Form::DialogKey(UINT id) {
    // Enter: the focused button, else the default button; Escape: the first cancel button.
    if (id == IDOK) {
        if (auto* focused = dynamic_cast<BitButton*>(Window::FromHandle(GetFocus()))) {
            focused->Click();
            return;
        }
    }
    ButtonSearch search{id == IDOK ? BitButton::Kind::Default : BitButton::Kind::Cancel};
    EnumChildWindows(Handle(), &FindButton, reinterpret_cast<LPARAM>(&search));
    if (search.found)
        search.found->Click();
}

bool Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (HandleHostMessage(message, wParam, lParam, result))
        return true;
    result = 0;
    switch (message) {
    case WM_VSCROLL:
    case WM_HSCROLL:
        return scroller_.HandleScroll(message, wParam, lParam);
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0 &&
            (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
            DialogKey(LOWORD(wParam));
        else if (lParam == 0 && menu_)
            menu_->Dispatch(LOWORD(wParam));
        return true;
    case WM_MENUSELECT:
        if (menu_)
            menu_->Select(wParam, lParam);
        return true;
    case WM_CLOSE:
        Close();
        return true;
    case WM_QUERYNEWPALETTE: // about to come to the front: its controls' colours first
        result = GraphicHost::RealizePalettes(Handle(), true) ? TRUE : FALSE;
        return true;
    case WM_PALETTECHANGED:
        // A change the form's own realizing caused needs no answer; answering it would loop.
        if (!IsOwnWindow(reinterpret_cast<HWND>(wParam)))
            GraphicHost::RealizePalettes(Handle(), GetForegroundWindow() == Handle());
        return true;
    case WM_QUERYENDSESSION:
        result = CloseQuery() ? TRUE : FALSE;
        return true;
    case WM_ACTIVATE:
        Activated(LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam));
        return true;
    case WM_SETFOCUS:
        Activated(true);
        return true;
    case kRememberFocusMessage:
        lastFocus_ = reinterpret_cast<HWND>(wParam);
        return true;
    case DM_GETDEFID:
        result = 0; // no default id: Enter arrives as IDOK
        return true;
    default:
        return false;
    }
}

} // namespace qv
