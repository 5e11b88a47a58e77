// The main window as its layout table places it: every control, the window-less ones, the
// window's frame, tab order and the editors' ranges.
#include "main/ModuleState.h"
#include "main/f1.h"
#include "support/MainWindowTest.h"
#include <commctrl.h>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using MainWindowLayout = qvtest::MainWindowTest;

LOGFONTA FontOf(HWND window) {
    LOGFONTA lf{};
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    GetObjectA(font, sizeof lf, &lf);
    return lf;
}

// The names of a container's tab stops, in tab order (the z-order of its children).
std::vector<std::string> TabStops(HWND container) {
    std::vector<std::string> names;
    for (HWND child = GetWindow(container, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        auto* control = dynamic_cast<qv::Control*>(qv::Window::FromHandle(child));
        if (control && (control->TabStop() || dynamic_cast<qv::ControlParent*>(control)))
            names.push_back(control->Name());
    }
    return names;
}

// The width a static control's text takes in its font.
int TextWidth(HWND label) {
    char text[128] = {};
    GetWindowTextA(label, text, sizeof text);
    HDC dc = GetDC(label);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return size.cx;
}

// The window class each kind of control is made of.
std::string WindowClassOf(qv::Control& control) {
    if (dynamic_cast<qv::GroupBox*>(&control))
        return "QvGroupBox";
    if (dynamic_cast<qv::TrackBar*>(&control))
        return TRACKBAR_CLASSA;
    if (dynamic_cast<qv::SpinEdit*>(&control))
        return "QvSpinEdit";
    if (dynamic_cast<qv::CheckBox*>(&control))
        return "Button";
    return "Static"; // labels and pictures
}

} // namespace

TEST_F(MainWindowLayout, EveryControlHasItsClassPlaceTextFontAndState) {
    qvtest::DeleteRegTree(qvtest::kTemplatesKey); // nothing stored: the start values
    Tf1& f = Start();
    for (const qv::Placement& p : f.Layout()) {
        SCOPED_TRACE(p.name);
        const HWND w = p.control.Handle();
        EXPECT_EQ(p.control.Name(), p.name);
        EXPECT_EQ(qvtest::ClassOf(w), WindowClassOf(p.control));
        EXPECT_EQ(GetParent(w), p.parent.ClientHandle());
        RECT r = qvtest::RectInParent(w);
        EXPECT_EQ(r.left, p.left);
        EXPECT_EQ(r.top, p.top);
        // The resource labels' captions are followed by their figures from creation on; the
        // labels grow to show them whole.
        const std::string name = p.name;
        const bool figure = name == "systemlabel" || name == "gdilabel" || name == "userlabel";
        if (figure)
            EXPECT_GE(r.right - r.left, std::max(p.width, TextWidth(w)));
        else
            EXPECT_EQ(r.right - r.left, p.width);
        EXPECT_EQ(r.bottom - r.top, p.height);
        const std::string text = p.control.Text();
        auto* spin = dynamic_cast<qv::SpinEdit*>(&p.control);
        if (p.text) {
            EXPECT_EQ(figure ? text.substr(0, std::strlen(p.text)) : text, p.text);
        } else if (!spin) { // a field shows its value (see the ranges below)
            EXPECT_EQ(text, "");
        }
        EXPECT_EQ(p.control.Enabled(), p.enabled);
        EXPECT_EQ(p.control.HelpContext(), p.helpContext);
        if (p.text || spin) {
            const qv::FontSpec& spec = p.font ? *p.font : p.parent.ChildFont();
            const LOGFONTA lf = FontOf(spin ? spin->EditHandle() : w);
            EXPECT_STREQ(lf.lfFaceName, spec.face);
            EXPECT_EQ(lf.lfHeight, spec.height);
            EXPECT_EQ(lf.lfUnderline != 0, spec.underline);
            EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
        }
    }
    EXPECT_EQ(qvtest::ClassOf(f.Handle()), "QvForm");
    EXPECT_NE(f.Image1.Icon(), nullptr);
    EXPECT_NE(f.Image2.Icon(), nullptr);
}

TEST_F(MainWindowLayout, WindowLessBevelsAndTheGaugesPlace) {
    Tf1& f = Start();
    RECT b1 = f.Bevel1.Bounds();
    EXPECT_EQ(b1.left, 2);
    EXPECT_EQ(b1.top, 0);
    EXPECT_EQ(b1.right - b1.left, 493);
    EXPECT_EQ(b1.bottom - b1.top, 2);
    EXPECT_EQ(f.Bevel1.GetShape(), qv::Bevel::Shape::Frame);
    EXPECT_EQ(f.Bevel1.HostWindow(), f.Handle());
    RECT b2 = f.Bevel2.Bounds();
    EXPECT_EQ(b2.left, 55);
    EXPECT_EQ(b2.top, 138);
    EXPECT_EQ(b2.right - b2.left, 428);
    EXPECT_EQ(b2.bottom - b2.top, 24);
    EXPECT_EQ(f.Bevel2.GetShape(), qv::Bevel::Shape::Box);
    EXPECT_EQ(f.Bevel2.GetStyle(), qv::Bevel::Style::Lowered);
    EXPECT_EQ(f.Bevel2.HostWindow(), f.GroupBox1.Handle());
}

