// The menu tree, its commands, and help requests from the menu and from F1.
#include "framework/Application.h"
#include "main/f1.h"
#include "support/MainWindowTest.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include <gtest/gtest.h>
#include <set>

namespace {

struct ExpectedItem {
    const char* name;
    int level;
    const char* caption;
    int helpContext;
    bool command;
};

// clang-format off
const ExpectedItem kMenu[] = {
    {"Main1", 0, " &File", 3, false},
    {"save1", 1, "Save", 5, true},
    {"savee1", 1, "Save && Exit", 7, true},
    {"N1", 1, "-", 0, false},
    {"Exit1", 1, "Exit", 6, true},
    {"Settings1", 0, "Se&ttings", 3, false},
    {"Windows951", 1, "Windows 95", 0, false},
    {"win95standardsystemitem", 2, "Standard System", 11, true},
    {"win95cdwriteritem", 2, "Cd Writer", 12, true},
    {"win95poweruseritem", 2, "Power User", 13, true},
    {"win95lowmemitem", 2, "Low Memory System", 0, true},
    {"win95quakeitem", 2, "Quake 2, Unreal ...", 0, true},
    {"Windows981", 1, "Windows 98", 0, false},
    {"win98standarditem", 2, "Standard System", 11, true},
    {"win98cdwriteritem", 2, "Cd Writer", 12, true},
    {"win98poweruseritem", 2, "Power User", 13, true},
    {"win98lowmemitem", 2, "Low Memory System", 0, true},
    {"win98quakeitem", 2, "Quake 2, Unreal ...", 0, true},
    {"N5", 1, "-", 0, false},
    {"RestoreOriginalSettings1", 1, "Disable Cache Optimization", 14, true},
    {"Help1", 0, "&Help ", 3, false},
    {"Contents1", 1, "Contents", 0, true},
};
// clang-format on

void Flatten(const qv::MenuItem& item, int level,
             std::vector<std::pair<const qv::MenuItem*, int>>& out) {
    out.push_back({&item, level});
    for (const auto& child : item.Items())
        Flatten(*child, level + 1, out);
}

std::string MenuText(HMENU menu, UINT position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// Queues the keys first: the menu's own loop reads them once it runs.
void QueueKeys(std::initializer_list<BYTE> keys) {
    for (BYTE key : keys) {
        keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), 0, 0);
        keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), KEYEVENTF_KEYUP, 0);
    }
}

class MainWindowMenu : public qvtest::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Start();
        qvtest::FocusWindow(form().enablemincache.Handle());
    }
    qvtest::HelpRecorder help;
};

} // namespace

TEST_F(MainWindowMenu, TreeHasTheCaptionsHelpContextsAndCommands) {
    std::vector<std::pair<const qv::MenuItem*, int>> items;
    for (const auto& top : form().MainMenu1.Items())
        Flatten(*top, 0, items);
    ASSERT_EQ(items.size(), std::size(kMenu));
    std::set<UINT> ids;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const qv::MenuItem& item = *items[i].first;
        const ExpectedItem& e = kMenu[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(item.Name(), e.name);
        EXPECT_EQ(items[i].second, e.level);
        EXPECT_EQ(item.Caption(), e.caption);
        EXPECT_EQ(item.HelpContext(), e.helpContext);
        EXPECT_EQ(item.Id() != 0, e.command);
        EXPECT_EQ(static_cast<bool>(item.OnClick), e.command);
        if (e.command) {
            EXPECT_TRUE(ids.insert(item.Id()).second) << "duplicate id";
        }
    }
}

