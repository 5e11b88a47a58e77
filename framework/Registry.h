#pragma once
#include <windows.h>
#include <array>
#include <cstdint>
#include <string>

namespace qv {

// Typed access to one registry key at a time below a root key. Every open first closes the
// current key, so every path is taken from the root. Failures of reads and writes are raised
// as qv::Exception with the value's name (empty for the default value).
class Registry {
public:
    Registry() = default;
    ~Registry() { CloseKey(); }
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    HKEY RootKey() const { return root_; }
    void SetRootKey(HKEY root);
    // The open key, or nullptr when none is open.
    HKEY CurrentKey() const { return current_; }

    // Opens the key with the widest access the caller may have (all, then read and write, then
    // read only for an open without creating). On failure no key is current.
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey();

    // A REG_SZ or REG_EXPAND_SZ value up to its first zero byte; empty when the value is
    // missing or has no data. Other types raise "Invalid data type for '<name>'".
    std::string ReadString(const std::string& name);
    // A REG_BINARY value of at most 4 bytes into the start of the buffer; the other bytes stay.
    // A missing value leaves the buffer untouched. Other types or sizes raise an error.
    void ReadRaw4(const std::string& name, std::array<std::uint8_t, 4>& buffer);

    // Writes the text as REG_SZ with its terminating zero byte.
    void WriteString(const std::string& name, const std::string& value);
    // Writes the 4 bytes as REG_BINARY.
    void WriteRaw4(const std::string& name, const std::array<std::uint8_t, 4>& buffer);
    // Has the system write the current key to disk now (RegFlushKey). Windows 9x writes the
    // registry lazily, so until then a crash or power cut loses what was written. A key that
    // cannot be written to disk raises "Failed to write the registry to disk".
    void FlushKey();

private:
    bool QueryInfo(const std::string& name, DWORD& type, DWORD& size) const;
    void ReadData(const std::string& name, BYTE* data, DWORD size, DWORD& type) const;
    void SetData(const std::string& name, DWORD type, const BYTE* data, DWORD size);

    HKEY root_ = HKEY_CURRENT_USER;
    HKEY current_ = nullptr;
};

} // namespace qv
