#include "framework/Picture.h"

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
        BITMAP bm{};
        if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bm, &bm)) {
            width = bm.bmWidth;
            height = bm.bmHeight;
        }
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
    }
    SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace qv
