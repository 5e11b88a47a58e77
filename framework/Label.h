#pragma once
#include "framework/Control.h"
#include <functional>

namespace qv {

// A static text on the button face; "&" marks an access key. Disabled labels show grey text.
class Label : public Control {
public:
    // Grows the label to the size its text takes in its font (one line; "&" not counted),
    // keeping its top-left corner, never shrinking it: the layouts give sizes measured with
    // the original fonts, and a substituted font may need more room.
    void GrowToText();
    // With AutoSize (the default) every new text and every new font grows the label as
    // GrowToText does, so a figure written after a caption is never cut off, nor a caption in
    // a font scaled to the screen (a bitmap font's widths do not grow in proportion).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    void SetText(const std::string& text) override;
    void SetFont(HFONT font) override;

protected:
    void CreateHandle(HWND parent, const RECT& bounds, const char* text) override;

private:
    bool autoSize_ = true;
};

// A label that looks like a link (maroon text on the button face; give it an underlined font)
// and raises OnClick when clicked.
class LinkLabel : public Label {
public:
    std::function<void(Component& sender)> OnClick;
    static constexpr COLORREF kMaroon = RGB(128, 0, 0);

protected:
    void CreateHandle(HWND parent, const RECT& bounds, const char* text) override;
    bool OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    COLORREF TextColor() const override { return kMaroon; }
};

} // namespace qv
