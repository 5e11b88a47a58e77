#pragma once
#include <windows.h>
#include <string>

namespace qv {

// The application's standard error box: stop icon, one OK button, the application title as
// caption, a full stop appended where the message needs one.
void ShowErrorBox(const std::string& message);

// The one exception barrier: call inside a catch (...) block wherever Windows calls back into
// C++ (window procedures, timer and thread callbacks). EAbort is silent; everything else is
// shown in the standard error box.
void ReportCurrentException();

} // namespace qv
