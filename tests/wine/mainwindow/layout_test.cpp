// The main window's layout as its layout table gives it.
#include "main/ModuleState.h"
#include "main/f1.h"
#include "LayoutTable.h"
#include "support/Pump.h"
#include "support/SystemFiles.h"
#include <commctrl.h>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using qvtest::Expected;
using qvtest::Find;
using qvtest::kControls;

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

} // namespace

TEST(MainWindowLayout, EveryControlHasItsClassPlaceTextAndState) {
    qvtest::DeleteRegTree(qvtest::kTemplatesKey); // nothing stored: the start values
    Tf1 f;
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        qv::Window* w = Find(f, e.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(qvtest::ClassOf(w->Handle()), e.className);
        qv::Window* parent = qv::Window::FromHandle(GetParent(w->Handle()));
        ASSERT_NE(parent, nullptr);
        EXPECT_EQ(parent->Name(), e.parent);
        RECT r = qvtest::RectInParent(w->Handle());
        EXPECT_EQ(r.left, e.left);
        EXPECT_EQ(r.top, e.top);
        // The resource labels' captions are followed by their figures from creation on; the
        // labels grow to show them whole.
        const std::string name = e.name;
        const bool figure = name == "systemlabel" || name == "gdilabel" || name == "userlabel";
        if (figure)
            EXPECT_GE(r.right - r.left, std::max(e.width, TextWidth(w->Handle())));
        else
            EXPECT_EQ(r.right - r.left, e.width);
        EXPECT_EQ(r.bottom - r.top, e.height);
        const std::string text = w->Text();
        EXPECT_EQ(figure ? text.substr(0, std::strlen(e.text)) : text, e.text);
        EXPECT_EQ(w->Enabled(), e.enabled);
    }
    EXPECT_EQ(qvtest::ClassOf(f.Handle()), "QvForm");
    EXPECT_NE(f.Image1.Icon(), nullptr);
    EXPECT_NE(f.Image2.Icon(), nullptr);
}

TEST(MainWindowLayout, WindowLessBevelsAndTheGaugesPlace) {
    Tf1 f;
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

TEST(MainWindowLayout, FixedSingleBorderWithMinimiseOnlyAndExactClientSize) {
    Tf1 f;
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
    EXPECT_FALSE(IsWindowVisible(f.Handle())); // shown by the message loop
}

TEST(MainWindowLayout, CentredOnTheScreenWhenFirstShown) {
    Tf1 f;
    f.Show();
    RECT r;
    GetWindowRect(f.Handle(), &r);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(r.left, (screenWidth - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (screenHeight - (r.bottom - r.top)) / 2);
}

TEST(MainWindowLayout, CaptionIsTheTitleLine) {
    Tf1 f;
    EXPECT_EQ(f.Text(), Tf1::kTitleLine);
    EXPECT_EQ(std::string(Tf1::kTitleLine).rfind(" Quorvane 3.5 ", 0), 0u);
}

TEST(MainWindowLayout, FontsAreArialAndMsSansSerifOfHeight11) {
    Tf1 f;
    struct FontCase {
        HWND window;
        const char* face;
        bool underline;
    };
    const FontCase cases[] = {
        {f.GroupBox1.Handle(), "MS Sans Serif", false},
        {f.lb1.Handle(), "MS Sans Serif", false},
        {f.Label8.Handle(), "Arial", true},
        {f.GroupBox2.Handle(), "Arial", false},
        {f.Label1.Handle(), "MS Sans Serif", false},
        {f.enablemincache.Handle(), "Arial", false},
        {f.emin.EditHandle(), "Arial", false},
        {f.GroupBox3.Handle(), "Arial", false},
        {f.Label10.Handle(), "MS Sans Serif", false},
    };
    for (const FontCase& c : cases) {
        LOGFONTA lf = FontOf(c.window);
        SCOPED_TRACE(qv::Window::FromHandle(c.window)->Name());
        EXPECT_STREQ(lf.lfFaceName, c.face);
        EXPECT_EQ(lf.lfHeight, -11);
        EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
        EXPECT_EQ(lf.lfUnderline != 0, c.underline);
    }
}

TEST(MainWindowLayout, TabOrderOfEachBox) {
    Tf1 f;
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

TEST(MainWindowLayout, TabMovesThroughTheEnabledControlsAcrossTheBoxes) {
    Tf1 f;
    f.Show();
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

TEST(MainWindowLayout, EditorRangesStepsAndStartValues) {
    qvtest::DeleteRegTree(qvtest::kTemplatesKey); // nothing stored: the start values
    Tf1 f;
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

TEST(MainWindowLayout, RefreshTimerIsBoundToUpdatememAtOneSecond) {
    Tf1 f;
    EXPECT_EQ(f.timer1.Interval(), 1000u);
    // The creation sequence ran to its end: the timer is on.
    EXPECT_TRUE(f.timer1.Enabled());
    EXPECT_TRUE(f.timer1.Running());
}