TEST_F(MainWindowMenu, TheRealMenuShowsTheCaptionsWithSeparators) {
    HMENU bar = GetMenu(form().Handle());
    ASSERT_EQ(bar, form().MainMenu1.Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    EXPECT_EQ(MenuText(bar, 0), " &File");
    EXPECT_EQ(MenuText(bar, 1), "Se&ttings");
    EXPECT_EQ(MenuText(bar, 2), "&Help ");
    HMENU file = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(MenuText(file, 1), "Save && Exit");
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    HMENU settings = GetSubMenu(bar, 1);
    ASSERT_EQ(GetMenuItemCount(settings), 4);
    HMENU win98 = GetSubMenu(settings, 1);
    ASSERT_NE(win98, nullptr);
    EXPECT_EQ(MenuText(win98, 4), "Quake 2, Unreal ...");
    EXPECT_EQ(GetMenuItemID(win98, 4), form().MainMenu1.FindByName("win98quakeitem")->Id());
}

TEST_F(MainWindowMenu, ContentsSendsHelpFinderOnTheHelpFile) {
    SendMessageA(form().Handle(), WM_COMMAND, form().MainMenu1.FindByName("Contents1")->Id(), 0);
    ASSERT_EQ(help.Requests().size(), 1u);
    EXPECT_EQ(help.Requests()[0].command, static_cast<UINT>(HELP_FINDER));
    EXPECT_EQ(help.Requests()[0].data, 0u);
    EXPECT_EQ(help.Requests()[0].file, qv::Application::Instance().HelpFile());
    std::string file = help.Requests()[0].file;
    EXPECT_EQ(file.substr(file.size() - 13), "\\Quorvane.hlp");
}

TEST_F(MainWindowMenu, F1OnAFocusedControlAsksForItsNearestHelpContext) {
    form().min.SetEnabled(true);
    qvtest::FocusWindow(form().min.Handle());
    qvtest::PressKey(VK_F1);
    form().emin.SetEnabled(true);
    qvtest::FocusWindow(form().emin.EditHandle());
    qvtest::PressKey(VK_F1); // the spin edit has none: the window's
    ASSERT_EQ(help.Requests().size(), 2u);
    for (const qvtest::RecordedHelp& r : help.Requests()) {
        EXPECT_EQ(r.command, static_cast<UINT>(HELP_CONTEXT));
        EXPECT_EQ(r.data, 1u);
    }
}

TEST_F(MainWindowMenu, F1OnHighlightedMenuItemsAsksForTheirNearestHelpContext) {
    // Alt opens the bar on " &File"; Down opens it on "Save"; Down highlights "Save && Exit".
    QueueKeys({VK_MENU, VK_DOWN, VK_DOWN, VK_F1, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
    qvtest::PumpFor(800);
    // Settings, Windows 98, its fourth entry "Low Memory System".
    QueueKeys({VK_MENU, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_F1,
               VK_UP, VK_UP, VK_UP, VK_F1, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
    qvtest::PumpFor(1200);
    std::vector<ULONG_PTR> contexts;
    for (const qvtest::RecordedHelp& r : help.Requests()) {
        EXPECT_EQ(r.command, static_cast<UINT>(HELP_CONTEXT));
        contexts.push_back(r.data);
    }
    // "Save && Exit" 7; "Low Memory System" 3 (from "Se&ttings"); "Standard System" 11.
    EXPECT_EQ(contexts, (std::vector<ULONG_PTR>{7, 3, 11}));
    EXPECT_EQ(form().MainMenu1.Highlighted(), nullptr); // the menu has closed
}

TEST_F(MainWindowMenu, MenuSelectTracksTheHighlightedItem) {
    HMENU bar = GetMenu(form().Handle());
    HMENU settings = GetSubMenu(bar, 1);
    SendMessageA(form().Handle(), WM_MENUSELECT, MAKEWPARAM(1, MF_POPUP),
                 reinterpret_cast<LPARAM>(settings));
    EXPECT_EQ(form().MainMenu1.Highlighted()->Name(), "Windows981");
    EXPECT_EQ(form().MenuHelpContext(), 3);
    UINT quake = form().MainMenu1.FindByName("win95quakeitem")->Id();
    SendMessageA(form().Handle(), WM_MENUSELECT, MAKEWPARAM(quake, MF_HILITE),
                 reinterpret_cast<LPARAM>(GetSubMenu(settings, 0)));
    EXPECT_EQ(form().MenuHelpContext(), 3);
    UINT disable = form().MainMenu1.FindByName("RestoreOriginalSettings1")->Id();
    SendMessageA(form().Handle(), WM_MENUSELECT, MAKEWPARAM(disable, MF_HILITE),
                 reinterpret_cast<LPARAM>(settings));
    EXPECT_EQ(form().MenuHelpContext(), 14);
    SendMessageA(form().Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(form().MainMenu1.Highlighted(), nullptr);
}

TEST_F(MainWindowMenu, LeavingTellsTheHelpViewerTheProgramNoLongerNeedsIt) {
    qv::Application& app = qv::Application::Instance();
    qvtest::Choose(form(), "Contents1");
    PostMessageA(form().Handle(), WM_COMMAND, form().MainMenu1.FindByName("Exit1")->Id(), 0);
    app.Run(); // the program's own loop: returns once File > Exit has ended it
    ASSERT_EQ(help.Requests().size(), 2u);
    EXPECT_EQ(help.Requests()[1].command, static_cast<UINT>(HELP_QUIT));
    EXPECT_EQ(help.Requests()[1].data, 0u);
    EXPECT_EQ(help.Requests()[1].file, help.Requests()[0].file);
    qvtest::PumpFor(20); // takes the quit message
    app.ResetTerminated();
}
