#pragma once
#include "framework/Control.h"
#include <cstdint>
#include <functional>

namespace qv {

// A number field with up and down buttons: an edit and a pair of arrow buttons in one frame.
//
// Value() parses the text (leading blanks, one sign, 32 bits); text that does not parse reads as
// MinValue; reading never holds the value to the range. SetValue holds the value to
// MinValue..MaxValue (equal bounds: no range) and writes it as decimal text. OnChange is raised
// on every change of the text, typed or set; setting the text it already shows raises nothing.
// The Up/Down keys and the buttons step by Increment from the value read. A button steps once
// when released over it and, held down, 400 ms after the press and then every 100 ms.
// Typing accepts 0-9, "+", "-", the decimal separator and control characters but Enter;
// anything else beeps (MessageBeep(0) through qv::DefaultBeep) and leaves the text.
// OnKeyUp reports every released key. When the focus moves to another control of the same
// window, OnExit runs, then a value read outside the range is set again (held to it).
class SpinEdit : public Control {
public:
    SpinEdit();
    ~SpinEdit() override;

    std::int32_t Value() const;
    void SetValue(std::int32_t value);
    std::int32_t MinValue() const { return minValue_; }
    std::int32_t MaxValue() const { return maxValue_; }
    // Changing a bound does not touch the text.
    void SetMinValue(std::int32_t value) { minValue_ = value; }
    void SetMaxValue(std::int32_t value) { maxValue_ = value; }
    std::int32_t Increment() const { return increment_; }
    void SetIncrement(std::int32_t increment) { increment_ = increment; }
    void StepUp();
    void StepDown();

    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SetEnabled(bool enabled) override;
    void SetFocus() override;
    bool TabStop() const override { return true; }

    // The parts, for tests and for the help chain.
    HWND EditHandle() const;
    HWND ButtonHandle() const;

    std::function<void(Component& sender)> OnChange;
    std::function<void(Component& sender)> OnExit;
    std::function<void(Component& sender, unsigned key)> OnKeyUp;

protected:
    void CreateHandle(HWND parent, const RECT& bounds, const char* text) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    class Editor;
    class Buttons;
    friend class Editor;
    friend class Buttons;

    void TextChanged();
    void FocusLeft();

    Editor* editor_;
    Buttons* buttons_;
    std::int32_t minValue_ = 0;
    std::int32_t maxValue_ = 0;
    std::int32_t increment_ = 1;
    bool settingText_ = false;
};

} // namespace qv
