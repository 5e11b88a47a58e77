#include "support/ProgramHost.h"
#include "framework/Application.h"
#include "main/ModuleState.h"
#include "main/SettingsStore.h"
#include "okunit/okform.h"
#include "support/Pump.h"
#include <gtest/gtest.h>

namespace qvtest {

std::unique_ptr<Tf1> CreateMainWindow() {
    Module.CurrentTemplateName.clear();
    Module.NameCacheBytes = {};
    Module.PathCacheBytes = {};
    auto form = std::make_unique<Tf1>();
    f1 = form.get();
    qv::Application::Instance().SetMainForm(form.get());
    return form;
}

void Choose(Tf1& form, const char* itemName) {
    qv::MenuItem* item = form.MainMenu1.FindByName(itemName);
    if (!item) {
        ADD_FAILURE() << "no menu item " << itemName;
        return;
    }
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(item->Id(), 0), 0);
}

std::string TemplateKey(const std::string& name) {
    return std::string(kTemplatesKey) + "\\" + name;
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> bytes) {
    std::vector<std::uint8_t> data;
    for (int b : bytes)
        data.push_back(static_cast<std::uint8_t>(b));
    return data;
}

void PrepareMachine(const Machine& machine) {
    ResetStoreFiles(machine.systemIni);
    if (!machine.currentTemplate.empty())
        SetRegText(kTemplatesKey, "", machine.currentTemplate);
    for (const FsTemplate& t : machine.templates) {
        SetRegText(TemplateKey(t.name), "", t.name + " Settings");
        SetRegValue(TemplateKey(t.name), "NameCache", REG_BINARY, t.nameCache);
        SetRegValue(TemplateKey(t.name), "PathCache", REG_BINARY, t.pathCache);
    }
}

Snapshot TakeSnapshot() {
    Snapshot s;
    s.systemIni = ReadSystemIni();
    s.registry[kTemplatesKey] = RegValues(kTemplatesKey);
    for (const std::string& name : RegSubkeys(kTemplatesKey))
        s.registry[TemplateKey(name)] = RegValues(TemplateKey(name));
    return s;
}

ProgramHost::ProgramHost(Showing showing) {
    qv::Application& app = qv::Application::Instance();
    app.ResetTerminated();
    Module.ConfirmResult = 0;
    // As start-up does: the main window first, then the dialog it owns.
    window_ = CreateMainWindow();
    dialog_ = std::make_unique<Tokform>();
    okform = dialog_.get();
    if (showing == Showing::Shown)
        f1->Show();
    PumpFor(50);
}

ProgramHost::~ProgramHost() {
    qv::Application& app = qv::Application::Instance();
    PumpFor(50);
    dialog_.reset();
    okform = nullptr;
    window_.reset();
    app.SetMainForm(nullptr);
    // A quit message left by an ending program must not end the next test's loops.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    app.ResetTerminated();
    Module.ProfileAccessor.reset();
    Module.RegistryAccessor.reset();
}

void ProgramHost::Command(const char* itemName) {
    Choose(*window_, itemName);
    PumpFor(20);
}

void ProgramHost::CloseBox() {
    SendMessageA(window_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpFor(20);
}

bool ProgramHost::Ended() const {
    return qv::Application::Instance().Terminated() && !window_->Visible();
}

void ProgramHost::Click(qv::Window& control) {
    SetForegroundWindow(window_->Handle());
    PumpFor(20);
    ClickWindow(control.Handle());
    // On a busy machine a fixed time may end before the click has been handled: wait until no
    // button message is left, then let what the click started finish.
    PumpUntil([] { return HIWORD(GetQueueStatus(QS_MOUSEBUTTON)) == 0; }, 10000);
    PumpFor(100);
}

void SelectAllIn(qv::SpinEdit& edit) {
    FocusWindow(edit.EditHandle());
    SendMessageA(edit.EditHandle(), EM_SETSEL, 0, -1);
}

void ProgramHost::TypeInto(qv::SpinEdit& edit, const std::string& text) {
    SelectAllIn(edit);
    TypeText(text.c_str());
}

} // namespace qvtest
