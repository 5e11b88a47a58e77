#include "framework/Window.h"
#include "framework/ErrorBox.h"
#include "framework/Exceptions.h"
#include <vector>

namespace qv {

namespace {

const char kObjectProperty[] = "QvObject";

// A notification from a child control: the child's handle, or null when the message is not one.
HWND NotifyingChild(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
        // wParam is the control's id, which is 0 for the framework's controls: only the item
        // type tells a menu apart.
        const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    default:
        return nullptr;
    }
}

void RegisterOwnClass(const char* className, UINT classStyle, WNDPROC procedure) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (GetClassInfoA(instance, className, &existing))
        return;
    WNDCLASSA wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc))
        throw Exception(std::string("Cannot register the window class ") + className);
}

} // namespace

Window::~Window() {
    if (handle_) {
        HWND handle = handle_;
        DestroyWindow(handle);
        if (handle_)
            Detach();
    }
}

Window* Window::FromHandle(HWND handle) {
    if (!handle)
        return nullptr;
    return static_cast<Window*>(GetPropA(handle, kObjectProperty));
}

std::string Window::Text() const {
    if (!handle_)
        return {};
    int length = GetWindowTextLengthA(handle_);
    std::vector<char> buffer(length + 1);
    GetWindowTextA(handle_, buffer.data(), length + 1);
    return buffer.data();
}

void Window::SetText(const std::string& text) {
    if (handle_)
        SetWindowTextA(handle_, text.c_str());
}

bool Window::Enabled() const {
    return handle_ && IsWindowEnabled(handle_);
}

void Window::SetEnabled(bool enabled) {
    if (handle_)
        EnableWindow(handle_, enabled ? TRUE : FALSE);
}

bool Window::Visible() const {
    return handle_ && IsWindowVisible(handle_);
}

void Window::SetFocus() {
    if (!handle_)
        return;
    HWND top = TopLevelOf(handle_);
    if (top != handle_ && !IsWindowVisible(top))
        SendMessageA(top, kRememberFocusMessage, reinterpret_cast<WPARAM>(handle_), 0);
    else
        ::SetFocus(handle_);
}

bool Window::Focused() const {
    HWND focus = GetFocus();
    return handle_ && focus && (focus == handle_ || IsChild(handle_, focus));
}

void Window::CreateOwnWindow(const char* className, DWORD exStyle, DWORD style, const char* text,
                             const RECT& bounds, HWND parent, HMENU menuOrId, UINT classStyle) {
    RegisterOwnClass(className, classStyle, &Window::OwnClassProc);
    HWND handle = CreateWindowExA(exStyle, className, text, style, bounds.left, bounds.top,
                                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                  menuOrId, GetModuleHandleA(nullptr), this);
    if (!handle)
        throw EOutOfResources(std::string("Cannot create a window of class ") + className);
}

void Window::CreateStandardWindow(const char* className, DWORD exStyle, DWORD style,
                                  const char* text, const RECT& bounds, HWND parent, UINT_PTR id) {
    HWND handle = CreateWindowExA(exStyle, className, text, style, bounds.left, bounds.top,
                                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                  reinterpret_cast<HMENU>(id), GetModuleHandleA(nullptr), nullptr);
    if (!handle)
        throw EOutOfResources(std::string("Cannot create a window of class ") + className);
    Attach(handle);
    original_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle, GWLP_WNDPROC));
    SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::SubclassProc));
}

bool Window::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool Window::OnParentNotify(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Window::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    if (original_)
        return CallWindowProcA(original_, handle_, message, wParam, lParam);
    return DefWindowProcA(handle_, message, wParam, lParam);
}

void Window::Attach(HWND handle) {
    handle_ = handle;
    SetPropA(handle, kObjectProperty, this);
}

void Window::Detach() {
    if (handle_)
        RemovePropA(handle_, kObjectProperty);
    handle_ = nullptr;
    original_ = nullptr;
}

LRESULT Window::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    // Notifications go to the control that sent them first (the parent's own handling after).
    if (HWND child = NotifyingChild(message, lParam)) {
        Window* control = FromHandle(child);
        if (control && control != this && control->OnParentNotify(message, wParam, lParam, result))
            return result;
    }
    if (OnMessage(message, wParam, lParam, result))
        return result;
    return CallDefault(message, wParam, lParam);
}

LRESULT CALLBACK Window::OwnClassProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        static_cast<Window*>(create->lpCreateParams)->Attach(handle);
    }
    Window* self = FromHandle(handle);
    if (!self)
        return DefWindowProcA(handle, message, wParam, lParam);
    try {
        if (message == WM_NCDESTROY) {
            LRESULT result = DefWindowProcA(handle, message, wParam, lParam);
            self->Detach();
            self->HandleDestroyed();
            return result;
        }
        return self->Route(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
        return 0;
    }
}

LRESULT CALLBACK Window::SubclassProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = FromHandle(handle);
    if (!self)
        return DefWindowProcA(handle, message, wParam, lParam);
    try {
        if (message == WM_NCDESTROY) {
            WNDPROC original = self->original_;
            SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            self->Detach();
            self->HandleDestroyed();
            return CallWindowProcA(original, handle, message, wParam, lParam);
        }
        return self->Route(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
        return 0;
    }
}

HWND TopLevelOf(HWND window) {
    while (window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
        window = GetParent(window);
    return window;
}

} // namespace qv
