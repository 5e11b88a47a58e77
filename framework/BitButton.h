#pragma once
#include "framework/ButtonPicture.h"
#include "framework/Control.h"
#include <functional>

namespace qv {

// A push button with a small picture (ButtonPicture.h) left of its caption ("&" marks the access
// key). Clicking it sets its form's modal result to the button's result (when not 0), then raises
// OnClick. Kind Default answers Enter when no other button has the focus; kind Cancel answers
// Escape (the first cancel button in the form's control order).
class BitButton : public Control {
public:
    enum class Kind { Normal, Default, Cancel };
    // The framework's standard pictures (StandardPictures.h): a green tick, the "No" sign, the
    // "Cancel" cross.
    enum class Glyph { None, Tick, No, Cancel };

    void SetKind(Kind kind) { kind_ = kind; }
    Kind GetKind() const { return kind_; }
    // Shows one of the standard pictures.
    void SetGlyph(Glyph glyph);
    Glyph GetGlyph() const { return glyph_; }
    // Shows a picture of the button's own: one image while enabled, one while disabled. The
    // pictures must outlive the button.
    void SetPictures(const ButtonPicture& normal, const ButtonPicture& disabled);
    void SetModalResult(int result) { modalResult_ = result; }
    int ModalResult() const { return modalResult_; }
    bool TabStop() const override { return true; }
    // Presses the button as a click does.
    void Click();

    std::function<void(Component& sender)> OnClick;

protected:
    void CreateHandle(HWND parent, const RECT& bounds, const char* text) override;
    bool OnParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Draw(const DRAWITEMSTRUCT& item);

    Kind kind_ = Kind::Normal;
    Glyph glyph_ = Glyph::None;
    const ButtonPicture* normalPicture_ = nullptr;
    const ButtonPicture* disabledPicture_ = nullptr;
    int modalResult_ = 0;
};

} // namespace qv
