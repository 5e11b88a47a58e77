#pragma once
// The real main window with all rows enabled, driven by real keyboard and mouse messages.
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
        SettingsChanged = false;
        return f;
    }

    // Gives the spin edit the keyboard focus with its whole text selected, as a user would
    // before typing over it.
    static void SelectAllIn(qv::SpinEdit& edit) {
        FocusWindow(edit.EditHandle());
        SendMessageA(edit.EditHandle(), EM_SETSEL, 0, -1);
    }

    // Presses a spin button part with the cursor over it, as the mouse does.
    static void PressSpinButton(qv::SpinEdit& edit, bool up) {
        POINT p = SpinButtonPoint(edit, up);
        POINT screen = p;
        ClientToScreen(edit.ButtonHandle(), &screen);
        SetCursorPos(screen.x, screen.y);
        PumpUntil(
            [&] {
                POINT now;
                GetCursorPos(&now);
                return now.x == screen.x && now.y == screen.y;
            },
            1000);
        PumpFor(30);
        SendMessageA(edit.ButtonHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    }

    static void ReleaseSpinButton(qv::SpinEdit& edit, bool up) {
        POINT p = SpinButtonPoint(edit, up);
        SendMessageA(edit.ButtonHandle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
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

private:
    static POINT SpinButtonPoint(qv::SpinEdit& edit, bool up) {
        RECT r;
        GetClientRect(edit.ButtonHandle(), &r);
        return POINT{r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4};
    }
};

} // namespace qvtest
