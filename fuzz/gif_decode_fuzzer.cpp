// libFuzzer target: any byte string through the GIF decoder, beside giflib where both read it
// cleanly, and through the "Data" value reader. Checks the invariants the image control relies
// on; sanitizers catch the rest.
#include "framework/Exceptions.h"
#include "widgets/GIFImage/core/GifDataValue.h"
#include "widgets/GIFImage/core/GifImageData.h"

#include "support/gif/GiflibReference.h"

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

// A picture that the decoder reads without damage and that giflib reads whole: both must see
// the same frames, in the same places, with the same pixels and transparency.
// giflib reads a graphic control extension as any other extension, the decoder by its layout:
// where one is not 4 bytes long the two may part ways on a picture that is wrong anyway, so such
// input is left to the decoder's own checks. A byte pair that only looks like one skips a
// comparison, never fails one.
bool HasOddControlExtension(const std::vector<std::uint8_t>& bytes) {
    for (std::size_t i = 0; i + 2 < bytes.size(); ++i)
        if (bytes[i] == 0x21 && bytes[i + 1] == 0xF9 && bytes[i + 2] != 4)
            return true;
    return false;
}

void CompareWithGiflib(const qv::GifImageData& image, const std::vector<std::uint8_t>& bytes) {
    if (HasOddControlExtension(bytes))
        return;
    const qvtest::GiflibPicture reference(bytes);
    if (!reference.Ok()) {
        return;
    }
    const GifFileType* g = reference.Gif();
    Check(image.FrameCount() == std::min(g->ImageCount, int(qv::kGifMaxFrames)));
    for (int i = 0; i < image.FrameCount(); ++i) {
        const SavedImage& s = g->SavedImages[i];
        const qv::GifFrameData& f = image.Frame(i);
        Check(f.Left == s.ImageDesc.Left && f.Top == s.ImageDesc.Top);
        Check(f.Width == s.ImageDesc.Width && f.Height == s.ImageDesc.Height);
        for (int y = 0; y < f.Height; ++y) {
            for (int x = 0; x < f.Width; ++x) {
                const std::uint8_t expected = s.RasterBits[std::size_t(y) * f.Width + x];
                Check(f.PixelAt(x, y) == expected);
                Check(f.MaskedAt(x, y) == (f.Transparent && expected == f.TransparentIndex));
            }
        }
    }
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
        if (image.Damage().empty()) {
            CompareWithGiflib(image, std::vector<std::uint8_t>(data, data + size));
        }
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
