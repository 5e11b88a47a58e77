#include "DialogDriver.h"
#include "framework/Window.h"
#include "okunit/okform.h"
#include "support/Pump.h"
#include <stdexcept>

namespace qvtest {

namespace {
DialogDriver* g_driver = nullptr;
}

std::string ToString(Answer answer) {
    switch (answer) {
    case Answer::EnterOnFocus:
        return "Enter";
    case Answer::KeyY:
        return "Y";
    case Answer::KeyN:
        return "N";
    case Answer::Escape:
        return "Escape";
    case Answer::ClickYes:
        return "click Yes";
    case Answer::ClickNo:
        return "click No";
    case Answer::ClickCancel:
        return "click Cancel";
    case Answer::CloseBox:
        return "close box";
    case Answer::AltF4:
        return "Alt+F4";
    case Answer::TabTabEnter:
        return "Tab Tab Enter";
    }
    return "?";
}

DialogDriver::DialogDriver(std::vector<Answer> answers) : answers_(std::move(answers)) {
    if (g_driver)
        throw std::logic_error("one dialog driver at a time");
    g_driver = this;
    // Every showing sends WM_SHOWWINDOW to the dialog; the hook counts it even when two
    // showings follow each other without a timer tick in between.
    hook_ =
        SetWindowsHookExA(WH_CALLWNDPROC, &DialogDriver::WatchShow, nullptr, GetCurrentThreadId());
    timer_ = SetTimer(nullptr, 0, 20, &DialogDriver::Tick);
}

DialogDriver::~DialogDriver() {
    // Let injected input that is still on its way arrive now, not in a later test's dialog.
    qvtest::PumpFor(150);
    KillTimer(nullptr, timer_);
    UnhookWindowsHookEx(hook_);
    g_driver = nullptr;
}

LRESULT CALLBACK DialogDriver::WatchShow(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_driver && okform && message->hwnd == okform->Handle() &&
        message->message == WM_SHOWWINDOW && message->wParam)
        g_driver->shownUnanswered_ = true;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_driver)
        g_driver->Step();
}

void DialogDriver::Step() {
    if (!okform || !okform->IsModal() || !okform->Visible())
        return;
    if (!shownUnanswered_) {
        // An answer that did not reach the dialog must not hang the test: close it as the
        // close box would and let the test see the missing answer.
        if (answeredAt_ && GetTickCount() - answeredAt_ > 5000) {
            ++lostAnswers_;
            answeredAt_ = 0;
            okform->SetModalResult(qv::mrCancel);
        }
        return;
    }
    // Real input goes to the active window's focus: wait until the dialog has both.
    HWND focus = GetFocus();
    if (GetForegroundWindow() != okform->Handle() || !focus || !IsChild(okform->Handle(), focus))
        return;
    shownUnanswered_ = false;
    qv::Window* focused = qv::Window::FromHandle(focus);
    focusOnShow_.push_back(focused ? focused->Name() : "?");
    if (showings_ < static_cast<int>(answers_.size()))
        Inject(answers_[showings_]);
    answeredAt_ = GetTickCount();
    ++showings_;
}

void DialogDriver::Inject(Answer answer) {
    switch (answer) {
    case Answer::EnterOnFocus:
        SendKey(VK_RETURN);
        break;
    case Answer::KeyY:
        SendKey('Y');
        break;
    case Answer::KeyN:
        SendKey('N');
        break;
    case Answer::Escape:
        SendKey(VK_ESCAPE);
        break;
    case Answer::ClickYes:
        ClickWindow(okform->BitBtn1.Handle());
        break;
    case Answer::ClickNo:
        ClickWindow(okform->BitBtn2.Handle());
        break;
    case Answer::ClickCancel:
        ClickWindow(okform->BitBtn3.Handle());
        break;
    case Answer::CloseBox:
        ClickCloseBox(okform->Handle());
        break;
    case Answer::AltF4:
        SendKeyWithAlt(VK_F4);
        break;
    case Answer::TabTabEnter:
        SendKey(VK_TAB);
        SendKey(VK_TAB);
        SendKey(VK_RETURN);
        break;
    }
}

void SendKey(unsigned char virtualKey) {
    BYTE scan = static_cast<BYTE>(MapVirtualKeyA(virtualKey, 0));
    keybd_event(virtualKey, scan, 0, 0);
    keybd_event(virtualKey, scan, KEYEVENTF_KEYUP, 0);
}

void SendKeyWithAlt(unsigned char virtualKey) {
    BYTE alt = static_cast<BYTE>(MapVirtualKeyA(VK_MENU, 0));
    keybd_event(VK_MENU, alt, 0, 0);
    SendKey(virtualKey);
    keybd_event(VK_MENU, alt, KEYEVENTF_KEYUP, 0);
}

bool ClickCloseBox(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    int y = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (int x = r.right - 1; x > r.left; --x) {
        LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
        if (hit == HTCLOSE) {
            ClickAt(x - 3, y);
            return true;
        }
    }
    return false;
}

} // namespace qvtest
