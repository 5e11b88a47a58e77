#include "ProgramHost.h"
#include "framework/Application.h"
#include "main/ModuleState.h"
#include "support/Pump.h"
#include "support/SystemFiles.h"
#include <stdexcept>

namespace qvtest {

void PrepareMachine(const Machine& machine) {
    ResetStoreFiles(machine.systemIni);
    if (!machine.templateName.empty())
        SetRegText(kTemplatesKey, "", machine.templateName);
    if (machine.quorvaneTemplate) {
        std::string key = std::string(kTemplatesKey) + "\\Quorvane";
        SetRegText(key, "", "Quorvane Settings");
        SetRegValue(key, "NameCache", REG_BINARY, machine.nameCache);
        SetRegValue(key, "PathCache", REG_BINARY, machine.pathCache);
    }
}

ProgramHost::ProgramHost() {
    qv::Application& app = qv::Application::Instance();
    app.ResetTerminated();
    SettingsChanged = false;
    ConfirmResult = 0;
    // As start-up does: the main window first, then the dialog it owns.
    window_ = std::make_unique<Tf1>();
    f1 = window_.get();
    app.SetMainForm(f1);
    dialog_ = std::make_unique<Tokform>();
    okform = dialog_.get();
    f1->Show();
    PumpFor(50);
}

ProgramHost::~ProgramHost() {
    qv::Application& app = qv::Application::Instance();
    dialog_.reset();
    okform = nullptr;
    window_.reset();
    app.SetMainForm(nullptr);
    // A quit message left by an ending program must not end the next test's loops.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    app.ResetTerminated();
    ProfileAccessor.reset();
    RegistryAccessor.reset();
}

void ProgramHost::Command(const char* itemName) {
    qv::MenuItem* item = window_->MainMenu1.FindByName(itemName);
    if (!item)
        throw std::logic_error(std::string("no menu item ") + itemName);
    SendMessageA(window_->Handle(), WM_COMMAND, MAKEWPARAM(item->Id(), 0), 0);
    PumpFor(20);
}

void ProgramHost::CloseBox() {
    SendMessageA(window_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpFor(20);
}

bool ProgramHost::Ended() const {
    return qv::Application::Instance().Terminated() && !window_->Visible();
}

} // namespace qvtest
