// The program itself, as a user runs it: quorvane.exe started as its own process, driven from
// outside with menu commands and real keystrokes, answering its real message boxes. The
// process must end by itself once Save & Exit or Exit -> Yes has run.
#include "DialogDriver.h"
#include "Machines.h"
#include "support/Pump.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// The build's program as a DOS path (Wine maps the Unix root to drive Z:).
std::string ProgramPath() {
    std::string path = QV_PROGRAM_EXE;
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
    return path;
}

struct Found {
    DWORD process;
    const char* className;
    std::string captionPrefix;
    HWND window = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {}, caption[256] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (process == found->process && IsWindowVisible(window) &&
        std::string(className) == found->className &&
        std::string(caption).rfind(found->captionPrefix, 0) == 0) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of the process, waited for up to 20 s.
HWND WaitForWindow(DWORD process, const char* className, const std::string& captionPrefix) {
    Found found{process, className, captionPrefix};
    for (DWORD start = GetTickCount(); GetTickCount() - start < 20000; qvtest::PumpFor(50)) {
        EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&found));
        if (found.window)
            break;
    }
    return found.window;
}

HWND ChildWithText(HWND parent, const std::string& className, const std::string& text,
                   int index = 0) {
    HWND child = nullptr;
    while ((child = FindWindowExA(parent, child, className.c_str(), text.c_str())))
        if (index-- == 0)
            return child;
    return nullptr;
}

// The program's menu command numbers, as its main window numbers them.
struct MenuIds {
    UINT saveExit, exit;
};
MenuIds ReadMenuIds() {
    qvtest::ProgramHost program;
    return {program.Window().MainMenu1.FindByName("savee1")->Id(),
            program.Window().MainMenu1.FindByName("Exit1")->Id()};
}

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::PrepareMachine(qvtest::DesktopMachine());
        ids = ReadMenuIds();
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + ProgramPath() + "\"";
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &info))
            << ProgramPath() << " error " << GetLastError();
        mainWindow = WaitForWindow(info.dwProcessId, "QvForm", " Quorvane 3.5");
        ASSERT_TRUE(mainWindow) << "the main window did not appear";
    }
    void TearDown() override {
        if (!info.hProcess)
            return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    // Answers the reboot notice with Enter, as a user does; returns the text it showed.
    std::string DismissNotice(int* lines) {
        HWND box = WaitForWindow(info.dwProcessId, "#32770", " Quorvane 3");
        if (!box)
            return "(no notice)";
        HWND text = GetDlgItem(box, 0xFFFF);
        char buffer[512] = {};
        GetWindowTextA(text, buffer, sizeof buffer);
        RECT r;
        GetClientRect(text, &r);
        *lines = r.bottom / 13; // MS Shell Dlg / Tahoma 8 pt lines are 13 pixels high
        SetForegroundWindow(box);
        qvtest::PumpFor(100);
        qvtest::SendKey(VK_RETURN);
        return buffer;
    }
    // Waits for the process to end by itself; its exit code, or -1 when it still runs.
    int WaitForEnd() {
        if (WaitForSingleObject(info.hProcess, 20000) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(info.hProcess, &code);
        return static_cast<int>(code);
    }

    MenuIds ids{};
    PROCESS_INFORMATION info{};
    HWND mainWindow = nullptr;
};

} // namespace

TEST_F(Program, SaveAndExitShowsTheNoticeThenTheProcessEnds) {
    PostMessageA(mainWindow, WM_COMMAND, ids.saveExit, 0);
    int lines = 0;
    std::string notice = DismissNotice(&lines);
    EXPECT_EQ(notice, "The disk cache settings have been saved.\r"
                      "They take effect after Windows is restarted.");
    EXPECT_EQ(lines, 2) << "the carriage return breaks the line";
    EXPECT_EQ(WaitForEnd(), 0);
    // Every parameter was written as it stood, the hexadecimal minimum as decimal text.
    qvtest::IniModel ini = qvtest::ParseIni(qvtest::ReadSystemIni());
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "minfilecache"), "2048");
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "maxfilecache"), "8192");
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "chunksize"), std::nullopt);
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "foreign"), "kept");
    EXPECT_EQ(qvtest::IniValue(ini, "386enh", "device"), "*vmm");
    EXPECT_EQ(qvtest::GetRegValue(qvtest::kTemplatesKey, ""), qvtest::TextValue("Desktop"));
}

TEST_F(Program, ExitAnsweredYesSavesShowsTheNoticeThenTheProcessEnds) {
    // Tick "Enabled" of the chunk size: the third box of that name in the window.
    HWND box = nullptr;
    for (HWND group = nullptr;
         !box && (group = FindWindowExA(mainWindow, group, nullptr, "Disk Cache Size"));)
        box = ChildWithText(group, "Button", "Enabled", 2);
    ASSERT_TRUE(box);
    SendMessageA(box, BM_CLICK, 0, 0);
    PostMessageA(mainWindow, WM_COMMAND, ids.exit, 0);
    HWND dialog = WaitForWindow(info.dwProcessId, "QvForm", "Quorvane Confirmation Dialog");
    ASSERT_TRUE(dialog) << "the confirmation dialog did not appear";
    SetForegroundWindow(dialog);
    qvtest::PumpFor(100);
    qvtest::SendKey('Y');
    int lines = 0;
    DismissNotice(&lines);
    EXPECT_EQ(WaitForEnd(), 0);
    qvtest::IniModel ini = qvtest::ParseIni(qvtest::ReadSystemIni());
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "chunksize"), "512");
    EXPECT_EQ(qvtest::IniValue(ini, "vcache", "minfilecache"), "2048");
}
