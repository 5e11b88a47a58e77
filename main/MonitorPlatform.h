#pragma once
#include "main/FreeResources.h"
#include "main/core/MonitorSampling.h"
#include <windows.h>

namespace qv {

// The monitor's platform queries on Windows. Every memory query refills the given MEMORYSTATUS
// record, so it always holds the latest sample. GlobalMemoryStatusEx is used wherever kernel32
// exports it, whatever version the system reports: GlobalMemoryStatus caps its figures at 2 GiB
// for programs that are not large-address-aware (Wine in Windows 98 mode even reports free
// memory equal to the total), while the 64-bit figures are real. Windows 95 and 98 do not
// export it and keep GlobalMemoryStatus. The 32-bit record takes the figures held to its field
// size.
class Win32MonitorPlatform : public MonitorPlatform {
public:
    explicit Win32MonitorPlatform(MEMORYSTATUS& record);
    MemorySample QueryMemory() override;
    std::optional<std::uint16_t> QueryFreeResources(ResourceKind kind) override;

    bool UsesLargeMemoryStatus() const { return statusEx_ != nullptr; }
    const FreeResourceQuery& Resources() const { return resources_; }

private:
    // MEMORYSTATUSEX, which the Windows 95 level headers do not declare.
    struct MemoryStatusEx {
        DWORD dwLength;
        DWORD dwMemoryLoad;
        DWORDLONG ullTotalPhys;
        DWORDLONG ullAvailPhys;
        DWORDLONG ullTotalPageFile;
        DWORDLONG ullAvailPageFile;
        DWORDLONG ullTotalVirtual;
        DWORDLONG ullAvailVirtual;
        DWORDLONG ullAvailExtendedVirtual;
    };
    using GlobalMemoryStatusExFn = BOOL(WINAPI*)(MemoryStatusEx*);

    MEMORYSTATUS& record_;
    GlobalMemoryStatusExFn statusEx_ = nullptr;
    FreeResourceQuery resources_;
};

} // namespace qv
