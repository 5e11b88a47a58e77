#include "framework/ErrorBox.h"
#include "framework/Exceptions.h"
#include "framework/MessageBox.h"
#include "framework/core/ErrorText.h"
#include <exception>

namespace qv {

// The title and owner come from the application object once it exists.
extern const char* ApplicationTitleForErrors();
extern HWND ApplicationWindowForErrors();

void ShowErrorBox(const std::string& message) {
    ShowMessageBox(ApplicationWindowForErrors(), ErrorBoxText(message), ApplicationTitleForErrors(),
                   MB_OK | MB_ICONSTOP);
}

void ReportCurrentException() {
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    } catch (...) {
        ShowErrorBox("Unknown error");
    }
}

} // namespace qv
