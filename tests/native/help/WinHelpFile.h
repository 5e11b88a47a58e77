#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Reads what a test needs of a Windows Help (.hlp) file: the internal directory, the topic
// titles (|TTLBTREE) and the context-number map (|CTXOMAP). Throws std::runtime_error on
// anything malformed.
class WinHelpFile {
public:
    explicit WinHelpFile(std::vector<std::uint8_t> bytes);
    static WinHelpFile Load(const std::string& path);

    // Internal file name ("|TOPIC") -> offset of its header.
    const std::map<std::string, std::uint32_t>& Directory() const { return directory_; }
    // Topic offset -> title.
    std::map<std::uint32_t, std::string> Titles() const;
    // Context number -> topic offset, in file order.
    std::vector<std::pair<std::int32_t, std::uint32_t>> ContextMap() const;

private:
    std::uint32_t Dword(std::size_t at) const;
    std::uint16_t Word(std::size_t at) const;
    std::string String(std::size_t& at) const;
    // Calls entry(offset of the leaf page's first entry, entry count) for each leaf page of the
    // B+ tree whose internal file starts at fileOffset.
    template <typename Entry>
    void ForEachLeaf(std::uint32_t fileOffset, Entry entry) const;
    std::uint32_t InternalFile(const std::string& name) const;

    std::vector<std::uint8_t> bytes_;
    std::map<std::string, std::uint32_t> directory_;
};
