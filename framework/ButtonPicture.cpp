#include "framework/ButtonPicture.h"
#include <cstring>

namespace qv {

bool ButtonPictureColor(char pixel, COLORREF& color) {
    switch (pixel) {
    case 'k':
        color = RGB(0, 0, 0);
        return true;
    case 'w':
        color = RGB(255, 255, 255);
        return true;
    case 'g':
        color = RGB(0, 128, 0);
        return true;
    case 'G':
        color = RGB(0, 255, 0);
        return true;
    case 'r':
        color = RGB(128, 0, 0);
        return true;
    case 'R':
        color = RGB(255, 0, 0);
        return true;
    case 's':
        color = GetSysColor(COLOR_BTNSHADOW);
        return true;
    case 'h':
        color = GetSysColor(COLOR_BTNHIGHLIGHT);
        return true;
    default:
        return false;
    }
}

void DrawButtonPicture(HDC dc, const ButtonPicture& picture, int x, int y) {
    // 256 pixels at most: plain pixel writes are cheap enough and keep the picture exact.
    for (int row = 0; row < ButtonPicture::kSize; ++row) {
        const char* line = picture.rows[row];
        int length = line ? static_cast<int>(std::strlen(line)) : 0;
        for (int column = 0; column < length && column < ButtonPicture::kSize; ++column) {
            COLORREF color;
            if (ButtonPictureColor(line[column], color))
                SetPixelV(dc, x + column, y + row, color);
        }
    }
}

} // namespace qv
