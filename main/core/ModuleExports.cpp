#include "main/core/ModuleExports.h"
#include <optional>

namespace qv {
namespace {

constexpr std::uint16_t kPe32 = 0x10B;
constexpr std::uint16_t kPe32Plus = 0x20B;
constexpr std::uint64_t kExportDirectorySize = 40;

// Little-endian reads that fail instead of leaving the image.
std::optional<std::uint32_t> Read(std::span<const std::uint8_t> bytes, std::uint64_t offset,
                                  int width) {
    if (offset > bytes.size() || bytes.size() - offset < static_cast<std::uint64_t>(width))
        return std::nullopt;
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes[offset + i];
    return value;
}
std::optional<std::uint32_t> Word(std::span<const std::uint8_t> b, std::uint64_t offset) {
    return Read(b, offset, 2);
}
std::optional<std::uint32_t> Dword(std::span<const std::uint8_t> b, std::uint64_t offset) {
    return Read(b, offset, 4);
}

struct ExportDirectory {
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
};

// Offset of the optional header, once the DOS stub and PE signature are right.
std::optional<std::uint64_t> OptionalHeader(std::span<const std::uint8_t> image) {
    if (Word(image, 0) != 0x5A4D) // "MZ"
        return std::nullopt;
    const auto peOffset = Dword(image, 0x3C);
    if (!peOffset || Dword(image, *peOffset) != 0x00004550) // "PE\0\0"
        return std::nullopt;
    return std::uint64_t{*peOffset} + 4 + 20; // signature, file header
}

std::optional<ExportDirectory> FindExportDirectory(std::span<const std::uint8_t> image) {
    const auto optional = OptionalHeader(image);
    if (!optional)
        return std::nullopt;
    const auto optionalSize = Word(image, *optional - 4); // SizeOfOptionalHeader
    const auto magic = Word(image, *optional);
    if (!optionalSize || !magic || (*magic != kPe32 && *magic != kPe32Plus))
        return std::nullopt;
    const std::uint64_t directories = *magic == kPe32 ? 96 : 112;
    const auto count = Dword(image, *optional + directories - 4); // NumberOfRvaAndSizes
    if (!count || *count < 1 || *optionalSize < directories + 8)
        return std::nullopt;
    const auto rva = Dword(image, *optional + directories);
    const auto size = Dword(image, *optional + directories + 4);
    if (!rva || !size || *rva == 0 || *size < kExportDirectorySize ||
        std::uint64_t{*rva} + *size > image.size())
        return std::nullopt;
    return ExportDirectory{*rva, *size};
}

// The forwarder text: NUL-terminated inside the export directory, "MODULE.NAME".
std::optional<std::string> ForwarderText(std::span<const std::uint8_t> image,
                                         const ExportDirectory& dir, std::uint32_t rva) {
    std::string text;
    for (std::uint64_t at = rva; at < std::uint64_t{dir.rva} + dir.size; ++at) {
        if (image[at] == 0) {
            const auto dot = text.rfind('.');
            if (dot == std::string::npos || dot == 0 || dot + 1 == text.size())
                return std::nullopt;
            return text;
        }
        text.push_back(static_cast<char>(image[at]));
    }
    return std::nullopt;
}

} // namespace

std::uint32_t ImageSizeFromHeaders(std::span<const std::uint8_t> headers) {
    const auto optional = OptionalHeader(headers);
    if (!optional)
        return 0;
    const auto magic = Word(headers, *optional);
    if (magic != kPe32 && magic != kPe32Plus)
        return 0;
    return Dword(headers, *optional + 56).value_or(0); // SizeOfImage
}

OrdinalExport FindExportByOrdinal(std::span<const std::uint8_t> image, std::uint32_t ordinal) {
    const auto dir = FindExportDirectory(image);
    if (!dir)
        return {};
    const auto base = Dword(image, dir->rva + 16);
    const auto functions = Dword(image, dir->rva + 20);
    const auto table = Dword(image, dir->rva + 28);
    if (!base || !functions || !table || ordinal < *base || ordinal - *base >= *functions)
        return {};
    const auto rva = Dword(image, std::uint64_t{*table} + 4ull * (ordinal - *base));
    if (!rva || *rva == 0 || *rva >= image.size())
        return {};
    if (*rva >= dir->rva && *rva < std::uint64_t{dir->rva} + dir->size) {
        auto text = ForwarderText(image, *dir, *rva);
        if (!text)
            return {};
        return {OrdinalExport::Kind::Forwarder, 0, std::move(*text)};
    }
    return {OrdinalExport::Kind::Code, *rva, {}};
}

} // namespace qv
