#include "framework/IniFile.h"
#include "framework/Exceptions.h"
#include "framework/Seams.h"
#include <windows.h>

namespace qv {

namespace {
constexpr DWORD kReadBufferSize = 1024;
// What a read yields for a missing key: text no profile line holds.
constexpr char kMissing[] = "\x01\x02 missing \x02\x01";
// A file may hold a key more than once and each delete removes one copy; a key still there
// after this many deletes is one the system does not delete.
constexpr int kMaxCopies = 64;
} // namespace

std::string IniFile::ReadString(const std::string& section, const std::string& key) const {
    char buffer[kReadBufferSize] = {};
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                            kReadBufferSize, fileName_.c_str());
    return std::string(buffer, length);
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!WriteProfileText(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
        FailWrite();
}

void IniFile::DeleteKey(const std::string& section, const std::string& key) {
    for (int deletes = 0; HasKey(section, key); ++deletes) {
        if (deletes == kMaxCopies ||
            !WriteProfileText(section.c_str(), key.c_str(), nullptr, fileName_.c_str()))
            FailWrite();
    }
}

bool IniFile::HasKey(const std::string& section, const std::string& key) const {
    char buffer[sizeof kMissing + 1] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer, sizeof buffer,
                             fileName_.c_str());
    return std::string(buffer) != kMissing;
}

void IniFile::Flush() {
    WriteProfileText(nullptr, nullptr, nullptr, fileName_.c_str());
}

// The system may keep the file's contents cached with the refused change in them (Wine does);
// the flush request drops that copy, so later reads and retries see what the file holds.
void IniFile::FailWrite() {
    Flush();
    throw Exception("Unable to write to " + fileName_);
}

} // namespace qv
