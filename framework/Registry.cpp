#include "framework/Registry.h"
#include "framework/Exceptions.h"
#include <vector>

namespace qv {

namespace {

[[noreturn]] void Fail(const char* what, const std::string& name) {
    throw Exception(std::string(what) + " for '" + name + "'");
}

} // namespace

void Registry::SetRootKey(HKEY root) {
    CloseKey();
    root_ = root;
}

bool Registry::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    HKEY key = nullptr;
    if (canCreate) {
        for (REGSAM access : {REGSAM(KEY_ALL_ACCESS), REGSAM(KEY_READ | KEY_WRITE)}) {
            DWORD disposition = 0;
            if (RegCreateKeyExA(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                nullptr, &key, &disposition) == ERROR_SUCCESS) {
                current_ = key;
                return true;
            }
        }
        return false;
    }
    for (REGSAM access : {REGSAM(KEY_ALL_ACCESS), REGSAM(KEY_READ | KEY_WRITE), REGSAM(KEY_READ)}) {
        if (RegOpenKeyExA(root_, path.c_str(), 0, access, &key) == ERROR_SUCCESS) {
            current_ = key;
            return true;
        }
    }
    return false;
}

void Registry::CloseKey() {
    if (current_) {
        RegCloseKey(current_);
        current_ = nullptr;
    }
}

bool Registry::QueryInfo(const std::string& name, DWORD& type, DWORD& size) const {
    type = REG_NONE;
    size = 0;
    return current_ && RegQueryValueExA(current_, name.c_str(), nullptr, &type, nullptr, &size) ==
                           ERROR_SUCCESS;
}

void Registry::ReadData(const std::string& name, BYTE* data, DWORD size, DWORD& type) const {
    DWORD got = size;
    if (RegQueryValueExA(current_, name.c_str(), nullptr, &type, data, &got) != ERROR_SUCCESS)
        Fail("Failed to get data", name);
}

std::string Registry::ReadString(const std::string& name) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!QueryInfo(name, type, size) || size == 0)
        return std::string();
    // One spare byte, so text stored without its terminating zero still ends.
    std::vector<BYTE> data(size + 1, 0);
    ReadData(name, data.data(), size, type);
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        Fail("Invalid data type", name);
    return std::string(reinterpret_cast<const char*>(data.data()));
}

void Registry::ReadRaw4(const std::string& name, std::array<std::uint8_t, 4>& buffer) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!QueryInfo(name, type, size))
        return;
    if (type != REG_BINARY || size > buffer.size())
        Fail("Invalid data type", name);
    // Read into a scratch copy: only the bytes the value really has replace the buffer's.
    std::array<std::uint8_t, 4> data = buffer;
    DWORD readType = REG_NONE;
    ReadData(name, data.data(), size, readType);
    if (readType != REG_BINARY)
        Fail("Invalid data type", name);
    buffer = data;
}

void Registry::SetData(const std::string& name, DWORD type, const BYTE* data, DWORD size) {
    if (!current_ || RegSetValueExA(current_, name.c_str(), 0, type, data, size) != ERROR_SUCCESS)
        Fail("Failed to set data", name);
}

void Registry::WriteString(const std::string& name, const std::string& value) {
    SetData(name, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
            static_cast<DWORD>(value.size() + 1));
}

void Registry::FlushKey() {
    if (!current_ || RegFlushKey(current_) != ERROR_SUCCESS)
        throw Exception("Failed to write the registry to disk");
}

void Registry::WriteRaw4(const std::string& name, const std::array<std::uint8_t, 4>& buffer) {
    SetData(name, REG_BINARY, buffer.data(), static_cast<DWORD>(buffer.size()));
}

} // namespace qv
