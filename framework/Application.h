#pragma once
#include <windows.h>
#include <string>

namespace qv {

class Form;

// Receives every help request instead of WinHelpA (for tests): the help file, the WinHelp
// command and its data.
using HelpHook = void (*)(const std::string& helpFile, UINT command, ULONG_PTR data);
void SetHelpHook(HelpHook hook);

// The application object: title, help file, main form, the message loop and help requests.
class Application {
public:
    static Application& Instance();

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
};

} // namespace qv
