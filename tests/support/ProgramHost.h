#pragma once
// The one way the tests start the program's window. The program as start-up builds it, inside
// the test process: the main window `f1` (its
// creation handler reads the prepared system.ini and registry), the hidden dialog `okform`,
// the application's main form. Menu commands arrive as the menu sends them (WM_COMMAND); the
// editors are worked with real mouse clicks and keystrokes.
#include "main/f1.h"
#include "okunit/okform.h"
#include "support/SystemFiles.h"
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qvtest {

// Creates the main window as start-up does and makes it the application's main form (not yet
// shown); its creation handler loads the settings. The store's state starts as the program's
// does, so several windows of one test process do not share it.
std::unique_ptr<Tf1> CreateMainWindow();
// Gives the spin edit the keyboard focus with its whole text selected, as a user would before
// typing over it.
void SelectAllIn(qv::SpinEdit& edit);
// Runs a menu entry as the user's click does: WM_COMMAND with the item's id.
void Choose(Tf1& form, const char* itemName);

// A file-system template below "FS Templates".
struct FsTemplate {
    std::string name;
    std::vector<std::uint8_t> nameCache; // raw REG_BINARY data
    std::vector<std::uint8_t> pathCache;
};

// What the machine holds before the program starts.
struct Machine {
    std::string systemIni;
    std::string currentTemplate; // default value of "FS Templates"; empty: none
    std::vector<FsTemplate> templates;
};
void PrepareMachine(const Machine& machine);

// Everything the program may write: system.ini's bytes and every value of "FS Templates" and
// of its subkeys, by key.
struct Snapshot {
    std::string systemIni;
    std::map<std::string, std::map<std::string, RegValue>> registry;
    bool operator==(const Snapshot&) const = default;
};
Snapshot TakeSnapshot();

std::string TemplateKey(const std::string& name);
std::vector<std::uint8_t> Bytes(std::initializer_list<int> bytes);

class ProgramHost {
public:
    // Creates the main window and the dialog as start-up does, and shows the window unless asked
    // not to (as start-up leaves it to the message loop).
    enum class Showing { Shown, Hidden };
    explicit ProgramHost(Showing showing = Showing::Shown);
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

    // A mouse click in the middle of a control of the main window.
    void Click(qv::Window& control);
    // Puts the focus into a spin edit, selects its text and types over it; the focus stays.
    void TypeInto(qv::SpinEdit& edit, const std::string& text);

private:
    std::unique_ptr<Tf1> window_;
    std::unique_ptr<Tokform> dialog_;
};

} // namespace qvtest
