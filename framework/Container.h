#pragma once
#include "framework/Control.h"

namespace qv {

// A control that hosts other controls (windowed and graphic). While it holds a tab stop it is
// a control parent (WS_EX_CONTROLPARENT), so Tab moves through its children as if they were the
// form's own; without one it is not: Windows 9x's dialog manager loops for ever when Tab walks
// into a control parent that holds no tab stop.
class Container : public Control, public ControlParent {
public:
    HWND ClientHandle() const override { return Handle(); }
    void HoldTabStop() override;

protected:
    void CreateContainer(const char* className, HWND parent, const RECT& bounds, const char* text);
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A group box: an etched frame with its caption at the top left.
class GroupBox : public Container {
protected:
    void CreateHandle(HWND parent, const RECT& bounds, const char* text) override;
    void PaintDecoration(HDC dc) override;
};

// A panel with a lowered outer and a raised inner one-pixel bevel.
class Panel : public Container {
protected:
    void CreateHandle(HWND parent, const RECT& bounds, const char* text) override;
    void PaintDecoration(HDC dc) override;
};

} // namespace qv
