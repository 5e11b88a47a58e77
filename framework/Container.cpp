#include "framework/Container.h"
#include "framework/Gdi.h"
#include "framework/Frame3D.h"
#include "framework/Scaling.h"

namespace qv {

void Container::CreateContainer(const char* className, HWND parent, const RECT& bounds,
                                const char* text) {
    graphics_.SetWindow(nullptr);
    CreateOwnWindow(className, 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, text,
                    bounds, parent, nullptr);
    graphics_.SetWindow(Handle());
}

void Container::HoldTabStop() {
    const LONG_PTR exStyle = GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle | WS_EX_CONTROLPARENT);
    if (Parent())
        Parent()->HoldTabStop(); // Tab reaches it only through the containers around it
}

bool Container::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (HandleHostMessage(message, wParam, lParam, result))
        return true;
    if (message == WM_GETFONT) {
        result = reinterpret_cast<LRESULT>(Font());
        return true;
    }
    if (message == WM_SETFONT || message == WM_SETTEXT || message == WM_ENABLE) {
        result = CallDefault(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, TRUE); // the caption or its colour changed
        return true;
    }
    return false;
}

void GroupBox::CreateHandle(HWND parent, const RECT& bounds, const char* text) {
    CreateContainer("QvGroupBox", parent, bounds, text);
}

namespace {
constexpr int kCaptionIndent = 8; // from the box's left edge, at 96 pixels per inch
} // namespace

void GroupBox::PaintDecoration(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    Selection font(dc, Font() ? Font() : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    // The frame runs through the middle of the caption line.
    RECT frame{client.left, client.top + tm.tmHeight / 2, client.right, client.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    std::string caption = Text();
    if (!caption.empty()) {
        const int indent = ScaleToScreen(kCaptionIndent);
        RECT textRect{indent, 0, client.right - indent, tm.tmHeight};
        DrawTextA(dc, caption.c_str(), -1, &textRect, DT_SINGLELINE | DT_CALCRECT);
        textRect.right += 2;
        FillRect(dc, &textRect, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        OffsetRect(&textRect, 1, 0);
        DrawTextA(dc, caption.c_str(), -1, &textRect, DT_SINGLELINE);
    }
}

void Panel::CreateHandle(HWND parent, const RECT& bounds, const char* text) {
    CreateContainer("QvPanel", parent, bounds, text);
}

void Panel::PaintDecoration(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    r = LoweredFrame(dc, r);
    RaisedFrame(dc, r);
}

} // namespace qv
