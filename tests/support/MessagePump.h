#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace qvtest {

// Dispatches this thread's messages until `done()` holds or `limitMs` has passed; returns
// done(). The limit only keeps a broken test from hanging: assertions never rest on timing.
template <class Pred>
bool PumpUntil(Pred done, DWORD limitMs = 10000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= limitMs)
            return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

// Dispatches messages for `ms` milliseconds (to show that something does NOT happen).
inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

// Message boxes shown through the framework's seam, answered with IDOK.
struct ShownBox {
    std::string text;
    std::string caption;
    UINT flags;
};
inline std::vector<ShownBox>& ShownBoxes() {
    static std::vector<ShownBox> boxes;
    return boxes;
}
inline int RecordBox(HWND, const std::string& text, const std::string& caption, UINT flags) {
    ShownBoxes().push_back({text, caption, flags});
    return IDOK;
}

} // namespace qvtest
