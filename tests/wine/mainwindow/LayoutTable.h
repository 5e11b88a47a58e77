#pragma once
// The main window's controls as its layout table places them, in pixels at 96 pixels per inch.
#include "main/f1.h"
#include <string>

namespace qvtest {

struct Expected {
    const char* name;
    const char* className;
    const char* parent;
    int left, top, width, height;
    const char* text;
    bool enabled;
};

// clang-format off
inline const Expected kControls[] = {
    {"GroupBox1",       "QvGroupBox",        "f1",          2,   5, 493, 172, "Information",                      true},
    {"lb1",             "Static",            "GroupBox1",  55,  20, 104,  13, "Free physical memory:",            true},
    {"Image1",          "Static",            "GroupBox1",  15,  31,  32,  32, "",                                 true},
    {"lb2",             "Static",            "GroupBox1",  55,  70, 153,  13, "Used virtual memory [Swap File]:", true},
    {"Image2",          "Static",            "GroupBox1",  15,  80,  32,  32, "",                                 true},
    {"Label7",          "Static",            "GroupBox1",  55, 119,  78,  13, "Free Resources:",                  true},
    {"systemlabel",     "Static",            "GroupBox1",  64, 143,  37,  13, "System:",                          true},
    {"gdilabel",        "Static",            "GroupBox1", 253, 143,  22,  13, "GDI:",                             true},
    {"userlabel",       "Static",            "GroupBox1", 421, 143,  25,  13, "User:",                            true},
    {"Label8",          "Static",            "GroupBox1", 333,  16, 148,  14, "example.com/quorvane/",            true},
    {"GroupBox2",       "QvGroupBox",        "f1",          2, 178, 493, 197, "Disk Cache Size",                  true},
    {"Label1",          "Static",            "GroupBox2",  18,  22,  96,  13, "Minimal Disk Cache:",              false},
    {"min",             "msctls_trackbar32", "GroupBox2",   8,  42, 323,  30, "",                                 false},
    {"emin",            "QvSpinEdit",        "GroupBox2", 331,  42,  65,  23, "1024",                             false},
    {"Label2",          "Static",            "GroupBox2", 399,  48,  13,  13, "Kb",                               false},
    {"enablemincache",  "Button",            "GroupBox2", 422,  47,  60,  17, "Enabled",                          true},
    {"Label3",          "Static",            "GroupBox2",  18,  77,  99,  13, "Maximal Disk Cache:",              false},
    {"max",             "msctls_trackbar32", "GroupBox2",   8,  98, 323,  30, "",                                 false},
    {"emax",            "QvSpinEdit",        "GroupBox2", 331,  98,  65,  23, "8192",                             false},
    {"Label4",          "Static",            "GroupBox2", 399, 103,  13,  13, "Kb",                               false},
    {"enablemaxcache",  "Button",            "GroupBox2", 422, 102,  60,  17, "Enabled",                          true},
    {"Label5",          "Static",            "GroupBox2",  18, 137,  57,  13, "Chuck Size:",                      false},
    {"chunk",           "msctls_trackbar32", "GroupBox2",   8, 156, 333,  30, "",                                 false},
    {"echunk",          "QvSpinEdit",        "GroupBox2", 341, 156,  55,  23, "512",                              false},
    {"Label6",          "Static",            "GroupBox2", 399, 162,  13,  13, "Kb",                               false},
    {"enablechunk",     "Button",            "GroupBox2", 422, 160,  60,  17, "Enabled",                          true},
    {"GroupBox3",       "QvGroupBox",        "f1",          2, 375, 493, 137, "File Cache",                       true},
    {"Label9",          "Static",            "GroupBox3",  18,  22,  62,  13, "Name Cache",                       false},
    {"namecachebar",    "msctls_trackbar32", "GroupBox3",   8,  42, 333,  30, "",                                 false},
    {"enamecache",      "QvSpinEdit",        "GroupBox3", 341,  42,  55,  23, "677",                              false},
    {"enablenamecache", "Button",            "GroupBox3", 422,  47,  60,  17, "Enabled",                          true},
    {"Label10",         "Static",            "GroupBox3",  18,  77,  79,  13, "Directory Cache:",                 false},
    {"pathcachebar",    "msctls_trackbar32", "GroupBox3",   8,  98, 333,  30, "",                                 false},
    {"epathcache",      "QvSpinEdit",        "GroupBox3", 341,  98,  55,  23, "32",                               false},
};
// clang-format on

// The control of that name in the window or in one of its boxes.
inline qv::Window* Find(Tf1& f, const std::string& name) {
    for (HWND child = GetWindow(f.Handle(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (auto* w = qv::Window::FromHandle(child); w && w->Name() == name)
            return w;
        for (HWND inner = GetWindow(child, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT))
            if (auto* w = qv::Window::FromHandle(inner); w && w->Name() == name)
                return w;
    }
    return nullptr;
}

} // namespace qvtest
