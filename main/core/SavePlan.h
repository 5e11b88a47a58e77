#pragma once
// What a save does, as an ordered list of steps that the Win32 store carries out one by one:
// the [vcache] writes and deletes, the flush of system.ini, then the registry's keys and values
// with their flushes. A failing step ends the save there.
#include "main/core/CacheSettings.h"
#include "main/core/TemplateBytes.h"
#include <optional>
#include <string>
#include <vector>

namespace qv {

inline constexpr const char* kTemplatesKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates";
inline constexpr const char* kOwnTemplate = "Quorvane";
inline constexpr const char* kOwnTemplateText = "Quorvane Settings";
inline constexpr const char* kDesktopTemplate = "Desktop";
// Where the file system reads the name and directory cache sizes at boot.
inline constexpr const char* kFileSystemKey = "System\\CurrentControlSet\\Control\\FileSystem";
inline constexpr const char* kNameCacheValue = "NameCache";
inline constexpr const char* kPathCacheValue = "PathCache";

struct SaveStep {
    enum class Action {
        WriteKey,     // [vcache] name := text
        DeleteKey,    // [vcache] name removed
        FlushProfile, // system.ini to disk
        OpenKey,      // close the current key; open or create name below HKEY_LOCAL_MACHINE
        SetText,      // value name := text (REG_SZ) in the current key
        SetBytes,     // value name := bytes (REG_BINARY, 4 bytes) in the current key
        FlushKey,     // the current key to disk
    };
    Action action;
    std::string name; // key, registry path or value name ("" for a key's default value)
    std::string text;
    TemplateBytes bytes{};

    bool operator==(const SaveStep&) const = default;
};

// The template's two values as loaded, each 4 raw bytes.
struct TemplateValues {
    TemplateBytes nameCache{};
    TemplateBytes pathCache{};
    bool operator==(const TemplateValues&) const = default;
};

struct SaveInput {
    CacheSettings settings;
    // Rows start-up could not show: left as stored until the user changes them.
    SettingsRows rowsNotShown;
    // The template found at start; a save puts its values into the low bytes and keeps the rest.
    TemplateValues loaded;
    // The template "Desktop" as it stands, when it holds both values.
    std::optional<TemplateValues> desktop;
};

struct SavePlan {
    std::vector<SaveStep> steps;
    // The loaded bytes with the saved values in their low bytes (the next save starts from them).
    TemplateValues written;
};

SavePlan PlanSave(const SaveInput& input);

} // namespace qv
