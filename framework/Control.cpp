#include "framework/Control.h"
#include "framework/Gdi.h"
#include "framework/Scaling.h"
#include <algorithm>
#include <map>
#include <vector>

namespace qv {

RECT Control::BoundsInParent() const {
    RECT r{0, 0, 0, 0};
    if (!Handle())
        return r;
    GetWindowRect(Handle(), &r);
    MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Control::SetFont(HFONT font) {
    font_ = font;
    if (Handle())
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

bool Control::OnParentNotify(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN)
        return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, TextColor());
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

void ControlParent::PaintClient(HDC dc, const RECT& dirty) {
    int saved = SaveDC(dc);
    graphics_.ExcludeOpaqueControls(dc);
    FillRect(dc, &dirty, GetSysColorBrush(COLOR_BTNFACE));
    RestoreDC(dc, saved);
    PaintDecoration(dc);
    graphics_.PaintControls(dc, dirty);
}

bool ControlParent::HandleHostMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    HWND window = ClientHandle();
    switch (message) {
    case WM_ERASEBKGND:
        result = 1; // painted with the rest in WM_PAINT, without flicker
        return true;
    case WM_PAINT: {
        PaintDC paint(window);
        PaintClient(paint.Get(), paint.Area());
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT: {
        RECT all;
        GetClientRect(window, &all);
        PaintClient(reinterpret_cast<HDC>(wParam), all);
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

void PlaceControls(std::span<const Placement> layout) {
    std::map<ControlParent*, std::vector<const Placement*>> tabOrders;
    for (const Placement& row : layout) {
        Control& c = row.control;
        c.SetName(row.name);
        c.parent_ = &row.parent;
        const RECT bounds =
            ScaleToScreen(RECT{row.left, row.top, row.left + row.width, row.top + row.height});
        c.CreateHandle(row.parent.ClientHandle(), bounds, row.text ? row.text : "");
        c.SetHelpContext(row.helpContext);
        const FontSpec& font = row.font ? *row.font : row.parent.ChildFont();
        c.SetFont(GetFont(font));
        if (auto* container = dynamic_cast<ControlParent*>(&c))
            container->SetChildFont(font);
        c.SetEnabled(row.enabled);
        if (c.TabStop())
            row.parent.HoldTabStop();
        if (row.tabOrder >= 0)
            tabOrders[&row.parent].push_back(&row);
    }
    // Tab navigation follows the z-order: put each parent's tab stops last, in tab order.
    for (auto& [parent, rows] : tabOrders) {
        std::stable_sort(rows.begin(), rows.end(), [](const Placement* a, const Placement* b) {
            return a->tabOrder < b->tabOrder;
        });
        for (const Placement* row : rows)
            SetWindowPos(row->control.Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

} // namespace qv
