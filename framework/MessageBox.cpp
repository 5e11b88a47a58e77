#include "framework/MessageBox.h"
#include "framework/Scaling.h"
#include <utility>

namespace qv {

namespace {

MessageBoxHook g_hook = nullptr;

// The system centres a message box; while one is being shown, its first activation moves it
// as far as needed to keep it inside the work area (its caption, when it is larger), as the
// program's own windows are.
HHOOK g_placementHook = nullptr;
bool g_placed = false;

LRESULT CALLBACK KeepBoxInWorkArea(int code, WPARAM wParam, LPARAM lParam) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    char className[16] = {};
    if (code == HCBT_ACTIVATE && !g_placed && GetClassNameA(box, className, sizeof className) &&
        lstrcmpA(className, "#32770") == 0) {
        g_placed = true;
        RECT r;
        GetWindowRect(box, &r);
        const POINT place =
            KeepInWorkArea(POINT{r.left, r.top}, SIZE{r.right - r.left, r.bottom - r.top});
        if (place.x != r.left || place.y != r.top)
            SetWindowPos(box, nullptr, place.x, place.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return CallNextHookEx(g_placementHook, code, wParam, lParam);
}

} // namespace

void SetMessageBoxHook(MessageBoxHook hook) {
    g_hook = hook;
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    if (g_hook)
        return g_hook(owner, text, caption, flags);
    const HHOOK outer =
        std::exchange(g_placementHook,
                      SetWindowsHookExA(WH_CBT, &KeepBoxInWorkArea, nullptr, GetCurrentThreadId()));
    const bool outerPlaced = std::exchange(g_placed, false);
    const int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
    if (g_placementHook)
        UnhookWindowsHookEx(g_placementHook);
    g_placementHook = outer;
    g_placed = outerPlaced;
    return answer;
}

} // namespace qv
