// Closing the main window: no question without changes; with changes the dialog asks, and
// each answer has its effect on the window, the flag and the stored settings.
#include "DialogDriver.h"
#include "Machines.h"
#include "framework/Application.h"
#include "main/ModuleState.h"
#include "main/SaveExit.h"
#include "support/Recorders.h"
#include <gtest/gtest.h>

using qvtest::Answer;

namespace {

class CloseQuery : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::PrepareMachine(qvtest::DesktopMachine());
        before = qvtest::TakeSnapshot();
    }
    // A change the user makes: ticking the chunk size box.
    void ChangeSomething(qvtest::ProgramHost& program) {
        program.Click(program.Window().enablechunk);
        ASSERT_TRUE(program.Window().enablechunk.Checked());
        ASSERT_TRUE(Module.SettingsChanged);
    }
    qvtest::MessageBoxRecorder boxes;
    qvtest::Snapshot before;
};

} // namespace

TEST_F(CloseQuery, NothingChangedExitClosesAtOnceAndReleasesTheStore) {
    qvtest::ProgramHost program;
    ASSERT_FALSE(Module.SettingsChanged);
    ASSERT_TRUE(Module.ProfileAccessor && Module.RegistryAccessor);
    qvtest::DialogDriver driver({});
    program.Command("Exit1");
    EXPECT_EQ(driver.Showings(), 0);
    EXPECT_TRUE(program.Ended());
    EXPECT_FALSE(Module.ProfileAccessor); // FormClose released both accessors
    EXPECT_FALSE(Module.RegistryAccessor);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(qvtest::TakeSnapshot(), before);
}

TEST_F(CloseQuery, TheWindowsCloseBoxAsksTheSameQuestion) {
    qvtest::ProgramHost program;
    ChangeSomething(program);
    qvtest::DialogDriver driver({Answer::KeyN});
    program.CloseBox();
    EXPECT_EQ(driver.Showings(), 1);
    EXPECT_TRUE(program.Ended());
}

struct CloseCase {
    Answer answer;
    enum Effect { SavesAndCloses, ClosesWithoutSaving, StaysOpen } effect;
};

