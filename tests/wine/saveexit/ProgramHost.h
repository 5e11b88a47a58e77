#pragma once
// The program as start-up builds it, inside the test process: the main window `f1` (its
// creation handler reads the prepared system.ini and registry), the hidden dialog `okform`,
// the application's main form. Menu commands arrive as the menu sends them (WM_COMMAND).
#include "main/f1.h"
#include "okunit/okform.h"
#include <memory>
#include <string>

namespace qvtest {

// What the machine holds before the program starts.
struct Machine {
    std::string systemIni;
    // Template in force (default value of "FS Templates"); empty: no default value.
    std::string templateName;
    // The "Quorvane" template's NameCache and PathCache, when it should exist.
    bool quorvaneTemplate = false;
    std::vector<std::uint8_t> nameCache;
    std::vector<std::uint8_t> pathCache;
};
void PrepareMachine(const Machine& machine);

class ProgramHost {
public:
    ProgramHost();
    ~ProgramHost();
    ProgramHost(const ProgramHost&) = delete;
    ProgramHost& operator=(const ProgramHost&) = delete;

    Tf1& Window() { return *window_; }
    Tokform& Dialog() { return *dialog_; }

    // Sends the menu item's command to the main window, as choosing it does; returns once the
    // command (with any dialog and box it shows) has run.
    void Command(const char* itemName);
    // The window's close box, as Windows sends it.
    void CloseBox();
    // True when the application was told to end and the main window is no longer shown.
    bool Ended() const;

private:
    std::unique_ptr<Tf1> window_;
    std::unique_ptr<Tokform> dialog_;
};

} // namespace qvtest
