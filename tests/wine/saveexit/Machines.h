#pragma once
// The machines the save and exit tests start from.
#include "support/ProgramHost.h"

namespace qvtest {

// system.ini with foreign sections around [vcache], which holds the minimal and maximal size
// and a foreign key; chunksize is not stored. The template in force is "Desktop".
inline const char* const kStartIni = "[boot]\r\n"
                                     "shell=Explorer.exe\r\n"
                                     "[vcache]\r\n"
                                     "minfilecache=0x800\r\n"
                                     "maxfilecache=8192\r\n"
                                     "foreign=kept\r\n"
                                     "[386Enh]\r\n"
                                     "device=*vmm\r\n";

inline Machine DesktopMachine() {
    return {kStartIni,
            "Desktop",
            {{"Desktop", Bytes({0xA5, 0x02, 0x00, 0x00}), Bytes({0x20, 0, 0, 0})}}};
}

// The program's own template in force, with upper bytes that must pass unchanged.
inline Machine QuorvaneMachine() {
    return {kStartIni,
            "Quorvane",
            {{"Desktop", Bytes({0xA5, 0x02, 0, 0}), Bytes({0x20, 0, 0, 0})},
             {"Quorvane", Bytes({0x00, 0x08, 0x11, 0x22}), Bytes({0x40, 0x01, 0x02, 0x03})}}};
}

} // namespace qvtest
