#pragma once
#include "support/gif/GifBuilder.h"
#include "widgets/GIFImage/core/GifImageData.h"

#include <memory>

namespace qvtest {

// Decodes `bytes` into a fresh picture.
inline std::unique_ptr<qv::GifImageData> Decode(const Bytes& bytes, bool* ok = nullptr) {
    auto image = std::make_unique<qv::GifImageData>();
    image->WorkBuffer = bytes;
    const bool result = image->Decode();
    if (ok) {
        *ok = result;
    }
    return image;
}

// The frame's pixels, row by row, without the row padding.
inline Bytes FramePixels(const qv::GifFrameData& f) {
    Bytes out;
    for (int y = 0; y < f.Height; ++y) {
        for (int x = 0; x < f.Width; ++x) {
            out.push_back(f.PixelAt(x, y));
        }
    }
    return out;
}

} // namespace qvtest
