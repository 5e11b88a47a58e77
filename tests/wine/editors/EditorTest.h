#pragma once
// The real main window with all rows enabled, driven by real keyboard and mouse messages.
#include "support/Controls.h"
#include "support/MainWindowTest.h"

namespace qvtest {

class EditorTest : public MainWindowTest {
protected:
    // Starts with nothing stored (the editors keep their start values), ticks every box
    // (enabling every row) and clears the flag.
    Tf1& StartEnabled() {
        DeleteRegTree(kTemplatesKey);
        Tf1& f = Start();
        for (qv::CheckBox* box :
             {&f.enablemincache, &f.enablemaxcache, &f.enablechunk, &f.enablenamecache})
            box->SetChecked(true);
        Module.SettingsChanged = false;
        return f;
    }

    // Gives the spin edit the keyboard focus with its whole text selected, as a user would
    // before typing over it.
    static void SelectAllIn(qv::SpinEdit& edit) {
        FocusWindow(edit.EditHandle());
        SendMessageA(edit.EditHandle(), EM_SETSEL, 0, -1);
    }

    // A mouse click on a check box, as the button control receives it.
    static void ClickBox(qv::CheckBox& box) {
        SendMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        PumpFor(20);
    }

    // A key pressed on a focused track bar (real input, so the bar sends its scroll
    // notifications to its parent).
    static void KeyOnBar(qv::TrackBar& bar, BYTE key) {
        FocusWindow(bar.Handle());
        PressKey(key);
    }
};

} // namespace qvtest
