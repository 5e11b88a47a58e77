#pragma once
// A fixture that starts the real main window against a prepared system.ini and "FS Templates"
// key of the test's Wine prefix, the way the program starts: the window's creation handler
// opens the store and loads both places. Message boxes are recorded, not shown.
#include "framework/Application.h"
#include "framework/ErrorBox.h"
#include "main/ModuleState.h"
#include "main/SettingsStore.h"
#include "main/f1.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include "support/SystemFiles.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace qvtest {

inline const std::string kTemplatePrefix = std::string(kTemplatesKey) + "\\";

// Creates the main window as start-up does and makes it the application's main form (not yet
// shown); its creation handler loads the settings. The store's state starts as the program's
// does, so several windows of one test process do not share it.
inline std::unique_ptr<Tf1> CreateMainWindow() {
    Module.CurrentTemplateName.clear();
    Module.NameCacheBytes = {};
    Module.PathCacheBytes = {};
    auto form = std::make_unique<Tf1>();
    f1 = form.get();
    qv::Application::Instance().SetMainForm(form.get());
    return form;
}

// Runs a menu entry as the user's click does: WM_COMMAND with the item's id.
inline void Choose(Tf1& form, const char* itemName) {
    qv::MenuItem* item = form.MainMenu1.FindByName(itemName);
    ASSERT_NE(item, nullptr) << itemName;
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(item->Id(), 0), 0);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        RestoreSystemIni("");
        ResetStoreFiles("[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\n[386Enh]\r\n"
                        "woafont=dosapp.fon\r\n");
    }

    void TearDown() override {
        Close();
        RestoreSystemIni("");
    }

    // Creates and shows the main window (see CreateMainWindow).
    Tf1& Start() {
        form_ = CreateMainWindow();
        form_->Show();
        PumpFor(50);
        return *form_;
    }

    void Close() {
        if (!form_)
            return;
        ReleaseSettingsStore(*form_);
        qv::Application::Instance().SetMainForm(nullptr);
        form_.reset();
        PumpFor(20);
    }

    // Runs the store's save as a menu command would: an error goes to the standard error box.
    // Returns the error text, empty when the save went through.
    std::string Save() {
        try {
            SaveSettings(*form_);
            return std::string();
        } catch (...) {
            std::size_t before = boxes.Boxes().size();
            qv::ReportCurrentException();
            return boxes.Boxes().size() > before ? boxes.Boxes().back().text : "(silent)";
        }
    }

    Tf1& form() { return *form_; }

    // The texts of the error boxes shown so far.
    std::vector<std::string> ErrorTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes())
            texts.push_back(box.text);
        return texts;
    }

    MessageBoxRecorder boxes;

private:
    std::unique_ptr<Tf1> form_;
};

} // namespace qvtest
