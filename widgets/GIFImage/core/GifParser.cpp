#include "widgets/GIFImage/core/GifParser.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace qv {

namespace {

std::string SizeText(std::uint64_t width, std::uint64_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

// Row strides of a frame's matrices: pixel rows padded to 4 bytes, mask rows to 32 pixels.
std::uint64_t PixelStride(const GifFrameData& f) {
    return (std::uint64_t(f.Width) + 3) & ~std::uint64_t(3);
}
std::uint64_t MaskStride(const GifFrameData& f) {
    return (std::uint64_t(f.Width) + 31) / 32 * 4;
}

} // namespace

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
                ReadExtension();
            } else if (introducer == ',') {
                reachedDescriptor_ = true;
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
    if (reachedDescriptor_ && image_.frames_.empty()) {
        // An image was there but none could be read: that is no picture to show.
        std::string why = image_.damage_;
        if (!why.empty()) {
            why[0] = char(std::tolower(static_cast<unsigned char>(why[0])));
        }
        throw GifRefusal("None of the picture's images could be read" +
                         (why.empty() ? std::string() : ": " + why));
    }
    Report(pos_);

    image_.screenWidth_ = int(coveredWidth_);
    image_.screenHeight_ = int(coveredHeight_);
}

// The parse position stands on "!". Every extension is read to its block terminator.
void GifImageData::Parser::ReadExtension() {
    const std::uint8_t label = At(pos_ + 1);
    Advance(2);
    switch (label) {
    case 0x01: // plain text: not rendered
        SkipSubBlock();
        SkipSubBlocks();
        break;
    case 0xF9: // graphic control: block size, flags, delay (2), transparent index, terminator
        std::memset(pendingControl_, 0, sizeof pendingControl_);
        Copy(pendingControl_, sizeof pendingControl_);
        break;
    case 0xFE: // comment: only the last one before an image counts
        pendingComment_.clear();
        while (pos_ < size_ && data_[pos_] != 0) {
            const std::size_t length = data_[pos_];
            const std::size_t n = std::min(length, size_ - pos_ - 1);
            pendingComment_.append(reinterpret_cast<const char*>(data_ + pos_ + 1), n);
            Advance(1 + length);
        }
        Advance(1);
        break;
    case 0xFF:
        ReadApplication();
        break;
    default: // a label this decoder does not know: skipped, as GIF89a asks of decoders
        SkipSubBlocks();
        break;
    }
}

// An application extension: the identifier block, then data sub-blocks up to the terminator.
// NETSCAPE2.0 carries the loop count in its looping sub-block (identifier 1, then 16 bits); other
// sub-blocks, such as the buffering one some encoders add, are read over.
void GifImageData::Parser::ReadApplication() {
    const bool netscape = size_ - pos_ >= 12 && std::memcmp(data_ + pos_ + 1, "NETSCAPE", 8) == 0 &&
                          std::memcmp(data_ + pos_ + 9, "2.0", 3) == 0;
    SkipSubBlock();
    while (pos_ < size_ && data_[pos_] != 0) {
        if (netscape && data_[pos_] >= 3 && size_ - pos_ >= 4 && data_[pos_ + 1] == 1) {
            image_.loopCount_ = int(Word(pos_ + 2));
        }
        SkipSubBlock();
    }
    Advance(1);
}

// The parse position stands on ",".
GifImageData::Parser::FrameResult GifImageData::Parser::ReadFrame() {
    if (size_ - pos_ < 10) {
        NoteDamage("The data ends inside the descriptor of frame " +
                   std::to_string(image_.frames_.size() + 1));
        pos_ = size_; // the picture ends here
        return FrameResult::Stopped;
    }
    std::unique_ptr<GifFrameData> frame = image_.CreateFrame();
    ReadDescriptor(*frame);
    const std::string frameName = "Frame " + std::to_string(image_.frames_.size() + 1);
    if (!FitsTheBounds(*frame, frameName)) {
        // So far outside the logical screen that covering it would pass the bound: read over.
        pos_ = image_.lzw_->Decode(data_, size_, pos_, RasterTarget{}, nullptr, 0);
        NoteDamage(frameName + " lies too far outside the logical screen and is left out");
        return FrameResult::Skipped;
    }
    ReadRaster(*frame, frameName);
    Keep(std::move(frame));
    return FrameResult::Kept;
}

// The image descriptor and the local colour table, with what the pending graphic control and
// comment extensions say of the frame (both are used up here).
void GifImageData::Parser::ReadDescriptor(GifFrameData& f) {
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
}

// The bounds of GifLimits.h for one more frame. Throws when the frame would break one; returns
// false when the frame lies so far outside the logical screen that it is to be read over. A frame
// that fits widens the covered screen and counts towards the picture's matrices.
bool GifImageData::Parser::FitsTheBounds(const GifFrameData& f, const std::string& frameName) {
    const std::uint64_t width = std::uint64_t(f.Width);
    const std::uint64_t height = std::uint64_t(f.Height);
    const std::uint64_t pixelBytes = PixelStride(f) * height;
    if (pixelBytes > image_.Limits.frameBytes) {
        throw GifRefusal(frameName + " is too large (" + SizeText(width, height) + " pixels)");
    }
    const std::uint64_t right = std::max(coveredWidth_, std::uint64_t(f.Left) + width);
    const std::uint64_t bottom = std::max(coveredHeight_, std::uint64_t(f.Top) + height);
    if (right * bottom > image_.Limits.screenPixels) {
        return false;
    }
    matrixBytes_ += pixelBytes + (f.Transparent ? MaskStride(f) * height : 0);
    if (matrixBytes_ > image_.Limits.pictureBytes) {
        throw GifRefusal("The picture's frames are too large together (more than " +
                         std::to_string(image_.Limits.pictureBytes >> 20) + " MiB at " + frameName +
                         ")");
    }
    coveredWidth_ = right;
    coveredHeight_ = bottom;
    return true;
}

// The frame's matrices, filled from its image data.
void GifImageData::Parser::ReadRaster(GifFrameData& f, const std::string& frameName) {
    const std::uint64_t height = std::uint64_t(f.Height);
    RasterTarget target;
    f.PixelStride = int(PixelStride(f));
    f.Pixels.assign(std::size_t(PixelStride(f) * height), 0);
    target.pixels = f.Pixels.data();
    target.pixelStride = std::size_t(f.PixelStride);
    if (f.Transparent) {
        f.MaskStride = int(MaskStride(f));
        f.Mask.assign(std::size_t(MaskStride(f) * height), 0);
        target.mask = f.Mask.data();
        target.maskStride = std::size_t(f.MaskStride);
    }
    target.width = f.Width;
    target.height = f.Height;
    target.interlaced = f.Interlaced;
    target.transparentIndex = f.TransparentIndex;
    const bool reportRows = image_.OnProgress && std::uint64_t(f.Width) * height > 100000;
    pos_ = image_.lzw_->Decode(data_, size_, pos_, target, reportRows ? this : nullptr,
                               f.Width > 320 ? 31u : 63u);
    NoteRasterDamage(frameName);
}

// The frame joins the picture: its bitmaps are built and the image-level results take it in.
void GifImageData::Parser::Keep(std::unique_ptr<GifFrameData> frame) {
    GifFrameData& f = *frame;
    image_.FrameRead(f);
    image_.globalColorBits_ = std::max(image_.globalColorBits_, f.ColorBits);
    image_.hasTransparency_ = image_.hasTransparency_ || f.Transparent;
    image_.anyInterlaced_ = image_.anyInterlaced_ || f.Interlaced;
    image_.frames_.push_back(std::move(frame));
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

} // namespace qv
