#pragma once
// Controls for the drag-and-drop tests (on qvtest::HostWindow hosts), and mouse messages sent
// the way the system delivers them: to the window that holds the capture, else to the host.
#include "framework/Application.h"
#include "framework/DragDrop.h"
#include "framework/GraphicControl.h"
#include "support/HostWindow.h"
#include "support/Pump.h"
#include <windows.h>
#include <string>
#include <vector>

namespace qvtest {

using Log = std::vector<std::string>;

// A plain grey rectangle.
class Box : public qv::GraphicControl {
public:
    Box(qv::GraphicHost& host, const char* name, int left, int top, int width = 50, int height = 40)
        : GraphicControl(host) {
        SetName(name);
        SetBounds(left, top, width, height);
    }
    void Paint(HDC dc) override {
        RECT r = ClientRect();
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
};

inline std::string At(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

// Records a control's mouse and drag events: "down:src:10,10", "click:src", "startdrag:src",
// "over:dst:enter:10,5", "drop:dst:src:12,6", "enddrag:src:dst:12,6" ("nil" for no target).
// A drop target gets OnDragOver (answering acceptAll) and OnDragDrop.
inline void Record(qv::GraphicControl& c, Log& log, bool dropTarget, const bool* accept = nullptr) {
    c.OnMouseDown = [&log](qv::Component& s, qv::TMouseButton, qv::TShiftState, int x, int y) {
        log.push_back("down:" + s.Name() + ":" + At(x, y));
    };
    c.OnMouseUp = [&log](qv::Component& s, qv::TMouseButton, qv::TShiftState, int, int) {
        log.push_back("up:" + s.Name());
    };
    c.OnClick = [&log](qv::Component& s) { log.push_back("click:" + s.Name()); };
    c.OnStartDrag = [&log](qv::Component& s) { log.push_back("startdrag:" + s.Name()); };
    c.OnEndDrag = [&log](qv::Component& s, qv::Component* target, int x, int y) {
        log.push_back("enddrag:" + s.Name() + ":" + (target ? target->Name() : "nil") + ":" +
                      At(x, y));
    };
    if (!dropTarget)
        return;
    c.OnDragOver = [&log, accept](qv::Component& s, qv::Component&, int x, int y,
                                  qv::TDragState state, bool& accepted) {
        const char* names[] = {"enter", "leave", "move"};
        log.push_back("over:" + s.Name() + ":" + names[state] + ":" + At(x, y));
        if (accept)
            accepted = *accept;
    };
    c.OnDragDrop = [&log](qv::Component& s, qv::Component& source, int x, int y) {
        log.push_back("drop:" + s.Name() + ":" + source.Name() + ":" + At(x, y));
    };
}

// Sends a mouse message for a point of a window's client area to the window that holds the
// mouse (the given window when none does).
inline void SendMouse(HWND window, UINT message, WPARAM keys, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    HWND to = GetCapture() ? GetCapture() : window;
    ScreenToClient(to, &p);
    SendMessageA(to, message, keys, MAKELPARAM(p.x, p.y));
}
inline void Press(HWND w, int x, int y) {
    SendMouse(w, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
}
inline void MoveHeld(HWND w, int x, int y) {
    SendMouse(w, WM_MOUSEMOVE, MK_LBUTTON, x, y);
}
inline void Release(HWND w, int x, int y) {
    SendMouse(w, WM_LBUTTONUP, 0, x, y);
}

// Puts the real pointer on a point of a window's client area, for the code that reads it.
inline void PlacePointer(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    qvtest::PlacePointer(p);
}

inline bool ShowsCursor(qv::TCursor cursor) {
    return GetCursor() == qv::CursorHandle(cursor);
}

} // namespace qvtest
