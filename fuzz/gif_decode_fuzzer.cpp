// libFuzzer target: any byte string through the GIF decoder and through the "Data" value
// reader. Checks the invariants the image control relies
// on; sanitizers catch the rest.
#include "framework/Exceptions.h"
#include "widgets/GIFImage/core/GifDataValue.h"
#include "widgets/GIFImage/core/GifImageData.h"

#include <algorithm>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckPicture(const qv::GifImageData& image) {
    Check(image.FrameCount() <= int(qv::kGifMaxFrames));
    std::uint64_t total = 0;
    for (int i = 0; i < image.FrameCount(); ++i) {
        const qv::GifFrameData& f = image.Frame(i);
        Check(f.Left + f.Width <= image.ScreenWidth());
        Check(f.Top + f.Height <= image.ScreenHeight());
        Check(f.Pixels.size() == std::size_t(f.PixelStride) * std::size_t(f.Height));
        Check(f.Pixels.size() <= image.Limits.frameBytes);
        Check(f.PixelStride % 4 == 0 && f.PixelStride >= f.Width);
        Check(f.Transparent ? f.Mask.size() == std::size_t(f.MaskStride) * f.Height
                            : f.Mask.empty());
        Check(f.Palette != nullptr && f.ColorsUsed >= 1 && f.ColorsUsed <= 256);
        Check(f.Disposal <= 3);
        total += f.Pixels.size() + f.Mask.size();
    }
    Check(total <= image.Limits.pictureBytes);
    Check(std::uint64_t(image.ScreenWidth()) * std::uint64_t(image.ScreenHeight()) <=
          image.Limits.screenPixels);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::GifImageData image;
    // Smaller memory bounds than the product's: the same checks, many more inputs per second.
    image.Limits.frameBytes = 1 << 20;
    image.Limits.pictureBytes = 4 << 20;
    image.Limits.screenPixels = 4 << 20;
    image.WorkBuffer.assign(data, data + size);
    if (image.Decode()) {
        CheckPicture(image);
    }
    Check(image.WorkBuffer.empty());

    // Again with a progress handler that cancels at a call chosen by the data's size.
    const int cancelAt = int(size % 11);
    int calls = 0;
    image.OnProgress = [&](const qv::GifProgress& p, bool& keep) {
        Check(p.BytesProcessed >= 0 && p.BytesProcessed <= p.BytesToProcess);
        Check(p.PercentageProcessed >= 0 && p.PercentageProcessed <= 100);
        keep = calls++ != cancelAt;
    };
    image.WorkBuffer.assign(data, data + size);
    try {
        if (image.Decode()) {
            CheckPicture(image);
        }
    } catch (const qv::EAbort&) {
        Check(qv::GIFStatus == qv::GifCancelled);
    }
    Check(image.WorkBuffer.empty());

    std::vector<std::uint8_t> stored;
    try {
        const std::size_t used = qv::ReadDataValue(data, size, stored);
        Check(used <= size && stored.size() <= size);
    } catch (const qv::Exception&) {
        Check(stored.empty());
    }
    return 0;
}
