#pragma once
#include "framework/Control.h"
#include "framework/FormScroller.h"
#include "framework/Menu.h"
#include <functional>

namespace qv {

// How a form looks and where it goes, as its layout gives it.
struct FormSpec {
    const char* caption;
    int clientWidth, clientHeight; // exact client size in pixels at 96 pixels per inch
    enum class Border { Single, Dialog } border = Border::Single;
    bool minimizeBox = true;
    bool contextHelpButton = false;
    bool stayOnTop = false;
    FontSpec font = kMsSansSerif11;
    int iconResource = 0; // 0: the default application icon
    int helpContext = 0;
};

// Modal results as the platform's message-box answers number them.
enum ModalResultCode : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// A top-level window: hosts controls and graphic controls, has an optional menu bar, closes
// through a close query, and can run as a modal dialog. Centred on the screen when first shown,
// its caption kept inside the work area. Its size, its controls' places and its fonts scale
// with the screen's pixels per inch (Scaling.h). A form larger than the work area shows as
// large as the work area allows and scrolls (FormScroller.h).
// Tab, the arrow keys, Enter (the focused or the default button) and Escape (the first cancel
// button) work as in dialogs; the application's message loop provides them.
class Form : public Window, public ControlParent {
public:
    // Creates the window (hidden), its client area as given, scaled to the screen. Dialog forms
    // are owned by the application's main form.
    void CreateForm(const FormSpec& spec);
    HWND ClientHandle() const override { return Handle(); }
    static Form* OfWindow(HWND anyWindowInside);

    void SetMenu(MainMenu& menu);
    MainMenu* Menu() const { return menu_; }
    // Called by a menu bar that goes away before the form.
    void MenuGone(const MainMenu& menu) {
        if (menu_ == &menu)
            menu_ = nullptr;
    }
    // The help context F1 asks for over the highlighted menu item (0 when none).
    int MenuHelpContext() const;

    void Show();
    void Hide();
    // Runs the close query; a modal form closes with mrCancel.
    void Close();
    // Shows the form modally (other windows of the program disabled) until its modal result is
    // set and the close query allows; returns the result.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool IsModal() const { return modal_; }
    // In screen pixels (not scaled). A window the system cuts to the screen keeps it as the
    // size of its scrolling content (FormScroller.h).
    void SetClientSize(int width, int height);
    const FormScroller& Scroller() const { return scroller_; }

    std::function<void(Component& sender, bool& canClose)> OnCloseQuery;
    std::function<void(Component& sender)> OnClose;
    std::function<void(Component& sender)> OnShow;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The close query alone: true when the form may close.
    bool CloseQuery();

private:
    void Activated(bool active);
    void DialogKey(UINT id);
    // The form itself or a window inside it.
    bool IsOwnWindow(HWND window) const;

    MainMenu* menu_ = nullptr;
    bool shownOnce_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    HWND lastFocus_ = nullptr;
    SIZE content_{0, 0};
    FormScroller scroller_;
};

} // namespace qv
