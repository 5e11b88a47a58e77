// F1 and Help > Contents with the real help viewer (Wine's winhlp32) on the built Quorvane.hlp
// beside this test program: the viewer opens on the item's topic, not on its error box.
#include "support/MainWindowTest.h"
#include <string>

namespace {

// What the viewer, another process, shows: the first line of its topic text, or the text of an
// error box it put up (which the watch then closes).
struct ViewerWatch {
    std::string expectedTitle;
    std::string title;
    std::string error;
};

std::string TextOf(HWND window) {
    char text[2048] = {};
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &ignored);
    return text;
}

using qvtest::ClassOf;

BOOL CALLBACK CollectTexts(HWND child, LPARAM out) {
    std::string* texts = reinterpret_cast<std::string*>(out);
    if (ClassOf(child) == "Static")
        *texts += TextOf(child) + " ";
    else if (ClassOf(child).rfind("RichEdit", 0) == 0 && texts->empty())
        *texts = TextOf(child);
    return TRUE;
}

BOOL CALLBACK LookAtWindow(HWND window, LPARAM state) {
    ViewerWatch& watch = *reinterpret_cast<ViewerWatch*>(state);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() || !IsWindowVisible(window))
        return TRUE;
    std::string texts;
    EnumChildWindows(window, CollectTexts, reinterpret_cast<LPARAM>(&texts));
    if (ClassOf(window) == "#32770") {
        watch.error = TextOf(window) + ": " + texts;
        PostMessageA(window, WM_COMMAND, IDNO, 0); // "Do you want to find this file yourself?"
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    } else if (ClassOf(window) == "MS_WINHELP") {
        watch.title = texts.substr(0, texts.find_first_of("\r\n"));
    }
    return TRUE;
}

// Runs on its own thread while the program's thread is busy in WinHelpA (which waits for the
// viewer) or in a menu's loop.
DWORD WINAPI WatchViewer(void* state) {
    ViewerWatch& watch = *static_cast<ViewerWatch*>(state);
    for (int i = 0; i < 300 && watch.error.empty() && watch.title != watch.expectedTitle; ++i) {
        Sleep(100);
        EnumWindows(LookAtWindow, reinterpret_cast<LPARAM>(&watch));
    }
    // A menu stays open beside the viewer: close it, so that the program's thread comes back
    // from the menu's loop.
    EndMenu();
    return 0;
}

// Queues the keys first: the menu's own loop reads them once it runs.
void QueueKeys(std::initializer_list<BYTE> keys) {
    for (BYTE key : keys) {
        keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), 0, 0);
        keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), KEYEVENTF_KEYUP, 0);
    }
}

class HelpViewer : public qvtest::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        qvtest::FocusWindow(Start().enablemincache.Handle());
    }
    void TearDown() override {
        qv::Application::Instance().HelpCommand(HELP_QUIT, 0);
        qvtest::PumpUntil([] { return FindWindowA("MS_WINHELP", nullptr) == nullptr; }, 10000);
        MainWindowTest::TearDown();
    }

    // Starts watching for the viewer, runs the request and waits until the viewer shows the
    // expected title or an error, or 30 s have gone by.
    ViewerWatch Request(const char* expectedTitle, void (*request)(Tf1&)) {
        ViewerWatch watch{expectedTitle, {}, {}};
        HANDLE watcher = CreateThread(nullptr, 0, WatchViewer, &watch, 0, nullptr);
        request(form());
        qvtest::PumpUntil([&] { return WaitForSingleObject(watcher, 0) == WAIT_OBJECT_0; }, 40000);
        WaitForSingleObject(watcher, 5000);
        CloseHandle(watcher);
        return watch;
    }
};

} // namespace

TEST_F(HelpViewer, HelpFileIsBesideTheProgram) {
    const std::string& file = qv::Application::Instance().HelpFile();
    EXPECT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << file;
    std::string contents = file.substr(0, file.size() - 3) + "cnt";
    EXPECT_NE(GetFileAttributesA(contents.c_str()), INVALID_FILE_ATTRIBUTES) << contents;
}

TEST_F(HelpViewer, F1OnTheMainWindowOpensTheMainWindowTopic) {
    ViewerWatch seen = Request("Chapter 3: The main window", [](Tf1&) { qvtest::PressKey(VK_F1); });
    EXPECT_EQ(seen.error, "");
    EXPECT_EQ(seen.title, "Chapter 3: The main window");
}

TEST_F(HelpViewer, F1OnAHighlightedMenuItemOpensItsTopic) {
    // Alt opens the bar on " &File"; Down opens it on "Save"; Down highlights "Save && Exit".
    ViewerWatch seen = Request("Section 4.2: Save & Exit", [](Tf1&) {
        QueueKeys({VK_MENU, VK_DOWN, VK_DOWN, VK_F1});
    });
    EXPECT_EQ(seen.error, "");
    EXPECT_EQ(seen.title, "Section 4.2: Save & Exit");
    qvtest::PumpUntil([this] { return form().MainMenu1.Highlighted() == nullptr; }, 3000);
}

TEST_F(HelpViewer, ContentsOpensTheContents) {
    ViewerWatch seen = Request("Quorvane 3.5 Help", [](Tf1& window) {
        SendMessageA(window.Handle(), WM_COMMAND, window.MainMenu1.FindByName("Contents1")->Id(),
                     0);
    });
    EXPECT_EQ(seen.error, "");
    EXPECT_EQ(seen.title, "Quorvane 3.5 Help");
}

TEST_F(HelpViewer, FileExitClosesTheViewer) {
    Tf1& f = form();
    ViewerWatch seen = Request("Quorvane 3.5 Help", [](Tf1& window) {
        SendMessageA(window.Handle(), WM_COMMAND, window.MainMenu1.FindByName("Contents1")->Id(),
                     0);
    });
    ASSERT_EQ(seen.title, "Quorvane 3.5 Help");
    PostMessageA(f.Handle(), WM_COMMAND, f.MainMenu1.FindByName("Exit1")->Id(), 0);
    qv::Application::Instance().Run(); // returns once File > Exit has ended the program
    EXPECT_TRUE(qvtest::PumpUntil([] { return FindWindowA("MS_WINHELP", nullptr) == nullptr; }));
}
