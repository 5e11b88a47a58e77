#include "framework/Application.h"
#include "framework/BitButton.h"
#include "framework/Container.h"
#include "framework/ErrorBox.h"
#include "framework/Exceptions.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include <gtest/gtest.h>

namespace {

// A dialog with the confirmation dialog's shape: Yes (default), No (cancel), a panel, Cancel
// (cancel).
class Dialog : public qv::Form {
public:
    qv::BitButton yes, no, cancel;
    qv::Panel panel;
    qv::Label question;
    std::vector<std::string> clicks;
    std::vector<int> resultsSeenByHandlers;

    Dialog() {
        qv::FormSpec spec{"Dialog", 449, 102};
        spec.border = qv::FormSpec::Border::Dialog;
        spec.minimizeBox = false;
        spec.contextHelpButton = true;
        CreateForm(spec);
        const qv::Placement layout[] = {
            {yes, *this, "yes", 5, 74, 122, 24, 0, "&Yes", nullptr, true, 0},
            {no, *this, "no", 133, 74, 122, 24, 1, "&No", nullptr, true, 0},
            {panel, *this, "panel", 0, 0, 449, 70, 2, "", nullptr, true, 0},
            {question, panel, "question", 76, 28, 146, 15, -1, "Save?", nullptr, true, 0},
            {cancel, *this, "cancel", 323, 74, 122, 24, 3, "Cancel", nullptr, true, 0},
        };
        qv::PlaceControls(layout);
        yes.SetKind(qv::BitButton::Kind::Default);
        yes.SetGlyph(qv::BitButton::Glyph::Tick);
        yes.SetModalResult(qv::mrOk);
        no.SetKind(qv::BitButton::Kind::Cancel);
        no.SetGlyph(qv::BitButton::Glyph::No);
        no.SetModalResult(qv::mrNo);
        cancel.SetKind(qv::BitButton::Kind::Cancel);
        cancel.SetGlyph(qv::BitButton::Glyph::Cancel);
        cancel.SetModalResult(qv::mrCancel);
        for (qv::BitButton* b : {&yes, &no, &cancel})
            b->OnClick = [this](qv::Component& sender) {
                clicks.push_back(sender.Name());
                resultsSeenByHandlers.push_back(ModalResult());
            };
        OnShow = [this](qv::Component&) { yes.SetFocus(); };
    }
};

std::function<void()> g_pending;

VOID CALLBACK RunPending(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (g_pending) {
        auto run = std::move(g_pending);
        g_pending = nullptr;
        run();
    }
}

// Runs the dialog modally; `act` runs once the dialog is up (from a thread timer).
int RunModal(Dialog& dialog, std::function<void()> act) {
    g_pending = std::move(act);
    UINT_PTR timer = SetTimer(nullptr, 0, 50, &RunPending);
    int result = dialog.ShowModal();
    KillTimer(nullptr, timer);
    return result;
}

void QueueKey(BYTE key) {
    keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), 0, 0);
    keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), KEYEVENTF_KEYUP, 0);
}

} // namespace

TEST(ModalDialog, AButtonSetsTheResultThenRunsItsHandlerThenTheDialogCloses) {
    Dialog d;
    int result = RunModal(d, [&] { SendMessageA(d.no.Handle(), BM_CLICK, 0, 0); });
    EXPECT_EQ(result, qv::mrNo);
    EXPECT_EQ(d.clicks, (std::vector<std::string>{"no"}));
    EXPECT_EQ(d.resultsSeenByHandlers, (std::vector<int>{qv::mrNo}));
    EXPECT_FALSE(IsWindowVisible(d.Handle()));
    EXPECT_FALSE(d.IsModal());
}

TEST(ModalDialog, EnterPressesTheFocusedButtonWhichIsYesWhenItOpens) {
    Dialog d;
    int result = RunModal(d, [] { QueueKey(VK_RETURN); });
    EXPECT_EQ(result, qv::mrOk);
    EXPECT_EQ(d.clicks, (std::vector<std::string>{"yes"}));
    // With the focus moved to Cancel, Enter presses Cancel.
    d.clicks.clear();
    result = RunModal(d, [&] {
        SetFocus(d.cancel.Handle());
        QueueKey(VK_RETURN);
    });
    EXPECT_EQ(result, qv::mrCancel);
    EXPECT_EQ(d.clicks, (std::vector<std::string>{"cancel"}));
}

TEST(ModalDialog, EscapePressesTheFirstCancelButtonInControlOrder) {
    Dialog d;
    int result = RunModal(d, [] { QueueKey(VK_ESCAPE); });
    EXPECT_EQ(result, qv::mrNo);
    EXPECT_EQ(d.clicks, (std::vector<std::string>{"no"}));
}

