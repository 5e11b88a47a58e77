// Start check of a released program (./release.sh runs it under 32-bit Wine):
//   start-check PROGRAM VERSION
// starts PROGRAM, waits until its main window shows, checks that the caption and the version
// resource both name VERSION, ends the program through File > Exit and waits until the process
// has ended. Exit code 0 when all of that happened.
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM state) {
    Search& search = *reinterpret_cast<Search*>(state);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search.process && IsWindowVisible(window) && GetMenu(window)) {
        search.window = window;
        return FALSE;
    }
    return TRUE;
}

std::string FileVersionOf(const char* program) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(program, &ignored);
    std::vector<char> data(size);
    if (!size || !GetFileVersionInfoA(program, 0, size, data.data()))
        return "";
    char* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\FileVersion",
                        reinterpret_cast<void**>(&text), &length))
        return "";
    return std::string(text, length && !text[length - 1] ? length - 1 : length);
}

// Menus belong to their process, so File > Exit is chosen as a user does, with the keyboard:
// Alt opens the menu bar, Down opens " &File" on its first entry, Up wraps to its last, "Exit".
void ChooseFileExit(HWND window) {
    SetForegroundWindow(window);
    Sleep(500);
    for (BYTE key : {VK_MENU, VK_DOWN, VK_UP, VK_RETURN}) {
        keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), 0, 0);
        keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), KEYEVENTF_KEYUP, 0);
        Sleep(300);
    }
}

int Fail(const char* what) {
    std::printf("start check failed: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return Fail("usage: start-check PROGRAM VERSION");
    const std::string version = argv[2];
    const std::string fileVersion = FileVersionOf(argv[1]);
    std::printf("version resource: %s\n", fileVersion.c_str());
    if (fileVersion != version)
        return Fail("the version resource does not name the version");

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return Fail("the program does not start");
    WaitForInputIdle(started.hProcess, 30000);
    Search search = {started.dwProcessId, nullptr};
    for (int i = 0; i < 300 && !search.window; ++i) {
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.window)
            Sleep(100);
    }
    if (!search.window) {
        TerminateProcess(started.hProcess, 1);
        return Fail("no main window within 30 s");
    }
    char caption[256] = {};
    GetWindowTextA(search.window, caption, sizeof caption);
    std::printf("window shown: \"%s\"\n", caption);
    if (std::string(caption).rfind(" Quorvane " + version + " ", 0) != 0) {
        TerminateProcess(started.hProcess, 1);
        return Fail("the caption does not name the version");
    }
    ChooseFileExit(search.window);
    if (WaitForSingleObject(started.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(started.hProcess, 1);
        return Fail("the program did not end within 30 s of File > Exit");
    }
    std::printf("ended through File > Exit\n");
    return 0;
}
