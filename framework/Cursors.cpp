#include "framework/Cursors.h"
#include <string>
#include <initializer_list>
#include <map>

namespace qv {

namespace {

// A pointer drawn as text: 'X' black, '.' white, anything else transparent; '@' marks the
// hot spot (black).
struct CursorArt {
    const char* const* rows;
    int count;
    int top; // the first row's row in the pointer
};

// The drag pointers: the arrow with one sheet, or with a stack of sheets, below its tail.
constexpr const char* kArrowArt[] = {
    "X",        "X.X",       "X..X",       "X...X",       "X....X",  "X.....X",
    "X......X", "X.......X", "X........X", "X.....XXXXX", "X..X..X", "X.X X..X",
    "XX  X..X", "X    X..X", "      X..X", "       XX",
};
constexpr const char* kSheetArt[] = {
    "        XXXXXXXXX", "        X.......X", "        X.......X",
    "        X.......X", "        X.......X", "        XXXXXXXXX",
};
constexpr const char* kSheetsArt[] = {
    "            XXXXXXXXX", "        XXXX.......X", "        X..X.......X", "        X..X.......X",
    "        X..X.......X",  "        X..XXXXXXXXX", "        X.......X",    "        XXXXXXXXX",
};
constexpr const char* kHandArt[] = {
    "     XX",          "    X..X",         "    X..X",         "    X..X",
    "    X..X",         "    X..XXX",       "    X..X..XXX",    "    X..X..X..XX",
    " XX X..X..X..X.X", "X..XX........X.X", "X...X..........X", " X.............X",
    "  X............X", "  X...........X",  "   X..........X",  "    X........X",
    "    X........X",   "    XXXXXXXXXX",
};
constexpr const char* kHSplitArt[] = {
    "     X.X X.X",     "     X.X X.X",      "     X.X X.X",     "  X  X.X X.X  X",
    " X.XXX.X X.XXX.X", "X...............X", " X.XXX.X X.XXX.X", "  X  X.X X.X  X",
    "     X.X X.X",     "     X.X X.X",      "     X.X X.X",
};
constexpr const char* kVSplitArt[] = {
    "     X",        "    X.X",       "   X...X",  "      X.X",     "XXXXXX.XXXXXX",
    "X...........X", "XXXXXXXXXXXXX", "",          "XXXXXXXXXXXXX", "X...........X",
    "XXXXXX.XXXXXX", "      X.X",     "    X...X", "     X.X",      "      X",
};

// Draws the layers over each other (blanks leave what lies below).
HCURSOR DrawCursor(std::initializer_list<CursorArt> layers, int hotX, int hotY) {
    const int cx = GetSystemMetrics(SM_CXCURSOR), cy = GetSystemMetrics(SM_CYCURSOR);
    const int stride = ((cx + 15) / 16) * 2; // rows of whole 16-bit words
    std::string andMask(static_cast<std::size_t>(stride) * cy, '\xff');
    std::string xorMask(static_cast<std::size_t>(stride) * cy, '\0');
    for (const CursorArt& art : layers) {
        for (int row = 0; row < art.count && art.top + row < cy; ++row) {
            const int y = art.top + row;
            for (int x = 0; art.rows[row][x] && x < cx; ++x) {
                char c = art.rows[row][x];
                if (c != 'X' && c != '.')
                    continue;
                std::size_t byte = static_cast<std::size_t>(y) * stride + x / 8;
                unsigned char bit = static_cast<unsigned char>(0x80 >> (x % 8));
                andMask[byte] = static_cast<char>(andMask[byte] & ~bit);
                if (c == '.')
                    xorMask[byte] = static_cast<char>(xorMask[byte] | bit);
            }
        }
    }
    return CreateCursor(GetModuleHandleA(nullptr), hotX, hotY, cx, cy, andMask.data(),
                        xorMask.data());
}

template <std::size_t N>
CursorArt Art(const char* const (&rows)[N], int top = 0) {
    return CursorArt{rows, static_cast<int>(N), top};
}

struct CursorTable {
    std::map<TCursor, HCURSOR> owned; // drawn or registered: destroyed at exit
    ~CursorTable() {
        for (auto& [number, handle] : owned)
            if (handle)
                DestroyCursor(handle);
    }
};

CursorTable& Table() {
    static CursorTable table;
    return table;
}

LPCSTR SystemCursorName(TCursor cursor) {
    switch (cursor) {
    case crArrow:
        return IDC_ARROW;
    case crCross:
        return IDC_CROSS;
    case crIBeam:
        return IDC_IBEAM;
    case crSizeNESW:
        return IDC_SIZENESW;
    case crSizeNS:
        return IDC_SIZENS;
    case crSizeNWSE:
        return IDC_SIZENWSE;
    case crSizeWE:
        return IDC_SIZEWE;
    case crUpArrow:
        return IDC_UPARROW;
    case crHourGlass:
        return IDC_WAIT;
    case crNoDrop:
    case crNo:
        return IDC_NO;
    case crAppStart:
        return IDC_APPSTARTING;
    case crHelp:
        return IDC_HELP;
    case crSizeAll:
        return IDC_SIZEALL;
    default:
        return nullptr;
    }
}

HCURSOR DrawnCursor(TCursor cursor) {
    switch (cursor) {
    case crDrag:
        return DrawCursor({Art(kArrowArt), Art(kSheetArt, 16)}, 0, 0);
    case crMultiDrag:
        return DrawCursor({Art(kArrowArt), Art(kSheetsArt, 15)}, 0, 0);
    case crHandPoint:
        return DrawCursor({Art(kHandArt)}, 5, 0);
    case crHSplit:
        return DrawCursor({Art(kHSplitArt)}, 8, 5);
    case crVSplit:
        return DrawCursor({Art(kVSplitArt)}, 6, 7);
    default:
        return nullptr;
    }
}

} // namespace

HCURSOR CursorHandle(TCursor cursor) {
    if (cursor == crNone)
        return nullptr;
    if (LPCSTR name = SystemCursorName(cursor))
        return LoadCursorA(nullptr, name);
    auto& owned = Table().owned;
    if (auto it = owned.find(cursor); it != owned.end())
        return it->second;
    if (HCURSOR drawn = DrawnCursor(cursor)) {
        owned[cursor] = drawn;
        return drawn;
    }
    return nullptr;
}

void SetCursorHandle(TCursor cursor, HCURSOR handle) {
    if (cursor <= 0)
        return; // the framework's own numbers stay as they are
    auto& owned = Table().owned;
    if (auto it = owned.find(cursor); it != owned.end() && it->second && it->second != handle)
        DestroyCursor(it->second);
    owned[cursor] = handle;
}

void ShowCursorOf(TCursor cursor) {
    if (cursor == crNone) {
        ::SetCursor(nullptr);
        return;
    }
    HCURSOR handle = CursorHandle(cursor);
    ::SetCursor(handle ? handle : LoadCursorA(nullptr, IDC_ARROW));
}

} // namespace qv
