// An error in a step of the creation sequence ends it there; the window opens all the same.
#include "support/BrokenTemplateName.h"
#include "support/MainWindowTest.h"

using CreationSequence = qvtest::MainWindowTest;

TEST_F(CreationSequence, AnErrorEndsItAtThatStepAndTheWindowIsCreatedAllTheSame) {
    qvtest::BrokenTemplateName wrongType;
    qv::Application::Instance().SetHelpFile("");
    Module.SettingsChanged = true;
    Tf1& f = Create();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    // The message ends in a quote, which sorts before ".": no full stop is added.
    EXPECT_EQ(boxes.Boxes()[0].text, "Invalid data type for ''");
    EXPECT_EQ(boxes.Boxes()[0].caption, " Quorvane");
    EXPECT_EQ(boxes.Boxes()[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    // Steps 1 and 2 ran; 8 and 9 did not.
    EXPECT_NE(qv::Application::Instance().HelpFile(), "");
    EXPECT_EQ(f.Text(), Tf1::kTitleLine);
    EXPECT_TRUE(Module.SettingsChanged);
    EXPECT_FALSE(f.timer1.Enabled());
    EXPECT_FALSE(f.timer1.Running());
    ASSERT_NE(f.Handle(), nullptr);
    f.Show();
    EXPECT_TRUE(IsWindowVisible(f.Handle()));
    Module.SettingsChanged = false; // the close query would ask
}
