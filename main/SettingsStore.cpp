// The cache settings store: loads the [vcache] keys of system.ini and the file-system template
// of the registry into the editors at start-up, and carries out the save's plan.
#include "main/SettingsStore.h"
#include "framework/Exceptions.h"
#include "main/ModuleState.h"
#include "main/SettingsEditors.h"
#include "main/core/ProfileInteger.h"
#include "main/core/SavePlan.h"
#include "main/f1.h"
#include <memory>
#include <string>

namespace {

const char kVcache[] = "vcache";
const char kDefaultValue[] = "";

std::string TemplateKey(const std::string& name) {
    return std::string(qv::kTemplatesKey) + "\\" + name;
}

// The template in force, its two values into the editors, and the box when it is the program's
// own. A missing key or template leaves the defaults; a value of the wrong type raises.
void ReadTemplate(Tf1& f) {
    qv::Registry& registry = *Module.RegistryAccessor;
    registry.CloseKey();
    if (!registry.OpenKey(qv::kTemplatesKey, false))
        return;
    Module.CurrentTemplateName = registry.ReadString(kDefaultValue);

    registry.CloseKey();
    if (!registry.OpenKey(TemplateKey(Module.CurrentTemplateName), false))
        return;
    registry.ReadRaw4(qv::kPathCacheValue, Module.PathCacheBytes);
    registry.ReadRaw4(qv::kNameCacheValue, Module.NameCacheBytes);

    const int pathCache = qv::PathCacheFromBytes(Module.PathCacheBytes);
    const int nameCache = qv::NameCacheFromBytes(Module.NameCacheBytes);
    f.epathcache.SetValue(pathCache);
    f.enamecache.SetValue(nameCache);
    f.pathcachebar.SetPosition(pathCache);
    f.namecachebar.SetPosition(nameCache);

    // Only the template this program writes counts as enabled; the name is compared exactly.
    if (Module.CurrentTemplateName == qv::kOwnTemplate)
        TickAndApply(f, qv::SettingsRow::FileCache);
    // The template's key stays open as the current key.
}

bool HasValue(qv::Registry& registry, const char* name) {
    return registry.CurrentKey() && RegQueryValueExA(registry.CurrentKey(), name, nullptr, nullptr,
                                                     nullptr, nullptr) == ERROR_SUCCESS;
}

// The template "Desktop" as it stands, when it holds both values as the system keeps them (raw
// bytes, at most four; a shorter value ends in zero bytes). A value of another type is not
// copied: the system would not take it up either, and the user cannot mend it here, so the save
// goes on and leaves Control\FileSystem as it is.
std::optional<qv::TemplateValues> ReadDesktopTemplate() {
    qv::Registry& registry = *Module.RegistryAccessor;
    registry.CloseKey();
    if (!registry.OpenKey(TemplateKey(qv::kDesktopTemplate), false))
        return std::nullopt;
    if (!HasValue(registry, qv::kNameCacheValue) || !HasValue(registry, qv::kPathCacheValue))
        return std::nullopt;
    qv::TemplateValues values{};
    try {
        registry.ReadRaw4(qv::kNameCacheValue, values.nameCache);
        registry.ReadRaw4(qv::kPathCacheValue, values.pathCache);
    } catch (const qv::Exception&) {
        return std::nullopt;
    }
    return values;
}

// A failed open is not looked at: it leaves no key current, so the next write reports it.
void Carry(const qv::SaveStep& step) {
    qv::IniFile& profile = *Module.ProfileAccessor;
    qv::Registry& registry = *Module.RegistryAccessor;
    using Action = qv::SaveStep::Action;
    switch (step.action) {
    case Action::WriteKey:
        profile.WriteString(kVcache, step.name, step.text);
        break;
    case Action::DeleteKey:
        profile.DeleteKey(kVcache, step.name);
        break;
    case Action::FlushProfile:
        profile.Flush();
        break;
    case Action::OpenKey:
        registry.CloseKey();
        registry.OpenKey(step.name, true);
        break;
    case Action::SetText:
        registry.WriteString(step.name, step.text);
        break;
    case Action::SetBytes:
        registry.WriteRaw4(step.name, step.bytes);
        break;
    case Action::FlushKey:
        registry.FlushKey();
        break;
    }
}

} // namespace

void OpenSettingsStore(Tf1&) {
    Module.RowsNotShown.set(); // until loading has shown them
    Module.ProfileAccessor = std::make_unique<qv::IniFile>("system.ini");
    Module.RegistryAccessor = std::make_unique<qv::Registry>();
    Module.RegistryAccessor->SetRootKey(HKEY_LOCAL_MACHINE);
    Module.RegistryAccessor->CloseKey();
}

void LoadTemplateSettings(Tf1& f) {
    ReadTemplate(f);
    Module.RowsNotShown.reset(static_cast<std::size_t>(qv::SettingsRow::FileCache));
}

void LoadVcacheSettings(Tf1& f) {
    for (std::size_t i = 0; i < qv::kParameterRows.size(); ++i) {
        const qv::ParameterRow& row = qv::kParameterRows[i];
        if (row.store != qv::SettingStore::Vcache)
            continue;
        const std::int32_t value =
            qv::ProfileTextToInt(Module.ProfileAccessor->ReadString(kVcache, row.name));
        if (!qv::IsStoredValue(value))
            continue;
        TickAndApply(f, row.row);
        qv::TrackBar& bar = BarOf(f, i);
        bar.SetPosition(value); // held to the bar's range, the memory ceiling included
        EditOf(f, i).SetValue(bar.Position());
    }
    for (const qv::ParameterRow& row : qv::kParameterRows)
        if (row.store == qv::SettingStore::Vcache)
            Module.RowsNotShown.reset(static_cast<std::size_t>(row.row));
}

// Each store goes to disk as soon as its writes are done: Windows 9x would otherwise keep
// system.ini in its profile cache and the registry in memory until it shuts down, other
// programs would read the old file, and a crash or hard reset before then would lose what the
// reboot notice reports as saved.
void SaveSettings(Tf1& f) {
    qv::SaveInput input{SettingsInEditors(f),
                        Module.RowsNotShown,
                        {Module.NameCacheBytes, Module.PathCacheBytes},
                        std::nullopt};
    const bool toDesktop =
        !input.rowsNotShown.test(static_cast<std::size_t>(qv::SettingsRow::FileCache)) &&
        !input.settings.NameCacheEnabled;
    if (toDesktop)
        input.desktop = ReadDesktopTemplate();
    const qv::SavePlan plan = qv::PlanSave(input);
    Module.NameCacheBytes = plan.written.nameCache;
    Module.PathCacheBytes = plan.written.pathCache;
    for (const qv::SaveStep& step : plan.steps)
        Carry(step);
}

void ReleaseSettingsStore(Tf1&) {
    Module.ProfileAccessor.reset();
    Module.RegistryAccessor.reset(); // closes the current key
}
