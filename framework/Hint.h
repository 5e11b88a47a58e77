#pragma once
#include <windows.h>
#include <memory>

namespace qv {

class GraphicControl;
class GraphicHost;
class HintWindow;

// Shows the hints of graphic controls. Hosts report the mouse moving over them; when the mouse
// rests on a showing, enabled control whose ShowHint is set and whose short hint is not empty
// (and the application's ShowHint is set), the short hint shows after the application's
// HintPause just below the pointer, for HintHidePause. A timer polls the pointer meanwhile, so
// leaving the host window (which sends no message on Windows 95) hides the hint too. A mouse
// button or a key, the application losing the activation, or the control going hidden,
// disabled or away hide it at once.
class HintController {
public:
    HintController();
    ~HintController();
    HintController(const HintController&) = delete;
    HintController& operator=(const HintController&) = delete;

    // The mouse is over a point of a host's client area (client coordinates).
    void MouseMove(GraphicHost& host, POINT point);
    // Hides the hint shown or pending; the control stays silent until the mouse leaves it.
    void Cancel();
    void ControlGone(const GraphicControl* control);
    void HostGone(const GraphicHost* host);

    HintWindow* Window() const { return window_.get(); }
    // The control the mouse is over, as far as hints know (null when none).
    GraphicControl* CurrentControl() const { return current_; }
    bool HintShowing() const { return shown_; }

private:
    enum : UINT_PTR { kShowTimer = 1, kHideTimer = 2, kPollTimer = 3 };

    void MouseOver(GraphicHost* host, GraphicControl* control);
    bool CanShow(const GraphicControl* control) const;
    // Starts the pause before showing: HintShortPause while hints come in quick succession.
    void StartPause(bool quick);
    void UpdatePolling();
    void Timer(UINT_PTR id);
    void Show();
    void HideWindow();
    void Poll();
    void Forget();
    HintWindow& EnsureWindow();

    std::unique_ptr<HintWindow> window_;
    GraphicHost* host_ = nullptr;         // of the control under the mouse
    GraphicControl* current_ = nullptr;   // under the mouse
    GraphicControl* dismissed_ = nullptr; // cancelled: silent until the mouse leaves it
    bool shown_ = false;
    bool pending_ = false; // the pause before showing runs
    bool polling_ = false;
    bool active_ = false; // a hint showed and the mouse went on straight to hinted controls
};

// The hooks the framework calls: a host passes every message it receives first (mouse moves
// and button presses matter), and reports controls and hosts that go away.
void HintHostMessage(GraphicHost& host, UINT message, LPARAM lParam);
void HintControlGone(const GraphicControl* control);
void HintHostGone(const GraphicHost* host);
// Key presses and mouse button presses end a hint wherever they happen.
bool IsHintCancellingInput(UINT message);

} // namespace qv
