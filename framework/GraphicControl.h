#pragma once
#include "framework/Component.h"
#include <windows.h>
#include <vector>

namespace qv {

class GraphicHost;

// A window-less control: it has bounds in its host window's client area and draws on the
// host's surface. The host paints its own background first, then every graphic control in
// z-order, each with the viewport origin at the control's top-left and clipped to its bounds.
// It takes no input: the program's window-less controls only show figures and pictures.
class GraphicControl : public Component {
public:
    ~GraphicControl() override;

    // Draws the whole control; (0, 0) is the control's top-left corner.
    virtual void Paint(HDC dc) = 0;

    void SetBounds(int left, int top, int width, int height);
    // The bounds a layout gives (pixels at 96 pixels per inch), scaled to the screen.
    void SetLayoutBounds(int left, int top, int width, int height);
    RECT Bounds() const { return bounds_; }
    int Left() const { return bounds_.left; }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    int Top() const { return bounds_.top; }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    int Width() const { return bounds_.right - bounds_.left; }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    int Height() const { return bounds_.bottom - bounds_.top; }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    RECT ClientRect() const { return RECT{0, 0, Width(), Height()}; }

    GraphicHost& Host() const { return host_; }
    HWND HostWindow() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Showing() const { return showing_; }
    void SetShowing(bool showing);

    // The logical palette the control draws with (null: none). On a palette display the form
    // realizes it again whenever the system palette changes hands (GraphicHost::RealizePalettes).
    virtual HPALETTE Palette() const { return nullptr; }

    // An opaque control covers its bounds completely, so the host does not paint under it.
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool opaque) { opaque_ = opaque; }

    // Asks the host to repaint the control's area (background included) later.
    void Invalidate();
    // Paints the control at once on the host's surface, without invalidating.
    void PaintNow();

protected:
    explicit GraphicControl(GraphicHost& host);
    virtual void BoundsChanged() {}
    virtual void EnabledChanged() {}

private:
    friend class GraphicHost; // moves the bounds when the host scrolls

    GraphicHost& host_;
    RECT bounds_{0, 0, 0, 0};
    bool enabled_ = true;
    bool showing_ = true;
    bool opaque_ = false;
};

// Owns nothing: keeps the list of graphic controls placed on one window and paints them.
class GraphicHost {
public:
    explicit GraphicHost(HWND window = nullptr);
    ~GraphicHost();
    GraphicHost(const GraphicHost&) = delete;
    GraphicHost& operator=(const GraphicHost&) = delete;

    void SetWindow(HWND window) { window_ = window; }
    HWND Window() const { return window_; }
    // The host of a window (null for a window that hosts no graphic controls).
    static GraphicHost* OfWindow(HWND window);

    void Add(GraphicControl* control);
    void Remove(GraphicControl* control);
    const std::vector<GraphicControl*>& Controls() const { return controls_; }

    // Excludes the opaque controls from the clip region, so the host's background painting
    // does not draw under them.
    void ExcludeOpaqueControls(HDC dc) const;
    // Paints every control that intersects the dirty rectangle (call after the background).
    void PaintControls(HDC dc, const RECT& dirty) const;
    // Paints one control through a fresh device context of the host window.
    void PaintControlNow(GraphicControl& control) const;

    // Realizes the palettes of the showing controls in a shown top-level window and the windows
    // inside it, the first in the foreground when asked, all others in the background, and
    // repaints each control whose colours may have changed. True when a palette was realized.
    static bool RealizePalettes(HWND topLevel, bool foreground);

    // Moves every control by (dx, dy) without repainting: the host's pixels have moved already
    // (a scrolled form).
    void OffsetControls(int dx, int dy);

private:
    HWND window_;
    std::vector<GraphicControl*> controls_;
};

} // namespace qv
