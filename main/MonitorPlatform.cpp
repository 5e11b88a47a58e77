#include "main/MonitorPlatform.h"
#include <algorithm>
#include <limits>

namespace qv {
namespace {
SIZE_T Held(DWORDLONG value) {
    return static_cast<SIZE_T>(std::min<DWORDLONG>(value, std::numeric_limits<SIZE_T>::max()));
}
} // namespace

Win32MonitorPlatform::Win32MonitorPlatform(MEMORYSTATUS& record) : record_(record) {
    record_.dwLength = sizeof(MEMORYSTATUS); // 32 in the 32-bit program
    if (HMODULE kernel32 = GetModuleHandleA("kernel32.dll"))
        statusEx_ =
            ProcAs<GlobalMemoryStatusExFn>(GetProcAddress(kernel32, "GlobalMemoryStatusEx"));
}

MemorySample Win32MonitorPlatform::QueryMemory() {
    if (statusEx_) {
        MemoryStatusEx ex{};
        ex.dwLength = sizeof ex;
        if (statusEx_(&ex)) {
            record_.dwMemoryLoad = ex.dwMemoryLoad;
            record_.dwTotalPhys = Held(ex.ullTotalPhys);
            record_.dwAvailPhys = Held(ex.ullAvailPhys);
            record_.dwTotalPageFile = Held(ex.ullTotalPageFile);
            record_.dwAvailPageFile = Held(ex.ullAvailPageFile);
            record_.dwTotalVirtual = Held(ex.ullTotalVirtual);
            record_.dwAvailVirtual = Held(ex.ullAvailVirtual);
            return MemorySample{ex.ullTotalPhys, ex.ullAvailPhys, ex.ullTotalPageFile,
                                ex.ullAvailPageFile};
        }
    }
    GlobalMemoryStatus(&record_);
    return MemorySample{record_.dwTotalPhys, record_.dwAvailPhys, record_.dwTotalPageFile,
                        record_.dwAvailPageFile};
}

std::optional<std::uint16_t> Win32MonitorPlatform::QueryFreeResources(ResourceKind kind) {
    return resources_.Query(kind);
}

} // namespace qv
