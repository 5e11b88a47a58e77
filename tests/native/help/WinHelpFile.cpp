#include "WinHelpFile.h"
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

namespace {
constexpr std::uint32_t kFileMagic = 0x00035F3F;
constexpr std::uint16_t kBTreeMagic = 0x293B;
constexpr std::size_t kInternalHeader = 9; // space reserved, space used, flags
constexpr std::size_t kBTreeHeader = 38;
constexpr std::size_t kLeafHeader = 8; // unused, entry count, previous page, next page
} // namespace

WinHelpFile::WinHelpFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    if (Dword(0) != kFileMagic)
        throw std::runtime_error("not a Windows Help file");
    if (Dword(12) != bytes_.size())
        throw std::runtime_error("the header's file size is not the file's size");
    ForEachLeaf(Dword(4), [&](std::size_t at, int count) {
        for (int i = 0; i < count; ++i) {
            std::string name = String(at);
            directory_[name] = Dword(at);
            at += 4;
        }
    });
}

WinHelpFile WinHelpFile::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    return WinHelpFile(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
}

std::uint32_t WinHelpFile::Dword(std::size_t at) const {
    if (at + 4 > bytes_.size())
        throw std::runtime_error("read past the end of the file");
    return bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
}

std::uint16_t WinHelpFile::Word(std::size_t at) const {
    if (at + 2 > bytes_.size())
        throw std::runtime_error("read past the end of the file");
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
}

std::string WinHelpFile::String(std::size_t& at) const {
    std::string text;
    while (at < bytes_.size() && bytes_[at] != 0)
        text += static_cast<char>(bytes_[at++]);
    if (at >= bytes_.size())
        throw std::runtime_error("unterminated string");
    ++at;
    return text;
}

template <typename Entry>
void WinHelpFile::ForEachLeaf(std::uint32_t fileOffset, Entry entry) const {
    const std::size_t header = fileOffset + kInternalHeader;
    if (Word(header) != kBTreeMagic)
        throw std::runtime_error("no B+ tree where one is expected");
    const std::size_t pageSize = Word(header + 4);
    const auto root = static_cast<std::int16_t>(Word(header + 26));
    const auto totalPages = static_cast<std::int16_t>(Word(header + 30));
    const auto levels = static_cast<std::int16_t>(Word(header + 32));
    const std::size_t pages = header + kBTreeHeader;
    auto pageAt = [&](int page) {
        if (page < 0 || page >= totalPages)
            throw std::runtime_error("B+ tree page out of range");
        return pages + page * pageSize;
    };
    int page = root;
    for (int level = 1; level < levels; ++level) // an index page's first child
        page = static_cast<std::int16_t>(Word(pageAt(page) + 4));
    std::set<int> seen;
    while (page != -1) {
        if (!seen.insert(page).second)
            throw std::runtime_error("B+ tree leaves form a loop");
        const std::size_t at = pageAt(page);
        entry(at + kLeafHeader, static_cast<std::int16_t>(Word(at + 2)));
        page = static_cast<std::int16_t>(Word(at + 6));
    }
}

std::uint32_t WinHelpFile::InternalFile(const std::string& name) const {
    auto found = directory_.find(name);
    if (found == directory_.end())
        throw std::runtime_error("no internal file " + name);
    return found->second;
}

std::map<std::uint32_t, std::string> WinHelpFile::Titles() const {
    std::map<std::uint32_t, std::string> titles;
    ForEachLeaf(InternalFile("|TTLBTREE"), [&](std::size_t at, int count) {
        for (int i = 0; i < count; ++i) {
            const std::uint32_t topic = Dword(at);
            at += 4;
            titles[topic] = String(at);
        }
    });
    return titles;
}

std::vector<std::pair<std::int32_t, std::uint32_t>> WinHelpFile::ContextMap() const {
    const std::uint32_t file = InternalFile("|CTXOMAP");
    const std::uint32_t used = Dword(file + 4);
    const std::uint16_t count = Word(file + kInternalHeader);
    if (used != 2u + 8u * count || Dword(file) < kInternalHeader + used)
        throw std::runtime_error("|CTXOMAP's size does not match its entry count");
    std::vector<std::pair<std::int32_t, std::uint32_t>> map;
    for (std::size_t i = 0, at = file + kInternalHeader + 2; i < count; ++i, at += 8)
        map.emplace_back(static_cast<std::int32_t>(Dword(at)), Dword(at + 4));
    return map;
}
