// The home-page link, closing the window, the dialog created at start-up, and the help file.
#include "framework/Seams.h"
#include "support/MainWindowTest.h"

namespace {

struct ShellCall {
    HWND owner;
    std::string verb, file;
    int show;
};
std::vector<ShellCall> g_calls;
INT_PTR g_result = 0;

INT_PTR RecordShell(HWND owner, const std::string& verb, const std::string& file, int show) {
    g_calls.push_back({owner, verb, file, show});
    return g_result;
}

class ShellRecorder {
public:
    explicit ShellRecorder(INT_PTR result) {
        g_calls.clear();
        g_result = result;
        qv::SetShellExecuteHook(&RecordShell);
    }
    ~ShellRecorder() { qv::SetShellExecuteHook(nullptr); }
};

void ClickLink(Tf1& f) {
    SendMessageA(f.GroupBox1.Handle(), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED),
                 reinterpret_cast<LPARAM>(f.Label8.Handle()));
}

using HomePageLink = qvtest::MainWindowTest;
using ClosingTheMainWindow = qvtest::MainWindowTest;
using ConfirmationDialog = qvtest::MainWindowTest;

} // namespace

TEST_F(HomePageLink, OpensTheHomePageWithTheApplicationWindow) {
    Tf1& f = Start();
    ShellRecorder shell(42);
    ClickLink(f);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].owner, f.Handle());
    EXPECT_EQ(g_calls[0].verb, "open");
    EXPECT_EQ(g_calls[0].file, "http://www.example.com/quorvane/");
    EXPECT_EQ(g_calls[0].show, SW_SHOW);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(HomePageLink, AFailureShowsDefaultBrowserNotFoundInAPlainBox) {
    Tf1& f = Start();
    for (INT_PTR failure : {INT_PTR{2}, INT_PTR{32}}) {
        SCOPED_TRACE(failure);
        ShellRecorder shell(failure);
        const std::size_t before = boxes.Boxes().size();
        ClickLink(f);
        ASSERT_EQ(boxes.Boxes().size(), before + 1);
        EXPECT_EQ(boxes.Boxes().back().text, "Default browser not found.");
        EXPECT_EQ(boxes.Boxes().back().caption, " Quorvane");
        EXPECT_EQ(boxes.Boxes().back().flags, static_cast<UINT>(MB_OK));
    }
}

TEST_F(HomePageLink, IsMaroon) {
    Tf1& f = Start(); // its underlined font: the layout test
    HDC dc = GetDC(f.GroupBox1.Handle());
    SendMessageA(f.GroupBox1.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(f.Label8.Handle()));
    EXPECT_EQ(GetTextColor(dc), RGB(128, 0, 0));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(f.GroupBox1.Handle(), dc);
}

TEST_F(ClosingTheMainWindow, EndsTheApplication) {
    Tf1& f = Start();
    qvtest::Choose(f, "Exit1");
    EXPECT_TRUE(qv::Application::Instance().Terminated());
    EXPECT_FALSE(IsWindowVisible(f.Handle()));
}

TEST_F(ClosingTheMainWindow, TheCloseBoxRunsTheCloseQuery) {
    qv::Application& app = qv::Application::Instance();
    Tf1& f = Start();
    bool asked = false;
    f.OnCloseQuery = [&](qv::Component&, bool& canClose) {
        asked = true;
        canClose = false;
    };
    SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(app.Terminated());
    EXPECT_TRUE(IsWindowVisible(f.Handle()));
}

TEST_F(ConfirmationDialog, IsCreatedHiddenWithItsCaptionAndSize) {
    Tf1& f = Create();
    Tokform& dialog = *okform;
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(dialog.Text(), "Quorvane Confirmation Dialog");
    RECT client;
    GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(client.right, 449);
    EXPECT_EQ(client.bottom, 102);
    EXPECT_EQ(GetWindow(dialog.Handle(), GW_OWNER), f.Handle());
    LONG ex = GetWindowLongA(dialog.Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_CONTEXTHELP);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(GetWindowLongA(dialog.Handle(), GWL_STYLE) & WS_THICKFRAME);
}

TEST(HelpFile, IsTheExecutablesDirectoryEvenWithBlanks) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const char* dir = "C:\\Program Files\\Quorvane Test Dir";
    CreateDirectoryA("C:\\Program Files", nullptr);
    CreateDirectoryA(dir, nullptr);
    std::string copy = std::string(dir) + "\\quorvane test.exe";
    ASSERT_TRUE(CopyFileA(self, copy.c_str(), FALSE));
    std::string report = std::string(dir) + "\\help file.txt";
    std::string command = "\"" + copy + "\" --report-help-file \"" + report + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 99;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    ASSERT_EQ(code, 0u);
    char text[MAX_PATH] = {};
    FILE* in = fopen(report.c_str(), "r");
    ASSERT_NE(in, nullptr);
    fgets(text, sizeof text, in);
    fclose(in);
    EXPECT_STREQ(text, "C:\\Program Files\\Quorvane Test Dir\\Quorvane.hlp");
}
