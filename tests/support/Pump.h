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

// Puts the real pointer on a screen point and waits until the system reports it there steadily
// (the display may still deliver an earlier position); the mouse moves it reports meanwhile
// are dropped, so that only a test's own mouse messages count.
void PlacePointer(POINT screen);

// Moves the focus to a window and makes its top-level window the foreground window.
void FocusWindow(HWND window);
// A real mouse click (SendInput) at a screen position, and in the middle of a window.
void ClickAt(int screenX, int screenY);
void ClickWindow(HWND window);

// The client rectangle of a window mapped into its parent's client area.
RECT RectInParent(HWND window);
std::string ClassOf(HWND window);

} // namespace qvtest
