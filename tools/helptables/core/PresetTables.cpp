#include "tools/helptables/core/PresetTables.h"
#include "main/core/Presets.h"
#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace qv {
namespace {

constexpr std::uint64_t kMb = 1048576;

constexpr std::array<PresetKind, 5> kKinds = {
    PresetKind::StandardSystem,  PresetKind::CdWriter, PresetKind::PowerUser,
    PresetKind::LowMemorySystem, PresetKind::Quake,
};
constexpr std::array<const char*, 5> kMenuNames = {
    "Standard System", "Cd Writer", "Power User", "Low Memory System", "Quake 2, Unreal ...",
};
constexpr std::array<const char*, 5> kColumnNames = {
    "Standard", "Cd Writer", "Power User", "Low Memory", "Quake 2",
};

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string CodeLine(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return "\\c " + text + "\n";
}

// The largest memory size, in bytes, that still falls into the band (bands include their
// upper bound): found by bisection, so the table follows whatever bounds the profiles use.
std::uint64_t BandUpperBound(int band) {
    std::uint64_t low = 0, high = std::numeric_limits<std::uint64_t>::max();
    if (MemoryBand(high) <= band)
        return high;
    while (low < high) {
        std::uint64_t middle = low + (high - low) / 2 + 1;
        if (MemoryBand(middle) <= band)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

std::string MemoryText(std::uint64_t bytes) {
    if (bytes % kMb == 0)
        return std::to_string(bytes / kMb) + " MB";
    return std::to_string(bytes) + " bytes";
}

std::string CacheTable(PresetSystem system) {
    const int lastBand = MemoryBand(std::numeric_limits<std::uint64_t>::max());
    std::string line = Padded("Memory", 13);
    for (const char* name : kColumnNames)
        line += Padded(name, 12);
    std::string table = CodeLine(line);
    for (int band = 1; band <= lastBand; ++band) {
        // A size inside the band: the band's first byte (band 1 starts at 0).
        const std::uint64_t size = band == 1 ? 0 : BandUpperBound(band - 1) + 1;
        line = Padded(band == lastBand ? "over " + MemoryText(size - 1)
                                       : "up to " + MemoryText(BandUpperBound(band)),
                      13);
        for (PresetKind kind : kKinds) {
            const PresetValues v = PresetFor(system, kind, size);
            line +=
                Padded(std::to_string(v.minFileCache) + "/" + std::to_string(v.maxFileCache), 12);
        }
        table += CodeLine(line);
    }
    return table;
}

std::string KindTable() {
    std::string table = CodeLine(Padded("Profile", 21) + Padded("Chunk size", 12) +
                                 Padded("Chunk size", 12) + Padded("Name", 7) + "Directory");
    table += CodeLine(Padded("", 21) + Padded("Windows 95", 12) + Padded("Windows 98", 12) +
                      Padded("cache", 7) + "cache");
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        const PresetValues on95 = PresetFor(PresetSystem::Windows95, kKinds[i], 0);
        const PresetValues on98 = PresetFor(PresetSystem::Windows98, kKinds[i], 0);
        table += CodeLine(
            Padded(kMenuNames[i], 21) + Padded(std::to_string(on95.chunkSize) + " Kb", 12) +
            Padded(std::to_string(on98.chunkSize) + " Kb", 12) +
            Padded(std::to_string(on95.nameCache), 7) + std::to_string(on95.pathCache));
    }
    return table;
}

} // namespace

std::string PresetTablesHalibut() {
    std::string text =
        "\\# Made by build/native/tools/helptables/help-tables from the tuning profiles' own\n"
        "\\# data; do not edit. The native test \"help\" fails when it is out of date.\n"
        "\n"
        "\\H{profiletable} What the profiles set\n"
        "\n"
        "\\cfg{winhelp-topic}{profiletable}\n"
        "\n"
        "Chunk size, name cache and directory cache, the same for every amount of memory:\n"
        "\n";
    text += KindTable();
    text += "\n"
            "Minimal / maximal disk cache in Kb, by the machine's memory (each row includes the "
            "size it names), \\s{Windows 95} profiles:\n"
            "\n";
    text += CacheTable(PresetSystem::Windows95);
    text += "\n"
            "\\s{Windows 98} profiles:\n"
            "\n";
    text += CacheTable(PresetSystem::Windows98);
    text += "\n"
            "Where a size is larger than the editor's upper end (about half of the machine's "
            "memory), the editor shows its upper end instead.\n";
    return text;
}

} // namespace qv
