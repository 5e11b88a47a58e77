#pragma once
#include <windows.h>
#include <vector>

namespace qv {

class GraphicHost;

// A window-less control: it has bounds in its host window's client area and draws on the
// host's surface. The host paints its own background first, then every graphic control in
// z-order, each with the viewport origin at the control's top-left and clipped to its bounds.
class GraphicControl {
public:
    virtual ~GraphicControl();
    GraphicControl(const GraphicControl&) = delete;
    GraphicControl& operator=(const GraphicControl&) = delete;

    // Draws the whole control; (0, 0) is the control's top-left corner.
    virtual void Paint(HDC dc) = 0;

    void SetBounds(int left, int top, int width, int height);
    RECT Bounds() const { return bounds_; }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.right - bounds_.left; }
    int Height() const { return bounds_.bottom - bounds_.top; }
    RECT ClientRect() const { return RECT{0, 0, Width(), Height()}; }

    HWND HostWindow() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Showing() const { return showing_; }
    void SetShowing(bool showing);

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
    GraphicHost& host_;
    RECT bounds_{0, 0, 0, 0};
    bool enabled_ = true;
    bool showing_ = true;
    bool opaque_ = false;
};

// Owns nothing: keeps the list of graphic controls placed on one window and paints them.
class GraphicHost {
public:
    explicit GraphicHost(HWND window = nullptr) : window_(window) {}
    void SetWindow(HWND window) { window_ = window; }
    HWND Window() const { return window_; }

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

private:
    HWND window_;
    std::vector<GraphicControl*> controls_;
};

} // namespace qv
