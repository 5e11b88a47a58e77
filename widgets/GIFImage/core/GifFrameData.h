#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// One image of a GIF picture as the decoder leaves it: everything of the control's frame record
// except its bitmaps (the Win32 half builds those from the matrices below).
class GifFrameData {
public:
    GifFrameData() = default;
    virtual ~GifFrameData() = default;
    GifFrameData(const GifFrameData&) = delete;
    GifFrameData& operator=(const GifFrameData&) = delete;

    int Left = 0, Top = 0;     // position on the logical screen
    int Width = 0, Height = 0; // size in pixels (either may be 0: such a frame has no pixels)
    int ColorBits = 0;         // local table exponent 1..8; 0 when the global table is used
    int Delay = 0;             // milliseconds (the data's hundredths times 10)
    std::uint8_t Disposal = 0; // 0 none, 1 leave, 2 restore background, 3 restore previous
    bool OwnsPalette = false;  // the frame has its own (local) colour table
    bool Interlaced = false;
    bool Transparent = false;
    std::uint8_t TransparentIndex = 0;
    std::array<std::uint8_t, 3> TransparentColor{}; // red, green, blue of TransparentIndex
    std::string Comment;

    // 256 RGB triples: LocalPalette when OwnsPalette, else the picture's global table.
    const std::uint8_t* Palette = nullptr;
    std::array<std::uint8_t, 768> LocalPalette{};
    // Colour entries of the frame's bitmap description: 2^ColorBits with a local table, else
    // 2 to the global colour bits at the time the frame was read (1 without any table).
    int ColorsUsed = 1;

    // Colour indices, Height rows of PixelStride bytes (Width rounded up to 4), top row first.
    std::vector<std::uint8_t> Pixels;
    int PixelStride = 0;
    // Only when Transparent: Height rows of MaskStride bytes ((Width + 31) / 32 * 4), one bit per
    // pixel, most significant bit leftmost; 1 where the pixel is transparent.
    std::vector<std::uint8_t> Mask;
    int MaskStride = 0;

    std::uint8_t PixelAt(int x, int y) const { return Pixels[std::size_t(y) * PixelStride + x]; }
    bool MaskedAt(int x, int y) const {
        return !Mask.empty() && (Mask[std::size_t(y) * MaskStride + x / 8] >> (7 - x % 8) & 1);
    }
    // Frees the matrices once the bitmaps are built.
    void ReleaseMatrices() {
        std::vector<std::uint8_t>().swap(Pixels);
        std::vector<std::uint8_t>().swap(Mask);
    }
};

} // namespace qv
