#pragma once
// The two windows inside a SpinEdit; only SpinEdit.cpp and SpinButtons.cpp include this.
#include "framework/SpinEdit.h"

namespace qv {

// The edit window of a spin edit (a subclassed EDIT): filters characters, steps on Up/Down,
// reports released keys and the loss of the focus to its owner.
class SpinEdit::Editor : public Window {
public:
    explicit Editor(SpinEdit& owner) : owner_(owner) {}
    void Create(HWND parent, const RECT& bounds, const char* text) {
        CreateStandardWindow("EDIT", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, text,
                             bounds, parent);
    }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    SpinEdit& owner_;
};

// The up and down arrow buttons, stacked; each auto-repeats while held.
class SpinEdit::Buttons : public Window {
public:
    explicit Buttons(SpinEdit& owner) : owner_(owner) {}
    void Create(HWND parent, const RECT& bounds);

    static constexpr UINT kFirstRepeatMs = 400;
    static constexpr UINT kRepeatMs = 100;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    enum class Part { None, Up, Down };
    Part PartAt(LPARAM point) const;
    void Press(Part part);
    void Release();
    void Step(Part part);
    void Paint(HDC dc);

    SpinEdit& owner_;
    Part pressed_ = Part::None;
    bool over_ = false;
};

} // namespace qv
