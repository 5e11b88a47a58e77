#pragma once
// The block loop of GifImageData::Decode(), shared by GifImageData.cpp and GifParser.cpp only.
#include "framework/Exceptions.h"
#include "widgets/GIFImage/core/GifImageData.h"
#include "widgets/GIFImage/core/LzwRaster.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace qv {

// A picture that would break a bound of GifLimits.h; the decode fails with this text.
class GifRefusal : public Exception {
public:
    using Exception::Exception;
};

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
    void ReadExtension();
    void ReadApplication();
    FrameResult ReadFrame();
    void ReadDescriptor(GifFrameData& f);
    bool FitsTheBounds(const GifFrameData& f, const std::string& frameName);
    void ReadRaster(GifFrameData& f, const std::string& frameName);
    void Keep(std::unique_ptr<GifFrameData> frame);

    GifImageData& image_;
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::uint8_t pendingControl_[6] = {};
    std::string pendingComment_;
    std::uint64_t matrixBytes_ = 0;
    std::uint64_t coveredWidth_ = 0;
    std::uint64_t coveredHeight_ = 0;
    bool reachedDescriptor_ = false;
};

} // namespace qv
