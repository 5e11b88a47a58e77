#pragma once
// A ledger of the GDI and USER objects the program makes and destroys, kept by the Windows 9x
// personality (support/Win9xPersonality.h). Windows 95 and 98 keep these objects in small heaps
// shared by every program (HACKING.md, "The 9x resource heaps"); Wine has no such limit and
// its GetGuiResources is a stub, so a leak would pass every other test. The ledger sits in the
// program's import table: every object a maker hands to code linked into the program is
// written in, every successful destroyer call crosses it out. Windows, menus and timers die
// with their owners as well, so those are counted while the system still knows them.
#include <windows.h>
#include <array>
#include <ostream>

namespace qvtest {

enum class ObjectKind {
    Pen,
    Brush,
    Font,
    Bitmap,
    Region,
    Palette,
    Dc,
    Icon,
    Cursor,
    Menu,
    Window,
    Timer,
    Count
};
inline constexpr int kObjectKinds = static_cast<int>(ObjectKind::Count);

// The program's live objects, by kind.
struct LiveObjects {
    std::array<int, kObjectKinds> count{};
    int operator[](ObjectKind kind) const { return count[static_cast<int>(kind)]; }
    int Total() const;
    bool operator==(const LiveObjects&) const = default;
};
void PrintTo(const LiveObjects& objects, std::ostream* out);

// True once the personality has installed the ledger.
bool ResourceLedgerActive();
// What the ledger holds now.
LiveObjects CountLiveObjects();
// How many objects the ledger has written in so far (a DC each time it is handed out).
long ObjectsMade();

// Points the program's imports of the makers and destroyers at the ledger (by the personality,
// after its own replacements, which the ledger then calls). Uses nothing but plain data and
// the system, so it can run before the C runtime has started.
void InstallResourceLedger(HMODULE program);

} // namespace qvtest
