// The home-page link, closing the window, the dialog created at start-up, and the help file.
#include "framework/Application.h"
#include "framework/Seams.h"
#include "main/f1.h"
#include "okunit/okform.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include <gtest/gtest.h>

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

} // namespace

TEST(HomePageLink, OpensTheHomePageWithTheApplicationWindow) {
    Tf1 f;
    qv::Application::Instance().SetMainForm(&f);
    ShellRecorder shell(42);
    qvtest::MessageBoxRecorder boxes;
    ClickLink(f);
    qv::Application::Instance().SetMainForm(nullptr);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].owner, f.Handle());
    EXPECT_EQ(g_calls[0].verb, "open");
    EXPECT_EQ(g_calls[0].file, "http://www.example.com/quorvane/");
    EXPECT_EQ(g_calls[0].show, SW_SHOW);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(HomePageLink, AFailureShowsDefaultBrowserNotFoundInAPlainBox) {
    Tf1 f;
    for (INT_PTR failure : {INT_PTR{2}, INT_PTR{32}}) {
        ShellRecorder shell(failure);
        qvtest::MessageBoxRecorder boxes;
        ClickLink(f);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Default browser not found.");
        EXPECT_EQ(boxes.Boxes()[0].caption, " Quorvane");
        EXPECT_EQ(boxes.Boxes()[0].flags, static_cast<UINT>(MB_OK));
    }
}

TEST(HomePageLink, IsMaroonAndUnderlined) {
    Tf1 f;
    HDC dc = GetDC(f.GroupBox1.Handle());
    SendMessageA(f.GroupBox1.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(f.Label8.Handle()));
    EXPECT_EQ(GetTextColor(dc), RGB(128, 0, 0));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(f.GroupBox1.Handle(), dc);
}

TEST(ClosingTheMainWindow, EndsTheApplication) {
    qv::Application& app = qv::Application::Instance();
    Tf1 f;
    app.SetMainForm(&f);
    f.Show();
    SendMessageA(f.Handle(), WM_COMMAND, f.MainMenu1.FindByName("Exit1")->Id(), 0);
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(IsWindowVisible(f.Handle()));
    app.SetMainForm(nullptr);
    app.ResetTerminated();
    qvtest::PumpFor(20); // takes the quit message
    app.ResetTerminated();
}

TEST(ClosingTheMainWindow, TheCloseBoxRunsTheCloseQuery) {
    qv::Application& app = qv::Application::Instance();
    Tf1 f;
    app.SetMainForm(&f);
    f.Show();
    bool asked = false;
    f.OnCloseQuery = [&](qv::Component&, bool& canClose) {
        asked = true;
        canClose = false;
    };
    SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(app.Terminated());
    EXPECT_TRUE(IsWindowVisible(f.Handle()));
    app.SetMainForm(nullptr);
}

TEST(ConfirmationDialog, IsCreatedHiddenWithItsCaptionAndSize) {
    qv::Application& app = qv::Application::Instance();
    Tf1 f;
    app.SetMainForm(&f);
    Tokform dialog;
    app.SetMainForm(nullptr);
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
