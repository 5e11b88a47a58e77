// The confirmation dialog on its own: layout, and each way of answering it with real input
// while it runs modally.
#include "DialogDriver.h"
#include "support/ProgramHost.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include "support/SystemFiles.h"
#include <gtest/gtest.h>

using qvtest::Answer;

namespace {

class Dialog : public ::testing::Test {
protected:
    void SetUp() override { qvtest::PrepareMachine({"[vcache]\r\n", "", {}}); }
    qvtest::MessageBoxRecorder boxes;
};

RECT ClientRectOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

LOGFONTA FontOf(HWND window) {
    LOGFONTA font{};
    HFONT handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof font, &font);
    return font;
}

void ExpectBounds(HWND window, int left, int top, int width, int height) {
    RECT r = qvtest::RectInParent(window);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
}

} // namespace

TEST_F(Dialog, LayoutFrameAndOwner) {
    qvtest::ProgramHost program;
    Tokform& dialog = program.Dialog();
    HWND handle = dialog.Handle();
    EXPECT_EQ(dialog.Text(), "Quorvane Confirmation Dialog");
    EXPECT_FALSE(dialog.Visible()); // created hidden
    RECT client = ClientRectOf(handle);
    EXPECT_EQ(client.right, 449);
    EXPECT_EQ(client.bottom, 102);
    LONG_PTR style = GetWindowLongPtrA(handle, GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrA(handle, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_SYSMENU);     // the close box
    EXPECT_FALSE(style & WS_THICKFRAME); // not resizable
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME); // dialog frame
    EXPECT_TRUE(exStyle & WS_EX_CONTEXTHELP);   // the context-help button
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(handle, GW_OWNER), program.Window().Handle());
    EXPECT_STREQ(dialog.ChildFont().face, "MS Sans Serif");
    EXPECT_EQ(dialog.ChildFont().height, -11);

    ExpectBounds(dialog.BitBtn1.Handle(), 5, 74, 122, 24);
    ExpectBounds(dialog.BitBtn2.Handle(), 133, 74, 122, 24);
    ExpectBounds(dialog.Panel1.Handle(), 0, 0, 449, 70);
    // 76, 28, 146, 15, grown where the stand-in for Arial needs more room for the question.
    RECT label = qvtest::RectInParent(dialog.labelok.Handle());
    EXPECT_EQ(label.left, 76);
    EXPECT_EQ(label.top, 28);
    EXPECT_GE(label.right - label.left, 146);
    EXPECT_GE(label.bottom - label.top, 15);
    EXPECT_LE(label.right, 449 - 2); // still inside the panel's bevel
    ExpectBounds(dialog.BitBtn3.Handle(), 323, 74, 122, 24);
    EXPECT_EQ(GetParent(dialog.labelok.Handle()), dialog.Panel1.Handle());
    EXPECT_EQ(dialog.BitBtn1.Text(), "&Yes");
    EXPECT_EQ(dialog.BitBtn2.Text(), "&No");
    EXPECT_EQ(dialog.BitBtn3.Text(), "Cancel");
    EXPECT_EQ(dialog.labelok.Text(), "Save disk cache settings ?");
    LOGFONTA labelFont = FontOf(dialog.labelok.Handle());
    EXPECT_STREQ(labelFont.lfFaceName, "Arial");
    EXPECT_EQ(labelFont.lfHeight, -12);
    EXPECT_STREQ(FontOf(dialog.BitBtn1.Handle()).lfFaceName, "MS Sans Serif");

    EXPECT_EQ(dialog.BitBtn1.ModalResult(), 1);
    EXPECT_EQ(dialog.BitBtn2.ModalResult(), 7);
    EXPECT_EQ(dialog.BitBtn3.ModalResult(), 2);
    EXPECT_EQ(dialog.BitBtn1.GetKind(), qv::BitButton::Kind::Default);
    EXPECT_EQ(dialog.BitBtn2.GetKind(), qv::BitButton::Kind::Cancel);
    EXPECT_EQ(dialog.BitBtn3.GetKind(), qv::BitButton::Kind::Cancel);
    EXPECT_EQ(dialog.BitBtn2.GetGlyph(), qv::BitButton::Glyph::No);
    EXPECT_EQ(dialog.BitBtn3.GetGlyph(), qv::BitButton::Glyph::Cancel);

    // Tab order: Yes, No, then Cancel (the panel holds no tab stop).
    EXPECT_EQ(GetNextDlgTabItem(handle, dialog.BitBtn1.Handle(), FALSE), dialog.BitBtn2.Handle());
    EXPECT_EQ(GetNextDlgTabItem(handle, dialog.BitBtn2.Handle(), FALSE), dialog.BitBtn3.Handle());
    EXPECT_EQ(GetNextDlgTabItem(handle, dialog.BitBtn3.Handle(), FALSE), dialog.BitBtn1.Handle());
}

