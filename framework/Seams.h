#pragma once
#include <windows.h>
#include <string>

namespace qv {

// Small seams for the few platform calls whose effect a test cannot observe otherwise.
// Without a hook the real function runs.

// MessageBeep(0), the refusal beep of the editors.
using BeepHook = void (*)();
void SetBeepHook(BeepHook hook);
void DefaultBeep();

// ShellExecuteA(owner, verb, file, no parameters, no directory, show); returns its result.
using ShellExecuteHook = INT_PTR (*)(HWND owner, const std::string& verb, const std::string& file,
                                     int show);
void SetShellExecuteHook(ShellExecuteHook hook);
INT_PTR OpenWithShell(HWND owner, const std::string& verb, const std::string& file, int show);

// CreateCompatibleBitmap(dc, width, height) for the off-screen surfaces (MemorySurface):
// Windows 95 and 98 refuse bitmaps that Wine and NT make, and a test must see that refusal.
using CompatibleBitmapHook = HBITMAP (*)(HDC dc, int width, int height);
void SetCompatibleBitmapHook(CompatibleBitmapHook hook);
HBITMAP CreateSurfaceBitmap(HDC dc, int width, int height);

// WritePrivateProfileStringA(section, key, value, file) of the profile accessor (IniFile); null
// arguments are passed on as null. Wine writes every change through to the file at once, so a
// flush request has no effect a test could see there; a test records the calls instead.
using ProfileWriteHook = BOOL (*)(const char* section, const char* key, const char* value,
                                  const char* file);
void SetProfileWriteHook(ProfileWriteHook hook);
BOOL WriteProfileText(const char* section, const char* key, const char* value, const char* file);

// Selects a control's palette into dc (in the background or the foreground), realizes it, puts
// the previous palette back and returns RealizePalette's answer; used when the system palette
// changes hands (GraphicHost::RealizePalettes). Wine never gives system palette entries taken
// by one palette to another, so there the two ways of realizing look alike; a test records them.
using PaletteRealizeHook = UINT (*)(HDC dc, HPALETTE palette, bool background);
void SetPaletteRealizeHook(PaletteRealizeHook hook);
UINT RealizeControlPalette(HDC dc, HPALETTE palette, bool background);

} // namespace qv
