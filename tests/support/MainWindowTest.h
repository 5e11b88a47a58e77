#pragma once
// The one fixture of the program's window: it starts the program (ProgramHost) against a prepared
// system.ini and "FS Templates" key of the test's Wine prefix (the window's creation handler
// opens the store and loads both places) and works its editors with real keyboard and mouse
// messages. Message boxes are recorded, not shown.
#include "framework/Application.h"
#include "framework/ErrorBox.h"
#include "main/ModuleState.h"
#include "main/SettingsStore.h"
#include "main/f1.h"
#include "support/Controls.h"
#include "support/ProgramHost.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include "support/SystemFiles.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace qvtest {

inline const std::string kTemplatePrefix = std::string(kTemplatesKey) + "\\";

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

    // Starts the program as start-up does (ProgramHost) and returns its shown main window.
    Tf1& Start() {
        host_ = std::make_unique<ProgramHost>();
        return host_->Window();
    }

    // The same, the window not yet shown.
    Tf1& Create() {
        host_ = std::make_unique<ProgramHost>(ProgramHost::Showing::Hidden);
        return host_->Window();
    }

    // Ends it, the store's accessors released as the close handler does.
    void Close() {
        host_.reset();
        PumpFor(20);
    }

    // Runs the store's save as a menu command would: an error goes to the standard error box.
    // Returns the error text, empty when the save went through.
    std::string Save() {
        try {
            SaveSettings(form());
            return std::string();
        } catch (...) {
            std::size_t before = boxes.Boxes().size();
            qv::ReportCurrentException();
            return boxes.Boxes().size() > before ? boxes.Boxes().back().text : "(silent)";
        }
    }

    // Starts with nothing stored (the editors keep their start values), ticks every box
    // (enabling every row) and clears the flag.
    Tf1& StartEnabled() {
        DeleteRegTree(kTemplatesKey);
        Tf1& f = Start();
        for (qv::CheckBox* box :
             {&f.enablemincache, &f.enablemaxcache, &f.enablechunk, &f.enablenamecache})
            box->SetChecked(true);
        Module.SettingsChanged = false;
        return f;
    }

    Tf1& form() { return host_->Window(); }

    // A mouse click on a check box, as the button control receives it.
    static void ClickBox(qv::CheckBox& box) {
        SendMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        PumpFor(20);
    }

    // A key pressed on a focused track bar (real input, so the bar sends its scroll
    // notifications to its parent).
    static void KeyOnBar(qv::TrackBar& bar, BYTE key) {
        FocusWindow(bar.Handle());
        PressKey(key);
    }

    // The texts of the error boxes shown so far.
    std::vector<std::string> ErrorTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes())
            texts.push_back(box.text);
        return texts;
    }

    MessageBoxRecorder boxes;

private:
    std::unique_ptr<ProgramHost> host_;
};

} // namespace qvtest
