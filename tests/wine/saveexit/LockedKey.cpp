#include "LockedKey.h"
#include <aclapi.h>
#include "support/SystemFiles.h"
#include <stdexcept>

namespace qvtest {

namespace {

HKEY OpenForSecurity(const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open " + path + " to change its security");
    return key;
}

} // namespace

LockedKey::LockedKey(std::string path) : path_(std::move(path)) {
    HKEY key = OpenForSecurity(path_, READ_CONTROL | WRITE_DAC);
    GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                    &originalDacl_, nullptr, &original_);
    EXPLICIT_ACCESS_A readOnly{};
    readOnly.grfAccessPermissions = KEY_READ;
    readOnly.grfAccessMode = SET_ACCESS;
    readOnly.grfInheritance = NO_INHERITANCE;
    readOnly.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    readOnly.Trustee.ptstrName = const_cast<char*>("EVERYONE");
    PACL acl = nullptr;
    SetEntriesInAclA(1, &readOnly, nullptr, &acl);
    DWORD result = SetSecurityInfo(key, SE_REGISTRY_KEY,
                                   DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                   nullptr, nullptr, acl, nullptr);
    LocalFree(acl);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot lock " + path_);
}

LockedKey::~LockedKey() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
        SetSecurityInfo(key, SE_REGISTRY_KEY,
                        DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                        nullptr, originalDacl_, nullptr);
        RegCloseKey(key);
    }
    LocalFree(original_);
}

bool LockedKey::RefusesWrites(const std::string& path) {
    HKEY key = nullptr;
    LONG open = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_WRITE, &key);
    if (open == ERROR_SUCCESS)
        RegCloseKey(key);
    return open == ERROR_ACCESS_DENIED;
}

namespace {

void CreateVolatile(const std::string& path, const std::map<std::string, RegValue>& values) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the volatile key " + path);
    for (const auto& [name, value] : values)
        RegSetValueExA(key, name.c_str(), 0, value.type, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
    RegCloseKey(key);
}

} // namespace

void MakeKeyVolatile(const std::string& path) {
    std::map<std::string, RegValue> values = RegValues(path);
    std::vector<std::pair<std::string, std::map<std::string, RegValue>>> children;
    for (const std::string& name : RegSubkeys(path))
        children.emplace_back(name, RegValues(path + "\\" + name));
    DeleteRegTree(path);
    CreateVolatile(path, values);
    for (const auto& [name, childValues] : children)
        CreateVolatile(path + "\\" + name, childValues);
}

bool RefusesSubkey(const std::string& path, const std::string& subkey) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    LONG result =
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, (path + "\\" + subkey).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, &disposition);
    if (result == ERROR_SUCCESS) {
        RegCloseKey(key);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, (path + "\\" + subkey).c_str());
    }
    return result != ERROR_SUCCESS;
}

} // namespace qvtest