TEST_F(Dialog, ShowsCentredOnTheScreenWithTheFocusOnYes) {
    qvtest::ProgramHost program;
    qvtest::DialogDriver driver({Answer::ClickCancel});
    program.Dialog().ShowModal();
    ASSERT_EQ(driver.Showings(), 1);
    EXPECT_EQ(driver.FocusOnShow(), std::vector<std::string>{"BitBtn1"});
    RECT r;
    GetWindowRect(program.Dialog().Handle(), &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_FALSE(program.Dialog().Visible()); // hidden again once answered
}

struct AnswerCase {
    Answer answer;
    int dialogResult;
    std::int32_t confirmResult; // -1: no answer (the close query leaves ConfirmResult as it was)
};

class DialogAnswers : public Dialog, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(DialogAnswers, SetTheDialogResultAndGiveTheAnswer) {
    qvtest::ProgramHost program;
    const AnswerCase& c = GetParam();
    qvtest::DialogDriver driver({c.answer});
    const std::optional<std::int32_t> answer = program.Dialog().Ask();
    EXPECT_EQ(driver.Showings(), 1);
    EXPECT_EQ(driver.LostAnswers(), 0);
    EXPECT_EQ(program.Dialog().ModalResult(), c.dialogResult);
    EXPECT_EQ(answer, c.confirmResult == -1 ? std::nullopt : std::optional(c.confirmResult));
    EXPECT_FALSE(program.Dialog().Visible());
    EXPECT_TRUE(boxes.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, DialogAnswers,
    ::testing::Values(AnswerCase{Answer::EnterOnFocus, 1, 1}, AnswerCase{Answer::KeyY, 1, 1},
                      AnswerCase{Answer::ClickYes, 1, 1}, AnswerCase{Answer::KeyN, 7, 2},
                      AnswerCase{Answer::ClickNo, 7, 2}, AnswerCase{Answer::Escape, 7, 2},
                      AnswerCase{Answer::ClickCancel, 2, 0}, AnswerCase{Answer::CloseBox, 2, -1},
                      AnswerCase{Answer::AltF4, 2, -1}),
    [](const auto& info) {
        std::string name = qvtest::ToString(info.param.answer);
        std::erase_if(name, [](char c) { return !isalnum(static_cast<unsigned char>(c)); });
        return name;
    });

TEST_F(Dialog, EnterPressesTheButtonThatHasTheFocus) {
    qvtest::ProgramHost program;
    // Tab twice moves the focus from Yes over No to Cancel; Enter then presses Cancel.
    qvtest::DialogDriver driver({Answer::TabTabEnter});
    EXPECT_EQ(program.Dialog().Ask(), std::optional<std::int32_t>(0));
    EXPECT_EQ(program.Dialog().ModalResult(), 2);
}

TEST_F(Dialog, HelpKeyAndContextHelpShowNothing) {
    qvtest::ProgramHost program;
    qvtest::HelpRecorder help;
    Tokform& dialog = program.Dialog();
    dialog.Show();
    qvtest::FocusWindow(dialog.BitBtn2.Handle());
    qvtest::PressKey(VK_F1);
    // What the context-help button sends for a control clicked in help mode.
    HELPINFO info{sizeof info, HELPINFO_WINDOW, 0, dialog.BitBtn1.Handle(), 0, {0, 0}};
    SendMessageA(dialog.BitBtn1.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    qvtest::PumpFor(50);
    EXPECT_TRUE(help.Requests().empty());
    EXPECT_TRUE(boxes.Boxes().empty());
    dialog.Hide();
}
