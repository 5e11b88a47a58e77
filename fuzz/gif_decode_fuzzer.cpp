// libFuzzer target: any byte string through the GIF decoder, through the raster decoder beside a
// plain model of it, and through the "Data" value reader. Checks the invariants the image
// control relies on; sanitizers catch the rest.
#include "framework/Exceptions.h"
#include "widgets/GIFImage/core/GifDataValue.h"
#include "widgets/GIFImage/core/GifImageData.h"
#include "widgets/GIFImage/core/LzwRaster.h"

#include "native/gif/ReferenceRaster.h"

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

// The input's tail as one frame's image data, through the decoder and through the plain
// step-by-step model of tests/native/gif: pixels, mask, row positions and end must agree.
void CompareWithModel(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return;
    }
    const int width = data[0] % 67 + 1;
    const int height = data[1] % 41 + 1;
    const bool interlaced = data[2] & 1;
    const bool transparent = data[2] & 2;
    const unsigned rowMask = (data[2] >> 2) & 7;
    const std::uint8_t index = data[3];
    const std::vector<std::uint8_t> raster(data + 4, data + size);
    const qvtest::ReferenceResult model = qvtest::ReferenceRaster(raster, 0).Run(
        width, height, interlaced, transparent, index, rowMask);

    struct Rows : qv::RasterProgress {
        std::vector<std::size_t> positions;
        void RowDone(std::size_t position) override { positions.push_back(position); }
    } rows;
    std::vector<std::uint8_t> pixels(model.pixels.size()), mask(model.mask.size());
    qv::RasterTarget t;
    t.pixels = pixels.data();
    t.pixelStride = std::size_t(width + 3) / 4 * 4;
    if (transparent) {
        t.mask = mask.data();
        t.maskStride = std::size_t(width + 31) / 32 * 4;
    }
    t.width = width;
    t.height = height;
    t.interlaced = interlaced;
    t.transparentIndex = index;
    static qv::LzwDecoder decoder;
    const std::size_t end = decoder.Decode(raster.data(), raster.size(), 0, t, &rows, rowMask);
    Check(end == model.end);
    Check(pixels == model.pixels);
    Check(mask == model.mask);
    Check(rows.positions == model.rowReports);
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

    CompareWithModel(data, size);

    std::vector<std::uint8_t> stored;
    try {
        const std::size_t used = qv::ReadDataValue(data, size, stored);
        Check(used <= size && stored.size() <= size);
    } catch (const qv::Exception&) {
        Check(stored.empty());
    }
    return 0;
}
