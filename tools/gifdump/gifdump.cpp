// gifdump FILE                 prints the logical screen, loop count, frame count, status and
//                              one line per frame, as the image control's decoder sees them.
// gifdump --frames DIR FILE    also writes each frame's pixels to DIR/frame-001.pam etc.
// Exit status: 0 sound data; 1 the file cannot be read or decoded (with a message); 3 decoded,
// but the decoder read over damage (cut-off or corrupt data), named in a warning on stderr.
#include "PamWriter.h"
#include "widgets/GIFImage/core/GifImageData.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: gifdump [--frames DIR] FILE\n");
    return 2;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c >= 32 && c < 127) {
            out += char(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out += escape;
        }
    }
    return out + "\"";
}

void PrintFrame(int number, const qv::GifFrameData& f) {
    const std::string transparent = f.Transparent ? std::to_string(f.TransparentIndex) : "none";
    std::printf("frame %d: left %d, top %d, width %d, height %d, delay %d ms, disposal %d, "
                "interlaced %s, transparent %s, local table %d, comment %s\n",
                number, f.Left, f.Top, f.Width, f.Height, f.Delay, f.Disposal,
                f.Interlaced ? "yes" : "no", transparent.c_str(),
                f.OwnsPalette ? 1 << f.ColorBits : 0, Quoted(f.Comment).c_str());
}

} // namespace

int main(int argc, char** argv) {
    std::string framesDir;
    std::string path;
    if (argc == 2 && argv[1][0] != '-') {
        path = argv[1];
    } else if (argc == 4 && std::strcmp(argv[1], "--frames") == 0) {
        framesDir = argv[2];
        path = argv[3];
    } else {
        return Usage();
    }

    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "gifdump: cannot read %s: %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    qv::GifImageData image;
    image.WorkBuffer.assign(std::istreambuf_iterator<char>(in), {});
    if (!image.Decode()) {
        std::fprintf(stderr, "gifdump: %s: %s (status %d)\n", path.c_str(),
                     image.LastError().c_str(), int(qv::GIFStatus));
        return 1;
    }

    std::printf("screen %d x %d, loop count %d, frames %d, status %d\n", image.ScreenWidth(),
                image.ScreenHeight(), image.LoopCount(), image.FrameCount(), int(qv::GIFStatus));
    for (int i = 0; i < image.FrameCount(); ++i) {
        PrintFrame(i + 1, image.Frame(i));
    }
    std::fflush(stdout);
    if (!image.Damage().empty()) {
        // The decoder read over damaged data; what it made of it is shown above.
        std::fprintf(stderr, "gifdump: warning: %s: %s\n", path.c_str(), image.Damage().c_str());
    }
    const int status = image.Damage().empty() ? 0 : 3;
    if (framesDir.empty()) {
        return status;
    }
    for (int i = 0; i < image.FrameCount(); ++i) {
        const qv::GifFrameData& f = image.Frame(i);
        if (f.Width == 0 || f.Height == 0) {
            continue; // a frame without pixels has no image to write
        }
        char name[32];
        std::snprintf(name, sizeof name, "/frame-%03d.pam", i + 1);
        if (!gifdump::WriteFramePam(f, framesDir + name)) {
            std::fprintf(stderr, "gifdump: cannot write %s%s: %s\n", framesDir.c_str(), name,
                         std::strerror(errno));
            return 1;
        }
    }
    return status;
}
