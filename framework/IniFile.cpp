#include "framework/IniFile.h"
#include "framework/Exceptions.h"
#include <windows.h>

namespace qv {

namespace {
constexpr DWORD kReadBufferSize = 1024;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key) const {
    char buffer[kReadBufferSize] = {};
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                            kReadBufferSize, fileName_.c_str());
    return std::string(buffer, length);
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
        throw Exception("Unable to write to " + fileName_);
}

void IniFile::DeleteKey(const std::string& section, const std::string& key) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, fileName_.c_str());
}

} // namespace qv
