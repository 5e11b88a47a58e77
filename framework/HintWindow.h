#pragma once
#include "framework/Window.h"
#include <functional>
#include <string>

namespace qv {

// The small pop-up a hint shows in: tooltip colours, a one-pixel black frame and the
// framework's small font. It never takes the activation, the focus or the mouse (clicks and
// moves over it go to the window underneath). It also carries the hint timers.
class HintWindow : public Window {
public:
    HintWindow();

    // The size the window needs for a text, no wider than maxWidth where the text can wrap.
    SIZE CalcHintSize(const std::string& text, int maxWidth) const;
    // Shows the text at screen bounds, above every other window, without activating.
    void ActivateHint(const RECT& screenBounds, const std::string& text);
    // Hides the window (the handle is kept for the next hint).
    void ReleaseHint();
    bool Showing() const { return Visible(); }

    // Window timers on the hint window; OnTimer receives the timer id.
    void StartTimer(UINT_PTR id, unsigned milliseconds);
    void StopTimer(UINT_PTR id);
    std::function<void(UINT_PTR id)> OnTimer;
    // Runs when another application becomes active.
    std::function<void()> OnDeactivateApp;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint(HDC dc);
};

// Where a hint of a given size shows for the mouse at a screen point: just below the pointer
// (below the visible part of the current cursor), kept on the screen; above the pointer when
// there is no room below.
RECT HintBoundsAt(POINT pointer, SIZE size);

} // namespace qv
