// Run-through of a released program (./release.sh runs it under 32-bit Wine in a fresh
// Windows 98 prefix):
//   start-check PROGRAM VERSION
// starts PROGRAM and uses it as a user does: the main window shows and its caption and version
// resource name VERSION; ticking the minimal-cache and name-cache boxes and File > Save writes
// "minfilecache" into [vcache] of system.ini and the program's template into the registry, with
// the editors' values, behind the reboot notice; a new minimal cache typed in and File > Exit ask
// the confirmation question, whose Yes saves the new value (another notice) and ends the
// program. Exit code 0 when all of that happened.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char kTemplatesKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates";

struct Failure {
    std::string what;
};

void Require(bool ok, const std::string& what) {
    if (!ok)
        throw Failure{what};
}

// GetWindowText does not ask a window of another process for its text; WM_GETTEXT does.
std::string TextOf(HWND window) {
    char text[256] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, &ignored);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ScreenRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

struct WindowSearch {
    DWORD process;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM state) {
    auto& search = *reinterpret_cast<WindowSearch*>(state);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process && IsWindowVisible(window))
        search.found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChildOfClass(HWND window, LPARAM state) {
    auto& search = *reinterpret_cast<WindowSearch*>(state);
    if (lstrcmpiA(ClassOf(window).c_str(), search.className) == 0)
        search.found.push_back(window);
    return TRUE;
}

// The process's visible top-level windows.
std::vector<HWND> WindowsOf(DWORD process) {
    WindowSearch search = {process, nullptr, {}};
    EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits up to 30 s for a visible window of the process whose caption is `caption` (any caption
// for an empty one) and that has a menu when `withMenu` is set.
HWND WaitForWindow(DWORD process, const std::string& caption, bool withMenu = false) {
    for (int i = 0; i < 300; ++i) {
        for (HWND window : WindowsOf(process))
            if ((caption.empty() || TextOf(window) == caption) && (!withMenu || GetMenu(window)))
                return window;
        Sleep(100);
    }
    throw Failure{"no window \"" + caption + "\" within 30 s"};
}

std::vector<HWND> Descendants(HWND parent, const char* className) {
    WindowSearch search = {0, className, {}};
    EnumChildWindows(parent, CollectChildOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The main window's "Enabled" boxes from top to bottom and left to right: the minimal, maximal
// and chunk size rows, then the name cache row.
std::vector<HWND> EnabledBoxes(HWND main) {
    std::vector<HWND> boxes;
    for (HWND b : Descendants(main, "Button"))
        if (TextOf(b) == "Enabled")
            boxes.push_back(b);
    std::sort(boxes.begin(), boxes.end(), [](HWND a, HWND b) {
        RECT ra = ScreenRect(a), rb = ScreenRect(b);
        return ra.left != rb.left ? ra.left < rb.left : ra.top < rb.top;
    });
    return boxes;
}

// The edit box left of `box` in its row (the nearest one by height).
HWND EditLeftOf(HWND main, HWND box) {
    const RECT rb = ScreenRect(box);
    HWND best = nullptr;
    LONG bestDistance = 0;
    for (HWND e : Descendants(main, "Edit")) {
        const RECT re = ScreenRect(e);
        const LONG distance = std::labs((re.top + re.bottom) - (rb.top + rb.bottom));
        if (re.right <= rb.left && rb.left - re.right < 60 && (!best || distance < bestDistance)) {
            best = e;
            bestDistance = distance;
        }
    }
    Require(best != nullptr, "no edit box beside an \"Enabled\" box");
    return best;
}

// The edit box straight below `edit` (the directory cache below the name cache).
HWND EditBelow(HWND main, HWND edit) {
    const RECT above = ScreenRect(edit);
    HWND best = nullptr;
    for (HWND e : Descendants(main, "Edit")) {
        const RECT r = ScreenRect(e);
        if (r.left == above.left && r.top > above.top && (!best || r.top < ScreenRect(best).top))
            best = e;
    }
    Require(best != nullptr, "no edit box below the name cache");
    return best;
}

// Menus belong to their process, so they are chosen as a user does, with the keyboard: Alt
// opens the menu bar, Down opens " &File" on its first entry, "Save"; Up wraps to its last,
// "Exit".
void PressKeys(HWND window, std::initializer_list<BYTE> keys) {
    SetForegroundWindow(window);
    Sleep(500);
    for (BYTE key : keys) {
        keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), 0, 0);
        keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), KEYEVENTF_KEYUP, 0);
        Sleep(300);
    }
}

void ClickButton(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
}

// The reboot notice that every save shows: answered with OK.
void AnswerRebootNotice(DWORD process) {
    HWND notice = WaitForWindow(process, " Quorvane 3");
    HWND ok = GetDlgItem(notice, IDOK);
    Require(ok != nullptr, "the reboot notice has no OK button");
    PostMessageA(notice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    for (int i = 0; i < 100 && IsWindow(notice); ++i)
        Sleep(100);
    Require(!IsWindow(notice), "the reboot notice did not close");
    std::printf("reboot notice answered\n");
}

std::string VcacheValue(const char* key) {
    char text[64] = {};
    GetPrivateProfileStringA("vcache", key, "", text, sizeof text, "system.ini");
    return text;
}

std::string RegistryText(const std::string& keyName) {
    HKEY key = nullptr;
    std::string text;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return text;
    char data[256] = {};
    DWORD size = sizeof data - 1, type = 0;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ)
        text = data;
    RegCloseKey(key);
    return text;
}

