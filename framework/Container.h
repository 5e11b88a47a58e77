#pragma once
#include "framework/Control.h"

namespace qv {

// A control that hosts other controls (windowed and graphic), with WS_EX_CONTROLPARENT so Tab
// moves through its children as if they were the form's own.
class Container : public Control, public ControlParent {
public:
    HWND ClientHandle() const override { return Handle(); }

protected:
    void CreateContainer(const char* className, HWND parent, const RECT& bounds, const char* text);
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    const ControlParent* HintParent() const override { return Parent(); }
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
