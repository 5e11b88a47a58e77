#include "framework/TrackBar.h"
#include <commctrl.h>

namespace qv {

void TrackBar::CreateHandle(HWND parent, const RECT& bounds, const char* text) {
    CreateStandardWindow(TRACKBAR_CLASSA, 0,
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS,
                         text, bounds, parent);
}

int TrackBar::Min() const {
    return static_cast<int>(SendMessageA(Handle(), TBM_GETRANGEMIN, 0, 0));
}

int TrackBar::Max() const {
    return static_cast<int>(SendMessageA(Handle(), TBM_GETRANGEMAX, 0, 0));
}

int TrackBar::Position() const {
    return static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
}

void TrackBar::SetRange(int min, int max) {
    SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min);
    SetMax(max);
}

void TrackBar::SetMin(int min) {
    int position = Position();
    SendMessageA(Handle(), TBM_SETRANGEMIN, TRUE, min);
    SetPosition(position);
    SetTickFrequency(tickFrequency_);
}

void TrackBar::SetMax(int max) {
    int position = Position();
    SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, max);
    SetPosition(position);
    SetTickFrequency(tickFrequency_);
}

void TrackBar::SetPosition(int position) {
    if (position < Min())
        position = Min();
    if (position > Max())
        position = Max();
    SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
}

void TrackBar::SetLineSize(int size) {
    SendMessageA(Handle(), TBM_SETLINESIZE, 0, size);
}

void TrackBar::SetPageSize(int size) {
    SendMessageA(Handle(), TBM_SETPAGESIZE, 0, size);
}

int TrackBar::LineSize() const {
    return static_cast<int>(SendMessageA(Handle(), TBM_GETLINESIZE, 0, 0));
}

int TrackBar::PageSize() const {
    return static_cast<int>(SendMessageA(Handle(), TBM_GETPAGESIZE, 0, 0));
}

void TrackBar::SetTickFrequency(int frequency) {
    tickFrequency_ = frequency;
    SendMessageA(Handle(), TBM_SETTICFREQ, frequency, 0);
}

bool TrackBar::OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_HSCROLL) {
        if (OnChange)
            OnChange(*this);
        result = 0;
        return true;
    }
    return Control::OnParentNotify(message, wParam, lParam, result);
}

} // namespace qv
