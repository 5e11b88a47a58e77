#pragma once
#include "framework/Component.h"
#include "framework/GraphicControl.h"
#include "framework/Gdi.h"
#include "widgets/GIFImage/core/GifImageData.h"
#include "widgets/TimerEx/TimerEx.h"
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qv {

class TFrame;

// The types of the framework properties and events the image control publishes (see below).
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
using TCursor = int;
constexpr TCursor crDefault = 0, crDrag = -12;
using TShiftState = unsigned;
using MouseEvent =
    std::function<void(Component& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Component& sender, TShiftState shift, int x, int y)>;
using DragOverEvent = std::function<void(Component& sender, Component& source, int x, int y,
                                         TDragState state, bool& accept)>;
using DragDropEvent = std::function<void(Component& sender, Component& source, int x, int y)>;
using EndDragEvent = std::function<void(Component& sender, Component* target, int x, int y)>;

// A window-less control that shows a GIF picture: it composes the frames on an off-screen
// surface, paints it centred, stretched, fitted or tiled, lets transparent pixels show what its
// parent painted underneath, and animates multi-frame pictures on a TTimerEx.
// Load failures are reported through the boolean results and GIFStatus, never as exceptions
// (except a file that exists but cannot be read).
class TGIFImage : public GraphicControl, private GifImageData {
public:
    using TProgressEvent =
        std::function<void(Component& sender, int bytesProcessed, int bytesToProcess,
                           int percentageProcessed, bool& keepOnProcessing)>;

    explicit TGIFImage(GraphicHost& host);
    ~TGIFImage() override;

    // Loading. Both return false on failure (GIFStatus tells why) and leave the control empty,
    // except a missing file (status 7), which keeps the current picture.
    bool LoadFile(const std::string& fileName);
    bool LoadStream(const std::vector<std::uint8_t>& bytes);
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName) { LoadFile(fileName); }

    // The "Data" value as the form streams it: a 4-byte count, then the GIF bytes.
    void ReadDataValue(const std::vector<std::uint8_t>& value);
    std::vector<std::uint8_t> WriteDataValue() const;
    bool HasDataValue() const { return !StoredData.empty(); }
    const std::vector<std::uint8_t>& Data() const { return StoredData; }
    // Runs once the form has streamed the control's properties: decodes the stored data.
    void AfterStreaming();

    bool Animate() const { return animate_; }
    void SetAnimate(bool animate);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    int CurrentFrame() const { return currentFrame_; }
    void SetCurrentFrame(int frame);
    bool Loop() const { return loop_; }
    void SetLoop(bool loop);
    int Speed() const { return speed_; }
    void SetSpeed(int speed);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool StretchRatio() const { return stretchRatio_; }
    void SetStretchRatio(bool stretchRatio);
    bool Tile() const { return tile_; }
    void SetTile(bool tile);
    bool Threaded() const { return timer_->Threaded(); }
    void SetThreaded(bool threaded) { timer_->SetThreaded(threaded); }
    TThreadPriority ThreadPriority() const { return timer_->ThreadPriority(); }
    void SetThreadPriority(TThreadPriority p) { timer_->SetThreadPriority(p); }
    // The control's own switch for showing the picture (apart from the framework's Showing).
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    NotifyEvent OnChanging;
    NotifyEvent OnChange;
    NotifyEvent OnWrapAnimation;
    void SetOnProgress(TProgressEvent handler);

    // Published with the framework's meaning and kept as given, for a program that sets them;
    // the dialog's picture takes no input and is placed by its bounds, so nothing acts on them.
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align) { align_ = align; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) { hint_ = std::move(hint); }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show) { showHint_ = show; }
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint) { parentShowHint_ = parentShowHint; }
    Component* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(Component* menu) { popupMenu_ = menu; }
    NotifyEvent OnClick, OnDblClick, OnStartDrag;
    MouseEvent OnMouseDown, OnMouseUp;
    MouseMoveEvent OnMouseMove;
    DragOverEvent OnDragOver;
    DragDropEvent OnDragDrop;
    EndDragEvent OnEndDrag;

    // What the picture is (read-only).
    bool Empty() const { return empty_; }
    bool Animated() const { return animated_; }
    using GifImageData::FrameCount;
    using GifImageData::HasTransparency;
    using GifImageData::LoopCount;
    using GifImageData::ScreenHeight;
    using GifImageData::ScreenWidth;
    int LoopsDone() const { return loopsDone_; }
    // The logical palette of the frame on show (null when none applies).
    HPALETTE CurrentPalette() const;
    // The one the form realizes when the system palette changes hands.
    HPALETTE Palette() const override { return CurrentPalette(); }
    // The animation's timer, for inspection: its Interval is the requested frame time.
    TTimerEx& Timer() { return *timer_; }
    // The picture as it currently stands (null while empty); for inspection.
    HDC CompositeDc() const { return composite_.Dc(); }
    HDC MaskDc() const { return mask_.Dc(); }

    void Paint(HDC dc) override;

protected:
    std::unique_ptr<GifFrameData> CreateFrame() override;
    void FrameRead(GifFrameData& frame) override;
    void AfterParse() override;
    virtual void NotifyChanging();
    virtual void NotifyChange();

private:
    TFrame& FrameNo(int number); // 1-based
    TFrame* CompositingFrame(int number);
    bool ValidFrame(int number) const { return number >= 1 && number <= FrameCount(); }
    bool RunDecode();
    std::string SurfaceError() const;
    void ClearPicture();
    void Reset();
    void ApplyAutoSize();
    void UpdateStretchedAndOpacity();
    bool ComputeOpaque() const;
    void SetFrameInterval(int frameNumber);
    void RepaintNow();

    // Compositing (GIFImageComposite.cpp).
    void DrawFrame(int number);
    void DisposeFrame(int number);
    // Painting (GIFImagePaint.cpp).
    void PaintMessage(HDC canvas);
    void PaintPicture(HDC canvas);
    void PaintMasked(HDC canvas, const RECT& dest);
    void PaintDirect(HDC canvas, const RECT& dest);
    RECT DestinationRect() const;
    void Tick();

    std::unique_ptr<TTimerEx> timer_;
    std::string fileName_;
    MemorySurface composite_, mask_, background_;
    TProgressEvent onProgress_;

    bool animate_ = false, autoSize_ = false, center_ = false, loop_ = false;
    bool stretch_ = false, stretchRatio_ = false, tile_ = false, visible_ = true;
    int speed_ = 100;
    int currentFrame_ = 1;
    int loopsDone_ = 1;
    bool empty_ = true, animated_ = false, stretched_ = false;
    bool skipDisposal_ = true, captureBackground_ = false;
    bool paintingNow_ = false;

    TAlign align_ = alNone;
    TCursor cursor_ = crDefault, dragCursor_ = crDrag;
    TDragMode dragMode_ = dmManual;
    std::string hint_;
    bool showHint_ = false, parentShowHint_ = true;
    Component* popupMenu_ = nullptr;
};

} // namespace qv
