// Palettes of graphic controls on a palette display (256 colours): when the system palette
// changes hands, the form realizes its controls' palettes again so their pictures keep their
// colours, or the nearest ones the system palette now offers.
#include "framework/GraphicControl.h"
#include "framework/Gdi.h"
#include "framework/Seams.h"
#include <vector>

namespace qv {

namespace {

BOOL CALLBACK CollectHost(HWND window, LPARAM list) {
    if (GraphicHost* host = GraphicHost::OfWindow(window))
        reinterpret_cast<std::vector<GraphicHost*>*>(list)->push_back(host);
    return TRUE;
}

} // namespace

bool GraphicHost::RealizePalettes(HWND topLevel, bool foreground) {
    if (!topLevel || !IsWindowVisible(topLevel))
        return false;
    std::vector<GraphicHost*> hosts;
    CollectHost(topLevel, reinterpret_cast<LPARAM>(&hosts));
    EnumChildWindows(topLevel, &CollectHost, reinterpret_cast<LPARAM>(&hosts));
    bool realized = false;
    for (GraphicHost* host : hosts) {
        if (!IsWindowVisible(host->window_))
            continue;
        for (GraphicControl* control : host->controls_) {
            HPALETTE palette = control->Showing() ? control->Palette() : nullptr;
            if (!palette)
                continue;
            // Only one palette can own the system palette: the first control's.
            const bool background = realized || !foreground;
            WindowDC dc(host->window_);
            const UINT moved = RealizeControlPalette(dc.Get(), palette, background);
            // In the background the system palette changed under the control's pixels, so it
            // is drawn again in any case; in front only when its colours moved.
            if (background || moved > 0)
                control->Invalidate();
            realized = true;
        }
    }
    return realized;
}

} // namespace qv
