// The image control's drawing: frames onto the composite and mask, and the composite onto the
// parent's surface, masked over the parent's captured background when the picture is
// transparent.
#include "widgets/GIFImage/Frame.h"
#include "widgets/GIFImage/GIFImage.h"
#include "widgets/GIFImage/core/GifLayout.h"

namespace qv {

TFrame& TGIFImage::FrameNo(int number) {
    return static_cast<TFrame&>(Frame(number - 1));
}

// The frame to draw or dispose of; null (with status 5 for a bad number) when there is none.
TFrame* TGIFImage::CompositingFrame(int number) {
    if (!ValidFrame(number)) {
        GIFStatus = GifBadFrameNumber;
        return nullptr;
    }
    TFrame& f = FrameNo(number);
    return composite_ && f.Width > 0 && f.Height > 0 ? &f : nullptr;
}

// --- Compositing -------------------------------------------------------------------------

void TGIFImage::DrawFrame(int number) {
    TFrame* frame = CompositingFrame(number);
    if (!frame)
        return;
    TFrame& f = *frame;
    HDC composite = composite_.Dc();
    if (f.Disposal == 3)
        f.SaveUnderneath(composite, mask_.Dc());
    PaletteSelection palette(composite, CurrentPalette());
    if (f.Transparent && f.MaskBitmap()) {
        // The frame's mask is white where it is transparent; its bitmap is black there.
        BitmapSource frameMask(f.MaskBitmap());
        if (mask_)
            BitBlt(mask_.Dc(), f.Left, f.Top, f.Width, f.Height, frameMask.Dc(), 0, 0, SRCAND);
        BitBlt(composite, f.Left, f.Top, f.Width, f.Height, frameMask.Dc(), 0, 0, SRCAND);
        BitmapSource image(f.Bitmap());
        BitBlt(composite, f.Left, f.Top, f.Width, f.Height, image.Dc(), 0, 0, SRCINVERT);
    } else {
        if (mask_)
            PatBlt(mask_.Dc(), f.Left, f.Top, f.Width, f.Height, BLACKNESS);
        BitmapSource image(f.Bitmap());
        BitBlt(composite, f.Left, f.Top, f.Width, f.Height, image.Dc(), 0, 0, SRCCOPY);
    }
}

void TGIFImage::DisposeFrame(int number) {
    TFrame* frame = CompositingFrame(number);
    if (!frame)
        return;
    TFrame& f = *frame;
    if (f.Disposal == 2) {
        // Transparent again where the picture has transparency, black otherwise.
        if (mask_)
            PatBlt(mask_.Dc(), f.Left, f.Top, f.Width, f.Height, WHITENESS);
        PatBlt(composite_.Dc(), f.Left, f.Top, f.Width, f.Height, BLACKNESS);
    } else if (f.Disposal == 3) {
        f.RestoreUnderneath(composite_.Dc(), mask_.Dc());
    }
}

// --- Painting ----------------------------------------------------------------------------

void TGIFImage::Paint(HDC dc) {
    if (paintingNow_) { // a tick's direct repaint: no background capture, no timer decision
        PaletteSelection palette(dc, CurrentPalette());
        PaintPicture(dc);
        return;
    }
    PaintMessage(dc);
}

void TGIFImage::PaintMessage(HDC canvas) {
    const bool wasOpaque = Opaque();
    UpdateStretchedAndOpacity();
    if (Opaque() != wasOpaque) {
        Invalidate(); // the parent must paint (or skip) its background first
        return;
    }
    captureBackground_ = !Opaque();
    {
        PaletteSelection palette(canvas, CurrentPalette());
        PaintPicture(canvas);
    }
    timer_->SetEnabled(animated_ && animate_ && !empty_ &&
                       (loopsDone_ <= LoopCount() || loop_ || LoopCount() == 0));
}

void TGIFImage::PaintPicture(HDC canvas) {
    if (empty_ || FrameCount() < 1 || !visible_ || !composite_)
        return;
    if (ScreenWidth() <= 0 || ScreenHeight() <= 0)
        return; // nothing to draw, and the tiling arithmetic would divide by zero
    PaletteSelection palette(canvas, CurrentPalette());
    if (!background_ || background_.Width() != Width() || background_.Height() != Height()) {
        background_.Release();
        background_ = MemorySurface::Compatible(nullptr, Width(), Height());
    }
    if (captureBackground_) {
        RECT clip;
        if (GetClipBox(canvas, &clip) != ERROR && background_)
            BitBlt(background_.Dc(), clip.left, clip.top, clip.right - clip.left,
                   clip.bottom - clip.top, canvas, clip.left, clip.top, SRCCOPY);
        captureBackground_ = false;
    }
    RECT dest = DestinationRect();
    if (FrameNo(1).Transparent && mask_)
        PaintMasked(canvas, dest);
    else
        PaintDirect(canvas, dest);
}

RECT TGIFImage::DestinationRect() const {
    if (stretched_ && stretchRatio_ && !stretch_) {
        LayoutRect r = RatioRect(Width(), Height(), ScreenWidth(), ScreenHeight());
        return RECT{r.left, r.top, r.right, r.bottom};
    }
    return ClientRect();
}

namespace {
// Copies `source` (w x h) onto `dest` at every tile position of an area.
void TileOnto(HDC dest, int areaWidth, int areaHeight, HDC source, int w, int h, DWORD rop) {
    for (int r = 0; r <= LastTileIndex(areaHeight, h); ++r)
        for (int c = 0; c <= LastTileIndex(areaWidth, w); ++c)
            BitBlt(dest, c * w, r * h, w, h, source, 0, 0, rop);
}
} // namespace

void TGIFImage::PaintMasked(HDC canvas, const RECT& dest) {
    const int sw = ScreenWidth(), sh = ScreenHeight();
    int originX = 0, originY = 0;
    int workWidth = Width(), workHeight = Height();
    if (!stretched_ && !tile_) {
        workWidth = sw;
        workHeight = sh;
        if (center_) {
            originX = CenterOffset(Width(), sw);
            originY = CenterOffset(Height(), sh);
        }
    }
    MemorySurface work = MemorySurface::Compatible(canvas, workWidth, workHeight);
    if (!work)
        return;
    HDC w = work.Dc();
    BitBlt(w, 0, 0, workWidth, workHeight, background_.Dc(), originX, originY, SRCCOPY);
    PaletteSelection palette(w, CurrentPalette());
    if (stretched_) {
        const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
        StretchBlt(w, dest.left, dest.top, dw, dh, mask_.Dc(), 0, 0, sw, sh, SRCAND);
        StretchBlt(w, dest.left, dest.top, dw, dh, composite_.Dc(), 0, 0, sw, sh, SRCINVERT);
    } else if (tile_) {
        TileOnto(w, workWidth, workHeight, mask_.Dc(), sw, sh, SRCAND);
        TileOnto(w, workWidth, workHeight, composite_.Dc(), sw, sh, SRCINVERT);
    } else {
        BitBlt(w, 0, 0, sw, sh, mask_.Dc(), 0, 0, SRCAND);
        BitBlt(w, 0, 0, sw, sh, composite_.Dc(), 0, 0, SRCINVERT);
    }
    BitBlt(canvas, originX, originY, workWidth, workHeight, w, 0, 0, SRCCOPY);
}

void TGIFImage::PaintDirect(HDC canvas, const RECT& dest) {
    const int sw = ScreenWidth(), sh = ScreenHeight();
    HDC composite = composite_.Dc();
    if (stretched_) {
        int oldMode = SetStretchBltMode(canvas, COLORONCOLOR);
        StretchBlt(canvas, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
                   composite, 0, 0, sw, sh, SRCCOPY);
        SetStretchBltMode(canvas, oldMode);
    } else if (tile_) {
        TileOnto(canvas, Width(), Height(), composite, sw, sh, SRCCOPY);
    } else if (center_) {
        BitBlt(canvas, CenterOffset(Width(), sw), CenterOffset(Height(), sh), sw, sh, composite, 0,
               0, SRCCOPY);
    } else {
        BitBlt(canvas, 0, 0, sw, sh, composite, 0, 0, SRCCOPY);
    }
}

} // namespace qv
