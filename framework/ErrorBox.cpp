#include "framework/ErrorBox.h"
#include "framework/core/ErrorText.h"

namespace qv {

void ShowErrorBox(HWND owner, const std::string& message) {
    MessageBoxA(owner, ErrorBoxText(message).c_str(), " Quorvane", MB_OK | MB_ICONSTOP);
}

} // namespace qv
