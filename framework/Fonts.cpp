#include "framework/Fonts.h"
#include "framework/Gdi.h"
#include "framework/Scaling.h"
#include <cstring>
#include <string>
#include <vector>

namespace qv {

namespace {

struct CachedFont {
    std::string face;
    int height;
    bool underline;
    GdiObject<HFONT> font;
};

// Fonts live as long as the controls that use them may; they are freed at exit.
struct FontCache {
    std::vector<CachedFont> fonts;
};

FontCache& Cache() {
    static FontCache cache;
    return cache;
}

} // namespace

HFONT GetFont(const FontSpec& spec) {
    for (const CachedFont& f : Cache().fonts) {
        if (f.face == spec.face && f.height == spec.height && f.underline == spec.underline)
            return f.font.Get();
    }
    LOGFONTA lf{};
    lf.lfHeight = ScaleToScreen(spec.height);
    lf.lfWeight = FW_NORMAL;
    lf.lfUnderline = spec.underline ? TRUE : FALSE;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    strncpy(lf.lfFaceName, spec.face, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectA(&lf);
    if (!font)
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    Cache().fonts.push_back({spec.face, spec.height, spec.underline, GdiObject<HFONT>(font)});
    return font;
}

} // namespace qv
