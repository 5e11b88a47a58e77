#include "TestForm.h"
#include "support/Pump.h"
#include <gtest/gtest.h>

TEST(CheckBox, ProgramChangesRaiseClickOnlyWhenTheStateChanges) {
    TestForm form;
    EXPECT_EQ(qvtest::ClassOf(form.check.Handle()), "Button");
    EXPECT_FALSE(form.check.Checked());
    form.check.SetChecked(false);
    EXPECT_TRUE(form.events.empty());
    form.check.SetChecked(true);
    form.check.SetChecked(true);
    form.check.SetChecked(false);
    EXPECT_EQ(form.events, (std::vector<std::string>{"check:1", "check:0"}));
}

TEST(CheckBox, UserClicksAndTheSpaceBarRaiseClickWithTheNewState) {
    TestForm form;
    SendMessageA(form.check.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.events, (std::vector<std::string>{"check:1"}));
    qvtest::FocusWindow(form.check.Handle());
    qvtest::PressKey(VK_SPACE);
    EXPECT_EQ(form.events, (std::vector<std::string>{"check:1", "check:0"}));
}

TEST(Label, ShowsItsTextAndGreysWhenDisabled) {
    TestForm form;
    EXPECT_EQ(qvtest::ClassOf(form.label.Handle()), "Static");
    EXPECT_EQ(form.label.Text(), "Label");
    form.label.SetEnabled(false);
    EXPECT_FALSE(form.label.Enabled());
}

TEST(Label, GrowsToItsTextButNeverShrinks) {
    TestForm form;
    form.label.SetText("A question much longer than the label's width ?");
    form.label.GrowToText();
    RECT grown = qvtest::RectInParent(form.label.Handle());
    HDC dc = GetDC(form.label.Handle());
    HGDIOBJ old = SelectObject(dc, form.label.Font());
    SIZE extent;
    const char* text = "A question much longer than the label's width ?";
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    SelectObject(dc, old);
    ReleaseDC(form.label.Handle(), dc);
    EXPECT_EQ(grown.left, 10);
    EXPECT_EQ(grown.top, 20);
    EXPECT_EQ(grown.right - grown.left, extent.cx);
    EXPECT_GE(grown.bottom - grown.top, 13);

    form.label.SetText("A");
    form.label.GrowToText();
    RECT kept = qvtest::RectInParent(form.label.Handle());
    EXPECT_EQ(kept.right - kept.left, extent.cx);
}
