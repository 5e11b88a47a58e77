#pragma once
#include "widgets/GIFImage/core/GifFrameData.h"
#include "widgets/GIFImage/core/GifLimits.h"
#include "widgets/GIFImage/core/GifStatus.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qv {

class LzwDecoder;

// What a progress handler is told: the parse position, the data size and the rounded percentage.
struct GifProgress {
    int BytesProcessed = 0;
    int BytesToProcess = 0;
    int PercentageProcessed = 0;
};
// A handler that leaves keepOnProcessing false cancels the decode.
using GifProgressHandler = std::function<void(const GifProgress&, bool& keepOnProcessing)>;

// The GIF picture of the image control: its buffers, the decoder and what decoding produced
// (frames and the image-level results). The Win32 control derives from it or holds one and
// attaches bitmaps to the frames as they are read (FrameRead).
//
// Decode() never throws for bad data; cancelling through the progress handler raises qv::EAbort
// ("Operation aborted"), and exceptions from the hooks pass through. Either way the work buffer
// is emptied. See GifLimits.h for the bounds that hold for any input.
class GifImageData {
public:
    GifImageData();
    virtual ~GifImageData();
    GifImageData(const GifImageData&) = delete;
    GifImageData& operator=(const GifImageData&) = delete;

    // The GIF bytes as streamed with the control (written back by the "Data" value), and the bytes
    // the next Decode() parses.
    std::vector<std::uint8_t> StoredData;
    std::vector<std::uint8_t> WorkBuffer;

    GifProgressHandler OnProgress;
    bool KeepOnProcessing = true;
    GifMemoryLimits Limits; // see GifLimits.h

    // Parses WorkBuffer into frames. Returns false when it is empty (GIFStatus 2), does not start
    // with "GIF" (GIFStatus stays 3), exceeds a bound or has image descriptors of which no frame
    // could be read (GIFStatus stays 3, LastError says why); true otherwise (GIFStatus 0).
    // Extensions are read to their terminator, unknown labels included. WorkBuffer is empty
    // afterwards.
    bool Decode();
    // Frees every frame and resets the image-level results (the clearing at the start of Decode).
    void Clear();

    int FrameCount() const { return int(frames_.size()); }
    // Frames in file order, index 0-based.
    GifFrameData& Frame(int index) { return *frames_[std::size_t(index)]; }
    const GifFrameData& Frame(int index) const { return *frames_[std::size_t(index)]; }

    int ScreenWidth() const { return screenWidth_; }
    int ScreenHeight() const { return screenHeight_; }
    const std::array<std::uint8_t, 768>& GlobalTable() const { return globalTable_; }
    int GlobalColorBits() const { return globalColorBits_; }
    int LoopCount() const { return loopCount_; }
    bool HasTransparency() const { return hasTransparency_; }
    bool AnyInterlaced() const { return anyInterlaced_; }
    // Why the last Decode() returned false, in words; empty after a success.
    const std::string& LastError() const { return lastError_; }
    // The first damage the last Decode() read over (cut-off or corrupt data, parts left out),
    // in words; empty when the data was sound.
    const std::string& Damage() const { return damage_; }

protected:
    // Makes the record for a new frame; a control overrides it to add its bitmaps.
    virtual std::unique_ptr<GifFrameData> CreateFrame();
    // Runs when a frame's matrices are complete (the control builds its bitmaps here).
    virtual void FrameRead(GifFrameData& frame);
    // Runs after the logical screen is known, before the decode counts as done.
    virtual void AfterParse();

private:
    class Parser;
    friend class Parser;

    std::vector<std::unique_ptr<GifFrameData>> frames_;
    std::unique_ptr<LzwDecoder> lzw_;
    std::array<std::uint8_t, 768> globalTable_{};
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    int globalColorBits_ = 0;
    int loopCount_ = 1;
    bool hasTransparency_ = false;
    bool anyInterlaced_ = false;
    std::string lastError_;
    std::string damage_;
};

// Rounds 100 * processed / total to the nearest integer, halves away from zero (as MulDiv);
// -1 when total is 0.
int GifPercentage(int processed, int total);

} // namespace qv
