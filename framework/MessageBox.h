#pragma once
#include <windows.h>
#include <string>

namespace qv {

// Every message box of the program goes through ShowMessageBox. Tests install a hook to see
// and answer the boxes; without a hook the real MessageBoxA is shown.
using MessageBoxHook = int (*)(HWND owner, const std::string& text, const std::string& caption,
                               UINT flags);
void SetMessageBoxHook(MessageBoxHook hook);
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

} // namespace qv
