// The main window's layout: every control with its position (pixels at 96 dpi, relative to its
// box), tab order, caption, font, start state and ranges.
#include "main/f1.h"
#include "main/InformationGauges.h"
#include "main/SettingsEditors.h"
#include "main/resource.h"

namespace {

using qv::kArial11;
using qv::kMsSansSerif11;
const qv::FontSpec kLinkFont{"Arial", -11, true};

} // namespace

// The minimal and maximal cache fields hold up to 524288 Kb, six digits, so they are ten pixels
// wider than the others, taken from the left end of their bars (docs/main-window-layout.md has
// the figures). On a denser screen the field, its buttons and its font grow together.
std::array<qv::Placement, Tf1::kPlacedControls> Tf1::Layout() {
    constexpr bool on = true;
    constexpr bool off = false;
    // clang-format off
    return {{
        // control         parent     name               left top width height tab  caption                              font            enabled help
        {GroupBox1,        *this,     "GroupBox1",          2,   5, 493, 172,   0, "Information",                       &kMsSansSerif11, on,  0},
        {lb1,              GroupBox1, "lb1",               55,  20, 104,  13,  -1, "Free physical memory:",             nullptr,         on,  0},
        {Image1,           GroupBox1, "Image1",            15,  31,  32,  32,  -1, nullptr,                             nullptr,         on,  0},
        {lb2,              GroupBox1, "lb2",               55,  70, 153,  13,  -1, "Used virtual memory [Swap File]:",  nullptr,         on,  0},
        {Image2,           GroupBox1, "Image2",            15,  80,  32,  32,  -1, nullptr,                             nullptr,         on,  0},
        {Label7,           GroupBox1, "Label7",            55, 119,  78,  13,  -1, "Free Resources:",                   nullptr,         on,  0},
        {systemlabel,      GroupBox1, "systemlabel",       64, 143,  37,  13,  -1, "System:",                           nullptr,         on,  0},
        {gdilabel,         GroupBox1, "gdilabel",         253, 143,  22,  13,  -1, "GDI:",                              nullptr,         on,  0},
        {userlabel,        GroupBox1, "userlabel",        421, 143,  25,  13,  -1, "User:",                             nullptr,         on,  0},
        {Label8,           GroupBox1, "Label8",           333,  16, 148,  14,  -1, kHomePageShown,                      &kLinkFont,      on,  0},

        {GroupBox2,        *this,     "GroupBox2",          2, 178, 493, 197,   1, "Disk Cache Size",                   &kArial11,       on,  0},
        {Label1,           GroupBox2, "Label1",            18,  22,  96,  13,  -1, "Minimal Disk Cache:",               &kMsSansSerif11, off, 0},
        {min,              GroupBox2, "min",                8,  42, 323,  30,   0, nullptr,                             nullptr,         off, 1},
        {emin,             GroupBox2, "emin",             331,  42,  65,  23,   4, nullptr,                             nullptr,         off, 0},
        {Label2,           GroupBox2, "Label2",           399,  48,  13,  13,  -1, "Kb",                                &kMsSansSerif11, off, 0},
        {enablemincache,   GroupBox2, "enablemincache",   422,  47,  60,  17,   2, "Enabled",                           nullptr,         on,  0},
        {Label3,           GroupBox2, "Label3",            18,  77,  99,  13,  -1, "Maximal Disk Cache:",               &kMsSansSerif11, off, 0},
        {max,              GroupBox2, "max",                8,  98, 323,  30,   1, nullptr,                             nullptr,         off, 1},
        {emax,             GroupBox2, "emax",             331,  98,  65,  23,   5, nullptr,                             nullptr,         off, 0},
        {Label4,           GroupBox2, "Label4",           399, 103,  13,  13,  -1, "Kb",                                &kMsSansSerif11, off, 0},
        {enablemaxcache,   GroupBox2, "enablemaxcache",   422, 102,  60,  17,   7, "Enabled",                           nullptr,         on,  0},
        {Label5,           GroupBox2, "Label5",            18, 137,  57,  13,  -1, "Chuck Size:",                       &kMsSansSerif11, off, 0},
        {chunk,            GroupBox2, "chunk",              8, 156, 333,  30,   3, nullptr,                             nullptr,         off, 1},
        {echunk,           GroupBox2, "echunk",           341, 156,  55,  23,   6, nullptr,                             nullptr,         off, 0},
        {Label6,           GroupBox2, "Label6",           399, 162,  13,  13,  -1, "Kb",                                &kMsSansSerif11, off, 0},
        {enablechunk,      GroupBox2, "enablechunk",      422, 160,  60,  17,   8, "Enabled",                           nullptr,         on,  0},

        {GroupBox3,        *this,     "GroupBox3",          2, 375, 493, 137,   2, "File Cache",                        &kArial11,       on,  0},
        {Label9,           GroupBox3, "Label9",            18,  22,  62,  13,  -1, "Name Cache",                        &kMsSansSerif11, off, 0},
        {namecachebar,     GroupBox3, "namecachebar",       8,  42, 333,  30,   0, nullptr,                             nullptr,         off, 1},
        {enamecache,       GroupBox3, "enamecache",       341,  42,  55,  23,   2, nullptr,                             nullptr,         off, 0},
        {enablenamecache,  GroupBox3, "enablenamecache",  422,  47,  60,  17,   4, "Enabled",                           nullptr,         on,  0},
        {Label10,          GroupBox3, "Label10",           18,  77,  79,  13,  -1, "Directory Cache:",                  &kMsSansSerif11, off, 0},
        {pathcachebar,     GroupBox3, "pathcachebar",       8,  98, 333,  30,   1, nullptr,                             nullptr,         off, 1},
        {epathcache,       GroupBox3, "epathcache",       341,  98,  55,  23,   3, nullptr,                             nullptr,         off, 0},
    }};
    // clang-format on
}

void Tf1::CreateControls() {
    qv::PlaceControls(Layout());

    // The window-less controls: the line under the menu bar and the frame of the resource labels.
    Bevel1.SetShape(qv::Bevel::Shape::Frame);
    Bevel1.SetLayoutBounds(2, 0, 493, 2);
    Bevel2.SetShape(qv::Bevel::Shape::Box);
    Bevel2.SetLayoutBounds(55, 138, 428, 24);
    CreateInformationGauges(*this); // gauge1 and gauge2

    Image1.SetIconResource(IDI_MEMORY);
    Image2.SetIconResource(IDI_DISK);

    SetUpEditors(*this); // ranges, steps and start values from the settings model
}
