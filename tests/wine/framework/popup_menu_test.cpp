// Popup menus: built from a table, shown modally with their OnPopup first, the chosen item run
// after the menu closed; the right click on a window-less control shows its menu.
#include "HintForm.h"
#include "framework/Exceptions.h"
#include "framework/Menu.h"
#include "support/PointerAndMenus.h"
#include "support/Pump.h"
#include <gtest/gtest.h>

using namespace qvtest;

namespace {

class PopupMenus : public ::testing::Test {
protected:
    HintForm form;
    qv::PopupMenu menu;
    std::vector<std::string> events;
    qv::Component* clickSender = nullptr;
    bool menuOpenDuringClick = true;
    bool menuOpenDuringPopup = true;

    void SetUp() override {
        auto click = [this](qv::Component& sender) {
            clickSender = &sender;
            menuOpenDuringClick = MenuShowing();
            events.push_back("click:" + sender.Name());
        };
        const std::vector<qv::MenuRow> rows{
            {"open1", 0, "&Open", 11, click},    {"line1", 0, "-", 0, nullptr},
            {"more1", 0, "&More", 0, nullptr},   {"first1", 1, "&First", 0, click},
            {"second1", 1, "&Second", 0, click}, {"close1", 0, "&Close", 0, click},
        };
        menu.SetName("PopupMenu1");
        menu.Build(rows);
        menu.OnPopup = [this](qv::Component& sender) {
            menuOpenDuringPopup = MenuShowing();
            events.push_back("popup:" + sender.Name());
        };
        FocusWindow(form.Handle());
    }
    void TearDown() override { MenuWasAnswered(); }

