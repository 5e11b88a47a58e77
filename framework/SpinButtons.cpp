#include "framework/SpinEditParts.h"
#include "framework/Gdi.h"

namespace qv {

namespace {
constexpr UINT_PTR kRepeatTimer = 1;
}

void SpinEdit::Buttons::Create(HWND parent, const RECT& bounds) {
    CreateOwnWindow("QvSpinButtons", 0, WS_CHILD | WS_VISIBLE, "", bounds, parent, nullptr);
}

SpinEdit::Buttons::Part SpinEdit::Buttons::PartAt(LPARAM point) const {
    RECT r;
    GetClientRect(Handle(), &r);
    POINT p{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    if (!PtInRect(&r, p))
        return Part::None;
    return p.y < r.bottom / 2 ? Part::Up : Part::Down;
}

void SpinEdit::Buttons::Step(Part part) {
    part == Part::Up ? owner_.StepUp() : owner_.StepDown();
}

void SpinEdit::Buttons::Press(Part part) {
    pressed_ = part;
    over_ = true;
    if (!owner_.Focused())
        owner_.SetFocus();
    SetCapture(Handle());
    SetTimer(Handle(), kRepeatTimer, kFirstRepeatMs, nullptr);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void SpinEdit::Buttons::Release() {
    KillTimer(Handle(), kRepeatTimer);
    pressed_ = Part::None;
    over_ = false;
    if (GetCapture() == Handle())
        ReleaseCapture();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void SpinEdit::Buttons::Paint(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    int middle = r.bottom / 2;
    UINT state = IsWindowEnabled(Handle()) ? 0 : DFCS_INACTIVE;
    RECT up{0, 0, r.right, middle};
    RECT down{0, middle, r.right, r.bottom};
    bool upPushed = pressed_ == Part::Up && over_;
    bool downPushed = pressed_ == Part::Down && over_;
    DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP | state | (upPushed ? DFCS_PUSHED : 0));
    DrawFrameControl(dc, &down, DFC_SCROLL,
                     DFCS_SCROLLDOWN | state | (downPushed ? DFCS_PUSHED : 0));
}

bool SpinEdit::Buttons::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_PAINT: {
        PaintDC paint(Handle());
        Paint(paint.Get());
        return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (Part part = PartAt(lParam); part != Part::None)
            Press(part);
        return true;
    case WM_MOUSEMOVE:
        if (pressed_ != Part::None) {
            bool over = PartAt(lParam) == pressed_;
            if (over != over_) {
                over_ = over;
                InvalidateRect(Handle(), nullptr, FALSE);
            }
        }
        return true;
    case WM_TIMER:
        if (wParam == kRepeatTimer && pressed_ != Part::None) {
            SetTimer(Handle(), kRepeatTimer, kRepeatMs, nullptr);
            if (over_)
                Step(pressed_);
        }
        return true;
    case WM_LBUTTONUP:
        if (pressed_ != Part::None) {
            Part part = pressed_;
            bool over = PartAt(lParam) == part;
            Release();
            if (over)
                Step(part);
        }
        return true;
    case WM_CAPTURECHANGED:
        if (pressed_ != Part::None && reinterpret_cast<HWND>(lParam) != Handle())
            Release();
        return true;
    case WM_ENABLE:
        InvalidateRect(Handle(), nullptr, FALSE);
        return true;
    default:
        return false;
    }
}

} // namespace qv
