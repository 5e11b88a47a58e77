#pragma once
#include <windows.h>

namespace qv {

// A hidden top-level window that only receives messages (timers, hand-overs from worker
// threads). Windows 95 has no message-only windows, so it is an invisible pop-up.
// The class is registered on first use; `self` arrives at WM_NCCREATE (see WindowObject).
HWND CreateHiddenWindow(const char* className, WNDPROC procedure, void* self);

// For a window procedure: stores the object passed to CreateHiddenWindow at WM_NCCREATE and
// returns the object stored with the window (null before WM_NCCREATE).
template <class T>
T* WindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

} // namespace qv