TEST_F(MainWindowLayout, FixedSingleBorderWithMinimiseOnlyAndExactClientSize) {
    Tf1& f = Create();
    RECT client;
    GetClientRect(f.Handle(), &client);
    EXPECT_EQ(client.right, 497);
    EXPECT_EQ(client.bottom, 514);
    LONG style = GetWindowLongA(f.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongA(f.Handle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
    EXPECT_EQ(f.HelpContext(), 1);
    EXPECT_NE(SendMessageA(f.Handle(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_FALSE(IsWindowVisible(f.Handle())); // start-up shows it when the dialog is made
}

TEST_F(MainWindowLayout, CentredOnTheScreenWhenFirstShown) {
    Tf1& f = Start();
    RECT r;
    GetWindowRect(f.Handle(), &r);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(r.left, (screenWidth - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (screenHeight - (r.bottom - r.top)) / 2);
}

TEST_F(MainWindowLayout, CaptionIsTheTitleLine) {
    Tf1& f = Start();
    EXPECT_EQ(f.Text(), Tf1::kTitleLine);
    EXPECT_EQ(std::string(Tf1::kTitleLine).rfind(" Quorvane 3.5 ", 0), 0u);
}

TEST_F(MainWindowLayout, TabOrderOfEachBox) {
    Tf1& f = Start();
    EXPECT_EQ(TabStops(f.Handle()),
              (std::vector<std::string>{"GroupBox1", "GroupBox2", "GroupBox3"}));
    EXPECT_EQ(TabStops(f.GroupBox2.Handle()),
              (std::vector<std::string>{"min", "max", "enablemincache", "chunk", "emin", "emax",
                                        "echunk", "enablemaxcache", "enablechunk"}));
    EXPECT_EQ(TabStops(f.GroupBox3.Handle()),
              (std::vector<std::string>{"namecachebar", "pathcachebar", "enamecache", "epathcache",
                                        "enablenamecache"}));
    for (HWND w : {f.Handle(), f.GroupBox2.Handle(), f.GroupBox3.Handle()})
        EXPECT_TRUE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

TEST_F(MainWindowLayout, TabMovesThroughTheEnabledControlsAcrossTheBoxes) {
    Tf1& f = Start();
    for (qv::Window* w : std::initializer_list<qv::Window*>{&f.min, &f.emin, &f.namecachebar})
        w->SetEnabled(true);
    qvtest::FocusWindow(f.min.Handle());
    std::vector<HWND> visited;
    for (int i = 0; i < 6; ++i) {
        visited.push_back(GetFocus());
        qvtest::PressKey(VK_TAB);
    }
    const std::vector<HWND> expected{f.min.Handle(),         f.enablemincache.Handle(),
                                     f.emin.EditHandle(),    f.enablemaxcache.Handle(),
                                     f.enablechunk.Handle(), f.namecachebar.Handle()};
    EXPECT_EQ(visited, expected);
}

TEST_F(MainWindowLayout, EditorRangesStepsAndStartValues) {
    qvtest::DeleteRegTree(qvtest::kTemplatesKey); // nothing stored: the start values
    Tf1& f = Start();
    struct Row {
        qv::TrackBar& bar;
        qv::SpinEdit& edit;
        int minValue, maxValue, line, page, tick, increment, start;
    };
    // The first memory sample has made the cache ceiling the upper end of the first two rows.
    const int ceiling = Module.MemoryFigures.CacheCeilingKb;
    ASSERT_GT(ceiling, 8192);
    const Row rows[] = {
        {f.min, f.emin, 512, ceiling, 1024, 3000, 1024, 1024, 1024},
        {f.max, f.emax, 512, ceiling, 1024, 3000, 1024, 1024, 8192},
        {f.chunk, f.echunk, 16, 1024, 16, 3000, 32, 16, 512},
        {f.namecachebar, f.enamecache, 337, 6144, 512, 3000, 256, 512, 677},
        {f.pathcachebar, f.epathcache, 16, 128, 1, 3000, 8, 8, 32},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.bar.Name());
        EXPECT_EQ(r.bar.Min(), r.minValue);
        EXPECT_EQ(r.bar.Max(), r.maxValue);
        EXPECT_EQ(r.bar.LineSize(), r.line);
        EXPECT_EQ(r.bar.PageSize(), r.page);
        EXPECT_EQ(r.bar.TickFrequency(), r.tick);
        EXPECT_EQ(r.bar.Position(), r.start);
        EXPECT_EQ(r.bar.HelpContext(), 1);
        EXPECT_EQ(r.edit.MinValue(), r.minValue);
        EXPECT_EQ(r.edit.MaxValue(), r.maxValue);
        EXPECT_EQ(r.edit.Increment(), r.increment);
        EXPECT_EQ(r.edit.Value(), r.start);
        EXPECT_EQ(r.edit.Text(), std::to_string(r.start));
    }
    for (qv::CheckBox* box :
         {&f.enablemincache, &f.enablemaxcache, &f.enablechunk, &f.enablenamecache})
        EXPECT_FALSE(box->Checked());
}

TEST_F(MainWindowLayout, RefreshTimerIsBoundToUpdatememAtOneSecond) {
    Tf1& f = Start();
    EXPECT_EQ(f.timer1.Interval(), 1000u);
    // The creation sequence ran to its end: the timer is on.
    EXPECT_TRUE(f.timer1.Enabled());
    EXPECT_TRUE(f.timer1.Running());
}
