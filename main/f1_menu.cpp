// The main menu: captions ("&" marks the access key, "&&" shows "&", "-" is a separator),
// help contexts (0: the nearest enclosing item's) and handlers.
#include "main/f1.h"

void Tf1::CreateMenu() {
    using qv::Bind;
    // clang-format off
    const qv::MenuRow rows[] = {
        // name                        level caption                        help handler
        {"Main1",                      0, " &File",                        3, nullptr},
        {"save1",                      1, "Save",                          5, Bind(this, &Tf1::save)},
        {"savee1",                     1, "Save && Exit",                  7, Bind(this, &Tf1::saveexit)},
        {"N1",                         1, "-",                             0, nullptr},
        {"Exit1",                      1, "Exit",                          6, Bind(this, &Tf1::Exit1Click)},
        {"Settings1",                  0, "Se&ttings",                     3, nullptr},
        {"Windows951",                 1, "Windows 95",                    0, nullptr},
        {"win95standardsystemitem",    2, "Standard System",              11, Bind(this, &Tf1::win95standard)},
        {"win95cdwriteritem",          2, "Cd Writer",                    12, Bind(this, &Tf1::win95cdwriter)},
        {"win95poweruseritem",         2, "Power User",                   13, Bind(this, &Tf1::win95poweruser)},
        {"win95lowmemitem",            2, "Low Memory System",             0, Bind(this, &Tf1::win95lowmem)},
        {"win95quakeitem",             2, "Quake 2, Unreal ...",           0, Bind(this, &Tf1::win95quake)},
        {"Windows981",                 1, "Windows 98",                    0, nullptr},
        {"win98standarditem",          2, "Standard System",              11, Bind(this, &Tf1::win98standard)},
        {"win98cdwriteritem",          2, "Cd Writer",                    12, Bind(this, &Tf1::win98cdwriter)},
        {"win98poweruseritem",         2, "Power User",                   13, Bind(this, &Tf1::win98poweruser)},
        {"win98lowmemitem",            2, "Low Memory System",             0, Bind(this, &Tf1::win98lowmem)},
        {"win98quakeitem",             2, "Quake 2, Unreal ...",           0, Bind(this, &Tf1::win98quake)},
        {"N5",                         1, "-",                             0, nullptr},
        {"RestoreOriginalSettings1",   1, "Disable Cache Optimization",   14, Bind(this, &Tf1::disablecache)},
        {"Help1",                      0, "&Help ",                        3, nullptr},
        {"Contents1",                  1, "Contents",                      0, Bind(this, &Tf1::Contents1Click)},
    };
    // clang-format on
    MainMenu1.Build(rows);
    SetMenu(MainMenu1);
}
