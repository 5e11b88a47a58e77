#pragma once
#include <windows.h>
#include <functional>

namespace qv {

// A form larger than the work area (a 640x480 screen with its taskbar, Large Fonts on a small
// screen) shows at the size the work area allows, its client area scrolling under a vertical
// and, where needed, a horizontal scroll bar. The bars are scroll bar controls at the client's
// right and bottom edges, tab stops after the form's own, so the keyboard reaches them too
// (arrow keys, Page Up, Page Down, Home, End). A window inside the form that is about to get
// the focus is scrolled into view first, however the focus comes (Tab, an access key, a click).
// A form that fits gets no bar and keeps its size.
class FormScroller {
public:
    FormScroller() = default;
    ~FormScroller();
    FormScroller(const FormScroller&) = delete;
    FormScroller& operator=(const FormScroller&) = delete;

    // A client area of the content's size holds all the form's controls. When the window would
    // be larger than the work area (the system may have cut it to the screen already), it is
    // made as large as the work area allows and gets its bars.
    void FitIntoWorkArea(HWND form, SIZE content);
    bool Scrolls() const { return vertical_ || horizontal_; }
    HWND VerticalBar() const { return vertical_; }
    HWND HorizontalBar() const { return horizontal_; }
    // How far the content is scrolled: the content's point shown at the client's top-left.
    POINT Position() const { return position_; }

    // WM_VSCROLL or WM_HSCROLL from one of the bars; false for any other sender.
    bool HandleScroll(UINT message, WPARAM wParam, LPARAM lParam);
    // Scrolls the least that brings the window (inside the form) into view, its top-left
    // first when it is larger than the view.
    void ScrollIntoView(HWND window);

    // After the client area and the child windows have moved by (dx, dy): the form moves its
    // window-less controls by as much.
    std::function<void(int dx, int dy)> OnScrolled;

private:
    void ScrollTo(POINT position);
    void UpdateBar(HWND bar, int position) const;

    HWND form_ = nullptr;
    HWND vertical_ = nullptr;
    HWND horizontal_ = nullptr;
    SIZE content_{0, 0};
    SIZE view_{0, 0};
    POINT position_{0, 0};
};

} // namespace qv
