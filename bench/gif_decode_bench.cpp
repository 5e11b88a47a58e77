// Decodes the GIF corpus with this decoder and with giflib's DGifSlurp in the same run and prints
// megapixels per second for each, per class of file (small, large photo, animation).
// Usage: gif_decode_bench [SECONDS_PER_CLASS_AND_DECODER]   (default 1)
#include "support/gif/GifCorpus.h"
#include "support/gif/GiflibReference.h"
#include "widgets/GIFImage/core/GifImageData.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

namespace {

using Clock = std::chrono::steady_clock;

std::string ClassOf(const std::string& name) {
    if (name.rfind("small-", 0) == 0) {
        return "small";
    }
    if (name.rfind("photo-", 0) == 0) {
        return "large photo";
    }
    return "animation";
}

// Repeats `decode` over the files until `seconds` have passed; returns megapixels per second.
double Measure(const std::vector<const qvtest::CorpusFile*>& files, double pixels, double seconds,
               const std::function<void(const qvtest::CorpusFile&)>& decode) {
    for (const auto* file : files) {
        decode(*file); // warm up
    }
    long rounds = 0;
    const auto start = Clock::now();
    double elapsed = 0;
    do {
        for (const auto* file : files) {
            decode(*file);
        }
        ++rounds;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    } while (elapsed < seconds);
    return pixels * double(rounds) / elapsed / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 1.0;
    const auto corpus = qvtest::LoadGifCorpus(QV_SOURCE_DIR, QV_BINARY_DIR "/gif-corpus");
    if (corpus.empty()) {
        std::fprintf(stderr, "gif_decode_bench: no corpus (needs convert and gifsicle)\n");
        return 1;
    }
    std::map<std::string, std::vector<const qvtest::CorpusFile*>> classes;
    std::map<std::string, double> pixels;
    for (const auto& file : corpus) {
        qvtest::GiflibPicture reference(file.bytes);
        if (!reference.Ok()) {
            std::fprintf(stderr, "gif_decode_bench: giflib rejects %s\n", file.name.c_str());
            return 1;
        }
        const std::string cls = ClassOf(file.name);
        classes[cls].push_back(&file);
        for (int i = 0; i < reference.Gif()->ImageCount; ++i) {
            const GifImageDesc& d = reference.Gif()->SavedImages[i].ImageDesc;
            pixels[cls] += double(d.Width) * d.Height;
        }
    }

    qv::GifImageData image;
    auto ours = [&](const qvtest::CorpusFile& file) {
        image.WorkBuffer = file.bytes;
        if (!image.Decode()) {
            std::fprintf(stderr, "gif_decode_bench: cannot decode %s\n", file.name.c_str());
            std::exit(1);
        }
    };
    auto giflib = [](const qvtest::CorpusFile& file) {
        qvtest::GiflibPicture reference(file.bytes);
    };

    std::printf("%-12s %6s %10s %14s %14s %7s\n", "class", "files", "megapixels", "ours MP/s",
                "giflib MP/s", "ratio");
    for (const auto& [cls, files] : classes) {
        // Alternate the two and keep each one's best round, so a busy machine hurts both alike.
        double mine = 0, theirs = 0;
        for (int round = 0; round < 5; ++round) {
            mine = std::max(mine, Measure(files, pixels[cls], seconds / 5, ours));
            theirs = std::max(theirs, Measure(files, pixels[cls], seconds / 5, giflib));
        }
        std::printf("%-12s %6zu %10.2f %14.1f %14.1f %7.2f\n", cls.c_str(), files.size(),
                    pixels[cls] / 1e6, mine, theirs, mine / theirs);
    }
    return 0;
}
