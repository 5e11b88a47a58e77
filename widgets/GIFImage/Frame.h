#pragma once
#include "widgets/GIFImage/core/GifFrameData.h"
#include <windows.h>

namespace qv {

// One frame of the image control: the decoder's record plus its drawable bitmaps.
//  - Bitmap: screen-compatible, the frame's pixels, transparent pixels black; its logical
//    palette (BitmapPalette) is built from the frame's colour table;
//  - Mask: only when Transparent; monochrome, white where transparent, black where opaque;
//  - SavedImage / SavedMask: only when Disposal is 3; what lay under the frame on the
//    control's composite and mask before it was drawn.
class TFrame : public GifFrameData {
public:
    TFrame() = default;
    ~TFrame() override;

    // Builds Bitmap, its palette and Mask from the decoded matrices, then frees the matrices.
    void BuildBitmaps();

    HBITMAP Bitmap() const { return bitmap_; }
    HPALETTE BitmapPalette() const { return palette_; }
    HBITMAP MaskBitmap() const { return mask_; }

    // Disposal 3: keeps the area under the frame (`mask` may be null) and puts it back.
    void SaveUnderneath(HDC composite, HDC mask);
    void RestoreUnderneath(HDC composite, HDC mask);

private:
    void BuildImage();
    void BuildMask();
    void BlackenTransparentPixels();

    HBITMAP bitmap_ = nullptr;
    HPALETTE palette_ = nullptr;
    HBITMAP mask_ = nullptr;
    HBITMAP savedImage_ = nullptr;
    HBITMAP savedMask_ = nullptr;
};

} // namespace qv
