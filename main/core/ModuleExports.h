#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace qv {

// A module's export, found by ordinal in its export directory as the loader reads it:
// AddressOfFunctions[ordinal - Base]. Windows 9x's KERNEL32 refuses GetProcAddress by ordinal,
// so its 16-bit loader entry points are read this way there.
struct OrdinalExport {
    enum class Kind { NotFound, Code, Forwarder };
    Kind kind = Kind::NotFound;
    std::uint32_t rva = 0; // Code: offset of the entry from the module's base
    std::string forwarder; // Forwarder: "MODULE.Name" or "MODULE.#ordinal"
};

// SizeOfImage from the headers at the start of a mapped PE image (32- or 64-bit), or 0 when they
// are not a PE image's or do not fit into `headers`.
std::uint32_t ImageSizeFromHeaders(std::span<const std::uint8_t> headers);

// Looks up `ordinal` in the image mapped at `image` (SizeOfImage bytes, as the loader maps it).
// Every offset and count the directory holds is checked against the image and the directory's
// own size: a wrong signature, an ordinal outside the table, a table or entry outside the image
// or an empty entry is NotFound. An entry inside the export directory is a forwarder (text that
// names another module's export), never code.
OrdinalExport FindExportByOrdinal(std::span<const std::uint8_t> image, std::uint32_t ordinal);

} // namespace qv
