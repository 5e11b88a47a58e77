#pragma once
// Reading the program's controls and working them with the mouse, as a user does.
#include "framework/SpinEdit.h"
#include "framework/Window.h"
#include <string>

namespace qvtest {

// The window text of a control (a label's caption, an edit's text).
std::string TextOf(const qv::Window& window);

// Presses a spin edit's up or down button with the real pointer placed over it, as the mouse
// does; ReleaseSpinButton lets it go over the button, or beside it when over is false.
void PressSpinButton(qv::SpinEdit& edit, bool up);
void ReleaseSpinButton(qv::SpinEdit& edit, bool up, bool over = true);

} // namespace qvtest
