#pragma once
#include "widgets/GIFImage/core/GifLimits.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

// Where DecodeRaster places a frame's pixels.
struct RasterTarget {
    std::uint8_t* pixels = nullptr; // Height rows of pixelStride bytes, zero-filled
    std::size_t pixelStride = 0;
    std::uint8_t* mask = nullptr; // Height rows of maskStride bytes, zero-filled; null if opaque
    std::size_t maskStride = 0;
    int width = 0, height = 0;
    bool interlaced = false;
    std::uint8_t transparentIndex = 0;
};

// Told about completed rows while a large frame decodes; gets the parse position (bytes from
// the start of the data) as the sub-block reader stands at that moment.
class RasterProgress {
public:
    virtual void RowDone(std::size_t position) = 0;

protected:
    ~RasterProgress() = default;
};

// The GIF variant of LZW: codes packed least significant bit first, code size growing up to 12
// bits, deferred clear allowed. One decoder serves all frames of a picture; its tables are fixed
// arrays, so decoding allocates nothing per code or per frame (the gathered code stream grows to
// the largest frame's and stays).
class LzwDecoder {
public:
    // How the last Decode() went.
    enum class Outcome {
        Complete,    // every pixel of the frame was placed
        ShortData,   // the codes ended before the frame was full
        BadCode,     // a code naming no table entry ended the frame
        BadCodeSize, // the minimum code size is above 11: nothing was placed
        NoPixels,    // the frame has width or height 0
    };

    // Decodes the image data at data[pos] (the minimum code size byte, then sub-blocks up to and
    // including the zero terminator) into `target` and returns the position behind the
    // terminator, or `size` when the data ends first. `progress` is told about every completed
    // row number r with (r & progressRowMask) == 0; pass null for none.
    std::size_t Decode(const std::uint8_t* data, std::size_t size, std::size_t pos,
                       const RasterTarget& target, RasterProgress* progress,
                       unsigned progressRowMask);

    Outcome LastOutcome() const { return outcome_; }
    // The last Decode()'s sub-blocks ran into the end of the data before their terminator.
    bool LastCutOff() const { return cutOff_; }

private:
    struct Block {
        std::uint64_t bitsEnd; // bits of code stream up to the end of this sub-block
        std::size_t posAfter;  // parse position behind it
        bool terminator;       // the zero-length sub-block
    };
    struct Coding;    // code size, next free entry and previous code (LzwRaster.cpp)
    class CodeReader; // reads codes from the gathered stream, sub-block by sub-block
    struct RowCursor; // the write position in the frame

    std::size_t Gather(const std::uint8_t* data, std::size_t size, std::size_t pos);
    void Place(const RasterTarget& target, RasterProgress* progress, unsigned rowMask,
               std::size_t startPos);
    void ResetRoots(int clear);
    bool AddString(int code, Coding& coding);
    bool WriteString(int code, RowCursor& rows, std::size_t pos);
    bool WriteStringAcrossRows(int code, RowCursor& rows, std::size_t pos);

    std::vector<std::uint8_t> stream_; // all sub-blocks' bytes, followed by 8 zero bytes
    std::vector<Block> blocks_;
    int minCodeSize_ = 0;
    Outcome outcome_ = Outcome::Complete;
    bool cutOff_ = false;

    // Table entry k: its string is the string of prefix_[k] (a multiple of 8 bytes long) followed
    // by up to 8 bytes held in chunk_[k]; length_[k] is the string length minus 1.
    std::uint64_t chunk_[kGifTableSize];
    std::uint16_t prefix_[kGifTableSize];
    std::uint16_t length_[kGifTableSize];
    std::uint8_t first_[kGifTableSize];
    std::uint8_t scratch_[kGifTableSize + 16];
};

} // namespace qv
