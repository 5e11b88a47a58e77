#pragma once
// Test helpers that reach system.ini and the registry directly through Win32, apart from the
// program's own accessors, so tests can prepare and check what the program reads and writes.
#include <windows.h>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qvtest {

// Full path of a file in the Windows directory.
std::string WindowsDirFile(const std::string& name);

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// Replaces system.ini with the given bytes and makes it writable.
void WriteSystemIni(const std::string& bytes);
std::string ReadSystemIni();

// Makes system.ini refuse writes for real: the read-only attribute where the system honours
// it; where it does not (Wine running as root), a directory takes the file's place. Returns
// how it was done. RestoreSystemIni puts a plain writable file back.
std::string MakeSystemIniUnwritable();
void RestoreSystemIni(const std::string& bytes);

// A profile file as sections of key/value pairs, in file order, as the profile functions see
// them: names compared without case, values trimmed, a "[" line without "]" taken as an entry.
// Lines without "=" are kept as keys with no value.
using IniEntries = std::vector<std::pair<std::string, std::string>>;
using IniModel = std::vector<std::pair<std::string, IniEntries>>;
IniModel ParseIni(const std::string& text);
// The model with the given keys of one section removed (names compared without case).
IniModel WithoutKeys(IniModel model, const std::string& section,
                     const std::vector<std::string>& keys);
// The [vcache] keys the program owns, and everything else of a file: what a save must leave
// as it was (an empty [vcache] section holds nothing, so one left behind or created does not
// count).
inline const std::vector<std::string> kStoreKeys = {"minfilecache", "maxfilecache", "chunksize"};
IniModel ForeignToStore(const std::string& text);
// The value of a key, or nothing when the section or key is missing.
std::optional<std::string> IniValue(const IniModel& model, const std::string& section,
                                    const std::string& key);

struct RegValue {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> data;
    bool operator==(const RegValue&) const = default;
};

inline constexpr const char* kTemplatesKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates";
// Where the file system reads the name and directory cache sizes at boot.
inline constexpr const char* kFileSystemKey = "System\\CurrentControlSet\\Control\\FileSystem";

// Removes a key of HKEY_LOCAL_MACHINE with all its subkeys; a missing key is fine.
void DeleteRegTree(const std::string& path);
void CreateRegKey(const std::string& path);
bool RegKeyExists(const std::string& path);
void SetRegValue(const std::string& path, const std::string& name, DWORD type,
                 const std::vector<std::uint8_t>& data);
void SetRegText(const std::string& path, const std::string& name, const std::string& text);
std::optional<RegValue> GetRegValue(const std::string& path, const std::string& name);
// Every value of a key, by name.
std::map<std::string, RegValue> RegValues(const std::string& path);
// The names of a key's subkeys, sorted.
std::vector<std::string> RegSubkeys(const std::string& path);
RegValue TextValue(const std::string& text);

// Prepares the two places the program reads: system.ini with the given content, and an
// "FS Templates" key recreated empty (without a default value).
void ResetStoreFiles(const std::string& systemIni);

} // namespace qvtest
