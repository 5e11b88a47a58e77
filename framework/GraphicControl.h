#pragma once
#include "framework/Component.h"
#include "framework/Cursors.h"
#include "framework/DragEvents.h"
#include "framework/MouseEvents.h"
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace qv {

class ControlParent;
class GraphicHost;
class PopupMenu;

// Where a control places itself in its host's client area when the host is resized: alTop,
// alBottom, alLeft and alRight take the full width or height at that edge of what earlier
// aligned controls left over, alClient takes the rest. alNone keeps the given bounds.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// dmAutomatic starts dragging when the left button goes down on the control; with dmManual
// the program calls BeginDrag.
enum TDragMode { dmManual, dmAutomatic };

// A window-less control: it has bounds in its host window's client area and draws on the
// host's surface. The host paints its own background first, then every graphic control in
// z-order, each with the viewport origin at the control's top-left and clipped to its bounds.
// The host routes the mouse to the topmost showing, enabled control under it: mouse events
// with coordinates relative to the control, clicks, double clicks, its cursor, its hint and
// its popup menu.
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

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    // The mouse pointer over the control; crDefault leaves the host's own.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    // The popup menu a right click (or the context-menu key's message) on the control shows.
    qv::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(qv::PopupMenu* menu) { popupMenu_ = menu; }

    // The hint: "short|long"; the short part shows in a hint window while the mouse rests on
    // the control (see Hint.h). ShowHint is the effective value: the host's while
    // ParentShowHint is set; SetShowHint gives the control its own and clears ParentShowHint.
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool ShowHint() const;
    void SetShowHint(bool show);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint) { parentShowHint_ = parentShowHint; }

    // Runs OnClick; the host calls it when the left button is pressed and released over the
    // control.
    virtual void Click();
    virtual void DblClick();

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    MouseEvent OnMouseDown;
    MouseMoveEvent OnMouseMove;
    MouseEvent OnMouseUp;

    // Drag and drop (see DragDrop.h). With dmAutomatic a left-button press starts a drag
    // instead of reaching OnMouseDown.
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    // The pointer while the drag is over a target that accepts it.
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    // Starts dragging the control: at once, or once the pointer has moved threshold pixels
    // (-1: the application's DragThreshold) with the left button held; a release before that
    // is an ordinary click. Does nothing while another drag runs.
    void BeginDrag(bool immediate, int threshold = -1);
    // Ends the control's drag: dropped where the pointer is (when the target there accepts),
    // or cancelled.
    void EndDrag(bool drop);
    // True while the control's drag runs (not while it waits for the threshold).
    bool Dragging() const;

    StartDragEvent OnStartDrag;
    DragOverEvent OnDragOver;
    DragDropEvent OnDragDrop;
    EndDragEvent OnEndDrag;

protected:
    explicit GraphicControl(GraphicHost& host);
    virtual void BoundsChanged() {}
    virtual void EnabledChanged() {}
    // Raise the mouse events; coordinates are relative to the control's top-left corner.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // Raise the drag events. DragOver receives accept false and sets it when the control takes
    // the source (by default: when OnDragOver is set and leaves it set).
    virtual void DoStartDrag();
    virtual void DragOver(Component& source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(Component& source, int x, int y);
    virtual void DoEndDrag(Component* target, int x, int y);

private:
    friend class GraphicHost;
    friend class DragManager;
    void SetBoundsAligned(const RECT& bounds);

    GraphicHost& host_;
    RECT bounds_{0, 0, 0, 0};
    bool enabled_ = true;
    bool showing_ = true;
    bool opaque_ = false;
    TAlign align_ = alNone;
    TCursor cursor_ = crDefault;
    qv::PopupMenu* popupMenu_ = nullptr;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TDragMode dragMode_ = dmManual;
    TCursor dragCursor_ = crDrag;
};

// Owns nothing: keeps the list of graphic controls placed on one window, paints them and
// passes them the mouse.
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
    // Unlinks a popup menu that goes away from every control of every host.
    static void PopupMenuGone(const qv::PopupMenu* menu);

    // Whether the controls that follow their host show hints: the hosting form's or
    // container's ShowHint, or the host's own value when no window object owns it.
    void SetOwner(ControlParent* owner) { owner_ = owner; }
    bool ShowHint() const;
    void SetShowHint(bool show) { showHint_ = show; }

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

    // The topmost showing control under a point of the host's client area (null when none);
    // disabled controls count only when allowDisabled is set.
    GraphicControl* ControlAt(POINT point, bool allowDisabled = false) const;
    // The control that holds the mouse between a button press on it and the release.
    GraphicControl* CaptureControl() const { return capture_; }

    // Realizes the palettes of the showing controls in a shown top-level window and the windows
    // inside it, the first in the foreground when asked, all others in the background, and
    // repaints each control whose colours may have changed. True when a palette was realized.
    static bool RealizePalettes(HWND topLevel, bool foreground);

    // Moves every control by (dx, dy) without repainting: the host's pixels have moved already
    // (a scrolled form).
    void OffsetControls(int dx, int dy);

    // Places the aligned controls in the host's client area (also on WM_SIZE).
    void Realign();

    // The messages a hosting window passes on first: mouse buttons and moves, WM_SETCURSOR,
    // WM_CAPTURECHANGED, WM_CONTEXTMENU and WM_SIZE. Returns true when a control handled the
    // message (result is then the window procedure's result).
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    bool MouseButtonMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool MouseMoveMessage(WPARAM wParam, LPARAM lParam);
    bool SetCursorMessage(WPARAM wParam, LPARAM lParam);
    bool ContextMenuMessage(WPARAM wParam, LPARAM lParam);
    void ReleaseMouse();

    HWND window_;
    std::vector<GraphicControl*> controls_;
    GraphicControl* capture_ = nullptr;
    GraphicControl* clicked_ = nullptr; // pressed with the left button, not yet released
    bool aligning_ = false;
    ControlParent* owner_ = nullptr;
    bool showHint_ = false;
};

} // namespace qv
