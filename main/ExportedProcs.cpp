#include "main/ExportedProcs.h"
#include "main/core/ModuleExports.h"
#include <cstdint>
#include <string>

namespace qv {
namespace {

// The loader maps a module's headers into its first page.
constexpr std::size_t kHeaderPage = 4096;

FARPROC FollowForwarder(const std::string& forwarder) {
    const std::size_t dot = forwarder.rfind('.');
    const std::string moduleName = forwarder.substr(0, dot);
    const std::string procName = forwarder.substr(dot + 1);
    if (procName[0] == '#')
        return nullptr;
    HMODULE target = GetModuleHandleA(moduleName.c_str());
    if (!target)
        target = LoadLibraryA(moduleName.c_str()); // kept loaded, as the loader keeps it
    return target ? GetProcAddress(target, procName.c_str()) : nullptr;
}

} // namespace

FARPROC ExportedProcByOrdinal(HMODULE module, WORD ordinal) {
    if (!module)
        return nullptr;
    const auto* base = reinterpret_cast<const std::uint8_t*>(module);
    const std::uint32_t size = ImageSizeFromHeaders({base, kHeaderPage});
    if (size == 0)
        return nullptr;
    const OrdinalExport found = FindExportByOrdinal({base, size}, ordinal);
    switch (found.kind) {
    case OrdinalExport::Kind::Code:
        return reinterpret_cast<FARPROC>(reinterpret_cast<ULONG_PTR>(base + found.rva));
    case OrdinalExport::Kind::Forwarder:
        return FollowForwarder(found.forwarder);
    case OrdinalExport::Kind::NotFound:
        break;
    }
    return nullptr;
}

} // namespace qv
