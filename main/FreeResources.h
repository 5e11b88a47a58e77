#pragma once
#include "main/core/MonitorSampling.h"
#include <cstdint>
#include <optional>
#include <windows.h>

namespace qv {

// The free-resource query of the running system.
//  - Windows 9x (32-bit build): the 16-bit GetFreeSystemResources of USER.EXE, reached through
//    KERNEL32's 16-bit loader entry points (exported by ordinal only, read from its export
//    table: 9x refuses GetProcAddress by ordinal in KERNEL32) and QT_Thunk. Loading USER.EXE
//    or finding the procedure can fail; that raises qv::Exception with the system's message.
//  - NT family, the 64-bit build, or a 9x system whose thunk is missing or hands back no
//    results (checked once with the 16-bit GetSystemMetrics): the process's GDI and USER object
//    counts (GetGuiResources) against the default per-process quota of 10,000 objects each;
//    "system" is the lower of the two.
//  - Neither available: no figure.
class FreeResourceQuery {
public:
    enum class Method { Thunk16, GuiResources, Unavailable };

    using LoadLibrary16Fn = DWORD(WINAPI*)(LPCSTR);
    using FreeLibrary16Fn = void(WINAPI*)(DWORD);
    using GetProcAddress16Fn = DWORD(WINAPI*)(DWORD, LPCSTR);
    // KERNEL32's 16-bit loader entry points (ordinals 35, 36, 37) and QT_Thunk.
    struct Thunk16Entries {
        LoadLibrary16Fn loadLibrary16 = nullptr;
        FreeLibrary16Fn freeLibrary16 = nullptr;
        GetProcAddress16Fn getProcAddress16 = nullptr;
        void* qtThunk = nullptr;
    };

    FreeResourceQuery();
    // Uses the given entry points without checking them (lets tests drive the failures).
    explicit FreeResourceQuery(const Thunk16Entries& entries);

    Method UsedMethod() const { return method_; }
    // The 16-bit entry points found (all empty when none).
    const Thunk16Entries& Entries() const { return thunk_; }
    // True when the thunk was found but handed back a wrong result, so it is not used.
    bool ThunkRejected() const { return thunkRejected_; }
    std::optional<std::uint16_t> Query(ResourceKind kind);

    // As the last 16-bit query obtained them (0 before any).
    DWORD UserModuleHandle() const { return userModuleHandle_; }
    DWORD FreeResourcesProc() const { return freeResourcesProc_; }

private:
    std::uint16_t QueryThunk16(std::uint16_t kind);
    std::optional<std::uint16_t> QueryGuiResources(ResourceKind kind) const;
    static Thunk16Entries ResolveThunk16();
    bool ThunkDeliversResults();
    std::uint16_t CallThunk16(DWORD target, std::uint16_t argument) const;

    using GetGuiResourcesFn = DWORD(WINAPI*)(HANDLE, DWORD);

    Method method_ = Method::Unavailable;
    bool thunkRejected_ = false;
    Thunk16Entries thunk_;
    GetGuiResourcesFn getGuiResources_ = nullptr;
    DWORD userModuleHandle_ = 0;
    DWORD freeResourcesProc_ = 0;
};

// Percentage of free objects when `used` of the default quota of 10,000 are in use: the used
// share is truncated, so free is rounded up (1 to 99 objects still show 100 %); 0 at or above
// the quota.
std::uint16_t FreePercentOfQuota(DWORD used);

// True on Windows 95, 98 and Me.
bool IsWindows9x();

// A procedure looked up at run time, as the type it has.
template <class Fn>
Fn ProcAs(FARPROC proc) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
}

} // namespace qv
