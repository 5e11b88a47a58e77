#include "widgets/GIFImage/core/GifImageData.h"

#include "widgets/GIFImage/core/GifParser.h"

#include <cstring>

namespace qv {

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
