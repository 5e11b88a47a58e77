// The minimal and maximal disk cache fields show every size they can hold, up to the six digits
// of 524288 Kb, in the font they really use.
#include "main/ModuleState.h"
#include "support/MainWindowTest.h"
#include <gtest/gtest.h>

namespace {

class CacheSizeFields : public qvtest::MainWindowTest {};

// The width "524288" takes in the edit's own font.
int SixDigitWidth(HWND edit) {
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, "524288", 6, &size);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    return size.cx;
}

RECT FormattingRect(HWND edit) {
    RECT r{};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

} // namespace

TEST_F(CacheSizeFields, ShowSixDigitSizesWhole) {
    qvtest::WriteSystemIni("[vcache]\r\nminfilecache=131072\r\nmaxfilecache=524288\r\n");
    Tf1& f = Start();
    if (Module.MemoryFigures.CacheCeilingKb < 524288)
        GTEST_SKIP() << "this machine's ceiling is " << Module.MemoryFigures.CacheCeilingKb
                     << " Kb";
    for (qv::SpinEdit* field : {&f.emin, &f.emax}) {
        SCOPED_TRACE(field->Name());
        const HWND edit = field->EditHandle();
        const RECT shown = FormattingRect(edit);
        // One pixel more than the text, for the caret behind the last digit.
        EXPECT_LT(SixDigitWidth(edit), shown.right - shown.left);

        // With the caret behind the last digit the text has not scrolled: the first digit
        // stands at the left of the formatting rectangle.
        qvtest::FocusWindow(edit);
        SendMessageA(edit, EM_SETSEL, 6, 6);
        qvtest::PumpFor(20);
        const LRESULT first = SendMessageA(edit, EM_POSFROMCHAR, 0, 0);
        EXPECT_EQ(static_cast<short>(LOWORD(first)), shown.left);
    }
    EXPECT_EQ(f.emin.Text(), "131072");
    EXPECT_EQ(f.emax.Text(), "524288");
}
