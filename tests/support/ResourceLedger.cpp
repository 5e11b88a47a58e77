#include "support/ResourceLedger.h"
#include "support/ImportTable.h"
#include <cstddef>

namespace qvtest {
namespace {

struct Entry {
    HANDLE handle;
    HWND owner;  // timers: the window, or none
    UINT_PTR id; // timers: the id
    ObjectKind kind;
    int uses; // a window's own DC comes back from every GetDC and goes back with every ReleaseDC
};

// Plain data only: the ledger is installed from a TLS callback, before any constructor runs.
constexpr int kCapacity = 16384;
Entry g_entries[kCapacity];
int g_size = 0;
int g_unrecorded = 0;
long g_made = 0;
bool g_active = false;
CRITICAL_SECTION g_lock;

class Locked {
public:
    Locked() { EnterCriticalSection(&g_lock); }
    ~Locked() { LeaveCriticalSection(&g_lock); }
};

enum class Family { GdiObject, Dc, IconOrCursor, Timer };

bool InFamily(ObjectKind kind, Family family) {
    switch (family) {
    case Family::GdiObject:
        return kind <= ObjectKind::Palette;
    case Family::Dc:
        return kind == ObjectKind::Dc;
    case Family::IconOrCursor:
        return kind == ObjectKind::Icon || kind == ObjectKind::Cursor;
    case Family::Timer:
        return kind == ObjectKind::Timer;
    }
    return false;
}

bool Matches(const Entry& e, Family family, const void* handle, HWND owner, UINT_PTR id) {
    if (!InFamily(e.kind, family))
        return false;
    return family == Family::Timer ? e.owner == owner && e.id == id : e.handle == handle;
}

Family FamilyOf(ObjectKind kind) {
    if (kind == ObjectKind::Dc)
        return Family::Dc;
    if (kind == ObjectKind::Icon || kind == ObjectKind::Cursor)
        return Family::IconOrCursor;
    if (kind == ObjectKind::Timer)
        return Family::Timer;
    return Family::GdiObject; // windows and menus are matched by handle as well
}

void Note(ObjectKind kind, const void* handle, HWND owner = nullptr, UINT_PTR id = 0) {
    if (!handle && kind != ObjectKind::Timer)
        return;
    Locked locked;
    ++g_made;
    for (int i = 0; i < g_size; ++i) {
        Entry& e = g_entries[i];
        if (e.kind == kind && Matches(e, FamilyOf(kind), handle, owner, id)) {
            if (kind == ObjectKind::Dc)
                ++e.uses;
            return; // a timer set again, a window handle the system gave out anew
        }
    }
    if (g_size == kCapacity) {
        ++g_unrecorded;
        return;
    }
    g_entries[g_size++] = Entry{const_cast<HANDLE>(handle), owner, id, kind, 1};
}

void Forget(Family family, const void* handle, HWND owner = nullptr, UINT_PTR id = 0) {
    Locked locked;
    for (int i = 0; i < g_size; ++i) {
        Entry& e = g_entries[i];
        if (!Matches(e, family, handle, owner, id))
            continue;
        if (--e.uses == 0)
            e = g_entries[--g_size];
        return;
    }
}

// Windows, menus and timers also go with their owners, without a call the ledger sees.
bool StillKnown(const Entry& e) {
    switch (e.kind) {
    case ObjectKind::Window:
        return IsWindow(static_cast<HWND>(e.handle));
    case ObjectKind::Menu:
        return IsMenu(static_cast<HMENU>(e.handle));
    case ObjectKind::Timer:
        return !e.owner || IsWindow(e.owner);
    case ObjectKind::Icon:
    case ObjectKind::Cursor:
        return true;
    default:
        return GetObjectType(e.handle) != 0;
    }
}

// A function name as a template argument, so that every import gets its own real address.
template <std::size_t N>
struct ImportName {
    char text[N];
    constexpr ImportName(const char (&name)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            text[i] = name[i];
    }
};

// What the program called before the ledger took the import's place.
template <ImportName Name, class Fn>
struct Import {
    static constexpr const char* Function() { return Name.text; }
    static inline Fn real = nullptr;
};

// A maker whose every result is an object of one kind.
template <ImportName Name, ObjectKind Kind, class Fn>
struct Maker;
template <ImportName Name, ObjectKind Kind, class R, class... A>
struct Maker<Name, Kind, R(WINAPI*)(A...)> : Import<Name, R(WINAPI*)(A...)> {
    static R WINAPI Hook(A... args) {
        R made = Maker::real(args...);
        Note(Kind, made);
        return made;
    }
};

// A destroyer of one handle: the object is crossed out when the system destroyed it.
template <ImportName Name, Family Of, class Fn>
struct Destroyer;
template <ImportName Name, Family Of, class H>
struct Destroyer<Name, Of, BOOL(WINAPI*)(H)> : Import<Name, BOOL(WINAPI*)(H)> {
    static BOOL WINAPI Hook(H handle) {
        const BOOL destroyed = Destroyer::real(handle);
        if (destroyed)
            Forget(Of, handle);
        return destroyed;
    }
};

template <class Fn>
FARPROC AsProc(Fn fn) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(fn));
}

