// The hint properties of graphic controls and of the windows that host them.
#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/GraphicControl.h"

namespace qv {

void GraphicControl::SetHint(std::string hint) {
    hint_ = std::move(hint);
}

bool GraphicControl::ShowHint() const {
    return parentShowHint_ ? host_.ShowHint() : showHint_;
}

void GraphicControl::SetShowHint(bool show) {
    showHint_ = show;
    parentShowHint_ = false;
}

bool GraphicHost::ShowHint() const {
    return owner_ ? owner_->ShowHint() : showHint_;
}

bool ControlParent::ShowHint() const {
    const ControlParent* parent = HintParent();
    return parent && parentShowHint_ ? parent->ShowHint() : showHint_;
}

void ControlParent::SetShowHint(bool show) {
    showHint_ = show;
    parentShowHint_ = false;
}

} // namespace qv
