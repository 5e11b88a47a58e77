#pragma once
#include <windows.h>
#include <array>

namespace qv {

// A small picture for a button, kept as data: 16 rows of 16 characters, one character per
// pixel. ' ' lets the button face show through; the other characters pick a colour:
//   'k' black, 'w' white, 'g' dark green, 'G' green, 'r' dark red, 'R' red,
//   's' the button-shadow colour, 'h' the button-highlight colour.
struct ButtonPicture {
    static constexpr int kSize = 16;
    std::array<const char*, kSize> rows;
};

// The colour of a picture character; false for ' ' and for characters without a colour.
bool ButtonPictureColor(char pixel, COLORREF& color);

// Draws the picture with its top-left corner at (x, y).
void DrawButtonPicture(HDC dc, const ButtonPicture& picture, int x, int y);

} // namespace qv
