#include "framework/Seams.h"
#include "framework/Gdi.h"
#include <shellapi.h>

namespace qv {

namespace {
BeepHook g_beep = nullptr;
ShellExecuteHook g_shell = nullptr;
CompatibleBitmapHook g_compatibleBitmap = nullptr;
ProfileWriteHook g_profileWrite = nullptr;
PaletteRealizeHook g_paletteRealize = nullptr;
} // namespace

void SetBeepHook(BeepHook hook) {
    g_beep = hook;
}

void DefaultBeep() {
    if (g_beep)
        g_beep();
    else
        MessageBeep(0);
}

void SetShellExecuteHook(ShellExecuteHook hook) {
    g_shell = hook;
}

INT_PTR OpenWithShell(HWND owner, const std::string& verb, const std::string& file, int show) {
    if (g_shell)
        return g_shell(owner, verb, file, show);
    HINSTANCE result = ShellExecuteA(owner, verb.c_str(), file.c_str(), nullptr, nullptr, show);
    return reinterpret_cast<INT_PTR>(result);
}

void SetCompatibleBitmapHook(CompatibleBitmapHook hook) {
    g_compatibleBitmap = hook;
}

HBITMAP CreateSurfaceBitmap(HDC dc, int width, int height) {
    if (g_compatibleBitmap)
        return g_compatibleBitmap(dc, width, height);
    return CreateCompatibleBitmap(dc, width, height);
}

void SetProfileWriteHook(ProfileWriteHook hook) {
    g_profileWrite = hook;
}

BOOL WriteProfileText(const char* section, const char* key, const char* value, const char* file) {
    if (g_profileWrite)
        return g_profileWrite(section, key, value, file);
    return WritePrivateProfileStringA(section, key, value, file);
}

void SetPaletteRealizeHook(PaletteRealizeHook hook) {
    g_paletteRealize = hook;
}

UINT RealizeControlPalette(HDC dc, HPALETTE palette, bool background) {
    if (g_paletteRealize)
        return g_paletteRealize(dc, palette, background);
    PaletteSelection selection(dc, palette, background);
    return selection.Realized();
}

} // namespace qv
