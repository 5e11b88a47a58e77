#include "widgets/GIFImage/Frame.h"
#include "framework/Gdi.h"

namespace qv {

void TFrame::BuildBitmaps() {
    BuildFrameBitmaps(*this, bitmaps_);
    if (Disposal == 3 && Width > 0 && Height > 0) {
        WindowDC screen;
        savedImage_.Reset(CreateCompatibleBitmap(screen.Get(), Width, Height));
        savedMask_.Reset(CreateBitmap(Width, Height, 1, 1, nullptr));
    }
    ReleaseMatrices();
}

void TFrame::SaveUnderneath(HDC composite, HDC mask) {
    if (mask && savedMask_) {
        BitmapSource saved(savedMask_.Get());
        BitBlt(saved.Dc(), 0, 0, Width, Height, mask, Left, Top, SRCCOPY);
    }
    if (savedImage_) {
        BitmapSource saved(savedImage_.Get());
        BitBlt(saved.Dc(), 0, 0, Width, Height, composite, Left, Top, SRCCOPY);
    }
}

void TFrame::RestoreUnderneath(HDC composite, HDC mask) {
    if (mask && savedMask_) {
        BitmapSource saved(savedMask_.Get());
        BitBlt(mask, Left, Top, Width, Height, saved.Dc(), 0, 0, SRCCOPY);
    }
    if (savedImage_) {
        BitmapSource saved(savedImage_.Get());
        BitBlt(composite, Left, Top, Width, Height, saved.Dc(), 0, 0, SRCCOPY);
    }
}

} // namespace qv
