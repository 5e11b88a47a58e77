#include "framework/FormScroller.h"
#include "framework/Control.h"
#include "framework/ErrorBox.h"
#include "framework/Scaling.h"
#include <algorithm>
#include <vector>

namespace qv {

namespace {

constexpr int kLineStep = 16; // pixels at 96 pixels per inch: about a row of text

// The scrollers with bars, and the one thread hook that tells them of focus changes before
// they happen (Windows 95 has no focus event of its own for a parent).
std::vector<FormScroller*>& ActiveScrollers() {
    static std::vector<FormScroller*> scrollers;
    return scrollers;
}
HHOOK g_focusHook = nullptr;

LRESULT CALLBACK FocusHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SETFOCUS && wParam) {
        try {
            for (FormScroller* s : ActiveScrollers())
                s->ScrollIntoView(reinterpret_cast<HWND>(wParam));
        } catch (...) {
            ReportCurrentException();
        }
    }
    return CallNextHookEx(g_focusHook, code, wParam, lParam);
}

HWND CreateBar(HWND form, DWORD direction, int left, int top, int width, int height) {
    HWND bar =
        CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | direction, left,
                        top, width, height, form, nullptr, GetModuleHandleA(nullptr), nullptr);
    // Last in the tab order: Tab reaches the bars after the form's own controls.
    SetWindowPos(bar, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return bar;
}

// The control a window belongs to: a spin edit for its edit field, the window itself for a
// control placed straight on a form or a box.
HWND OwningControl(HWND window, HWND form) {
    while (window) {
        HWND parent = GetParent(window);
        if (!parent || parent == form ||
            dynamic_cast<ControlParent*>(Window::FromHandle(parent)) != nullptr)
            return window;
        window = parent;
    }
    return window;
}

// The least change of a scroll position that shows [first, last) in a view of the given length.
int Revealing(int position, int first, int last, int view) {
    if (first < 0)
        return position + first;
    if (last > view)
        return position + std::min(last - view, first);
    return position;
}

} // namespace

FormScroller::~FormScroller() {
    auto& scrollers = ActiveScrollers();
    scrollers.erase(std::remove(scrollers.begin(), scrollers.end(), this), scrollers.end());
    if (scrollers.empty() && g_focusHook) {
        UnhookWindowsHookEx(g_focusHook);
        g_focusHook = nullptr;
    }
}

void FormScroller::FitIntoWorkArea(HWND form, SIZE content) {
    if (Scrolls())
        return;
    form_ = form;
    content_ = content;
    RECT window, client;
    GetWindowRect(form, &window);
    GetClientRect(form, &client);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int frameWidth = window.right - window.left - client.right;
    const int frameHeight = window.bottom - window.top - client.bottom;
    const int roomWidth = work.right - work.left - frameWidth;
    const int roomHeight = work.bottom - work.top - frameHeight;
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    // One bar takes room from the other direction, which may then need its bar too.
    bool needVertical = false, needHorizontal = false;
    for (int pass = 0; pass < 2; ++pass) {
        needVertical = content_.cy > roomHeight - (needHorizontal ? barHeight : 0);
        needHorizontal = content_.cx > roomWidth - (needVertical ? barWidth : 0);
    }
    if (!needVertical && !needHorizontal)
        return;
    const int barsWidth = needVertical ? barWidth : 0;
    const int barsHeight = needHorizontal ? barHeight : 0;
    const int clientWidth = std::min<int>(content_.cx + barsWidth, roomWidth);
    const int clientHeight = std::min<int>(content_.cy + barsHeight, roomHeight);
    SetWindowPos(form, nullptr, 0, 0, clientWidth + frameWidth, clientHeight + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetClientRect(form, &client); // measured: a narrower window may wrap its menu bar
    view_ = SIZE{client.right - barsWidth, client.bottom - barsHeight};
    if (needVertical)
        vertical_ = CreateBar(form, SBS_VERT, view_.cx, 0, barWidth, view_.cy);
    if (needHorizontal)
        horizontal_ = CreateBar(form, SBS_HORZ, 0, view_.cy, view_.cx, barHeight);
    UpdateBar(vertical_, 0);
    UpdateBar(horizontal_, 0);
    ActiveScrollers().push_back(this);
    if (!g_focusHook)
        g_focusHook = SetWindowsHookExA(WH_CBT, &FocusHook, nullptr, GetCurrentThreadId());
}

void FormScroller::UpdateBar(HWND bar, int position) const {
    if (!bar)
        return;
    const bool vertical = bar == vertical_;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = (vertical ? content_.cy : content_.cx) - 1;
    info.nPage = static_cast<UINT>(vertical ? view_.cy : view_.cx);
    info.nPos = position;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

bool FormScroller::HandleScroll(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND bar = reinterpret_cast<HWND>(lParam);
    if (!bar || (bar != vertical_ && bar != horizontal_))
        return false;
    const bool vertical = bar == vertical_;
    if (vertical != (message == WM_VSCROLL))
        return false;
    const int page = vertical ? view_.cy : view_.cx;
    const int line = std::min(ScaleToScreen(kLineStep), page);
    int position = vertical ? position_.y : position_.x;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        position -= line;
        break;
    case SB_LINEDOWN:
        position += line;
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS; // 32 bits, where the message carries 16
        GetScrollInfo(bar, SB_CTL, &info);
        position = info.nTrackPos;
        break;
    }
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = vertical ? content_.cy : content_.cx;
        break;
    default:
        return true;
    }
    ScrollTo(vertical ? POINT{position_.x, position} : POINT{position, position_.y});
    return true;
}

void FormScroller::ScrollIntoView(HWND window) {
    if (!Scrolls() || !window || !IsChild(form_, window) || window == vertical_ ||
        window == horizontal_)
        return;
    RECT r;
    GetWindowRect(OwningControl(window, form_), &r);
    MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&r), 2);
    ScrollTo(POINT{Revealing(position_.x, r.left, r.right, view_.cx),
                   Revealing(position_.y, r.top, r.bottom, view_.cy)});
}

void FormScroller::ScrollTo(POINT position) {
    position.x = std::clamp<LONG>(position.x, 0, std::max<LONG>(content_.cx - view_.cx, 0));
    position.y = std::clamp<LONG>(position.y, 0, std::max<LONG>(content_.cy - view_.cy, 0));
    const int dx = position_.x - position.x;
    const int dy = position_.y - position.y;
    if (dx == 0 && dy == 0)
        return;
    position_ = position;
    // Whatever waits to be painted is painted where it is now, before it moves.
    UpdateWindow(form_);
    // Only the view's pixels move; every child window moves with them, the bars included,
    // which then go back to their edges without a repaint: their pixels never moved.
    const RECT viewRect{0, 0, view_.cx, view_.cy};
    ScrollWindowEx(form_, dx, dy, nullptr, &viewRect, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    constexpr UINT kStill = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    if (vertical_)
        SetWindowPos(vertical_, nullptr, view_.cx, 0, 0, 0, kStill);
    if (horizontal_)
        SetWindowPos(horizontal_, nullptr, 0, view_.cy, 0, 0, kStill);
    if (OnScrolled)
        OnScrolled(dx, dy);
    UpdateBar(vertical_, position_.y);
    UpdateBar(horizontal_, position_.x);
}

} // namespace qv
