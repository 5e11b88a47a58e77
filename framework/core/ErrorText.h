#pragma once
#include <string>

namespace qv {

// The standard error box shows a message as a sentence: a full stop is appended when the
// message's last character sorts after "." (so "Can't load USER.EXE!" stays as it is).
std::string ErrorBoxText(const std::string& message);

} // namespace qv
