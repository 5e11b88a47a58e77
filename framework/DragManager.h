#pragma once
// The drag manager behind DragDrop.h and GraphicControl's BeginDrag, EndDrag and Dragging
// (framework-internal).
#include "framework/DragEvents.h"
#include <windows.h>
#include <vector>

namespace qv {

class GraphicControl;
class GraphicHost;

// Holds the one drag of the program. Event handlers may destroy the source or the target, end
// the drag or start another one, so every step checks the drag is still the same afterwards.
class DragManager {
public:
    static DragManager& Instance() {
        static DragManager manager;
        return manager;
    }

    void Begin(GraphicControl& source, bool immediate, int threshold, POINT screen, bool automatic);
    void End(GraphicControl& source, bool drop);
    bool IsDragging(const GraphicControl& control) const { return started_ && source_ == &control; }
    GraphicControl* Source() const { return source_; }
    bool HostMessage(GraphicHost& host, UINT message, WPARAM wParam, LPARAM lParam);
    bool KeyMessage(const MSG& message);
    void Destroyed(GraphicControl& control);

private:
    // The controls of a drag that is ending (the drag's state is already cleared, so a new
    // drag may begin in the handlers); pointers are cleared when the control is destroyed.
    struct Ending {
        GraphicControl* source;
        GraphicControl* target;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND CaptureWindow();
    void MouseMessage(HWND from, UINT message, WPARAM wParam, LPARAM lParam);
    void CaptureLost(HWND newOwner);
    bool Beyond(POINT screen) const;
    bool Current(unsigned drag) const { return source_ && started_ && drag_ == drag; }
    void Start(POINT screen);
    void MoveTo(POINT screen);
    void Release(POINT screen);
    void Stop(bool drop, POINT screen);
    void Abandon();
    void Clear();
    bool SendDragOver(GraphicControl& target, Component& source, POINT screen, TDragState state,
                      int& x, int& y);

    HWND window_ = nullptr;
    GraphicControl* source_ = nullptr;
    bool started_ = false;
    HWND pendingHost_ = nullptr; // a waiting drag that leaves the capture to the host's press
    unsigned drag_ = 0;          // counts drags, so a handler's new drag is told apart
    POINT origin_{0, 0};
    int threshold_ = 0;
    POINT last_{0, 0};
    GraphicControl* target_ = nullptr;
    bool accepted_ = false;
    HCURSOR savedCursor_ = nullptr;
    std::vector<Ending*> endings_;
};

} // namespace qv
