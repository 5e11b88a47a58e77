// Loops that wait for something look at it between messages, also while new messages keep
// arriving as fast as they are handled (many animated pictures on a busy machine).
#include "framework/Form.h"
#include "framework/HiddenWindow.h"
#include "support/Pump.h"
#include <gtest/gtest.h>
#include <functional>

namespace {

const UINT kNext = WM_APP + 7;

// Answers each of its messages by posting the next one, so the queue never runs empty.
class EndlessPoster : public qv::HiddenWindow {
public:
    int handled = 0;
    std::function<void()> onMessage;

    EndlessPoster() : HiddenWindow("QvTestEndlessPoster") { PostMessageA(Handle(), kNext, 0, 0); }

protected:
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != kNext)
            return false;
        ++handled;
        PostMessageA(Handle(), kNext, 0, 0);
        if (onMessage)
            onMessage();
        result = 0;
        return true;
    }
};

class PlainForm : public qv::Form {
public:
    PlainForm() { CreateForm(qv::FormSpec{"Busy", 200, 80}); }
};

} // namespace

TEST(MessageLoop, TheTestsWaitingEndsWhileMessagesKeepArriving) {
    EndlessPoster poster;
    EXPECT_TRUE(qvtest::PumpUntil([&] { return poster.handled >= 100; }, 10000));
    const int handled = poster.handled;
    qvtest::PumpFor(100);
    EXPECT_GT(poster.handled, handled);
}

TEST(MessageLoop, AModalFormEndsWhileMessagesKeepArriving) {
    PlainForm form;
    EndlessPoster poster;
    poster.onMessage = [&] {
        if (poster.handled == 100)
            form.SetModalResult(qv::mrOk);
    };
    EXPECT_EQ(form.ShowModal(), qv::mrOk);
    EXPECT_GE(poster.handled, 100);
}
