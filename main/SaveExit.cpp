// How edited settings leave the program and how it ends: Save, Save & Exit, Disable Cache
// Optimization, the close query with the confirmation dialog, and the close handler.
#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "main/ModuleState.h"
#include "main/SettingsStore.h"
#include "main/SaveExit.h"
#include "main/f1.h"
#include "okunit/okform.h"
#include <optional>

void ShowRebootNotice() {
    qv::ShowMessageBox(qv::Application::Instance().Window(), kRebootNoticeText,
                       kRebootNoticeCaption, MB_ICONINFORMATION | MB_OK);
}

// A store error ends Save where it happens: what was written stays written, the flag stays
// raised and no notice is shown; the error goes on to the standard error box.
void Tf1::save(qv::Component&) {
    SaveSettings(*this);
    Module.SettingsChanged = false;
    ShowRebootNotice();
}

// The application ends once this handler has returned; the close query and the close handler
// do not run. A failed save leaves the program open.
void Tf1::saveexit(qv::Component& sender) {
    save(sender);
    qv::Application::Instance().Terminate();
}

// Each box whose state changes runs its click handler, which disables its row and raises the
// flag; the flag is raised and every row counts as changed in any case, so the next Save
// removes all of them. Nothing is written until then.
void Tf1::disablecache(qv::Component&) {
    enablemincache.SetChecked(false);
    enablemaxcache.SetChecked(false);
    enablechunk.SetChecked(false);
    enablenamecache.SetChecked(false);
    Module.AllRowsChanged();
}

// canClose comes in as true. An error in the Yes path's Save leaves this handler by exception,
// so the form's Close stops before closing and the window stays open.
void Tf1::FormCloseQuery(qv::Component& sender, bool& canClose) {
    if (!Module.SettingsChanged)
        return;
    // The answer is kept from one showing to the next: the dialog closed without a button
    // acts on the last one given.
    if (const std::optional<std::int32_t> answer = okform->Ask())
        Module.ConfirmResult = *answer;
    if (Module.ConfirmResult == 0) {
        canClose = false;
        return;
    }
    canClose = true;
    if (Module.ConfirmResult == 1)
        save(sender);
}

void Tf1::FormClose(qv::Component&) {
    ReleaseSettingsStore(*this);
}
