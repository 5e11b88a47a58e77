#pragma once
#include "framework/Control.h"
#include <functional>

namespace qv {

// A horizontal track bar (comctl32) with tick marks below the bar.
// A position set by the program is held to Min..Max and raises nothing; so is the position when
// SetMax lowers the range below it. Every scroll notification that the user's mouse or keys
// cause raises OnChange once, even when the position stayed as it was.
class TrackBar : public Control {
public:
    int Min() const;
    int Max() const;
    int Position() const;
    void SetRange(int min, int max);
    void SetMin(int min);
    void SetMax(int max);
    void SetPosition(int position);
    void SetLineSize(int size);
    void SetPageSize(int size);
    int LineSize() const;
    int PageSize() const;
    // Draws a tick mark at every frequency-th value.
    void SetTickFrequency(int frequency);
    int TickFrequency() const { return tickFrequency_; }
    bool TabStop() const override { return true; }

    std::function<void(Component& sender)> OnChange;

protected:
    void CreateHandle(HWND parent, const RECT& bounds, const char* text) override;
    bool OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    int tickFrequency_ = 1;
};

} // namespace qv
