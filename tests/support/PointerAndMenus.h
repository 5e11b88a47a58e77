#pragma once
// Real pointer moves and answers to modal popup menus, for the hint and popup-menu tests.
#include <windows.h>
#include <string>
#include <vector>

namespace qvtest {

// Puts the pointer on a client point of a window and tells the window, as a real move does.
void MovePointerTo(HWND window, int x, int y);
// Puts the pointer somewhere no test window is (the screen's bottom-right corner).
void ParkPointer();
// Presses and releases the right button at a client point (the messages a real click sends).
void RightClick(HWND window, int x, int y);

// The hint window of the application when it shows, else null; and its text.
HWND ShownHint();
std::string HintText();

// Answers the next popup menu that opens on this thread: once a menu window is up, types the
// keys (e.g. VK_DOWN, VK_RETURN, or VK_ESCAPE). Answers only one menu.
void AnswerNextMenu(std::vector<BYTE> keys);
// Whether the armed answer was used (a menu opened since AnswerNextMenu); disarms it.
bool MenuWasAnswered();
// True while a popup menu window is shown.
bool MenuShowing();

} // namespace qvtest
