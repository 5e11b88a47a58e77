#pragma once
#include <windows.h>
#include <memory>
#include <string>

namespace qv {

class Form;
class HintController;
class HintWindow;

// Receives every help request instead of WinHelpA (for tests): the help file, the WinHelp
// command and its data.
using HelpHook = void (*)(const std::string& helpFile, UINT command, ULONG_PTR data);
void SetHelpHook(HelpHook hook);

// The application object: title, help file, main form, the message loop and help requests.
class Application {
public:
    static Application& Instance();
    ~Application();

    // Registers the common controls and the F1 handling inside menus.
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& file) { helpFile_ = file; }

    // The main form: closing it ends the application.
    Form* MainForm() const { return mainForm_; }
    void SetMainForm(Form* form) { mainForm_ = form; }
    // The window that owns message boxes and error boxes: the main form once it exists.
    HWND Window() const;
    void SetWindow(HWND window) { window_ = window; }

    // Shows the main form and dispatches messages until Terminate, then quits the help.
    void Run();
    // Ends the message loop once the current handler has returned.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Lets a test run another loop after Terminate.
    void ResetTerminated() { terminated_ = false; }
    // Waits for one message and processes it.
    void HandleMessage();
    // Processes every message waiting, without blocking. It returns only once the queue is
    // empty, so a caller that waits for something between messages uses ProcessMessage.
    void ProcessMessages();
    // Processes one waiting message, without blocking; false when none was waiting.
    bool ProcessMessage();
    // Processes one message: F1, dialog keys of the program's forms, dispatch.
    void Process(MSG& message);

    // Drags: a control's drag that waits for the pointer starts once it has moved this many
    // pixels; a dmAutomatic control's press starts its drag at once when DragImmediate is set.
    int DragThreshold() const { return dragThreshold_; }
    void SetDragThreshold(int pixels) { dragThreshold_ = pixels < 0 ? 0 : pixels; }
    bool DragImmediate() const { return dragImmediate_; }
    void SetDragImmediate(bool immediate) { dragImmediate_ = immediate; }

    // WinHelp on the help file (through the help hook when one is set).
    void HelpCommand(UINT command, ULONG_PTR data);
    // HELP_QUIT when the program has asked for help since it last said so: a viewer that no
    // other program uses then closes. Run does this on its way out, with the main form's
    // handle still valid (WinHelp knows its callers by window).
    void QuitHelp();
    // HELP_CONTEXT with the number; 0 asks for nothing.
    void HelpContext(int context);
    // The help context F1 asks for on a window: its own or its nearest enclosing one's.
    static int HelpContextOf(HWND window);

    // Hints of graphic controls. ShowHint is the application-wide switch (turning it off hides
    // a hint shown). HintPause: how long the mouse rests on a control before its hint shows;
    // HintShortPause: the same when it comes straight from a control whose hint was shown;
    // HintHidePause: how long a hint stays. All in milliseconds.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    unsigned HintPause() const { return hintPause_; }
    void SetHintPause(unsigned milliseconds) { hintPause_ = milliseconds; }
    unsigned HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(unsigned milliseconds) { hintShortPause_ = milliseconds; }
    unsigned HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(unsigned milliseconds) { hintHidePause_ = milliseconds; }
    // Hides the hint shown or pending; the control under the mouse shows it again only once the
    // mouse has left it.
    void CancelHint();
    // The window hints show in (null until the first hint is due).
    qv::HintWindow* HintWindow() const;
    // What tracks the mouse for hints (created on first use).
    HintController& Hints();

private:
    bool IsDialogKey(MSG& message);
    static LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam);

    std::string title_ = " Quorvane";
    std::string helpFile_;
    Form* mainForm_ = nullptr;
    HWND window_ = nullptr;
    bool terminated_ = false;
    bool helpAsked_ = false;
    HHOOK menuHook_ = nullptr;
    bool showHint_ = true;
    unsigned hintPause_ = 500;
    unsigned hintShortPause_ = 50;
    unsigned hintHidePause_ = 2500;
    std::unique_ptr<HintController> hints_;
    int dragThreshold_ = 5;
    bool dragImmediate_ = true;
};

} // namespace qv
