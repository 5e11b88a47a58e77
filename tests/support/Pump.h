#pragma once
#include <windows.h>
#include <functional>
#include <string>

namespace qvtest {

// Processes messages through the application's loop (F1, dialog keys, dispatch) for the given
// time, or until the condition holds; returns whether it held.
void PumpFor(DWORD milliseconds);
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Real keyboard input to the focused window (keybd_event), pumped through the loop.
void PressKey(BYTE virtualKey);
void TypeText(const char* text);

// Moves the focus to a window and makes its top-level window the foreground window.
void FocusWindow(HWND window);

// The client rectangle of a window mapped into its parent's client area.
RECT RectInParent(HWND window);
std::string ClassOf(HWND window);

} // namespace qvtest
