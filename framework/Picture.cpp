#include "framework/Picture.h"
#include "framework/Gdi.h"

namespace qv {

void Picture::CreateHandle(HWND parent, const RECT& bounds, const char*) {
    CreateStandardWindow("STATIC", 0, WS_CHILD | WS_VISIBLE | SS_ICON, "", bounds, parent);
}

void Picture::SetIconResource(int resourceId) {
    icon_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
    if (!icon_)
        return;
    SendMessageA(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
    ICONINFO info{};
    int width = GetSystemMetrics(SM_CXICON);
    int height = GetSystemMetrics(SM_CYICON);
    if (GetIconInfo(icon_, &info)) {
        const BitmapHandle mask(info.hbmMask), color(info.hbmColor); // the copies are ours
        BITMAP bm{};
        if (color && GetObjectA(color.Get(), sizeof bm, &bm)) {
            width = bm.bmWidth;
            height = bm.bmHeight;
        }
    }
    SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace qv
