#include "GraphicProbe.h"
#include "framework/Cursors.h"
#include "support/Pump.h"
#include "widgets/GIFImage/GIFImage.h"
#include <gtest/gtest.h>
#include <set>

namespace {

std::string Bounds(const qv::GraphicControl& c) {
    RECT r = c.Bounds();
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

void ResizePanel(ProbeForm& form, int width, int height) {
    SetWindowPos(form.panel.Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Asks the panel for the pointer over a point of its client area, as Windows does.
bool SetCursorOver(ProbeForm& form, int x, int y) {
    POINT p{x, y};
    ClientToScreen(form.panel.Handle(), &p);
    qvtest::PlacePointer(p);
    return SendMessageA(form.panel.Handle(), WM_SETCURSOR,
                        reinterpret_cast<WPARAM>(form.panel.Handle()),
                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) != 0;
}

} // namespace

TEST(GraphicAlign, EdgesTakeTheirSidesInOrderAndClientTakesTheRest) {
    ProbeForm form;
    RECT client;
    GetClientRect(form.panel.Handle(), &client);
    ASSERT_EQ(client.right, 200);
    ASSERT_EQ(client.bottom, 100);
    Probe& fill = form.Add("fill", 0, 0, 5, 5);
    Probe& right = form.Add("right", 0, 0, 40, 5);
    Probe& left = form.Add("left", 0, 0, 30, 5);
    Probe& bottom = form.Add("bottom", 0, 0, 5, 10);
    Probe& top = form.Add("top", 0, 0, 5, 20);
    Probe& loose = form.Add("loose", 7, 8, 9, 10);
    fill.SetAlign(qv::alClient);
    right.SetAlign(qv::alRight);
    left.SetAlign(qv::alLeft);
    bottom.SetAlign(qv::alBottom);
    top.SetAlign(qv::alTop);
    EXPECT_EQ(Bounds(top), "0,0-200,20");
    EXPECT_EQ(Bounds(bottom), "0,90-200,100");
    EXPECT_EQ(Bounds(left), "0,20-30,90");
    EXPECT_EQ(Bounds(right), "160,20-200,90");
    EXPECT_EQ(Bounds(fill), "30,20-160,90");
    EXPECT_EQ(Bounds(loose), "7,8-16,18");

    // The host's new size re-places them (WM_SIZE).
    ResizePanel(form, 100, 60);
    EXPECT_EQ(Bounds(top), "0,0-100,20");
    EXPECT_EQ(Bounds(bottom), "0,50-100,60");
    EXPECT_EQ(Bounds(right), "60,20-100,50");
    EXPECT_EQ(Bounds(fill), "30,20-60,50");

    // A taller top bar pushes the rest down; a hidden one gives its room back.
    top.SetHeight(30);
    EXPECT_EQ(Bounds(top), "0,0-100,30");
    EXPECT_EQ(Bounds(left), "0,30-30,50");
    top.SetShowing(false);
    EXPECT_EQ(Bounds(left), "0,0-30,50");
    EXPECT_EQ(Bounds(fill), "30,0-60,50");
    // An aligned control cannot leave its edge.
    left.SetLeft(25);
    EXPECT_EQ(Bounds(left), "0,0-30,50");
    left.SetAlign(qv::alNone);
    left.SetLeft(25);
    EXPECT_EQ(Bounds(left), "25,0-55,50");
    EXPECT_EQ(Bounds(fill), "0,0-60,50");
}

TEST(GraphicAlign, ControlsOfOneEdgeStackInTheOrderTheyStandAndNeverOverflow) {
    ProbeForm form;
    Probe& second = form.Add("second", 0, 50, 5, 30);
    Probe& first = form.Add("first", 0, 10, 5, 30);
    Probe& third = form.Add("third", 0, 90, 5, 70);
    for (Probe* p : {&first, &second, &third})
        p->SetAlign(qv::alTop);
    EXPECT_EQ(Bounds(first), "0,0-200,30");
    EXPECT_EQ(Bounds(second), "0,30-200,60");
    EXPECT_EQ(Bounds(third), "0,60-200,100") << "held to the room that is left";
    // Moving one above another reorders the stack.
    second.SetTop(-1);
    EXPECT_EQ(Bounds(second), "0,0-200,30");
    EXPECT_EQ(Bounds(first), "0,30-200,60");
}

TEST(GraphicAlign, AnImageControlFillsItsPanel) {
    ProbeForm form;
    qv::TGIFImage image(form.panel.Graphics());
    image.SetAlign(qv::alClient);
    EXPECT_EQ(Bounds(image), "0,0-200,100");
    ResizePanel(form, 120, 80);
    EXPECT_EQ(image.Width(), 120);
    EXPECT_EQ(image.Height(), 80);
}

TEST(GraphicCursor, EveryFrameworkCursorHasAPointerAndNoneHidesIt) {
    std::set<HCURSOR> seen;
    for (qv::TCursor c : {qv::crArrow, qv::crCross, qv::crIBeam, qv::crSizeNESW, qv::crSizeNS,
                          qv::crSizeNWSE, qv::crSizeWE, qv::crUpArrow, qv::crHourGlass, qv::crDrag,
                          qv::crNoDrop, qv::crHSplit, qv::crVSplit, qv::crMultiDrag, qv::crAppStart,
                          qv::crHelp, qv::crHandPoint, qv::crSizeAll}) {
        HCURSOR h = qv::CursorHandle(c);
        EXPECT_NE(h, nullptr) << c;
        seen.insert(h);
        EXPECT_EQ(qv::CursorHandle(c), h) << "drawn once, then reused: " << c;
    }
    EXPECT_EQ(seen.size(), 18u);
    EXPECT_EQ(qv::CursorHandle(qv::crNone), nullptr);
    EXPECT_EQ(qv::CursorHandle(qv::crArrow), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(qv::CursorHandle(qv::crNoDrop), LoadCursorA(nullptr, IDC_NO));
    EXPECT_EQ(qv::CursorHandle(42), nullptr);
    HCURSOR own = CopyCursor(LoadCursorA(nullptr, IDC_CROSS));
    qv::SetCursorHandle(42, own);
    EXPECT_EQ(qv::CursorHandle(42), own);
    qv::SetCursorHandle(qv::crArrow, own);
    EXPECT_EQ(qv::CursorHandle(qv::crArrow), LoadCursorA(nullptr, IDC_ARROW));
}

TEST(GraphicCursor, ThePointerOverAControlIsItsCursor) {
    ProbeForm form;
    Probe& hand = form.Add("hand", 10, 10, 40, 40);
    Probe& plain = form.Add("plain", 100, 10, 40, 40);
    Probe& hidden = form.Add("hidden", 150, 10, 40, 40);
    hand.SetCursor(qv::crHandPoint);
    hidden.SetCursor(qv::crNone);
    EXPECT_EQ(plain.Cursor(), qv::crDefault);

    EXPECT_TRUE(SetCursorOver(form, 20, 20));
    EXPECT_EQ(GetCursor(), qv::CursorHandle(qv::crHandPoint));
    EXPECT_FALSE(SetCursorOver(form, 110, 20)) << "crDefault: the host's class pointer";
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_TRUE(SetCursorOver(form, 160, 20));
    EXPECT_EQ(GetCursor(), nullptr);
    EXPECT_FALSE(SetCursorOver(form, 80, 80)) << "no control there";
    // A disabled control shows no pointer of its own.
    hand.SetEnabled(false);
    EXPECT_FALSE(SetCursorOver(form, 20, 20));
    // Over a child window's border the host's own handling stays.
    hand.SetEnabled(true);
    POINT p{20, 20};
    ClientToScreen(form.panel.Handle(), &p);
    qvtest::PlacePointer(p);
    EXPECT_FALSE(SendMessageA(form.panel.Handle(), WM_SETCURSOR,
                              reinterpret_cast<WPARAM>(form.panel.Handle()),
                              MAKELPARAM(HTBORDER, WM_MOUSEMOVE)));
}

TEST(GraphicMouse, AnImageControlIsClickedLikeAnyControl) {
    ProbeForm form;
    qv::TGIFImage image(form.panel.Graphics());
    image.SetName("GIFImage1");
    image.SetBounds(13, 11, 48, 48);
    std::vector<std::string> events;
    image.OnClick = [&](qv::Component& s) { events.push_back("click:" + s.Name()); };
    image.OnDblClick = [&](qv::Component& s) { events.push_back("dbl:" + s.Name()); };
    image.OnMouseMove = [&](qv::Component&, qv::TShiftState, int x, int y) {
        events.push_back("move:" + std::to_string(x) + "," + std::to_string(y));
    };
    form.Mouse(WM_MOUSEMOVE, 20, 20);
    form.Mouse(WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    form.Mouse(WM_LBUTTONUP, 20, 20);
    form.Mouse(WM_LBUTTONDBLCLK, 20, 20, MK_LBUTTON);
    form.Mouse(WM_LBUTTONUP, 20, 20);
    EXPECT_EQ(events, (std::vector<std::string>{"move:7,9", "click:GIFImage1", "dbl:GIFImage1"}));
}