// A 4-byte REG_BINARY value of the program's template, or -1.
long TemplateBytes(const char* value) {
    HKEY key = nullptr;
    const std::string name = std::string(kTemplatesKey) + "\\Quorvane";
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return -1;
    BYTE data[4] = {};
    DWORD size = sizeof data, type = 0;
    const bool ok = RegQueryValueExA(key, value, nullptr, &type, data, &size) == ERROR_SUCCESS &&
                    type == REG_BINARY && size == 4;
    RegCloseKey(key);
    return ok ? data[0] | data[1] << 8 | data[2] << 16 | static_cast<long>(data[3]) << 24 : -1;
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

void RunThrough(DWORD process, const std::string& version) {
    HWND main = WaitForWindow(process, "", true);
    const std::string caption = TextOf(main);
    std::printf("window shown: \"%s\"\n", caption.c_str());
    Require(caption.rfind(" Quorvane " + version + " ", 0) == 0,
            "the caption does not name the version");

    // A fresh Windows 98 has none of the settings: every box starts unticked.
    const std::vector<HWND> boxes = EnabledBoxes(main);
    Require(boxes.size() == 4, "the main window does not show four \"Enabled\" boxes");
    HWND minBox = boxes[0], nameBox = boxes[3];
    for (HWND box : {minBox, nameBox}) {
        Require(SendMessageA(box, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "a box starts ticked");
        ClickButton(box);
        Require(SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED, "a click does not tick");
    }
    HWND emin = EditLeftOf(main, minBox), enamecache = EditLeftOf(main, nameBox);
    HWND epathcache = EditBelow(main, enamecache);
    const std::string minCache = TextOf(emin);
    const long nameCache = std::atol(TextOf(enamecache).c_str());
    const long pathCache = std::atol(TextOf(epathcache).c_str());
    std::printf("ticked: minimal cache %s Kb, name cache %ld, directory cache %ld\n",
                minCache.c_str(), nameCache, pathCache);

    PressKeys(main, {VK_MENU, VK_DOWN, VK_RETURN}); // File > Save
    AnswerRebootNotice(process);
    Require(VcacheValue("minfilecache") == minCache, "system.ini has no saved minfilecache");
    Require(VcacheValue("maxfilecache").empty() && VcacheValue("chunksize").empty(),
            "system.ini has a key whose box is unticked");
    Require(RegistryText(kTemplatesKey) == "Quorvane", "the program's template is not in force");
    Require((TemplateBytes("NameCache") & 0xffff) == nameCache &&
                (TemplateBytes("PathCache") & 0xff) == pathCache,
            "the program's template does not hold the name and directory cache");
    std::printf("saved: system.ini minfilecache=%s, registry template \"Quorvane\"\n",
                minCache.c_str());

    // A new value, then File > Exit: the question, answered Yes, saves it.
    const std::string changed = minCache == "2048" ? "3072" : "2048";
    SendMessageA(emin, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(changed.c_str()));
    PressKeys(main, {VK_MENU, VK_DOWN, VK_UP, VK_RETURN}); // File > Exit
    HWND dialog = WaitForWindow(process, "Quorvane Confirmation Dialog");
    HWND yes = nullptr;
    for (HWND b : Descendants(dialog, "Button"))
        if (TextOf(b) == "&Yes")
            yes = b;
    Require(yes != nullptr, "the confirmation dialog has no \"&Yes\" button");
    std::printf("confirmation dialog shown, answering Yes\n");
    ClickButton(yes);
    AnswerRebootNotice(process);
    Require(VcacheValue("minfilecache") == changed, "the changed value was not saved");
    std::printf("saved on exit: system.ini minfilecache=%s\n", changed.c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: start-check PROGRAM VERSION\n");
        return 2;
    }
    const std::string version = argv[2];
    const std::string fileVersion = FileVersionOf(argv[1]);
    std::printf("version resource: %s\n", fileVersion.c_str());
    if (fileVersion != version) {
        std::printf("start check failed: the version resource does not name the version\n");
        return 1;
    }

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::printf("start check failed: the program does not start\n");
        return 1;
    }
    WaitForInputIdle(started.hProcess, 30000);
    try {
        RunThrough(started.dwProcessId, version);
        Require(WaitForSingleObject(started.hProcess, 30000) == WAIT_OBJECT_0,
                "the program did not end within 30 s of the answer");
    } catch (const Failure& failure) {
        TerminateProcess(started.hProcess, 1);
        std::printf("start check failed: %s\n", failure.what.c_str());
        return 1;
    }
    std::printf("ended after the confirmation\n");
    return 0;
}
