// Tab and Shift+Tab go round every tab stop of both windows in their tab order, and a box that
// holds no tab stop is no control parent (Windows 9x's dialog manager would loop in it).
#include "okunit/okform.h"
#include "support/MainWindowTest.h"
#include <vector>

namespace {

// Presses Tab (with Shift when asked) as often as there are stops; the focus after each press.
std::vector<HWND> Cycle(std::size_t stops, bool shift) {
    std::vector<HWND> visited;
    for (std::size_t i = 0; i < stops; ++i) {
        if (shift)
            keybd_event(VK_SHIFT, 0, 0, 0);
        qvtest::PressKey(VK_TAB);
        if (shift)
            keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
        visited.push_back(GetFocus());
    }
    return visited;
}

// The order backwards from the first stop: Shift+Tab from it visits the last one first.
std::vector<HWND> Backwards(std::vector<HWND> order) {
    std::vector<HWND> back(order.rbegin(), order.rend() - 1);
    back.push_back(order.front());
    return back;
}

void ExpectRound(const std::vector<HWND>& order) {
    qvtest::FocusWindow(order.front());
    std::vector<HWND> forward(order.begin() + 1, order.end());
    forward.push_back(order.front());
    EXPECT_EQ(Cycle(order.size(), false), forward);
    EXPECT_EQ(Cycle(order.size(), true), Backwards(order));
}

bool IsControlParent(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
}

class TabCycle : public qvtest::MainWindowTest {};

} // namespace

TEST_F(TabCycle, MainWindowWithEveryRowEnabled) {
    Tf1& f = Start();
    for (qv::CheckBox* box :
         {&f.enablemincache, &f.enablemaxcache, &f.enablechunk, &f.enablenamecache})
        box->SetChecked(true); // its click handler enables the row
    ExpectRound({f.min.Handle(), f.max.Handle(), f.enablemincache.Handle(), f.chunk.Handle(),
                 f.emin.EditHandle(), f.emax.EditHandle(), f.echunk.EditHandle(),
                 f.enablemaxcache.Handle(), f.enablechunk.Handle(), f.namecachebar.Handle(),
                 f.pathcachebar.Handle(), f.enamecache.EditHandle(), f.epathcache.EditHandle(),
                 f.enablenamecache.Handle()});
    EXPECT_FALSE(IsControlParent(f.GroupBox1.Handle()));
}

TEST_F(TabCycle, ConfirmationDialog) {
    Start();
    Tokform dialog;
    dialog.Show();
    ExpectRound({dialog.BitBtn1.Handle(), dialog.BitBtn2.Handle(), dialog.BitBtn3.Handle()});
    EXPECT_FALSE(IsControlParent(dialog.Panel1.Handle()));
    dialog.Hide();
}
