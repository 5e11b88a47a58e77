#pragma once
#include <windows.h>
#include <string>

namespace qv {

// Small seams for the few platform calls whose effect a test cannot observe otherwise.
// Without a hook the real function runs.

// MessageBeep(0), the refusal beep of the editors.
using BeepHook = void (*)();
void SetBeepHook(BeepHook hook);
void DefaultBeep();

// ShellExecuteA(owner, verb, file, no parameters, no directory, show); returns its result.
using ShellExecuteHook = INT_PTR (*)(HWND owner, const std::string& verb, const std::string& file,
                                     int show);
void SetShellExecuteHook(ShellExecuteHook hook);
INT_PTR OpenWithShell(HWND owner, const std::string& verb, const std::string& file, int show);

} // namespace qv
