#pragma once
#include <windows.h>
#include <string>

namespace qv {

// The application's standard error box: stop icon, one OK button, the application title as caption.
void ShowErrorBox(HWND owner, const std::string& message);

} // namespace qv
