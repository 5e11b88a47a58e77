#include "support/SystemFiles.h"
#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace qvtest {

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Trim(const std::string& s) {
    const char* blanks = " \t\r\n\v\f";
    size_t first = s.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    size_t last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

void Check(LONG rc, const char* what, const std::string& path) {
    if (rc != ERROR_SUCCESS)
        throw std::runtime_error(std::string(what) + " failed (" + std::to_string(rc) +
                                 "): " + path);
}

} // namespace

std::string WindowsDirFile(const std::string& name) {
    char dir[MAX_PATH] = {};
    GetWindowsDirectoryA(dir, MAX_PATH);
    std::string path = dir;
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path + name;
}

std::string ReadWholeFile(const std::string& path) {
    std::string bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
            bytes.append(chunk, n);
        std::fclose(f);
    }
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        throw std::runtime_error("cannot write " + path);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

void WriteSystemIni(const std::string& bytes) {
    // The profile functions may keep the file in memory; a flush request makes them let go.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "system.ini");
    WriteWholeFile(WindowsDirFile("system.ini"), bytes);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "system.ini");
}

namespace {
bool ProfileWriteWorks() {
    if (!WritePrivateProfileStringA("qv-probe", "probe", "1", "system.ini"))
        return false;
    WritePrivateProfileStringA("qv-probe", nullptr, nullptr, "system.ini");
    return true;
}
} // namespace

std::string MakeSystemIniUnwritable() {
    const std::string path = WindowsDirFile("system.ini");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "system.ini");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    if (!ProfileWriteWorks())
        return "read-only attribute";
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    if (!CreateDirectoryA(path.c_str(), nullptr))
        throw std::runtime_error("cannot put a directory in place of " + path);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "system.ini");
    if (ProfileWriteWorks())
        throw std::runtime_error("system.ini stays writable");
    return "directory in place of the file";
}

void RestoreSystemIni(const std::string& bytes) {
    const std::string path = WindowsDirFile("system.ini");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
    WriteSystemIni(bytes);
}

std::string ReadSystemIni() {
    return ReadWholeFile(WindowsDirFile("system.ini"));
}

IniModel ParseIni(const std::string& text) {
    IniModel model;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        size_t close = line.rfind(']');
        if (line[0] == '[' && close != std::string::npos) {
            model.emplace_back(Lower(Trim(line.substr(1, close - 1))), IniEntries{});
            continue;
        }
        if (model.empty())
            model.emplace_back("", IniEntries{});
        size_t eq = line.find('=');
        if (eq == std::string::npos)
            model.back().second.emplace_back(Lower(line), "");
        else
            model.back().second.emplace_back(Lower(Trim(line.substr(0, eq))),
                                             Trim(line.substr(eq + 1)));
    }
    return model;
}

IniModel WithoutKeys(IniModel model, const std::string& section,
                     const std::vector<std::string>& keys) {
    for (auto& [name, entries] : model) {
        if (name != Lower(section))
            continue;
        std::erase_if(entries, [&](const auto& entry) {
            return std::find(keys.begin(), keys.end(), entry.first) != keys.end();
        });
    }
    return model;
}

std::optional<std::string> IniValue(const IniModel& model, const std::string& section,
                                    const std::string& key) {
    for (const auto& [name, entries] : model) {
        if (name != Lower(section))
            continue;
        for (const auto& [k, v] : entries)
            if (k == Lower(key))
                return v;
    }
    return std::nullopt;
}

void DeleteRegTree(const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    std::vector<std::string> children;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        children.emplace_back(name, size);
    }
    RegCloseKey(key);
    for (const auto& child : children)
        DeleteRegTree(path + "\\" + child);
    Check(RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str()), "RegDeleteKeyA", path);
}

void CreateRegKey(const std::string& path) {
    HKEY key;
    Check(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr),
          "RegCreateKeyExA", path);
    RegCloseKey(key);
}

bool RegKeyExists(const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void SetRegValue(const std::string& path, const std::string& name, DWORD type,
                 const std::vector<std::uint8_t>& data) {
    HKEY key;
    Check(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr),
          "RegCreateKeyExA", path);
    // Windows 9x measures REG_SZ data with strlen and refuses a null pointer: keep a zero byte
    // behind the data so both kinds of system store exactly the bytes given.
    std::vector<std::uint8_t> terminated(data);
    terminated.push_back(0);
    LONG rc = RegSetValueExA(key, name.c_str(), 0, type, terminated.data(),
                             static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    Check(rc, "RegSetValueExA", path + " " + name);
}

RegValue TextValue(const std::string& text) {
    RegValue value;
    value.type = REG_SZ;
    value.data.assign(text.begin(), text.end());
    value.data.push_back(0);
    return value;
}

void SetRegText(const std::string& path, const std::string& name, const std::string& text) {
    SetRegValue(path, name, REG_SZ, TextValue(text).data);
}

std::optional<RegValue> GetRegValue(const std::string& path, const std::string& name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RegValue value;
    DWORD size = 0;
    std::optional<RegValue> result;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        value.data.resize(size);
        if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.data.data(), &size) ==
            ERROR_SUCCESS) {
            value.data.resize(size);
            result = value;
        }
    }
    RegCloseKey(key);
    return result;
}

std::map<std::string, RegValue> RegValues(const std::string& path) {
    std::map<std::string, RegValue> values;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD nameSize = sizeof name;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        RegValue value;
        value.type = type;
        value.data.resize(size);
        nameSize = sizeof name;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &value.type, value.data.data(),
                          &size) != ERROR_SUCCESS)
            break;
        value.data.resize(size);
        values[std::string(name, nameSize)] = value;
    }
    RegCloseKey(key);
    return values;
}

std::vector<std::string> RegSubkeys(const std::string& path) {
    std::vector<std::string> names;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, size);
    }
    RegCloseKey(key);
    std::sort(names.begin(), names.end());
    return names;
}

void ResetStoreFiles(const std::string& systemIni) {
    WriteSystemIni(systemIni);
    DeleteRegTree(kTemplatesKey);
    CreateRegKey(kTemplatesKey);
}

} // namespace qvtest
