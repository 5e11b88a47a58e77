#include "PamWriter.h"

#include <cstdio>
#include <vector>

namespace gifdump {

bool WriteFramePam(const qv::GifFrameData& frame, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    std::fprintf(file, "P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n",
                 frame.Width, frame.Height);
    std::vector<unsigned char> row(std::size_t(frame.Width) * 4);
    for (int y = 0; y < frame.Height; ++y) {
        for (int x = 0; x < frame.Width; ++x) {
            const unsigned char* rgb = frame.Palette + 3 * frame.PixelAt(x, y);
            unsigned char* out = &row[std::size_t(x) * 4];
            out[0] = rgb[0];
            out[1] = rgb[1];
            out[2] = rgb[2];
            out[3] = frame.MaskedAt(x, y) ? 0 : 255;
        }
        std::fwrite(row.data(), 1, row.size(), file);
    }
    const bool written = !std::ferror(file);
    return std::fclose(file) == 0 && written;
}

} // namespace gifdump