// Takes the import's place in the program; an import the program does not have is left out.
template <class I>
void Patch(HMODULE program, const char* dll, FARPROC hook) {
    const FARPROC current = CurrentImport(program, dll, I::Function());
    if (!current)
        return;
    I::real = reinterpret_cast<decltype(I::real)>(reinterpret_cast<void*>(current));
    ReplaceImport(program, dll, I::Function(), hook);
}

template <class M>
void PatchMaker(HMODULE program, const char* dll) {
    Patch<M>(program, dll, AsProc(&M::Hook));
}

// The makers and destroyers that need more than one kind or a look at their arguments.
using RealReleaseDC = Import<"ReleaseDC", decltype(&::ReleaseDC)>;
int WINAPI LedgerReleaseDC(HWND window, HDC dc) {
    const int released = RealReleaseDC::real(window, dc);
    if (released)
        Forget(Family::Dc, dc);
    return released;
}

using RealBeginPaint = Import<"BeginPaint", decltype(&::BeginPaint)>;
HDC WINAPI LedgerBeginPaint(HWND window, PAINTSTRUCT* paint) {
    HDC dc = RealBeginPaint::real(window, paint);
    Note(ObjectKind::Dc, dc);
    return dc;
}

using RealEndPaint = Import<"EndPaint", decltype(&::EndPaint)>;
BOOL WINAPI LedgerEndPaint(HWND window, const PAINTSTRUCT* paint) {
    const BOOL ended = RealEndPaint::real(window, paint);
    if (paint)
        Forget(Family::Dc, paint->hdc);
    return ended;
}

using RealCreateIconIndirect = Import<"CreateIconIndirect", decltype(&::CreateIconIndirect)>;
HICON WINAPI LedgerCreateIconIndirect(ICONINFO* info) {
    HICON made = RealCreateIconIndirect::real(info);
    Note(info && !info->fIcon ? ObjectKind::Cursor : ObjectKind::Icon, made);
    return made;
}

// The two bitmaps it hands back are copies the caller must delete.
using RealGetIconInfo = Import<"GetIconInfo", decltype(&::GetIconInfo)>;
BOOL WINAPI LedgerGetIconInfo(HICON icon, ICONINFO* info) {
    const BOOL got = RealGetIconInfo::real(icon, info);
    if (got && info) {
        Note(ObjectKind::Bitmap, info->hbmMask);
        Note(ObjectKind::Bitmap, info->hbmColor);
    }
    return got;
}

