#pragma once
#include "framework/Component.h"
#include <windows.h>
#include <string>

namespace qv {

// Base of every object that owns a window handle. The object is attached to its handle as the
// window property "QvObject" (for the framework's own window classes at WM_NCCREATE), so the
// help chain and the notifications a parent receives can find it.
//
// One static procedure serves the framework's own classes and one the standard controls it
// subclasses; both forward to OnMessage and hold the exception barrier.
class Window : public Component {
public:
    ~Window() override;

    HWND Handle() const { return handle_; }
    // The framework object attached to a handle, or null for a window that is not ours.
    static Window* FromHandle(HWND handle);

    // Help context for F1; 0 means "none of its own": the enclosing window's is used.
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    virtual std::string Text() const;
    virtual void SetText(const std::string& text);
    bool Enabled() const;
    virtual void SetEnabled(bool enabled);
    bool Visible() const;
    // Gives the window the focus; inside a window that is not shown yet, it gets the focus
    // when that window is activated.
    virtual void SetFocus();
    // True when the focus is on this window or on one of its children.
    bool Focused() const;

protected:
    Window() = default;

    // Creates a window of one of the framework's own classes; the class is registered on first
    // use with the cursor arrow and no background brush (the object paints its background).
    void CreateOwnWindow(const char* className, DWORD exStyle, DWORD style, const char* text,
                         const RECT& bounds, HWND parent, HMENU menuOrId, UINT classStyle = 0);
    // Creates a standard control (EDIT, STATIC, BUTTON, msctls_trackbar32 ...), attaches to it
    // and routes its messages through OnMessage first (subclassing).
    void CreateStandardWindow(const char* className, DWORD exStyle, DWORD style, const char* text,
                              const RECT& bounds, HWND parent, UINT_PTR id = 0);

    // Messages of the window; return true when handled (result is then returned to Windows).
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Notifications about this window that its parent receives (WM_COMMAND, WM_NOTIFY,
    // WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR*, WM_DRAWITEM); the parent forwards them here.
    virtual bool OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The default processing: DefWindowProc, or the standard control's own procedure.
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the handle is gone (after WM_NCDESTROY).
    virtual void HandleDestroyed() {}

private:
    static LRESULT CALLBACK OwnClassProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND handle);
    void Detach();

    HWND handle_ = nullptr;
    WNDPROC original_ = nullptr;
    int helpContext_ = 0;
};

// The top-level window that contains a window (the window itself when it has no parent).
HWND TopLevelOf(HWND window);

// Sent to a hidden top-level window by a child that asks for the focus: the window gives the
// child the focus when it is next activated (wParam: the child).
constexpr UINT kRememberFocusMessage = WM_USER + 0x5101;

} // namespace qv
