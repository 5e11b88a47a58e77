#include "support/Win9xPersonality.h"
#include "support/ImportTable.h"
#include "support/ResourceLedger.h"
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

namespace qvtest {
namespace {

// Everything here is plain data, ready before any constructor runs: the personality is
// installed from a TLS callback, before the C runtime has started.
enum State { kUndecided, kOff, kOn };
State g_state = kUndecided;
Win9xVersion g_version = Win9xVersion::Windows98;
bool g_sixteenColors = false;
HMODULE g_kernel32 = nullptr;
HMODULE g_user32 = nullptr;
HMODULE g_gdi32 = nullptr;

struct Originals {
    decltype(&::GetProcAddress) getProcAddress;
    decltype(&::WritePrivateProfileStringA) writeProfileString;
    decltype(&::CreateCompatibleBitmap) createCompatibleBitmap;
    decltype(&::CreateDIBSection) createDibSection;
    decltype(&::CreateBitmap) createBitmap;
    decltype(&::CreateBitmapIndirect) createBitmapIndirect;
    decltype(&::CreateDIBitmap) createDiBitmap;
    decltype(&::GetDeviceCaps) getDeviceCaps;
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
    // The high bit set; Windows 95 puts its build number into the rest of the high word.
    return g_version == Win9xVersion::Windows95 ? 0xC3B60004 : 0xC0000A04;
}

BOOL WINAPI Win9xGetVersionExA(OSVERSIONINFOA* info) {
    // Windows 9x knows only the plain record.
    if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const bool win95 = g_version == Win9xVersion::Windows95;
    info->dwMajorVersion = 4;
    info->dwMinorVersion = win95 ? 0 : 10;
    // Major and minor in the high word, as 9x does: 4.00.950 and 4.10.1998.
    info->dwBuildNumber = win95 ? 0x040003B6 : 0x040A07CE;
    info->dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    lstrcpyA(info->szCSDVersion, "");
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

// Windows 9x keeps profile files in a cache and writes them to disk when it pleases; Wine
// writes through at once. The personality keeps what the disk held before the first write
// since the last flush: a power cut now would leave that.
std::map<std::string, std::string>& DiskImages() {
    static std::map<std::string, std::string> images; // by full path, in upper case
    return images;
}

std::string ProfilePath(const char* file) {
    std::string path = file ? file : "win.ini";
    if (path.find_first_of("\\/:") == std::string::npos) {
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, MAX_PATH);
        path = std::string(windows) + "\\" + path;
    }
    CharUpperA(path.data());
    return path;
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Windows 95 flushes its profile cache but always reports FALSE for the flush.
BOOL WINAPI Win9xWritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
    const std::string path = ProfilePath(file);
    if (!section && !key && !value) {
        g_wine.writeProfileString(section, key, value, file);
        DiskImages().erase(path);
        return FALSE;
    }
    if (!DiskImages().count(path))
        DiskImages().emplace(path, FileBytes(path));
    return g_wine.writeProfileString(section, key, value, file);
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

HBITMAP Refused() {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

HBITMAP WINAPI Win9xCreateCompatibleBitmap(HDC dc, int width, int height) {
    if (dc && CompatibleBitmapBytes(dc, width, height) > kWin9xSurfaceLimit)
        return Refused();
    return g_wine.createCompatibleBitmap(dc, width, height);
}

HBITMAP WINAPI Win9xCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                     HANDLE section, DWORD offset) {
    if (DibBytes(info) > kWin9xSurfaceLimit) {
        if (bits)
            *bits = nullptr;
        return Refused();
    }
    return g_wine.createDibSection(dc, info, usage, bits, section, offset);
}

HBITMAP WINAPI Win9xCreateBitmap(int width, int height, UINT planes, UINT bits, const void* data) {
    if (RowsOf(width, height, planes * bits, 2) > kWin9xSurfaceLimit)
        return Refused();
    return g_wine.createBitmap(width, height, planes, bits, data);
}

HBITMAP WINAPI Win9xCreateBitmapIndirect(const BITMAP* bitmap) {
    if (bitmap && RowsOf(bitmap->bmWidth, bitmap->bmHeight, bitmap->bmPlanes * bitmap->bmBitsPixel,
                         2) > kWin9xSurfaceLimit)
        return Refused();
    return g_wine.createBitmapIndirect(bitmap);
}

// A device-dependent bitmap of the DIB's size in the device's format (monochrome without one).
HBITMAP WINAPI Win9xCreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init,
                                   const void* bits, const BITMAPINFO* info, UINT usage) {
    if (header) {
        long long width = header->biWidth, height = header->biHeight;
        if (header->biSize == sizeof(BITMAPCOREHEADER)) {
            const auto* core = reinterpret_cast<const BITMAPCOREHEADER*>(header);
            width = core->bcWidth;
            height = core->bcHeight;
        }
        const unsigned deviceBits =
            dc ? GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) : 1;
        if (RowsOf(width, height, deviceBits, 2) > kWin9xSurfaceLimit)
            return Refused();
    }
    return g_wine.createDiBitmap(dc, header, init, bits, info, usage);
}

// The standard VGA driver. A memory context answers for its display, as on Windows.
int WINAPI Win9xGetDeviceCaps(HDC dc, int index) {
    const int real = g_wine.getDeviceCaps(dc, index);
    const DWORD kind = GetObjectType(dc);
    if (!g_sixteenColors || (kind != OBJ_DC && kind != OBJ_MEMDC))
        return real;
    const int vga[][2] = {{BITSPIXEL, 4}, {PLANES, 1}, {NUMCOLORS, 16}, {SIZEPALETTE, 0}};
    for (const auto& [which, value] : vga)
        if (index == which)
            return value;
    return index == RASTERCAPS ? real & ~RC_PALETTE : real;
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
        {&g_gdi32, "gdi32.dll", "CreateBitmap", AsProc(Win9xCreateBitmap)},
        {&g_gdi32, "gdi32.dll", "CreateBitmapIndirect", AsProc(Win9xCreateBitmapIndirect)},
        {&g_gdi32, "gdi32.dll", "CreateDIBitmap", AsProc(Win9xCreateDIBitmap)},
        {&g_gdi32, "gdi32.dll", "GetDeviceCaps", AsProc(Win9xGetDeviceCaps)},
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

// "1" or "98": Windows 98; "95": Windows 95.
bool Asked() {
    char value[8] = {};
    GetEnvironmentVariableA("QV_WIN9X_PERSONALITY", value, sizeof value);
    if (lstrcmpA(value, "95") == 0)
        g_version = Win9xVersion::Windows95;
    return lstrcmpA(value, "1") == 0 || lstrcmpA(value, "98") == 0 ||
           g_version == Win9xVersion::Windows95;
}

void Install() {
    g_kernel32 = GetModuleHandleA("kernel32.dll");
    g_user32 = GetModuleHandleA("user32.dll");
    g_gdi32 = GetModuleHandleA("gdi32.dll");
    g_wine.getProcAddress = &::GetProcAddress;
    g_wine.writeProfileString = &::WritePrivateProfileStringA;
    g_wine.createCompatibleBitmap = &::CreateCompatibleBitmap;
    g_wine.createDibSection = &::CreateDIBSection;
    g_wine.createBitmap = &::CreateBitmap;
    g_wine.createBitmapIndirect = &::CreateBitmapIndirect;
    g_wine.createDiBitmap = &::CreateDIBitmap;
    g_wine.getDeviceCaps = &::GetDeviceCaps;
    HMODULE program = GetModuleHandleA(nullptr);
    ForEachReplacement([&](const Replacement& r) {
        ReplaceImport(program, r.dll, r.name, r.function);
        return false;
    });
    InstallResourceLedger(program); // counts through the replacements above
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
        std::printf("Windows 9x personality: Windows %s, since %s\n",
                    g_version == Win9xVersion::Windows95 ? "95" : "98",
                    g_decidedAtStart ? "process start" : "main");
    return on;
}

bool Win9xPersonalityActive() {
    return g_state == kOn;
}

Win9xVersion ActiveWin9xVersion() {
    return g_version;
}

void PlayWin9xVersion(Win9xVersion version) {
    g_version = version;
}

void PlaySixteenColorDisplay(bool on) {
    g_sixteenColors = on;
}

std::string ProfileFileOnDisk(const std::string& file) {
    const std::string path = ProfilePath(file.c_str());
    if (g_state == kOn) {
        auto image = DiskImages().find(path);
        if (image != DiskImages().end())
            return image->second;
    }
    return FileBytes(path);
}

int WineMajorVersion() {
    using VersionFn = const char*(CDECL*)();
    const auto version = reinterpret_cast<VersionFn>(reinterpret_cast<void*>(
        WineGetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    return version ? std::atoi(version()) : 0;
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
