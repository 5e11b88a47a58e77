#pragma once
#include "framework/Control.h"

namespace qv {

// A picture: an icon from the program's resources. It sizes itself to the picture, keeping
// its top-left corner.
class Picture : public Control {
public:
    // Loads the icon resource (32 by 32) and shows it.
    void SetIconResource(int resourceId);
    HICON Icon() const { return icon_; }

protected:
    void CreateHandle(HWND parent, const RECT& bounds, const char* text) override;

private:
    HICON icon_ = nullptr;
};

} // namespace qv
