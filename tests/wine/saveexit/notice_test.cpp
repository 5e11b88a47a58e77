// The reboot notice as the system shows it: a real message box (no test hook), found while it
// is open, measured, and answered with Enter.
#include "Machines.h"
#include "main/SaveExit.h"
#include "support/Pump.h"
#include "DialogDriver.h"
#include <gtest/gtest.h>

namespace {

struct SeenNotice {
    bool found = false;
    std::string text;
    HWND owner = nullptr;
    int textHeight = 0;
    int lineHeight = 0;
    bool informationIcon = false;
    int buttons = 0;
};
SeenNotice g_seen;

BOOL CALLBACK CountButton(HWND window, LPARAM count) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, "Button") == 0 && IsWindowVisible(window))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The box shows the system's information icon in one of its static controls.
BOOL CALLBACK FindInformationIcon(HWND window, LPARAM found) {
    HICON shown = reinterpret_cast<HICON>(SendMessageA(window, STM_GETICON, 0, 0));
    if (shown && shown == LoadIconA(nullptr, IDI_ASTERISK))
        *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

// Runs inside the message box's own loop.
void CALLBACK LookAtNotice(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowA("#32770", " Quorvane 3");
    if (!box || !IsWindowVisible(box) || g_seen.found)
        return;
    g_seen.found = true;
    KillTimer(nullptr, timer);
    HWND text = GetDlgItem(box, 0xFFFF);
    char buffer[512] = {};
    GetWindowTextA(text, buffer, sizeof buffer);
    g_seen.text = buffer;
    g_seen.owner = GetWindow(box, GW_OWNER);
    RECT r;
    GetClientRect(text, &r);
    g_seen.textHeight = r.bottom;
    HDC dc = GetDC(text);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(text, dc);
    g_seen.lineHeight = metrics.tmHeight;
    EnumChildWindows(box, &FindInformationIcon, reinterpret_cast<LPARAM>(&g_seen.informationIcon));
    EnumChildWindows(box, &CountButton, reinterpret_cast<LPARAM>(&g_seen.buttons));
    SetForegroundWindow(box);
    qvtest::SendKey(VK_RETURN);
}

} // namespace

TEST(RebootNotice, IsAnInformationBoxWhoseLinesBreakAtTheCarriageReturn) {
    qvtest::PrepareMachine(qvtest::DesktopMachine());
    qvtest::ProgramHost program;
    g_seen = {};
    UINT_PTR timer = SetTimer(nullptr, 0, 50, &LookAtNotice);
    program.Command("save1");
    KillTimer(nullptr, timer);
    ASSERT_TRUE(g_seen.found) << "no notice was shown";
    EXPECT_EQ(g_seen.text, kRebootNoticeText);
    EXPECT_EQ(g_seen.text.find('\n'), std::string::npos);
    EXPECT_EQ(g_seen.owner, program.Window().Handle());
    EXPECT_TRUE(g_seen.informationIcon);
    EXPECT_EQ(g_seen.buttons, 1);
    // Two lines of text: the box laid the text out at twice the font's line height.
    ASSERT_GT(g_seen.lineHeight, 0);
    EXPECT_EQ(g_seen.textHeight, 2 * g_seen.lineHeight);
    std::printf("notice text: %d pixels high, line height %d\n", g_seen.textHeight,
                g_seen.lineHeight);
    EXPECT_FALSE(program.Ended()); // Save alone does not end the program
}
