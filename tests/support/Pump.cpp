#include "support/Pump.h"
#include "framework/Application.h"
#include "framework/Window.h"
#include <string>

namespace qvtest {

namespace {

// A turn processes at most this many messages, then the waiting helpers look at their condition
// and their time limit. Ticks that arrive as fast as they are handled (a hundred animated
// pictures on a busy machine) never let the queue run empty, so draining it first could wait for
// ever; a count rather than a time keeps a burst that a test queued together in one turn, however
// slowly its messages run.
const int kMessagesPerTurn = 100;

// Processes waiting messages for one turn; true when the queue ran empty.
bool ProcessOneTurn() {
    qv::Application& app = qv::Application::Instance();
    for (int i = 0; i < kMessagesPerTurn; ++i)
        if (!app.ProcessMessage())
            return true;
    return false;
}

} // namespace

void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (true) {
        const bool emptied = ProcessOneTurn();
        if (condition())
            return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        // Messages left over from a full turn were already seen, and the wait would not wake
        // for them.
        if (emptied)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
    }
}

void PressKey(BYTE virtualKey) {
    keybd_event(virtualKey, static_cast<BYTE>(MapVirtualKeyA(virtualKey, 0)), 0, 0);
    keybd_event(virtualKey, static_cast<BYTE>(MapVirtualKeyA(virtualKey, 0)), KEYEVENTF_KEYUP, 0);
    PumpFor(50);
}

void TypeText(const char* text) {
    for (; *text; ++text) {
        SHORT scan = VkKeyScanA(*text);
        BYTE vk = LOBYTE(scan);
        bool shift = HIBYTE(scan) & 1;
        if (shift)
            keybd_event(VK_SHIFT, 0, 0, 0);
        PressKey(vk);
        if (shift)
            keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    }
    PumpFor(50);
}

void PlacePointer(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    int steady = 0;
    const DWORD start = GetTickCount();
    while (steady < 5 && GetTickCount() - start < 3000) {
        MSG m;
        while (PeekMessageA(&m, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
        }
        Sleep(10);
        POINT now;
        GetCursorPos(&now);
        if (now.x == screen.x && now.y == screen.y) {
            ++steady;
        } else {
            steady = 0;
            SetCursorPos(screen.x, screen.y);
        }
    }
}

void FocusWindow(HWND window) {
    HWND top = qv::TopLevelOf(window);
    SetForegroundWindow(top);
    SetActiveWindow(top);
    SetFocus(window);
    PumpFor(30);
}

RECT RectInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

void ClickAt(int screenX, int screenY) {
    // Every event carries the position: a separate SetCursorPos may reach the display after
    // the button events, which would then press wherever the pointer was before.
    LONG x = MulDiv(screenX, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    LONG y = MulDiv(screenY, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    INPUT inputs[3] = {};
    const DWORD flags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 3; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = x;
        inputs[i].mi.dy = y;
        inputs[i].mi.dwFlags = flags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(3, inputs, sizeof(INPUT));
}

void ClickWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

} // namespace qvtest
