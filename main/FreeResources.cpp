#include "main/FreeResources.h"
#include "framework/Exceptions.h"
#include "main/ExportedProcs.h"
#include <algorithm>

#if defined(__i386__)
extern "C" std::uint16_t qv_CallThunk16(std::uint32_t target1616, std::uint16_t argument,
                                        void* qtThunk);
#endif

namespace qv {
namespace {
constexpr DWORD kObjectQuota = 10000;
constexpr DWORD kGdiObjects = 0;  // GR_GDIOBJECTS
constexpr DWORD kUserObjects = 1; // GR_USEROBJECTS
} // namespace

bool IsWindows9x() {
    return (GetVersion() & 0x80000000u) != 0;
}

std::uint16_t FreePercentOfQuota(DWORD used) {
    if (used >= kObjectQuota)
        return 0;
    return static_cast<std::uint16_t>(100 - used * 100 / kObjectQuota);
}

FreeResourceQuery::FreeResourceQuery() {
    if (IsWindows9x()) {
        thunk_ = ResolveThunk16();
        if (thunk_.qtThunk) {
            if (ThunkDeliversResults()) {
                method_ = Method::Thunk16;
                return;
            }
            thunkRejected_ = true;
        }
    }
    if (HMODULE user32 = GetModuleHandleA("user32.dll"))
        getGuiResources_ = ProcAs<GetGuiResourcesFn>(GetProcAddress(user32, "GetGuiResources"));
    method_ = getGuiResources_ ? Method::GuiResources : Method::Unavailable;
}

FreeResourceQuery::FreeResourceQuery(const Thunk16Entries& entries)
    : method_(Method::Thunk16), thunk_(entries) {}

// All four entry points, or none. A 64-bit program cannot call 16-bit code at all. Windows 9x's
// KERNEL32 refuses GetProcAddress by ordinal, so the three loader entry points come from its
// export table; QT_Thunk has a name.
FreeResourceQuery::Thunk16Entries FreeResourceQuery::ResolveThunk16() {
    Thunk16Entries e;
#if defined(__i386__)
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    if (!kernel32)
        return e;
    e.loadLibrary16 = ProcAs<LoadLibrary16Fn>(ExportedProcByOrdinal(kernel32, 35));
    e.freeLibrary16 = ProcAs<FreeLibrary16Fn>(ExportedProcByOrdinal(kernel32, 36));
    e.getProcAddress16 = ProcAs<GetProcAddress16Fn>(ExportedProcByOrdinal(kernel32, 37));
    e.qtThunk = reinterpret_cast<void*>(GetProcAddress(kernel32, "QT_Thunk"));
    if (!e.loadLibrary16 || !e.freeLibrary16 || !e.getProcAddress16)
        e = Thunk16Entries{};
#endif
    return e;
}

// Some emulated 9x systems export the thunk but lose the 16-bit result on the way back. One
// call of the 16-bit GetSystemMetrics, whose answer is known, tells. Where the check itself
// cannot run, the thunk stays in use and the query reports the failure as designed.
bool FreeResourceQuery::ThunkDeliversResults() {
    const DWORD user = thunk_.loadLibrary16("user.exe") & 0xFFFF;
    if (user < 32)
        return true;
    thunk_.freeLibrary16(user);
    const DWORD metrics = thunk_.getProcAddress16(user, "GetSystemMetrics");
    if (metrics == 0)
        return true;
    const int expected = GetSystemMetrics(SM_CXSCREEN) & 0xFFFF;
    return CallThunk16(metrics, SM_CXSCREEN) == expected;
}

std::uint16_t FreeResourceQuery::CallThunk16([[maybe_unused]] DWORD target,
                                             [[maybe_unused]] std::uint16_t argument) const {
#if defined(__i386__)
    return qv_CallThunk16(target, argument, thunk_.qtThunk);
#else
    return 0;
#endif
}

std::optional<std::uint16_t> FreeResourceQuery::Query(ResourceKind kind) {
    switch (method_) {
    case Method::Thunk16:
        return QueryThunk16(static_cast<std::uint16_t>(kind));
    case Method::GuiResources:
        return QueryGuiResources(kind);
    case Method::Unavailable:
        break;
    }
    return std::nullopt;
}

// Loads USER.EXE, releases it at once (it is a core module and stays loaded, and a failing
// lookup then leaves no reference behind), looks up the procedure and calls it through the
// thunk. Nothing is kept between queries.
std::uint16_t FreeResourceQuery::QueryThunk16(std::uint16_t kind) {
    userModuleHandle_ = thunk_.loadLibrary16("user.exe") & 0xFFFF;
    if (userModuleHandle_ < 32)
        throw Exception("Can't load USER.EXE!");
    thunk_.freeLibrary16(userModuleHandle_);
    freeResourcesProc_ = thunk_.getProcAddress16(userModuleHandle_, "GetFreeSystemResources");
    if (freeResourcesProc_ == 0)
        throw Exception("Can't get address of GetFreeSystemResources!");
    return CallThunk16(freeResourcesProc_, kind);
}

std::optional<std::uint16_t> FreeResourceQuery::QueryGuiResources(ResourceKind kind) const {
    HANDLE self = GetCurrentProcess();
    const std::uint16_t gdi = FreePercentOfQuota(getGuiResources_(self, kGdiObjects));
    const std::uint16_t user = FreePercentOfQuota(getGuiResources_(self, kUserObjects));
    switch (kind) {
    case ResourceKind::Gdi:
        return gdi;
    case ResourceKind::User:
        return user;
    case ResourceKind::System:
        break;
    }
    return std::min(gdi, user);
}

} // namespace qv
