// Start-up: the application object, its title, the main window `f1`, the hidden dialog
// `okform`, then the message loop until the application ends.
#include "framework/Application.h"
#include "framework/ErrorBox.h"
#include "framework/core/FpuPrecision.h"
#include "main/f1.h"
#include "okunit/okform.h"
#include <cstdlib>
#include <exception>
#include <memory>

// Every error reaches a handler's error box or the catch below; what still ends in
// std::terminate has nothing a user could act on. GCC's own handler would write the exception's
// demangled type to a console this program does not have, and links a 46 KB demangler for it.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The gauge's and the presets' extended arithmetic needs the 64-bit mantissa.
    qv::EnsureExtendedPrecision();
    try {
        qv::Application& app = qv::Application::Instance();
        app.Initialize();
        app.SetTitle(" Quorvane");
        auto mainWindow = std::make_unique<Tf1>();
        f1 = mainWindow.get();
        app.SetMainForm(f1);
        auto dialog = std::make_unique<Tokform>();
        okform = dialog.get();
        app.Run();
    } catch (...) {
        qv::ReportCurrentException();
    }
    return 0;
}
