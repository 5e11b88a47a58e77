#include "framework/Application.h"
#include "framework/ErrorBox.h"
#include "framework/Form.h"
#include <commctrl.h>

namespace qv {

namespace {
HelpHook g_helpHook = nullptr;
}

void SetHelpHook(HelpHook hook) {
    g_helpHook = hook;
}

Application& Application::Instance() {
    static Application app;
    return app;
}

void Application::Initialize() {
    InitCommonControls();
    if (!menuHook_)
        menuHook_ = SetWindowsHookExA(WH_MSGFILTER, &Application::MenuFilter, nullptr,
                                      GetCurrentThreadId());
}

HWND Application::Window() const {
    if (mainForm_ && mainForm_->Handle())
        return mainForm_->Handle();
    return window_;
}

void Application::Run() {
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_)
        HandleMessage();
    QuitHelp();
}

void Application::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void Application::HandleMessage() {
    MSG message;
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        terminated_ = true;
        return;
    }
    Process(message);
}

void Application::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

bool Application::ProcessMessage() {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT)
        terminated_ = true;
    else
        Process(message);
    return true;
}

void Application::Process(MSG& message) {
    if (IsDialogKey(message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

bool Application::IsDialogKey(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return false;
    Form* form = Form::OfWindow(message.hwnd);
    if (!form)
        return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
        try {
            HelpContext(HelpContextOf(message.hwnd));
        } catch (...) {
            ReportCurrentException();
        }
        return true;
    }
    return IsDialogMessageA(form->Handle(), &message) != FALSE;
}

// F1 inside a menu never reaches the message loop: the menu's own loop passes its messages
// through this filter, which asks for the highlighted item's help context.
LRESULT CALLBACK Application::MenuFilter(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && message->message == WM_KEYDOWN && message->wParam == VK_F1) {
        try {
            Application& app = Instance();
            if (Form* form = Form::OfWindow(GetActiveWindow()))
                app.HelpContext(form->MenuHelpContext());
        } catch (...) {
            ReportCurrentException();
        }
        return TRUE;
    }
    return CallNextHookEx(Instance().menuHook_, code, wParam, lParam);
}

void Application::HelpCommand(UINT command, ULONG_PTR data) {
    helpAsked_ = command != HELP_QUIT;
    if (g_helpHook)
        g_helpHook(helpFile_, command, data);
    else
        WinHelpA(Window(), helpFile_.c_str(), command, data);
}

void Application::QuitHelp() {
    if (helpAsked_)
        HelpCommand(HELP_QUIT, 0);
}

void Application::HelpContext(int context) {
    if (context != 0)
        HelpCommand(HELP_CONTEXT, static_cast<ULONG_PTR>(context));
}

int Application::HelpContextOf(HWND window) {
    while (window) {
        if (qv::Window* object = qv::Window::FromHandle(window); object && object->HelpContext())
            return object->HelpContext();
        if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
            break;
        window = GetParent(window);
    }
    return 0;
}

const char* ApplicationTitleForErrors() {
    return Application::Instance().Title().c_str();
}

HWND ApplicationWindowForErrors() {
    return Application::Instance().Window();
}

} // namespace qv
