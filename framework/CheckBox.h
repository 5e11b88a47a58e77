#pragma once
#include "framework/Control.h"
#include <functional>

namespace qv {

// A check box. OnClick is raised whenever the state changes: by the user (mouse, space bar)
// or by the program through SetChecked. Setting the state it already has raises nothing.
class CheckBox : public Control {
public:
    bool Checked() const;
    void SetChecked(bool checked);
    bool TabStop() const override { return true; }

    std::function<void(Component& sender)> OnClick;

protected:
    void CreateHandle(HWND parent, const RECT& bounds, const char* text) override;
    bool OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

} // namespace qv