// A shared image belongs to the system, which keeps one per resource.
using RealLoadImageA = Import<"LoadImageA", decltype(&::LoadImageA)>;
HANDLE WINAPI LedgerLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy,
                               UINT flags) {
    HANDLE made = RealLoadImageA::real(instance, name, type, cx, cy, flags);
    if (!(flags & LR_SHARED))
        Note(type == IMAGE_BITMAP   ? ObjectKind::Bitmap
             : type == IMAGE_CURSOR ? ObjectKind::Cursor
                                    : ObjectKind::Icon,
             made);
    return made;
}

using RealSetTimer = Import<"SetTimer", decltype(&::SetTimer)>;
UINT_PTR WINAPI LedgerSetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    const UINT_PTR set = RealSetTimer::real(window, id, elapse, proc);
    if (set)
        Note(ObjectKind::Timer, nullptr, window, window ? id : set);
    return set;
}

using RealKillTimer = Import<"KillTimer", decltype(&::KillTimer)>;
BOOL WINAPI LedgerKillTimer(HWND window, UINT_PTR id) {
    const BOOL killed = RealKillTimer::real(window, id);
    if (killed)
        Forget(Family::Timer, nullptr, window, id);
    return killed;
}

template <ImportName Name, Family Of, class Fn>
void Destroys(HMODULE program, const char* dll, Fn) {
    PatchMaker<Destroyer<Name, Of, Fn>>(program, dll);
}
template <ImportName Name, ObjectKind Kind, class Fn>
void Gdi(HMODULE program, Fn) {
    PatchMaker<Maker<Name, Kind, Fn>>(program, "gdi32.dll");
}
template <ImportName Name, ObjectKind Kind, class Fn>
void User(HMODULE program, Fn) {
    PatchMaker<Maker<Name, Kind, Fn>>(program, "user32.dll");
}

} // namespace

int LiveObjects::Total() const {
    int total = 0;
    for (int n : count)
        total += n;
    return total;
}

void PrintTo(const LiveObjects& objects, std::ostream* out) {
    static const char* const kNames[kObjectKinds] = {"pens",    "brushes",  "fonts",   "bitmaps",
                                                     "regions", "palettes", "DCs",     "icons",
                                                     "cursors", "menus",    "windows", "timers"};
    *out << objects.Total() << " live (";
    for (int i = 0; i < kObjectKinds; ++i)
        *out << (i ? ", " : "") << kNames[i] << " " << objects.count[i];
    *out << ")";
}

long ObjectsMade() {
    if (!g_active)
        return 0;
    Locked locked;
    return g_made;
}

bool ResourceLedgerActive() {
    return g_active;
}

LiveObjects CountLiveObjects() {
    LiveObjects live;
    if (!g_active)
        return live;
    Locked locked;
    for (int i = 0; i < g_size;) {
        if (!StillKnown(g_entries[i])) {
            g_entries[i] = g_entries[--g_size];
            continue;
        }
        ++live.count[static_cast<int>(g_entries[i].kind)];
        ++i;
    }
    // Objects the ledger had no room for make every count suspect: the comparison fails.
    if (g_unrecorded)
        live.count.fill(-g_unrecorded);
    return live;
}

