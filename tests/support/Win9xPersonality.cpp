#include "support/Win9xPersonality.h"
#include "support/ImportTable.h"
#include <cstdio>

namespace qvtest {
namespace {

// Everything here is plain data, ready before any constructor runs: the personality is
// installed from a TLS callback, before the C runtime has started.
enum State { kUndecided, kOff, kOn };
State g_state = kUndecided;
HMODULE g_kernel32 = nullptr;
HMODULE g_user32 = nullptr;
HMODULE g_gdi32 = nullptr;

struct Originals {
    decltype(&::GetProcAddress) getProcAddress;
    decltype(&::WritePrivateProfileStringA) writeProfileString;
    decltype(&::CreateCompatibleBitmap) createCompatibleBitmap;
    decltype(&::CreateDIBSection) createDibSection;
};
Originals g_wine = {};

bool Same(const char* a, const char* b) {
    return lstrcmpA(a, b) == 0;
}

// Functions that Windows 95/98 do not export at all.
bool MissingOnWin9x(HMODULE module, const char* name) {
    return (module == g_kernel32 && Same(name, "GlobalMemoryStatusEx")) ||
           (module == g_user32 && Same(name, "GetGuiResources"));
}

DWORD WINAPI Win9xGetVersion() {
    return 0xC0000A04; // Windows 98: version 4.10, high bit set
}

BOOL WINAPI Win9xGetVersionExA(OSVERSIONINFOA* info) {
    // Windows 98 knows only the plain record.
    if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    info->dwMajorVersion = 4;
    info->dwMinorVersion = 10;
    info->dwBuildNumber = 0x040A08AE; // 4.10.2222: major and minor in the high word, as 9x does
    info->dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    lstrcpyA(info->szCSDVersion, " A ");
    return TRUE;
}

HMODULE WINAPI Win9xGetModuleHandleW(LPCWSTR) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return nullptr;
}

HMODULE WINAPI Win9xLoadLibraryW(LPCWSTR) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return nullptr;
}

HANDLE WINAPI Win9xCreateSemaphoreW(LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return nullptr;
}

// Windows 95 flushes its profile cache but always reports FALSE for the flush.
BOOL WINAPI Win9xWritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
    const BOOL written = g_wine.writeProfileString(section, key, value, file);
    return section || key || value ? written : FALSE;
}

unsigned long long RowsOf(long long width, long long height, unsigned bits, unsigned align) {
    const unsigned long long w = static_cast<unsigned long long>(width < 0 ? -width : width);
    const unsigned long long h = static_cast<unsigned long long>(height < 0 ? -height : height);
    const unsigned long long alignBits = align * 8ull;
    return (w * bits + alignBits - 1) / alignBits * align * h;
}

// A device-dependent bitmap takes the format of the bitmap selected into a memory context, or
// of the device; its rows are WORD-aligned.
unsigned long long CompatibleBitmapBytes(HDC dc, int width, int height) {
    unsigned bits = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    BITMAP selected{};
    if (GetObjectType(dc) == OBJ_MEMDC &&
        GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof selected, &selected))
        bits = selected.bmBitsPixel * selected.bmPlanes;
    return RowsOf(width, height, bits, 2);
}

// DIB rows are DWORD-aligned.
unsigned long long DibBytes(const BITMAPINFO* info) {
    if (!info)
        return 0;
    if (info->bmiHeader.biSize == sizeof(BITMAPCOREHEADER)) {
        const auto* core = reinterpret_cast<const BITMAPCOREHEADER*>(&info->bmiHeader);
        return RowsOf(core->bcWidth, core->bcHeight, core->bcBitCount * core->bcPlanes, 4);
    }
    return RowsOf(info->bmiHeader.biWidth, info->bmiHeader.biHeight, info->bmiHeader.biBitCount, 4);
}

HBITMAP WINAPI Win9xCreateCompatibleBitmap(HDC dc, int width, int height) {
    if (dc && CompatibleBitmapBytes(dc, width, height) > kWin9xSurfaceLimit) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return g_wine.createCompatibleBitmap(dc, width, height);
}

HBITMAP WINAPI Win9xCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                     HANDLE section, DWORD offset) {
    if (DibBytes(info) > kWin9xSurfaceLimit) {
        if (bits)
            *bits = nullptr;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return g_wine.createDibSection(dc, info, usage, bits, section, offset);
}

FARPROC WINAPI Win9xGetProcAddress(HMODULE module, LPCSTR name);

struct Replacement {
    HMODULE* module;
    const char* dll;
    const char* name;
    FARPROC function;
};

template <class Fn>
FARPROC AsProc(Fn fn) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(fn));
}