    // Shows the menu at the form's client point and answers it with the keys.
    void PopupAnswered(std::vector<BYTE> keys) {
        POINT p{40, 40};
        ClientToScreen(form.Handle(), &p);
        AnswerNextMenu(std::move(keys));
        menu.Popup(p.x, p.y);
    }
};

std::string MenuText(HMENU menu, UINT position) {
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

} // namespace

TEST_F(PopupMenus, BuildsTheLevelZeroRowsAsItsOwnItems) {
    HMENU h = menu.Handle();
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(menu.Items().size(), 4u);
    EXPECT_EQ(GetMenuItemCount(h), 4);
    EXPECT_EQ(MenuText(h, 0), "&Open");
    EXPECT_EQ(GetMenuItemID(h, 0), qv::TableMenu::kFirstId);
    EXPECT_EQ(GetMenuState(h, 1, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
    HMENU more = GetSubMenu(h, 2);
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(more, menu.FindByName("more1")->Submenu());
    EXPECT_EQ(GetMenuItemCount(more), 2);
    EXPECT_EQ(MenuText(more, 1), "&Second");
    EXPECT_EQ(menu.FindByName("first1")->Id(), qv::TableMenu::kFirstId + 1);
    EXPECT_EQ(menu.FindByName("second1")->Parent(), menu.FindByName("more1"));
    EXPECT_EQ(menu.FindByName("close1")->Id(), qv::TableMenu::kFirstId + 3);
    EXPECT_EQ(menu.FindByName("open1")->HelpContext(), 11);
    EXPECT_EQ(menu.FindByName("nothing"), nullptr);
    EXPECT_TRUE(menu.AutoPopup());
    EXPECT_EQ(menu.PopupComponent(), nullptr);
}

TEST_F(PopupMenus, ARowOutOfPlaceIsRefused) {
    qv::PopupMenu bad;
    const std::vector<qv::MenuRow> rows{{"deep", 1, "Deep", 0, nullptr}};
    EXPECT_THROW(bad.Build(rows), qv::Exception);
}

TEST_F(PopupMenus, ChoosingAnItemRunsItsClickAfterTheMenuClosed) {
    PopupAnswered({VK_DOWN, VK_RETURN});
    EXPECT_TRUE(MenuWasAnswered());
    EXPECT_EQ(events, (std::vector<std::string>{"popup:PopupMenu1", "click:open1"}));
    EXPECT_FALSE(menuOpenDuringPopup);
    EXPECT_FALSE(menuOpenDuringClick);
    EXPECT_EQ(clickSender, menu.FindByName("open1"));
}

TEST_F(PopupMenus, ChoosingASubmenuItem) {
    // Down to "More" (the separator is skipped), open it, take its second item.
    PopupAnswered({VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
    EXPECT_TRUE(MenuWasAnswered());
    EXPECT_EQ(events, (std::vector<std::string>{"popup:PopupMenu1", "click:second1"}));
    EXPECT_EQ(clickSender, menu.FindByName("second1"));
}

TEST_F(PopupMenus, EscapeRunsNothing) {
    PopupAnswered({VK_ESCAPE});
    EXPECT_TRUE(MenuWasAnswered());
    EXPECT_EQ(events, (std::vector<std::string>{"popup:PopupMenu1"}));
    EXPECT_FALSE(MenuShowing());
}

TEST_F(PopupMenus, OnPopupMayChangeTheItemsBeforeTheyShow) {
    const UINT openId = menu.FindByName("open1")->Id();
    menu.OnPopup = [&](qv::Component&) {
        CheckMenuItem(menu.Handle(), openId, MF_BYCOMMAND | MF_CHECKED);
    };
    bool checkedWhenChosen = false;
    menu.FindByName("open1")->OnClick = [&](qv::Component&) {
        checkedWhenChosen = (GetMenuState(menu.Handle(), openId, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    PopupAnswered({VK_DOWN, VK_RETURN});
    EXPECT_TRUE(MenuWasAnswered());
    EXPECT_TRUE(checkedWhenChosen);
}

TEST_F(PopupMenus, RightClickOnAControlShowsItsMenuForIt) {
    form.left->SetPopupMenu(&menu);
    AnswerNextMenu({VK_DOWN, VK_RETURN});
    RightClick(form.Handle(), 30, 30);
    EXPECT_TRUE(MenuWasAnswered());
    EXPECT_EQ(menu.PopupComponent(), form.left.get());
    EXPECT_EQ(form.events, (std::vector<std::string>{"down:left:right", "up:left:right"}));
    EXPECT_EQ(events, (std::vector<std::string>{"popup:PopupMenu1", "click:open1"}));
}

TEST_F(PopupMenus, ARealRightClickShowsTheMenu) {
    form.left->SetPopupMenu(&menu);
    POINT p{30, 30};
    ClientToScreen(form.Handle(), &p);
    PlacePointer(p);
    AnswerNextMenu({VK_DOWN, VK_RETURN});
    mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
    ASSERT_TRUE(PumpUntil([this] { return events.size() == 2; }));
    EXPECT_TRUE(MenuWasAnswered());
    EXPECT_EQ(events, (std::vector<std::string>{"popup:PopupMenu1", "click:open1"}));
    EXPECT_EQ(menu.PopupComponent(), form.left.get());
    EXPECT_EQ(form.events, (std::vector<std::string>{"down:left:right", "up:left:right"}));
}

TEST_F(PopupMenus, RightClickOnAControlOnAPanel) {
    form.inner->SetPopupMenu(&menu);
    AnswerNextMenu({VK_ESCAPE});
    RightClick(form.panel.Handle(), 30, 30);
    EXPECT_TRUE(MenuWasAnswered());
    EXPECT_EQ(menu.PopupComponent(), form.inner.get());
    EXPECT_EQ(events, (std::vector<std::string>{"popup:PopupMenu1"}));
}

TEST_F(PopupMenus, RightClickOnAControlWithoutAMenuShowsNothing) {
    form.left->SetPopupMenu(&menu);
    AnswerNextMenu({VK_ESCAPE}); // closes a menu that should not have opened
    RightClick(form.Handle(), 120, 30);
    PumpFor(100);
    EXPECT_FALSE(MenuWasAnswered());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(form.events, (std::vector<std::string>{"down:right:right", "up:right:right"}));
    // Nor does the form's background.
    AnswerNextMenu({VK_ESCAPE});
    RightClick(form.Handle(), 5, 150);
    PumpFor(100);
    EXPECT_FALSE(MenuWasAnswered());
    EXPECT_TRUE(events.empty());
}

TEST_F(PopupMenus, NoAutomaticMenuWithoutAutoPopup) {
    menu.SetAutoPopup(false);
    form.left->SetPopupMenu(&menu);
    AnswerNextMenu({VK_ESCAPE});
    RightClick(form.Handle(), 30, 30);
    PumpFor(100);
    EXPECT_FALSE(MenuWasAnswered());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(menu.PopupComponent(), nullptr);
    EXPECT_EQ(form.events, (std::vector<std::string>{"down:left:right", "up:left:right"}));
}

TEST_F(PopupMenus, NoMenuForHiddenOrDisabledControls) {
    form.left->SetPopupMenu(&menu);
    form.left->SetEnabled(false);
    AnswerNextMenu({VK_ESCAPE});
    RightClick(form.Handle(), 30, 30);
    PumpFor(100);
    EXPECT_FALSE(MenuWasAnswered());
    form.left->SetEnabled(true);
    form.left->SetShowing(false);
    AnswerNextMenu({VK_ESCAPE});
    RightClick(form.Handle(), 30, 30);
    PumpFor(100);
    EXPECT_FALSE(MenuWasAnswered());
    EXPECT_TRUE(events.empty());
}

TEST_F(PopupMenus, TheContextMenuKeyDoesNotTargetAWindowlessControl) {
    form.left->SetPopupMenu(&menu);
    AnswerNextMenu({VK_ESCAPE});
    SendMessageA(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Handle()),
                 MAKELPARAM(-1, -1));
    PumpFor(100);
    EXPECT_FALSE(MenuWasAnswered());
    EXPECT_TRUE(events.empty());
}

TEST_F(PopupMenus, AControlDestroyedStopsBeingThePopupComponent) {
    form.left->SetPopupMenu(&menu);
    AnswerNextMenu({VK_ESCAPE});
    RightClick(form.Handle(), 30, 30);
    ASSERT_TRUE(MenuWasAnswered());
    ASSERT_EQ(menu.PopupComponent(), form.left.get());
    form.left.reset();
    EXPECT_EQ(menu.PopupComponent(), nullptr);
}

TEST_F(PopupMenus, AControlLinkedElsewhereIsForgottenByEveryMenu) {
    qv::PopupMenu other;
    form.left->SetPopupMenu(&menu);
    AnswerNextMenu({VK_ESCAPE});
    RightClick(form.Handle(), 30, 30);
    ASSERT_TRUE(MenuWasAnswered());
    form.left->SetPopupMenu(&other); // the first menu still names it as its component
    form.left.reset();
    EXPECT_EQ(menu.PopupComponent(), nullptr);
}

TEST_F(PopupMenus, AMenuDestroyedIsUnlinkedFromItsControls) {
    auto temporary = std::make_unique<qv::PopupMenu>();
    form.left->SetPopupMenu(temporary.get());
    form.inner->SetPopupMenu(temporary.get());
    form.right->SetPopupMenu(&menu);
    temporary.reset();
    EXPECT_EQ(form.left->PopupMenu(), nullptr);
    EXPECT_EQ(form.inner->PopupMenu(), nullptr);
    EXPECT_EQ(form.right->PopupMenu(), &menu);
    AnswerNextMenu({VK_ESCAPE});
    RightClick(form.Handle(), 30, 30); // nothing to show, nothing dangling
    PumpFor(100);
    EXPECT_FALSE(MenuWasAnswered());
}

TEST_F(PopupMenus, AnItemMayDestroyTheControlItWasShownFor) {
    form.left->SetPopupMenu(&menu);
    menu.FindByName("open1")->OnClick = [this](qv::Component&) {
        events.push_back("destroy");
        form.left.reset();
    };
    AnswerNextMenu({VK_DOWN, VK_RETURN});
    RightClick(form.Handle(), 30, 30);
    EXPECT_TRUE(MenuWasAnswered());
    EXPECT_EQ(events, (std::vector<std::string>{"popup:PopupMenu1", "destroy"}));
    EXPECT_EQ(menu.PopupComponent(), nullptr);
}

TEST_F(PopupMenus, ShowingAMenuHidesTheHint) {
    qv::Application& app = qv::Application::Instance();
    form.SetShowHint(true);
    form.left->SetHint("Open");
    app.SetHintPause(10);
    MovePointerTo(form.Handle(), 30, 30);
    ASSERT_TRUE(PumpUntil([] { return ShownHint() != nullptr; }));
    PopupAnswered({VK_ESCAPE});
    EXPECT_TRUE(MenuWasAnswered());
    EXPECT_EQ(ShownHint(), nullptr);
    app.SetHintPause(500);
    ParkPointer();
}
