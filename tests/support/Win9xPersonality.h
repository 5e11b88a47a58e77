#pragma once
// A Windows 9x personality for the Wine tests. Wine exports every function whatever Windows
// version it plays and keeps none of Windows 9x's refusals, so a test program run with
// QV_WIN9X_PERSONALITY=1 in its environment rewrites its own import table (the product code is
// linked into it) to answer as Windows 95/98 do:
//  - GetVersion and GetVersionExA report Windows 98 (4.10, the high bit of GetVersion set), also
//    under 64-bit Wine;
//  - GetProcAddress refuses lookups by ordinal in KERNEL32, and finds no GlobalMemoryStatusEx
//    (KERNEL32) and no GetGuiResources (USER32);
//  - GetModuleHandleW, LoadLibraryW and CreateSemaphoreW fail with ERROR_CALL_NOT_IMPLEMENTED;
//  - CreateCompatibleBitmap and CreateDIBSection refuse surfaces over 16 MB;
//  - WritePrivateProfileStringA(NULL, NULL, NULL, file) flushes and returns FALSE.
// It is installed from a TLS callback, before the C runtime starts, so the start-up code meets
// the stubs too; named lookups through GetProcAddress find the replacements.
#include <windows.h>

namespace qvtest {

// Installs the personality when the environment asks for it and reports whether it is on.
// Test programs that may run under it call this first thing in main (which also links it in).
bool InstallWin9xPersonalityIfAsked();
bool Win9xPersonalityActive();

// Wine's own GetProcAddress, past the personality: what Wine itself answers.
FARPROC WineGetProcAddress(HMODULE module, LPCSTR name);

// The largest bitmap, in bytes, that Windows 9x's GDI creates.
inline constexpr unsigned long long kWin9xSurfaceLimit = 16ull << 20;

} // namespace qvtest