// Built on each call: a table of function addresses at namespace scope could need a constructor.
template <class Visit>
bool ForEachReplacement(Visit visit) {
    const Replacement table[] = {
        {&g_kernel32, "kernel32.dll", "GetProcAddress", AsProc(Win9xGetProcAddress)},
        {&g_kernel32, "kernel32.dll", "GetVersion", AsProc(Win9xGetVersion)},
        {&g_kernel32, "kernel32.dll", "GetVersionExA", AsProc(Win9xGetVersionExA)},
        {&g_kernel32, "kernel32.dll", "GetModuleHandleW", AsProc(Win9xGetModuleHandleW)},
        {&g_kernel32, "kernel32.dll", "LoadLibraryW", AsProc(Win9xLoadLibraryW)},
        {&g_kernel32, "kernel32.dll", "CreateSemaphoreW", AsProc(Win9xCreateSemaphoreW)},
        {&g_kernel32, "kernel32.dll", "WritePrivateProfileStringA",
         AsProc(Win9xWritePrivateProfileStringA)},
        {&g_gdi32, "gdi32.dll", "CreateCompatibleBitmap", AsProc(Win9xCreateCompatibleBitmap)},
        {&g_gdi32, "gdi32.dll", "CreateDIBSection", AsProc(Win9xCreateDIBSection)},
    };
    for (const Replacement& r : table)
        if (visit(r))
            return true;
    return false;
}

FARPROC WINAPI Win9xGetProcAddress(HMODULE module, LPCSTR name) {
    if (IS_INTRESOURCE(name)) {
        // "GetProcAddress: kernel32 by id not supported"
        if (module == g_kernel32) {
            SetLastError(ERROR_PROC_NOT_FOUND);
            return nullptr;
        }
        return g_wine.getProcAddress(module, name);
    }
    if (MissingOnWin9x(module, name)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    FARPROC found = nullptr;
    ForEachReplacement([&](const Replacement& r) {
        if (module != *r.module || !Same(name, r.name))
            return false;
        found = r.function;
        return true;
    });
    return found ? found : g_wine.getProcAddress(module, name);
}

bool Asked() {
    char value[8] = {};
    return GetEnvironmentVariableA("QV_WIN9X_PERSONALITY", value, sizeof value) == 1 &&
           value[0] == '1';
}

void Install() {
    g_kernel32 = GetModuleHandleA("kernel32.dll");
    g_user32 = GetModuleHandleA("user32.dll");
    g_gdi32 = GetModuleHandleA("gdi32.dll");
    g_wine.getProcAddress = &::GetProcAddress;
    g_wine.writeProfileString = &::WritePrivateProfileStringA;
    g_wine.createCompatibleBitmap = &::CreateCompatibleBitmap;
    g_wine.createDibSection = &::CreateDIBSection;
    HMODULE program = GetModuleHandleA(nullptr);
    ForEachReplacement([&](const Replacement& r) {
        ReplaceImport(program, r.dll, r.name, r.function);
        return false;
    });
}

bool Decide() {
    if (g_state == kUndecided) {
        g_state = Asked() ? kOn : kOff;
        if (g_state == kOn)
            Install();
    }
    return g_state == kOn;
}

bool g_decidedAtStart = false;

void NTAPI DecideAtProcessStart(PVOID, DWORD reason, PVOID) {
    if (reason == DLL_PROCESS_ATTACH && g_state == kUndecided) {
        g_decidedAtStart = true;
        Decide();
    }
}

} // namespace

bool InstallWin9xPersonalityIfAsked() {
    const bool on = Decide();
    if (on)
        std::printf("Windows 9x personality: on, since %s\n",
                    g_decidedAtStart ? "process start" : "main");
    return on;
}

bool Win9xPersonalityActive() {
    return g_state == kOn;
}

FARPROC WineGetProcAddress(HMODULE module, LPCSTR name) {
    return g_wine.getProcAddress ? g_wine.getProcAddress(module, name)
                                 : ::GetProcAddress(module, name);
}

} // namespace qvtest

// Runs before the C runtime's start-up code (the loader calls TLS callbacks first), after the
// runtime's own TLS callbacks (.CRT$XLC, .CRT$XLD): placed before them, 64-bit Wine lost the
// ability to catch exceptions in some test programs.
extern "C" __attribute__((section(".CRT$XLY"), used))
const PIMAGE_TLS_CALLBACK qv_win9x_personality_at_start = qvtest::DecideAtProcessStart;