TEST(ModalDialog, AccessKeysPressTheirButtons) {
    Dialog d;
    int result = RunModal(d, [] { QueueKey('N'); });
    EXPECT_EQ(result, qv::mrNo);
    EXPECT_EQ(d.clicks, (std::vector<std::string>{"no"}));
}

TEST(ModalDialog, TheCloseBoxClosesWithCancelAndRunsNoButton) {
    Dialog d;
    int result = RunModal(d, [&] { SendMessageA(d.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(result, qv::mrCancel);
    EXPECT_TRUE(d.clicks.empty());
}

TEST(ModalDialog, OtherWindowsAreDisabledWhileItIsUp) {
    qv::Form owner;
    owner.CreateForm(qv::FormSpec{"Owner", 200, 100});
    owner.Show();
    Dialog d;
    bool ownerEnabledDuring = true;
    RunModal(d, [&] {
        ownerEnabledDuring = IsWindowEnabled(owner.Handle()) != FALSE;
        SendMessageA(d.yes.Handle(), BM_CLICK, 0, 0);
    });
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST(ModalDialog, TheCloseQueryCanKeepItOpen) {
    Dialog d;
    int asked = 0;
    d.OnCloseQuery = [&](qv::Component&, bool& canClose) { canClose = ++asked > 1; };
    int result = RunModal(d, [&] {
        SendMessageA(d.no.Handle(), BM_CLICK, 0, 0); // refused: stays open
        PostMessageA(d.cancel.Handle(), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(result, qv::mrCancel);
    EXPECT_EQ(d.clicks, (std::vector<std::string>{"no", "cancel"}));
}

TEST(ModalDialog, ButtonsAndPanelAreRealWindows) {
    Dialog d;
    EXPECT_EQ(qvtest::ClassOf(d.yes.Handle()), "Button");
    EXPECT_EQ(GetWindowLongA(d.yes.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(qvtest::ClassOf(d.panel.Handle()), "QvPanel");
    EXPECT_EQ(GetParent(d.question.Handle()), d.panel.Handle());
    RECT r = qvtest::RectInParent(d.question.Handle());
    EXPECT_EQ(r.left, 76);
    EXPECT_EQ(r.top, 28);
    EXPECT_EQ(d.yes.Text(), "&Yes");
}

TEST(ExceptionBarrier, AFailingEventHandlerShowsTheErrorBoxAndTheProgramGoesOn) {
    qvtest::MessageBoxRecorder boxes;
    Dialog d;
    d.Show();
    d.yes.OnClick = [](qv::Component&) { throw qv::Exception("Unable to write to system.ini"); };
    SendMessageA(d.yes.Handle(), BM_CLICK, 0, 0);
    d.no.OnClick = [](qv::Component&) { throw qv::EAbort(); };
    SendMessageA(d.no.Handle(), BM_CLICK, 0, 0); // silent
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Unable to write to system.ini.");
    EXPECT_EQ(boxes.Boxes()[0].caption, " Quorvane");
    EXPECT_EQ(boxes.Boxes()[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(IsWindow(d.Handle()));
}

TEST(FormHelp, F1WithoutAnyHelpContextAsksForNothing) {
    qvtest::HelpRecorder help;
    Dialog d;
    d.Show();
    qvtest::FocusWindow(d.yes.Handle());
    qvtest::PressKey(VK_F1);
    EXPECT_TRUE(help.Requests().empty());
    d.SetHelpContext(9);
    qvtest::PressKey(VK_F1);
    ASSERT_EQ(help.Requests().size(), 1u);
    EXPECT_EQ(help.Requests()[0].data, 9u);
}

TEST(FormMenu, AMenuBarThatGoesBeforeItsWindowIsTakenOffItFirst) {
    qv::Form form;
    form.CreateForm(qv::FormSpec{"Menu", 200, 100});
    HMENU bar = nullptr;
    {
        qv::MainMenu menu;
        const qv::MenuRow rows[] = {{"File", 0, "&File", 0, nullptr},
                                    {"Exit", 1, "E&xit", 0, nullptr}};
        menu.Build(rows);
        form.SetMenu(menu);
        bar = menu.Handle();
        EXPECT_EQ(GetMenu(form.Handle()), bar);
    }
    EXPECT_EQ(GetMenu(form.Handle()), nullptr) << "the window keeps no destroyed menu";
    EXPECT_EQ(form.Menu(), nullptr);
    SendMessageA(form.Handle(), WM_COMMAND, qv::MainMenu::kFirstId, 0); // nothing to run
    EXPECT_FALSE(IsMenu(bar));
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 200);
}
