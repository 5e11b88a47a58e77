#pragma once
// A memory surface of four bits a pixel in the sixteen colours of the standard VGA driver, for
// the tests of drawing on such a screen.
#include "framework/core/SixteenColors.h"
#include <windows.h>

namespace qvtest {

class FourBitSurface {
public:
    FourBitSurface(int width, int height) : width_(width) {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colors[16];
        } format{};
        format.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, 4, BI_RGB, 0, 0, 0, 16, 0};
        for (int i = 0; i < 16; ++i)
            format.colors[i] =
                RGBQUAD{BYTE(qv::kSixteenColors[i] >> 16), BYTE(qv::kSixteenColors[i] >> 8),
                        BYTE(qv::kSixteenColors[i]), 0};
        bitmap_ = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&format), DIB_RGB_COLORS,
                                   reinterpret_cast<void**>(&bits_), nullptr, 0);
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~FourBitSurface() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    FourBitSurface(const FourBitSurface&) = delete;
    FourBitSurface& operator=(const FourBitSurface&) = delete;

    HDC Dc() const { return dc_; }
    // The colour of a pixel (rows top-down, each padded to four bytes).
    COLORREF At(int x, int y) const {
        GdiFlush();
        const BYTE pair = bits_[y * ((width_ * 4 + 31) / 32 * 4) + x / 2];
        return qv::kSixteenColors[x % 2 ? pair & 0x0F : pair >> 4];
    }

private:
    int width_;
    HBITMAP bitmap_ = nullptr;
    BYTE* bits_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

} // namespace qvtest
