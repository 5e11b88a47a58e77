#pragma once
// A key of HKEY_LOCAL_MACHINE whose security lets everyone read it but nobody write to it or
// create subkeys below it, for as long as the object lives. The system itself refuses the
// writes: opening the key for writing fails with access denied (Wine enforces registry
// security as Windows does). The key's owner may still change the security, which is how the
// original security comes back.
#include <windows.h>
#include <string>
#include <vector>

namespace qvtest {

class LockedKey {
public:
    explicit LockedKey(std::string path);
    ~LockedKey();
    LockedKey(const LockedKey&) = delete;
    LockedKey& operator=(const LockedKey&) = delete;

    // True when opening the key for writing fails, as it should while locked.
    static bool RefusesWrites(const std::string& path);

private:
    std::string path_;
    PSECURITY_DESCRIPTOR original_ = nullptr;
    PACL originalDacl_ = nullptr;
};

// Recreates a key of HKEY_LOCAL_MACHINE, with its values and its subkeys one level down, as
// volatile keys. The system then refuses to create a (non-volatile) subkey below it, on every
// Windows version, while the key itself stays writable.
void MakeKeyVolatile(const std::string& path);
// True when a non-volatile subkey of that name cannot be created.
bool RefusesSubkey(const std::string& path, const std::string& subkey);

} // namespace qvtest
