#include "widgets/GIFImage/GIFImage.h"
#include "framework/Exceptions.h"
#include "widgets/GIFImage/Frame.h"
#include "widgets/GIFImage/core/GifDataValue.h"
#include "widgets/GIFImage/core/GifLayout.h"

namespace qv {

TGIFImage::TGIFImage(GraphicHost& host)
    : GraphicControl(host), timer_(std::make_unique<TTimerEx>()) {
    SetBounds(0, 0, 105, 105);
    // The worker starts paused and stays so until an animated picture enables the timer.
    timer_->SetEnabled(false);
    timer_->SetOnTimer([this](Component&) { Tick(); });
    GifImageData::OnProgress = [this](const GifProgress& p, bool& keepOnProcessing) {
        if (onProgress_)
            onProgress_(*this, p.BytesProcessed, p.BytesToProcess, p.PercentageProcessed,
                        keepOnProcessing);
    };
}

TGIFImage::~TGIFImage() {
    timer_.reset(); // first, so that no tick arrives during the rest
    Clear();
    background_.Release();
    mask_.Release();
    composite_.Release();
}

// --- Loading -----------------------------------------------------------------------------

namespace {
// The whole file; a file that exists but cannot be read raises.
std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName) {
    struct File {
        HANDLE h;
        ~File() {
            if (h != INVALID_HANDLE_VALUE)
                CloseHandle(h);
        }
    } file{CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr)};
    DWORD size = file.h == INVALID_HANDLE_VALUE ? INVALID_FILE_SIZE : GetFileSize(file.h, nullptr);
    if (size == INVALID_FILE_SIZE)
        throw Exception("Cannot read " + fileName);
    std::vector<std::uint8_t> bytes(size);
    DWORD read = 0;
    if (size > 0 && (!ReadFile(file.h, bytes.data(), size, &read, nullptr) || read != size))
        throw Exception("Cannot read " + fileName);
    return bytes;
}
} // namespace

bool TGIFImage::LoadFile(const std::string& fileName) {
    DWORD attributes = GetFileAttributesA(fileName.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        GIFStatus = GifFileMissing;
        return false;
    }
    fileName_ = fileName;
    WorkBuffer = ReadWholeFile(fileName);
    return RunDecode();
}

bool TGIFImage::LoadStream(const std::vector<std::uint8_t>& bytes) {
    WorkBuffer = bytes;
    return RunDecode();
}

bool TGIFImage::RunDecode() {
    bool ok = false;
    try {
        ClearPicture();
        ok = Decode();
    } catch (...) {
        ok = false; // EAbort from a cancelling progress handler, or any other failure
    }
    WorkBuffer.clear();
    if (!ok) {
        Reset();
        return false;
    }
    Invalidate();
    GIFStatus = GifLoaded;
    return true;
}

void TGIFImage::ClearPicture() {
    empty_ = true;
    animated_ = false;
    timer_->SetEnabled(false);
    Clear();
    currentFrame_ = 1;
    loopsDone_ = 1;
    skipDisposal_ = true;
    KeepOnProcessing = true;
}

void TGIFImage::Reset() {
    ClearPicture();
    StoredData.clear();
    fileName_.clear();
    background_.Release();
    mask_.Release();
    composite_.Release();
    SetOpaque(false);
    Invalidate();
}

std::unique_ptr<GifFrameData> TGIFImage::CreateFrame() {
    return std::make_unique<TFrame>();
}

void TGIFImage::FrameRead(GifFrameData& frame) {
    static_cast<TFrame&>(frame).BuildBitmaps();
}

std::string TGIFImage::SurfaceError() const {
    return "Cannot create a drawing surface of " + std::to_string(ScreenWidth()) + " x " +
           std::to_string(ScreenHeight()) + " pixels";
}

