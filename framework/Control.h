#pragma once
#include "framework/Fonts.h"
#include "framework/GraphicControl.h"
#include "framework/Window.h"
#include <span>

namespace qv {

class ControlParent;

// A child control placed on a form or a container (group box, panel). Its position is in
// pixels relative to the parent's client area, as the layouts give it.
class Control : public Window {
public:
    ControlParent* Parent() const { return parent_; }
    // Position and size relative to the parent's client area.
    RECT BoundsInParent() const;
    // Tab stops take part in Tab navigation in their tab order.
    virtual bool TabStop() const { return false; }

    HFONT Font() const { return font_; }
    virtual void SetFont(HFONT font);

protected:
    friend void PlaceControls(std::span<const struct Placement> layout);
    // Creates the control's window(s) at the given bounds in the parent's client area.
    virtual void CreateHandle(HWND parent, const RECT& bounds, const char* text) = 0;
    // Colours for WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: button-face background, button text.
    bool OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    virtual COLORREF TextColor() const { return GetSysColor(COLOR_BTNTEXT); }

private:
    ControlParent* parent_ = nullptr;
    HFONT font_ = nullptr;
};

// A window that hosts child controls and window-less graphic controls: form, group box, panel.
class ControlParent {
public:
    virtual ~ControlParent() = default;
    virtual HWND ClientHandle() const = 0;
    GraphicHost& Graphics() { return graphics_; }
    // The font children get when the layout names none (the parent's own font).
    const FontSpec& ChildFont() const { return childFont_; }
    void SetChildFont(const FontSpec& spec) { childFont_ = spec; }
    // Called when a tab stop is placed inside it (PlaceControls).
    virtual void HoldTabStop() {}

protected:
    // Paints the background (button face) around opaque graphic controls, then
    // PaintDecoration, then the graphic controls. For WM_PAINT and WM_PRINTCLIENT.
    void PaintClient(HDC dc, const RECT& dirty);
    virtual void PaintDecoration(HDC) {}
    // What every hosting window handles first: WM_ERASEBKGND, WM_PAINT and WM_PRINTCLIENT.
    bool HandleHostMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    GraphicHost graphics_;
    FontSpec childFont_ = kMsSansSerif11;
};

// One row of a window's layout table.
struct Placement {
    Control& control;
    ControlParent& parent;
    const char* name;
    int left, top, width, height; // pixels at 96 pixels per inch, scaled when placed
    int tabOrder;                 // order among the parent's tab stops and containers; -1 for none
    const char* text;             // caption, or nullptr
    const FontSpec* font;         // nullptr: the parent's font
    bool enabled;
    int helpContext;
};

// Creates every control of a layout table, in table order (a container before its contents),
// its bounds and font scaled to the screen (Scaling.h), then orders each parent's children by
// tab order. A container becomes a control parent once a tab stop is placed inside it.
void PlaceControls(std::span<const Placement> layout);

} // namespace qv
