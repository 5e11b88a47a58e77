// Start-up: the application object, its title, the main window `f1`, the hidden dialog
// `okform`, then the message loop until the application ends.
#include "framework/Application.h"
#include "framework/ErrorBox.h"
#include "framework/core/FpuPrecision.h"
#include "main/f1.h"
#include "okunit/okform.h"
#include <memory>

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
