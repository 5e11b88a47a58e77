#pragma once
// system.ini held open by this test the way another program may hold it: readable by everyone,
// writable by nobody else. The system itself refuses every write through the profile functions
// (the sharing rules deny the write access they open the file with), on Windows and under Wine
// alike, while every read still works, so keys the file holds stay readable.
#include "support/SystemFiles.h"
#include <windows.h>
#include <stdexcept>

namespace qvtest {

class HeldSystemIni {
public:
    HeldSystemIni() {
        handle_ = CreateFileA(WindowsDirFile("system.ini").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE)
            throw std::runtime_error("cannot hold system.ini open");
    }
    ~HeldSystemIni() { Release(); }
    HeldSystemIni(const HeldSystemIni&) = delete;
    HeldSystemIni& operator=(const HeldSystemIni&) = delete;

    void Release() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

} // namespace qvtest
