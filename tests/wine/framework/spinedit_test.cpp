#include "TestForm.h"
#include "support/Controls.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include <gtest/gtest.h>

using qvtest::PressKey;
using qvtest::PressSpinButton;
using qvtest::PumpFor;
using qvtest::ReleaseSpinButton;
using qvtest::TypeText;

namespace {

void SelectAll(qv::SpinEdit& spin) {
    SendMessageA(spin.EditHandle(), EM_SETSEL, 0, -1);
}

} // namespace

TEST(SpinEdit, IsAnEditWithArrowButtonsInOneFrame) {
    TestForm form;
    EXPECT_EQ(qvtest::ClassOf(form.spin.Handle()), "QvSpinEdit");
    EXPECT_EQ(qvtest::ClassOf(form.spin.EditHandle()), "Edit");
    EXPECT_EQ(GetParent(form.spin.EditHandle()), form.spin.Handle());
    RECT r = qvtest::RectInParent(form.spin.Handle());
    EXPECT_EQ(r.right - r.left, 55);
    EXPECT_EQ(r.bottom - r.top, 23);
    EXPECT_EQ(form.spin.Text(), "32");
}

TEST(SpinEdit, ReadsTheTextWithoutHoldingItToTheRange) {
    TestForm form;
    form.spin.SetText("   -12");
    EXPECT_EQ(form.spin.Value(), -12);
    form.spin.SetText("99999");
    EXPECT_EQ(form.spin.Value(), 99999);
    form.spin.SetText("12x");
    EXPECT_EQ(form.spin.Value(), 16);
    form.spin.SetText("");
    EXPECT_EQ(form.spin.Value(), 16);
}

TEST(SpinEdit, SetValueHoldsToTheRangeAndRaisesChangeOnlyWhenTheTextChanges) {
    TestForm form;
    form.spin.SetValue(500);
    EXPECT_EQ(form.spin.Text(), "128");
    form.spin.SetValue(-4);
    EXPECT_EQ(form.spin.Text(), "16");
    EXPECT_EQ(form.events, (std::vector<std::string>{"spin:128", "spin:16"}));
    form.spin.SetValue(16); // same text: nothing
    form.spin.SetValue(3);  // held to 16: same text, nothing
    EXPECT_EQ(form.events.size(), 2u);
    // Equal bounds mean no range at all.
    form.spin.SetMinValue(0);
    form.spin.SetMaxValue(0);
    form.spin.SetValue(-77777);
    EXPECT_EQ(form.spin.Text(), "-77777");
}

TEST(SpinEdit, ChangingTheMaximumLeavesTheText) {
    TestForm form;
    form.spin.SetValue(120);
    form.events.clear();
    form.spin.SetMaxValue(64);
    EXPECT_EQ(form.spin.Text(), "120");
    EXPECT_EQ(form.spin.MaxValue(), 64);
    EXPECT_TRUE(form.events.empty());
}

TEST(SpinEdit, TypingRaisesChangeForEveryKeystroke) {
    TestForm form;
    qvtest::FocusWindow(form.spin.EditHandle());
    SelectAll(form.spin);
    TypeText("120");
    EXPECT_EQ(form.spin.Text(), "120");
    EXPECT_EQ(form.Count("spin:"), 3);
    EXPECT_EQ(form.events[0], "spin:1");
    EXPECT_EQ(form.events[1], "keyup:49");
}

TEST(SpinEdit, RefusesOtherCharactersAndEnterWithABeepButReportsTheirKeyUp) {
    TestForm form;
    qvtest::BeepCounter beeps;
    qvtest::FocusWindow(form.spin.EditHandle());
    SendMessageA(form.spin.EditHandle(), EM_SETSEL, 2, 2);
    TypeText("a");
    EXPECT_EQ(form.spin.Text(), "32");
    EXPECT_EQ(beeps.Count(), 1);
    PressKey(VK_RETURN);
    EXPECT_EQ(form.spin.Text(), "32");
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_EQ(form.Count("spin:"), 0);
    EXPECT_EQ(form.Count("keyup:13"), 1);
    TypeText("-+");
    EXPECT_EQ(form.spin.Text(), "32-+");
    EXPECT_EQ(beeps.Count(), 2);
    PressKey(VK_BACK);
    EXPECT_EQ(form.spin.Text(), "32-");
}

