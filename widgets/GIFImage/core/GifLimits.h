#pragma once
#include <cstddef>
#include <cstdint>

namespace qv {

// Hard bounds of the GIF decoder. Whatever the data says, decoding stays inside them.
//
// - At most kGifMaxFrames frames; later image descriptors are ignored.
// - A frame's pixel matrix (rows padded to 4 bytes) may hold at most kGifMaxFrameBytes bytes; a
//   larger frame (for example 65535 x 65535) makes the decode fail instead of allocating.
// - All frames of one picture together may hold at most kGifMaxPictureBytes bytes of pixel
//   matrices; past that the decode fails.
// - The logical screen, widened by the frames, may cover at most kGifMaxScreenPixels pixels. A
//   descriptor asking for more fails the decode; a frame lying so far outside that covering it
//   would pass the bound is skipped (its data is read over, the frame is not kept).
// - LZW tables, the code stack and the block buffer are fixed 4096-entry arrays; a minimum code
//   size above 11, a code beyond the next free table entry or a frame of width or height 0 ends
//   that frame's data, and the pixels placed so far stand.
// - Nothing is ever read past the end of the data: a sub-block that runs past it ends the frame's
//   data there, and data without a trailer ends the block loop there.
constexpr std::size_t kGifMaxFrames = 256;
constexpr std::uint64_t kGifMaxFrameBytes = 64ull << 20;
constexpr std::uint64_t kGifMaxPictureBytes = 256ull << 20;
constexpr std::uint64_t kGifMaxScreenPixels = 64ull << 20;
constexpr int kGifTableSize = 4096;

// The three memory bounds as a picture applies them; a picture may be given smaller ones (the
// fuzz target does, to try more inputs per second).
struct GifMemoryLimits {
    std::uint64_t frameBytes = kGifMaxFrameBytes;
    std::uint64_t pictureBytes = kGifMaxPictureBytes;
    std::uint64_t screenPixels = kGifMaxScreenPixels;
};
constexpr int kGifMaxMinCodeSize = 11;

} // namespace qv