// The end of a decode: surfaces for the new picture, size, opacity, and the first frame. A
// picture whose surfaces cannot be made cannot be drawn: the load fails (EOutOfResources).
void TGIFImage::AfterParse() {
    composite_.Release();
    {
        WindowDC canvas(HostWindow());
        composite_ = MemorySurface::Compatible(canvas.Get(), ScreenWidth(), ScreenHeight());
    }
    if (!composite_)
        throw EOutOfResources(SurfaceError());
    if (autoSize_)
        ApplyAutoSize();
    animated_ = FrameCount() > 1;
    empty_ = false;
    UpdateStretchedAndOpacity();
    PatBlt(composite_.Dc(), 0, 0, ScreenWidth(), ScreenHeight(), BLACKNESS);
    mask_.Release();
    if (HasTransparency()) {
        mask_ = MemorySurface::Monochrome(ScreenWidth(), ScreenHeight());
        if (!mask_)
            throw EOutOfResources(SurfaceError());
        PatBlt(mask_.Dc(), 0, 0, ScreenWidth(), ScreenHeight(), WHITENESS);
    }
    timer_->SetInterval(1);
    NotifyChanging();
    DrawFrame(currentFrame_);
    NotifyChange();
}

// --- Streaming ---------------------------------------------------------------------------

void TGIFImage::ReadDataValue(const std::vector<std::uint8_t>& value) {
    qv::ReadDataValue(value.data(), value.size(), StoredData);
}

std::vector<std::uint8_t> TGIFImage::WriteDataValue() const {
    return qv::WriteDataValue(StoredData);
}

void TGIFImage::AfterStreaming() {
    if (!StoredData.empty())
        LoadStream(std::vector<std::uint8_t>(StoredData));
}

void TGIFImage::SetOnProgress(TProgressEvent handler) {
    onProgress_ = std::move(handler);
}

// --- Appearance --------------------------------------------------------------------------

namespace {
template <class T>
bool Store(T& field, T value) {
    if (field == value)
        return false;
    field = value;
    return true;
}
} // namespace

void TGIFImage::SetCenter(bool center) {
    if (Store(center_, center))
        Invalidate();
}

void TGIFImage::SetStretch(bool stretch) {
    if (Store(stretch_, stretch))
        Invalidate();
}

void TGIFImage::SetStretchRatio(bool stretchRatio) {
    if (Store(stretchRatio_, stretchRatio))
        Invalidate();
}

void TGIFImage::SetTile(bool tile) {
    if (Store(tile_, tile))
        Invalidate();
}

void TGIFImage::SetVisible(bool visible) {
    if (Store(visible_, visible))
        Invalidate();
}

void TGIFImage::SetAutoSize(bool autoSize) {
    if (!Store(autoSize_, autoSize))
        return;
    if (autoSize_ && !empty_) {
        ApplyAutoSize();
        Invalidate();
    }
}

void TGIFImage::ApplyAutoSize() {
    SetBounds(Left(), Top(), ScreenWidth(), ScreenHeight());
}

bool TGIFImage::ComputeOpaque() const {
    return IsOpaque({visible_, !empty_, HasTransparency(), stretchRatio_, tile_, stretch_,
                     ScreenWidth(), ScreenHeight(), Width(), Height()});
}

void TGIFImage::UpdateStretchedAndOpacity() {
    stretched_ =
        (stretch_ || stretchRatio_) && (Width() != ScreenWidth() || Height() != ScreenHeight());
    SetOpaque(ComputeOpaque());
}

HPALETTE TGIFImage::CurrentPalette() const {
    if (empty_ || FrameCount() < 1 || !visible_ || !ValidFrame(currentFrame_))
        return nullptr;
    return const_cast<TGIFImage*>(this)->FrameNo(currentFrame_).BitmapPalette();
}

void TGIFImage::NotifyChanging() {
    if (OnChanging)
        OnChanging(*this);
}

void TGIFImage::NotifyChange() {
    if (OnChange)
        OnChange(*this);
}

} // namespace qv