TEST(SpinEdit, ArrowKeysStepFromTheValueReadAndHold) {
    TestForm form;
    qvtest::FocusWindow(form.spin.EditHandle());
    PressKey(VK_UP);
    EXPECT_EQ(form.spin.Text(), "40");
    form.spin.SetText("125");
    PressKey(VK_UP);
    EXPECT_EQ(form.spin.Text(), "128");
    form.spin.SetText("junk"); // reads as the minimum 16
    PressKey(VK_DOWN);
    EXPECT_EQ(form.spin.Text(), "16");
    PressKey(VK_DOWN);
    EXPECT_EQ(form.spin.Text(), "16");
}

TEST(SpinEdit, LeavingRunsExitThenRewritesAValueOutsideTheRange) {
    TestForm form;
    qvtest::FocusWindow(form.spin.EditHandle());
    SelectAll(form.spin);
    TypeText("999");
    form.events.clear();
    qvtest::FocusWindow(form.other.EditHandle());
    EXPECT_EQ(form.events, (std::vector<std::string>{"exit", "spin:128"}));
    EXPECT_EQ(form.spin.Text(), "128");
}

TEST(SpinEdit, LeavingWithEmptyTextKeepsItEmpty) {
    TestForm form;
    qvtest::FocusWindow(form.spin.EditHandle());
    SelectAll(form.spin);
    PressKey(VK_DELETE);
    EXPECT_EQ(form.spin.Text(), "");
    form.events.clear();
    qvtest::FocusWindow(form.other.EditHandle());
    EXPECT_EQ(form.events, (std::vector<std::string>{"exit"}));
    EXPECT_EQ(form.spin.Text(), "");
    EXPECT_EQ(form.spin.Value(), 16);
}

TEST(SpinEdit, AButtonClickStepsOnceOnRelease) {
    TestForm form;
    PressSpinButton(form.spin, true);
    EXPECT_EQ(form.spin.Text(), "32");
    ReleaseSpinButton(form.spin, true);
    EXPECT_EQ(form.spin.Text(), "40");
    EXPECT_EQ(GetFocus(), form.spin.EditHandle()); // the buttons hand the focus to the edit
    PressSpinButton(form.spin, false);
    ReleaseSpinButton(form.spin, false);
    EXPECT_EQ(form.spin.Text(), "32");
    // Released away from the button: no step.
    PressSpinButton(form.spin, true);
    ReleaseSpinButton(form.spin, true, false);
    EXPECT_EQ(form.spin.Text(), "32");
}

TEST(SpinEdit, AHeldButtonRepeatsAfter400MsThenEvery100Ms) {
    TestForm form;
    form.spin.SetMaxValue(100000);
    form.spin.SetIncrement(1);
    form.spin.SetValue(16);
    std::vector<DWORD> stepTimes;
    DWORD pressed = 0;
    form.spin.OnChange = [&](qv::Component&) { stepTimes.push_back(GetTickCount() - pressed); };
    pressed = GetTickCount();
    PressSpinButton(form.spin, true);
    PumpFor(1200);
    DWORD held = GetTickCount() - pressed;
    // Window timers never fire early but may fire late, and a late tick may be followed by one
    // on schedule, so only the schedule's bounds are checked: the first step comes at 400 ms or
    // later, it does repeat, and never more often than every 100 ms after that.
    ASSERT_GE(stepTimes.size(), 2u);
    EXPECT_GE(stepTimes[0], 390u);
    EXPECT_LE(stepTimes.size(), (held - 400) / 100 + 2);
    std::size_t steps = stepTimes.size();
    EXPECT_EQ(form.spin.Value(), 16 + static_cast<int>(steps));
    ReleaseSpinButton(form.spin, true);
    EXPECT_EQ(stepTimes.size(), steps + 1); // and once more on release
    PumpFor(300);
    EXPECT_EQ(stepTimes.size(), steps + 1); // the repeat has stopped
}

TEST(SpinEdit, AHeldButtonStopsAtTheEndOfTheRange) {
    TestForm form;
    form.spin.SetValue(120);
    form.events.clear();
    PressSpinButton(form.spin, true);
    PumpFor(700);
    EXPECT_EQ(form.spin.Text(), "128");
    EXPECT_EQ(form.Count("spin:"), 1);
    ReleaseSpinButton(form.spin, true);
    EXPECT_EQ(form.spin.Text(), "128");
    EXPECT_EQ(form.Count("spin:"), 1);
}

TEST(SpinEdit, DisablingDisablesEditAndButtons) {
    TestForm form;
    form.spin.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(form.spin.Handle()));
    EXPECT_FALSE(IsWindowEnabled(form.spin.EditHandle()));
    EXPECT_FALSE(IsWindowEnabled(form.spin.ButtonHandle()));
    form.spin.SetValue(64); // the program still sets values
    EXPECT_EQ(form.spin.Text(), "64");
    form.spin.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(form.spin.EditHandle()));
}