class CloseAnswers : public CloseQuery, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseAnswers, EachAnswerHasItsEffect) {
    qvtest::ProgramHost program;
    ChangeSomething(program);
    qvtest::DialogDriver driver({GetParam().answer});
    program.Command("Exit1");
    ASSERT_EQ(driver.Showings(), 1);
    EXPECT_EQ(driver.LostAnswers(), 0);
    EXPECT_EQ(driver.FocusOnShow(), std::vector<std::string>{"BitBtn1"});
    qvtest::IniModel ini = qvtest::ParseIni(qvtest::ReadSystemIni());
    switch (GetParam().effect) {
    case CloseCase::SavesAndCloses:
        EXPECT_EQ(Module.ConfirmResult, 1);
        EXPECT_TRUE(program.Ended());
        EXPECT_FALSE(Module.SettingsChanged);
        ASSERT_EQ(boxes.Boxes().size(), 1u); // the reboot notice, before the window closed
        EXPECT_EQ(boxes.Boxes()[0].text, kRebootNoticeText);
        EXPECT_EQ(qvtest::IniValue(ini, "vcache", "chunksize"), "512");
        EXPECT_EQ(qvtest::IniValue(ini, "vcache", "minfilecache"), "2048");
        EXPECT_FALSE(Module.ProfileAccessor); // and then FormClose ran
        break;
    case CloseCase::ClosesWithoutSaving:
        EXPECT_EQ(Module.ConfirmResult, 2);
        EXPECT_TRUE(program.Ended());
        EXPECT_TRUE(Module.SettingsChanged); // No leaves the flag raised
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_EQ(qvtest::TakeSnapshot(), before);
        EXPECT_FALSE(Module.ProfileAccessor);
        break;
    case CloseCase::StaysOpen:
        EXPECT_FALSE(program.Ended());
        EXPECT_FALSE(qv::Application::Instance().Terminated());
        EXPECT_TRUE(program.Window().Visible());
        EXPECT_TRUE(IsWindowEnabled(program.Window().Handle())); // no longer blocked
        EXPECT_TRUE(Module.SettingsChanged);
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_EQ(qvtest::TakeSnapshot(), before);
        EXPECT_TRUE(Module.ProfileAccessor); // the close handler did not run
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryAnswer, CloseAnswers,
    ::testing::Values(CloseCase{Answer::EnterOnFocus, CloseCase::SavesAndCloses},
                      CloseCase{Answer::KeyY, CloseCase::SavesAndCloses},
                      CloseCase{Answer::ClickYes, CloseCase::SavesAndCloses},
                      CloseCase{Answer::KeyN, CloseCase::ClosesWithoutSaving},
                      CloseCase{Answer::ClickNo, CloseCase::ClosesWithoutSaving},
                      CloseCase{Answer::Escape, CloseCase::ClosesWithoutSaving},
                      CloseCase{Answer::ClickCancel, CloseCase::StaysOpen},
                      CloseCase{Answer::CloseBox, CloseCase::StaysOpen},
                      CloseCase{Answer::AltF4, CloseCase::StaysOpen}),
    [](const auto& info) {
        std::string name = qvtest::ToString(info.param.answer);
        std::erase_if(name, [](char c) { return !isalnum(static_cast<unsigned char>(c)); });
        return name;
    });

TEST_F(CloseQuery, AfterCancelTheNextExitAsksAgain) {
    qvtest::ProgramHost program;
    ChangeSomething(program);
    qvtest::DialogDriver driver(
        {Answer::ClickCancel, Answer::CloseBox, Answer::AltF4, Answer::Escape});
    for (int attempt = 1; attempt <= 3; ++attempt) {
        program.Command("Exit1");
        ASSERT_EQ(driver.Showings(), attempt);
        ASSERT_FALSE(program.Ended());
        EXPECT_EQ(Module.ConfirmResult, 0); // close box and Alt+F4 left Cancel's answer in place
    }
    program.Command("Exit1");
    EXPECT_EQ(driver.Showings(), 4);
    EXPECT_TRUE(program.Ended());
    EXPECT_EQ(qvtest::TakeSnapshot(), before);
}

TEST_F(CloseQuery, AfterSaveExitClosesWithoutAQuestionUntilTheNextChange) {
    qvtest::ProgramHost program;
    ChangeSomething(program);
    program.Command("save1");
    EXPECT_FALSE(Module.SettingsChanged);
    qvtest::DialogDriver driver({Answer::KeyN});
    program.Click(program.Window().enablechunk); // a change after the save
    program.Command("Exit1");
    EXPECT_EQ(driver.Showings(), 1);
    EXPECT_TRUE(program.Ended());
    // No wrote nothing: what Save stored stays.
    EXPECT_EQ(qvtest::IniValue(qvtest::ParseIni(qvtest::ReadSystemIni()), "vcache", "chunksize"),
              "512");
}

TEST_F(CloseQuery, ExitRightAfterSaveAsksNothing) {
    qvtest::ProgramHost program;
    ChangeSomething(program);
    program.Command("save1");
    qvtest::DialogDriver driver({});
    program.Command("Exit1");
    EXPECT_EQ(driver.Showings(), 0);
    EXPECT_TRUE(program.Ended());
}

TEST_F(CloseQuery, WindowsShuttingDownAsksTooAndACalledOffShutdownKeepsTheAnswer) {
    qvtest::ProgramHost program;
    ChangeSomething(program);
    {
        qvtest::DialogDriver driver({Answer::ClickCancel});
        LRESULT mayEnd = SendMessageA(program.Window().Handle(), WM_QUERYENDSESSION, 0, 0);
        EXPECT_EQ(driver.Showings(), 1);
        EXPECT_EQ(mayEnd, FALSE); // Cancel refuses the shutdown
    }
    {
        qvtest::DialogDriver driver({Answer::KeyN});
        LRESULT mayEnd = SendMessageA(program.Window().Handle(), WM_QUERYENDSESSION, 0, 0);
        EXPECT_EQ(mayEnd, TRUE);
        EXPECT_EQ(Module.ConfirmResult, 2);
    }
    // The shutdown is called off: the program runs on, with No in ConfirmResult.
    SendMessageA(program.Window().Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(program.Ended());
    EXPECT_TRUE(program.Window().Visible());
    // The next dialog closed by its close box acts on that answer: the window closes unsaved.
    qvtest::DialogDriver driver({Answer::CloseBox});
    program.Command("Exit1");
    EXPECT_EQ(driver.Showings(), 1);
    EXPECT_TRUE(program.Ended());
    EXPECT_EQ(qvtest::TakeSnapshot(), before);
}
