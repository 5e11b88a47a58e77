#pragma once
// A Windows 9x personality for the Wine tests. Wine exports every function whatever Windows
// version it plays and keeps none of Windows 9x's refusals, so a test program run with
// QV_WIN9X_PERSONALITY=1 in its environment rewrites its own import table (the product code is
// linked into it) to answer as Windows 95/98 do:
//  - GetVersion and GetVersionExA report Windows 98, 4.10.1998 (the high bit of GetVersion set),
//    also under 64-bit Wine; QV_WIN9X_PERSONALITY=95 makes them report Windows 95, 4.00.950;
//  - GetProcAddress refuses lookups by ordinal in KERNEL32, and finds no GlobalMemoryStatusEx
//    (KERNEL32) and no GetGuiResources (USER32);
//  - GetModuleHandleW, LoadLibraryW and CreateSemaphoreW fail with ERROR_CALL_NOT_IMPLEMENTED;
//  - CreateBitmap, CreateBitmapIndirect, CreateCompatibleBitmap, CreateDIBitmap and
//    CreateDIBSection refuse bitmaps over 16 MB;
//  - profile files are written to disk only when flushed (ProfileFileOnDisk tells what a power
//    cut would leave), and WritePrivateProfileStringA(NULL, NULL, NULL, file), the flush,
//    returns FALSE;
//  - asked (PlaySixteenColorDisplay), GetDeviceCaps reports the display of the standard VGA
//    driver: BITSPIXEL 4, NUMCOLORS 16, no RC_PALETTE;
//  - every GDI and USER object the program makes and destroys is counted
//    (support/ResourceLedger.h).
// It is installed from a TLS callback, before the C runtime starts, so the start-up code meets
// the stubs too; named lookups through GetProcAddress find the replacements.
#include <windows.h>
#include <string>

namespace qvtest {

enum class Win9xVersion { Windows95, Windows98 };

// Installs the personality when the environment asks for it and reports whether it is on.
// The shared test main (TestMain.cpp) calls it first thing, which also links it in.
bool InstallWin9xPersonalityIfAsked();
bool Win9xPersonalityActive();
// The version the personality plays (Windows 98 unless asked for 95), and a change of it.
Win9xVersion ActiveWin9xVersion();
void PlayWin9xVersion(Win9xVersion version);
// While on, the display is one of sixteen colours without a palette (off at first).
void PlaySixteenColorDisplay(bool on);

// The bytes a power cut would leave of a profile file (a bare name is in the Windows
// directory): under the personality, what the disk held before the first write since the file
// was last flushed; otherwise the file as it is.
std::string ProfileFileOnDisk(const std::string& file);

// The major version of the Wine this runs under (from NTDLL's wine_get_version); 0 elsewhere.
// Wine 8.0's QT_Thunk drops the 16-bit result (README, "The 16-bit thunk under Wine").
int WineMajorVersion();

// Wine's own GetProcAddress, past the personality: what Wine itself answers.
FARPROC WineGetProcAddress(HMODULE module, LPCSTR name);

// The largest bitmap, in bytes, that Windows 9x's GDI creates.
inline constexpr unsigned long long kWin9xSurfaceLimit = 16ull << 20;

} // namespace qvtest
