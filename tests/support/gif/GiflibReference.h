#pragma once
// Debian's giflib as an independent reference: DGifSlurp over a memory buffer. Tests and
// benchmarks only; the product never links it.
#include <gif_lib.h>

#include <algorithm>

#include <cstdint>
#include <cstring>
#include <vector>

namespace qvtest {

class GiflibPicture {
public:
    explicit GiflibPicture(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {
        int error = 0;
        gif_ = DGifOpen(this, &GiflibPicture::Read, &error);
        if (gif_) {
            ok_ = DGifSlurp(gif_) == GIF_OK;
        }
    }
    ~GiflibPicture() {
        if (gif_) {
            int error = 0;
            DGifCloseFile(gif_, &error);
        }
    }
    GiflibPicture(const GiflibPicture&) = delete;
    GiflibPicture& operator=(const GiflibPicture&) = delete;

    bool Ok() const { return ok_; }
    GifFileType* Gif() const { return gif_; }

    // NETSCAPE2.0 loop count, 1 when absent.
    int LoopCount() const {
        for (int i = 0; i < gif_->ImageCount; ++i) {
            const SavedImage& image = gif_->SavedImages[i];
            for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
                const ExtensionBlock& block = image.ExtensionBlocks[e];
                if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                    std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0) {
                    const ExtensionBlock& data = image.ExtensionBlocks[e + 1];
                    return data.Bytes[1] | data.Bytes[2] << 8;
                }
            }
        }
        return 1;
    }

private:
    static int Read(GifFileType* gif, GifByteType* to, int count) {
        auto* self = static_cast<GiflibPicture*>(gif->UserData);
        const std::size_t n = std::min(std::size_t(count), self->bytes_.size() - self->pos_);
        std::memcpy(to, self->bytes_.data() + self->pos_, n);
        self->pos_ += n;
        return int(n);
    }

    const std::vector<std::uint8_t>& bytes_;
    std::size_t pos_ = 0;
    GifFileType* gif_ = nullptr;
    bool ok_ = false;
};

} // namespace qvtest
