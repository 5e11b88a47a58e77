#pragma once
#include "widgets/GIFImage/GifFrameBitmaps.h"
#include "widgets/GIFImage/core/GifFrameData.h"
#include <windows.h>

namespace qv {

// One frame of the image control: the decoder's record plus its drawable bitmaps.
//  - Bitmap: screen-compatible, the frame's pixels, transparent pixels black, with its logical
//    palette (BitmapPalette);
//  - Mask: only when Transparent; white where transparent, black where opaque;
//  - SavedImage / SavedMask: only when Disposal is 3; what lay under the frame on the
//    control's composite and mask before it was drawn.
class TFrame : public GifFrameData {
public:
    // Builds the bitmaps from the decoded matrices, then frees the matrices.
    void BuildBitmaps();

    HBITMAP Bitmap() const { return bitmaps_.Bitmap.bitmap.Get(); }
    HPALETTE BitmapPalette() const { return bitmaps_.Bitmap.palette.Get(); }
    HBITMAP MaskBitmap() const { return bitmaps_.Mask.bitmap.Get(); }

    // Disposal 3: keeps the area under the frame (`mask` may be null) and puts it back.
    void SaveUnderneath(HDC composite, HDC mask);
    void RestoreUnderneath(HDC composite, HDC mask);

private:
    GifFrameBitmaps bitmaps_;
    BitmapHandle savedImage_;
    BitmapHandle savedMask_;
};

} // namespace qv