void InstallResourceLedger(HMODULE program) {
    InitializeCriticalSection(&g_lock);
    using K = ObjectKind;
    Gdi<"CreatePen", K::Pen>(program, &::CreatePen);
    Gdi<"CreatePenIndirect", K::Pen>(program, &::CreatePenIndirect);
    Gdi<"ExtCreatePen", K::Pen>(program, &::ExtCreatePen);
    Gdi<"CreateSolidBrush", K::Brush>(program, &::CreateSolidBrush);
    Gdi<"CreateBrushIndirect", K::Brush>(program, &::CreateBrushIndirect);
    Gdi<"CreateHatchBrush", K::Brush>(program, &::CreateHatchBrush);
    Gdi<"CreatePatternBrush", K::Brush>(program, &::CreatePatternBrush);
    Gdi<"CreateDIBPatternBrushPt", K::Brush>(program, &::CreateDIBPatternBrushPt);
    Gdi<"CreateFontA", K::Font>(program, &::CreateFontA);
    Gdi<"CreateFontIndirectA", K::Font>(program, &::CreateFontIndirectA);
    Gdi<"CreateBitmap", K::Bitmap>(program, &::CreateBitmap);
    Gdi<"CreateBitmapIndirect", K::Bitmap>(program, &::CreateBitmapIndirect);
    Gdi<"CreateCompatibleBitmap", K::Bitmap>(program, &::CreateCompatibleBitmap);
    Gdi<"CreateDIBitmap", K::Bitmap>(program, &::CreateDIBitmap);
    Gdi<"CreateDIBSection", K::Bitmap>(program, &::CreateDIBSection);
    Gdi<"CreateRectRgn", K::Region>(program, &::CreateRectRgn);
    Gdi<"CreateRectRgnIndirect", K::Region>(program, &::CreateRectRgnIndirect);
    Gdi<"CreateEllipticRgn", K::Region>(program, &::CreateEllipticRgn);
    Gdi<"CreateRoundRectRgn", K::Region>(program, &::CreateRoundRectRgn);
    Gdi<"CreatePolygonRgn", K::Region>(program, &::CreatePolygonRgn);
    Gdi<"CreatePalette", K::Palette>(program, &::CreatePalette);
    Gdi<"CreateHalftonePalette", K::Palette>(program, &::CreateHalftonePalette);
    Gdi<"CreateCompatibleDC", K::Dc>(program, &::CreateCompatibleDC);
    Gdi<"CreateDCA", K::Dc>(program, &::CreateDCA);
    Gdi<"CreateICA", K::Dc>(program, &::CreateICA);
    User<"GetDC", K::Dc>(program, &::GetDC);
    User<"GetDCEx", K::Dc>(program, &::GetDCEx);
    User<"GetWindowDC", K::Dc>(program, &::GetWindowDC);
    User<"CreateIcon", K::Icon>(program, &::CreateIcon);
    User<"CopyIcon", K::Icon>(program, &::CopyIcon);
    User<"CreateCursor", K::Cursor>(program, &::CreateCursor);
    User<"CreateMenu", K::Menu>(program, &::CreateMenu);
    User<"CreatePopupMenu", K::Menu>(program, &::CreatePopupMenu);
    User<"LoadMenuA", K::Menu>(program, &::LoadMenuA);
    User<"CreateWindowExA", K::Window>(program, &::CreateWindowExA);
    User<"CreateDialogIndirectParamA", K::Window>(program, &::CreateDialogIndirectParamA);
    User<"CreateDialogParamA", K::Window>(program, &::CreateDialogParamA);
    Destroys<"DeleteObject", Family::GdiObject>(program, "gdi32.dll", &::DeleteObject);
    Destroys<"DeleteDC", Family::Dc>(program, "gdi32.dll", &::DeleteDC);
    Destroys<"DestroyIcon", Family::IconOrCursor>(program, "user32.dll", &::DestroyIcon);
    Destroys<"DestroyCursor", Family::IconOrCursor>(program, "user32.dll", &::DestroyCursor);
    Patch<RealReleaseDC>(program, "user32.dll", AsProc(LedgerReleaseDC));
    Patch<RealBeginPaint>(program, "user32.dll", AsProc(LedgerBeginPaint));
    Patch<RealEndPaint>(program, "user32.dll", AsProc(LedgerEndPaint));
    Patch<RealCreateIconIndirect>(program, "user32.dll", AsProc(LedgerCreateIconIndirect));
    Patch<RealGetIconInfo>(program, "user32.dll", AsProc(LedgerGetIconInfo));
    Patch<RealLoadImageA>(program, "user32.dll", AsProc(LedgerLoadImageA));
    Patch<RealSetTimer>(program, "user32.dll", AsProc(LedgerSetTimer));
    Patch<RealKillTimer>(program, "user32.dll", AsProc(LedgerKillTimer));
    g_active = true;
}

} // namespace qvtest
