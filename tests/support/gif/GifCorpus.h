#pragma once
// The GIF corpus made by tools/gif-corpus/make-corpus.sh, shared by the comparison with giflib
// and the benchmark. It is made once per build tree.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qvtest {

struct CorpusFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// Makes the corpus in `dir` unless it is there; returns its files sorted by name (none when the
// tools to make it are missing).
inline std::vector<CorpusFile> LoadGifCorpus(const std::string& sourceDir, const std::string& dir) {
    namespace fs = std::filesystem;
    if (!fs::exists(fs::path(dir) / ".complete")) {
        const std::string command =
            "'" + sourceDir + "/tools/gif-corpus/make-corpus.sh' '" + dir + "' >/dev/null";
        if (std::system(command.c_str()) != 0) {
            return {};
        }
    }
    std::vector<CorpusFile> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() != ".gif") {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        files.push_back({entry.path().filename().string(),
                         std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {})});
    }
    std::sort(files.begin(), files.end(),
              [](const CorpusFile& a, const CorpusFile& b) { return a.name < b.name; });
    return files;
}

} // namespace qvtest
