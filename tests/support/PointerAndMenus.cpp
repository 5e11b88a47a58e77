#include "support/PointerAndMenus.h"
#include "framework/Application.h"
#include "framework/HintWindow.h"
#include "support/Pump.h"

namespace qvtest {

namespace {
std::vector<BYTE> g_keys;
bool g_armed = false;
bool g_answered = false;
UINT_PTR g_timer = 0;

HWND MenuWindow() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_armed || !MenuWindow())
        return; // not open yet: the menu loop dispatches the next tick too
    g_armed = false;
    g_answered = true;
    KillTimer(nullptr, g_timer);
    g_timer = 0;
    for (BYTE key : g_keys) {
        const BYTE scan = static_cast<BYTE>(MapVirtualKeyA(key, 0));
        keybd_event(key, scan, 0, 0);
        keybd_event(key, scan, KEYEVENTF_KEYUP, 0);
    }
}
} // namespace

void MovePointerTo(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    PlacePointer(p);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void ParkPointer() {
    PlacePointer(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
}

void RightClick(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    PlacePointer(p);
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
}

HWND ShownHint() {
    qv::HintWindow* hint = qv::Application::Instance().HintWindow();
    return hint && hint->Showing() ? hint->Handle() : nullptr;
}

std::string HintText() {
    qv::HintWindow* hint = qv::Application::Instance().HintWindow();
    return hint ? hint->Text() : std::string();
}

void AnswerNextMenu(std::vector<BYTE> keys) {
    g_keys = std::move(keys);
    g_armed = true;
    g_answered = false;
    if (!g_timer)
        g_timer = SetTimer(nullptr, 0, 30, &AnswerTimer);
}

bool MenuWasAnswered() {
    const bool answered = g_answered;
    g_armed = false;
    g_answered = false;
    if (g_timer) {
        KillTimer(nullptr, g_timer);
        g_timer = 0;
    }
    return answered;
}

bool MenuShowing() {
    return MenuWindow() != nullptr;
}

} // namespace qvtest
