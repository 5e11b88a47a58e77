#pragma once
#include "framework/ButtonPicture.h"
#include "framework/Control.h"
#include <functional>

namespace qv {

// A push button with a small picture left of its caption ("&" marks the access key).
// Clicking it sets its form's modal result to the button's result (when not 0), then raises
// OnClick. Kind Default answers Enter when no other button has the focus; kind Cancel answers
// Escape (the first cancel button in the form's control order).
class BitButton : public Control {
public:
    enum class Kind { Normal, Default, Cancel };
    // The pictures drawn by the framework: a green tick, the "No" sign, the "Cancel" cross.
    enum class Glyph { None, Tick, No, Cancel };

    void SetKind(Kind kind) { kind_ = kind; }
    Kind GetKind() const { return kind_; }
    void SetGlyph(Glyph glyph);
    Glyph GetGlyph() const { return glyph_; }
    // A picture from the program's icon resources (drawn 16 by 16), instead of a glyph.
    void SetIconResource(int resourceId);
    // A picture of the button's own, kept as data: one image while enabled, one while disabled.
    // The pictures must outlive the button.
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
    void DrawPicture(HDC dc, int x, int y, bool enabled);

    Kind kind_ = Kind::Normal;
    Glyph glyph_ = Glyph::None;
    HICON icon_ = nullptr;
    const ButtonPicture* normalPicture_ = nullptr;
    const ButtonPicture* disabledPicture_ = nullptr;
    int modalResult_ = 0;
};

} // namespace qv
