#include "widgets/GIFImage/core/GifImageData.h"

#include "framework/Exceptions.h"
#include "widgets/GIFImage/core/LzwRaster.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace qv {

namespace {

// A picture that would break a bound of GifLimits.h; the decode fails with this text.
class GifRefusal : public Exception {
public:
    using Exception::Exception;
};

std::string SizeText(std::uint64_t width, std::uint64_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

} // namespace

int GifPercentage(int processed, int total) {
    if (total == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t(processed) * 100;
    std::int64_t quotient = product / total;
    const std::int64_t remainder = product % total;
    if (2 * (remainder < 0 ? -remainder : remainder) >=
        (total < 0 ? -std::int64_t(total) : total)) {
        quotient += (product < 0) != (total < 0) ? -1 : 1;
    }
    return int(quotient);
}

// One decode: walks the work buffer once, front to back, and never past its end.
class GifImageData::Parser : private RasterProgress {
public:
    explicit Parser(GifImageData& image)
        : image_(image), data_(image.WorkBuffer.data()), size_(image.WorkBuffer.size()) {}

    void Run();

private:
    enum class FrameResult { Kept, Skipped, Stopped };

    std::uint8_t At(std::size_t offset) const { return offset < size_ ? data_[offset] : 0; }
    unsigned Word(std::size_t offset) const { return At(offset) | unsigned(At(offset + 1)) << 8; }
    void Advance(std::size_t count) { pos_ = count < size_ - pos_ ? pos_ + count : size_; }
    // Copies up to `count` bytes (fewer at the end of the data) and advances past them.
    void Copy(std::uint8_t* to, std::size_t count) {
        const std::size_t n = std::min(count, size_ - pos_);
        std::memcpy(to, data_ + pos_, n);
        pos_ += n;
    }
    void SkipSubBlock() {
        if (pos_ < size_) {
            Advance(std::size_t(1) + data_[pos_]);
        }
    }
    // Skips sub-blocks while their length byte is non-zero, then the zero terminator.
    void SkipSubBlocks() {
        while (pos_ < size_ && data_[pos_] != 0) {
            SkipSubBlock();
        }
        Advance(1);
    }

    void Report(std::size_t position);
    void NoteDamage(const std::string& text) {
        if (image_.damage_.empty()) {
            image_.damage_ = text;
        }
    }
    void NoteRasterDamage(const std::string& frameName);
    void RowDone(std::size_t position) override { Report(position); }
    void ReadLogicalScreen();
    bool ReadExtension();
    FrameResult ReadFrame();

    GifImageData& image_;
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::uint8_t pendingControl_[6] = {};
    std::string pendingComment_;
    std::uint64_t matrixBytes_ = 0;
    std::uint64_t coveredWidth_ = 0;
    std::uint64_t coveredHeight_ = 0;
};

void GifImageData::Parser::Report(std::size_t position) {
    if (!image_.OnProgress) {
        return;
    }
    GifProgress progress;
    progress.BytesProcessed = int(std::min<std::size_t>(position, INT_MAX));
    progress.BytesToProcess = int(std::min<std::size_t>(size_, INT_MAX));
    progress.PercentageProcessed = GifPercentage(progress.BytesProcessed, progress.BytesToProcess);
    image_.OnProgress(progress, image_.KeepOnProcessing);
    if (!image_.KeepOnProcessing) {
        GIFStatus = GifCancelled;
        throw EAbort();
    }
}

void GifImageData::Parser::ReadLogicalScreen() {
    // Header "GIFxxx" (the version is not examined), then the logical screen descriptor.
    image_.screenWidth_ = int(Word(6));
    image_.screenHeight_ = int(Word(8));
    const std::uint8_t flags = At(10);
    if (std::uint64_t(image_.screenWidth_) * std::uint64_t(image_.screenHeight_) >
        image_.Limits.screenPixels) {
        throw GifRefusal("The picture's logical screen is too large (" +
                         SizeText(image_.screenWidth_, image_.screenHeight_) + " pixels)");
    }
    coveredWidth_ = std::uint64_t(image_.screenWidth_);
    coveredHeight_ = std::uint64_t(image_.screenHeight_);
    pos_ = std::min<std::size_t>(13, size_);
    image_.globalTable_.fill(0);
    if (flags & 0x80) {
        image_.globalColorBits_ = (flags & 7) + 1;
        Copy(image_.globalTable_.data(), std::size_t(3) << image_.globalColorBits_);
    }
}

void GifImageData::Parser::Run() {
    ReadLogicalScreen();
    bool trailer = false;
    for (;;) {
        Report(pos_);
        const std::size_t before = pos_;
        if (pos_ < size_) {
            const std::uint8_t introducer = data_[pos_];
            if (introducer == '!') {
                if (!ReadExtension()) {
                    NoteDamage("Unknown extension at offset " + std::to_string(pos_) +
                               "; the rest is left out");
                    break;
                }
            } else if (introducer == ',') {
                if (image_.frames_.size() >= kGifMaxFrames) {
                    NoteDamage("Frames after the 256th are left out");
                    break;
                }
                if (ReadFrame() == FrameResult::Stopped) {
                    break;
                }
            } else if (introducer == ';') {
                pos_ = size_;
                trailer = true;
                break;
            } else {
                NoteDamage("Unknown block at offset " + std::to_string(pos_) +
                           "; the rest is left out");
            }
        }
        if (pos_ == before || !image_.KeepOnProcessing) {
            break;
        }
    }
    if (!trailer && pos_ >= size_) {
        NoteDamage("The data ends without a trailer");
    }
    Report(pos_);

    image_.screenWidth_ = int(coveredWidth_);
    image_.screenHeight_ = int(coveredHeight_);
}

// The parse position stands on "!". Returns false for a label it does not know (nothing read).
bool GifImageData::Parser::ReadExtension() {
    if (pos_ + 1 >= size_) {
        return false;
    }
    const std::uint8_t label = data_[pos_ + 1];
    switch (label) {
    case 0x01: // plain text: not rendered
        Advance(2);
        SkipSubBlock();
        SkipSubBlocks();
        return true;
    case 0xF9: // graphic control: block size, flags, delay (2), transparent index, terminator
        Advance(2);
        std::memset(pendingControl_, 0, sizeof pendingControl_);
        Copy(pendingControl_, sizeof pendingControl_);
        return true;
    case 0xFE: // comment: only the last one before an image counts
        Advance(2);
        pendingComment_.clear();
        while (pos_ < size_ && data_[pos_] != 0) {
            const std::size_t length = data_[pos_];
            const std::size_t n = std::min(length, size_ - pos_ - 1);
            pendingComment_.append(reinterpret_cast<const char*>(data_ + pos_ + 1), n);
            Advance(1 + length);
        }
        Advance(1);
        return true;
    case 0xFF: { // application: NETSCAPE2.0 carries the loop count
        Advance(2);
        const bool netscape = size_ - pos_ >= 12 &&
                              std::memcmp(data_ + pos_ + 1, "NETSCAPE", 8) == 0 &&
                              std::memcmp(data_ + pos_ + 9, "2.0", 3) == 0;
        if (netscape) {
            Advance(13); // to the sub-block identifier
            if (size_ - pos_ >= 3) {
                image_.loopCount_ = int(Word(pos_ + 1));
            }
            Advance(4); // identifier, count, terminator
        } else {
            SkipSubBlock();
            SkipSubBlocks();
        }
        return true;
    }
    default:
        return false;
    }
}

// The parse position stands on ",".
GifImageData::Parser::FrameResult GifImageData::Parser::ReadFrame() {
    if (size_ - pos_ < 10) {
        NoteDamage("The data ends inside the descriptor of frame " +
                   std::to_string(image_.frames_.size() + 1));
        pos_ = size_; // the picture ends here
        return FrameResult::Stopped;
    }
    std::unique_ptr<GifFrameData> owned = image_.CreateFrame();
    GifFrameData& f = *owned;
    f.Left = int(Word(pos_ + 1));
    f.Top = int(Word(pos_ + 3));
    f.Width = int(Word(pos_ + 5));
    f.Height = int(Word(pos_ + 7));
    const std::uint8_t flags = data_[pos_ + 9];
    pos_ += 10;
    if (flags & 0x80) {
        f.OwnsPalette = true;
        f.ColorBits = (flags & 7) + 1;
        Copy(f.LocalPalette.data(), std::size_t(3) << f.ColorBits);
        f.Palette = f.LocalPalette.data();
    } else {
        f.Palette = image_.globalTable_.data();
    }
    f.Interlaced = (flags & 0x40) != 0;

    const std::uint8_t control = pendingControl_[1];
    const int disposal = (control >> 2) & 7;
    f.Disposal = std::uint8_t(disposal > 3 ? 2 : disposal);
    f.Delay = int(pendingControl_[2] | unsigned(pendingControl_[3]) << 8) * 10;
    f.Transparent = (control & 1) != 0;
    f.TransparentIndex = pendingControl_[4];
    f.ColorsUsed = 1 << (f.OwnsPalette ? f.ColorBits : image_.globalColorBits_);
    std::memcpy(f.TransparentColor.data(), f.Palette + 3 * f.TransparentIndex, 3);
    f.Comment = std::move(pendingComment_);
    pendingComment_.clear();
    std::memset(pendingControl_, 0, sizeof pendingControl_);

    const std::uint64_t width = std::uint64_t(f.Width);
    const std::uint64_t height = std::uint64_t(f.Height);
    const std::uint64_t pixelStride = (width + 3) & ~std::uint64_t(3);
    const std::uint64_t maskStride = (width + 31) / 32 * 4;
    const std::uint64_t pixelBytes = pixelStride * height;
    const std::uint64_t maskBytes = f.Transparent ? maskStride * height : 0;
    const std::string frameName = "Frame " + std::to_string(image_.frames_.size() + 1);
    if (pixelBytes > image_.Limits.frameBytes) {
        throw GifRefusal(frameName + " is too large (" + SizeText(width, height) + " pixels)");
    }
    const std::uint64_t right = std::max(coveredWidth_, std::uint64_t(f.Left) + width);
    const std::uint64_t bottom = std::max(coveredHeight_, std::uint64_t(f.Top) + height);
    if (right * bottom > image_.Limits.screenPixels) {
        // So far outside the logical screen that covering it would pass the bound: read over.
        pos_ = image_.lzw_->Decode(data_, size_, pos_, RasterTarget{}, nullptr, 0);
        NoteDamage(frameName + " lies too far outside the logical screen and is left out");
        return FrameResult::Skipped;
    }
    matrixBytes_ += pixelBytes + maskBytes;
    if (matrixBytes_ > image_.Limits.pictureBytes) {
        throw GifRefusal("The picture's frames are too large together (more than " +
                         std::to_string(image_.Limits.pictureBytes >> 20) + " MiB at " + frameName +
                         ")");
    }
    coveredWidth_ = right;
    coveredHeight_ = bottom;

    f.PixelStride = int(pixelStride);
    f.Pixels.assign(pixelBytes, 0);
    RasterTarget target;
    target.pixels = f.Pixels.data();
    target.pixelStride = pixelStride;
    if (f.Transparent) {
        f.MaskStride = int(maskStride);
        f.Mask.assign(maskBytes, 0);
        target.mask = f.Mask.data();
        target.maskStride = maskStride;
    }
    target.width = f.Width;
    target.height = f.Height;
    target.interlaced = f.Interlaced;
    target.transparentIndex = f.TransparentIndex;
    const bool reportRows = image_.OnProgress && width * height > 100000;
    pos_ = image_.lzw_->Decode(data_, size_, pos_, target, reportRows ? this : nullptr,
                               f.Width > 320 ? 31u : 63u);
    NoteRasterDamage(frameName);

    image_.FrameRead(f);
    image_.globalColorBits_ = std::max(image_.globalColorBits_, f.ColorBits);
    image_.hasTransparency_ = image_.hasTransparency_ || f.Transparent;
    image_.anyInterlaced_ = image_.anyInterlaced_ || f.Interlaced;
    image_.frames_.push_back(std::move(owned));
    return FrameResult::Kept;
}

void GifImageData::Parser::NoteRasterDamage(const std::string& frameName) {
    const LzwDecoder& lzw = *image_.lzw_;
    if (lzw.LastCutOff()) {
        NoteDamage(frameName + ": the image data runs past the end of the data");
    }
    switch (lzw.LastOutcome()) {
    case LzwDecoder::Outcome::Complete:
    case LzwDecoder::Outcome::NoPixels:
        break;
    case LzwDecoder::Outcome::ShortData:
        NoteDamage(frameName + ": the image data ends before the last pixel");
        break;
    case LzwDecoder::Outcome::BadCode:
        NoteDamage(frameName + ": the image data is corrupt");
        break;
    case LzwDecoder::Outcome::BadCodeSize:
        NoteDamage(frameName + ": the image data has an invalid code size");
        break;
    }
}

GifImageData::GifImageData() : lzw_(std::make_unique<LzwDecoder>()) {}

GifImageData::~GifImageData() {
    Clear();
}

std::unique_ptr<GifFrameData> GifImageData::CreateFrame() {
    return std::make_unique<GifFrameData>();
}

void GifImageData::FrameRead(GifFrameData&) {}

void GifImageData::AfterParse() {}

void GifImageData::Clear() {
    while (!frames_.empty()) {
        frames_.pop_back(); // last to first
    }
    screenWidth_ = 0;
    screenHeight_ = 0;
    globalColorBits_ = 0;
    loopCount_ = 1;
    hasTransparency_ = false;
    anyInterlaced_ = false;
    KeepOnProcessing = true;
}

bool GifImageData::Decode() {
    GIFStatus = GifNotFinished;
    Clear();
    lastError_.clear();
    damage_.clear();
    StoredData = WorkBuffer;
    struct Emptier {
        std::vector<std::uint8_t>& buffer;
        ~Emptier() { std::vector<std::uint8_t>().swap(buffer); }
    } emptier{WorkBuffer};

    if (WorkBuffer.empty()) {
        GIFStatus = GifNoData;
        lastError_ = "There is no picture data";
        return false;
    }
    if (WorkBuffer.size() < 3 || std::memcmp(WorkBuffer.data(), "GIF", 3) != 0) {
        lastError_ = "The data is not a GIF picture";
        return false;
    }
    try {
        Parser(*this).Run();
    } catch (const GifRefusal& refusal) {
        Clear();
        lastError_ = refusal.what();
        return false;
    }
    AfterParse();
    GIFStatus = GifLoaded;
    return true;
}

} // namespace qv
