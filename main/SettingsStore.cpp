// The cache settings store: loads the [vcache] keys of system.ini and the file-system template
// of the registry into the editors at start-up, and writes both back on save.
#include "main/SettingsStore.h"
#include "main/ModuleState.h"
#include "main/core/ProfileInteger.h"
#include "main/core/TemplateBytes.h"
#include "main/f1.h"
#include <memory>
#include <string>

namespace {

const char kVcache[] = "vcache";
const std::string kTemplatesKey = "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates";
const char kOwnTemplate[] = "Quorvane";
const char kOwnTemplateText[] = "Quorvane Settings";
const char kDesktopTemplate[] = "Desktop";
const char kNameCacheValue[] = "NameCache";
const char kPathCacheValue[] = "PathCache";
const char kDefaultValue[] = "";

// The three disk-cache rows, in the order they are loaded and saved.
struct VcacheRow {
    SettingsRow row;
    const char* key;
    qv::CheckBox Tf1::*box;
    void (Tf1::*click)(qv::Component&);
    qv::TrackBar Tf1::*bar;
    qv::SpinEdit Tf1::*edit;
};

const VcacheRow kVcacheRows[] = {
    {SettingsRow::MinFileCache, "minfilecache", &Tf1::enablemincache, &Tf1::enablemincacheClick,
     &Tf1::min, &Tf1::emin},
    {SettingsRow::MaxFileCache, "maxfilecache", &Tf1::enablemaxcache, &Tf1::enablemaxcacheClick,
     &Tf1::max, &Tf1::emax},
    {SettingsRow::ChunkSize, "chunksize", &Tf1::enablechunk, &Tf1::enablechunkClick, &Tf1::chunk,
     &Tf1::echunk},
};

// Ticks a box (its click event runs) and runs its click handler once more, as loading does.
void TickAndApply(Tf1& f, qv::CheckBox& box, void (Tf1::*click)(qv::Component&)) {
    box.SetChecked(true);
    (f.*click)(box);
}

bool Shown(SettingsRow row) {
    return !RowsNotShown.test(static_cast<std::size_t>(row));
}

void MarkShown(SettingsRow row) {
    RowsNotShown.reset(static_cast<std::size_t>(row));
}

// The template in force, its two values into the editors, and the box when it is the program's
// own. A missing key or template leaves the defaults; a value of the wrong type raises.
void ReadTemplate(Tf1& f) {
    qv::Registry& registry = *RegistryAccessor;
    registry.CloseKey();
    if (!registry.OpenKey(kTemplatesKey, false))
        return;
    CurrentTemplateName = registry.ReadString(kDefaultValue);

    registry.CloseKey();
    if (!registry.OpenKey(kTemplatesKey + "\\" + CurrentTemplateName, false))
        return;
    registry.ReadRaw4(kPathCacheValue, PathCacheBytes);
    registry.ReadRaw4(kNameCacheValue, NameCacheBytes);

    const int pathCache = qv::PathCacheFromBytes(PathCacheBytes);
    const int nameCache = qv::NameCacheFromBytes(NameCacheBytes);
    f.epathcache.SetValue(pathCache);
    f.enamecache.SetValue(nameCache);
    f.pathcachebar.SetPosition(pathCache);
    f.namecachebar.SetPosition(nameCache);

    // Only the template this program writes counts as enabled; the name is compared exactly.
    if (CurrentTemplateName == kOwnTemplate)
        TickAndApply(f, f.enablenamecache, &Tf1::enablenamecacheClick);
    // The template's key stays open as the current key.
}

// Rows that start-up could not show and the user left alone are not written: what is stored
// for them stays as it is.
void SaveVcache(Tf1& f) {
    for (const VcacheRow& row : kVcacheRows) {
        if (!Shown(row.row))
            continue;
        if ((f.*row.box).Checked())
            ProfileAccessor->WriteString(kVcache, row.key, std::to_string((f.*row.bar).Position()));
        else
            ProfileAccessor->DeleteKey(kVcache, row.key);
    }
}

// A failed open is not looked at: it leaves no key current, so the next write reports it.
void SaveTemplate(Tf1& f) {
    qv::Registry& registry = *RegistryAccessor;
    if (f.enablenamecache.Checked()) {
        qv::StorePathCache(PathCacheBytes, f.epathcache.Value());
        qv::StoreNameCache(NameCacheBytes, f.enamecache.Value());

        // The template is complete before it is made the one in force, so a failure on the way
        // never leaves the system naming a template that does not exist.
        registry.CloseKey();
        registry.OpenKey(kTemplatesKey + "\\" + kOwnTemplate, true);
        registry.WriteString(kDefaultValue, kOwnTemplateText);
        registry.WriteRaw4(kNameCacheValue, NameCacheBytes);
        registry.WriteRaw4(kPathCacheValue, PathCacheBytes);
        registry.FlushKey(); // on disk before it is named

        registry.CloseKey();
        registry.OpenKey(kTemplatesKey, true);
        registry.WriteString(kDefaultValue, kOwnTemplate);
    } else {
        registry.CloseKey();
        registry.OpenKey(kTemplatesKey, true);
        registry.WriteString(kDefaultValue, kDesktopTemplate);
    }
    registry.FlushKey();
}

} // namespace

void OpenSettingsStore(Tf1&) {
    RowsNotShown.set(); // until loading has shown them
    ProfileAccessor = std::make_unique<qv::IniFile>("system.ini");
    RegistryAccessor = std::make_unique<qv::Registry>();
    RegistryAccessor->SetRootKey(HKEY_LOCAL_MACHINE);
    RegistryAccessor->CloseKey();
}

void LoadTemplateSettings(Tf1& f) {
    ReadTemplate(f);
    MarkShown(SettingsRow::FileCache);
}

void LoadVcacheSettings(Tf1& f) {
    for (const VcacheRow& row : kVcacheRows) {
        const std::int32_t value =
            qv::ProfileTextToInt(ProfileAccessor->ReadString(kVcache, row.key));
        if (!qv::IsStoredValue(value))
            continue;
        TickAndApply(f, f.*row.box, row.click);
        qv::TrackBar& bar = f.*row.bar;
        bar.SetPosition(value); // held to the bar's range, the memory ceiling included
        (f.*row.edit).SetValue(bar.Position());
    }
    for (const VcacheRow& row : kVcacheRows)
        MarkShown(row.row);
}

// Each store goes to disk as soon as its writes are done: Windows 9x would otherwise keep
// system.ini in its profile cache and the registry in memory until it shuts down, other
// programs would read the old file, and a crash or hard reset before then would lose what the
// reboot notice reports as saved. The [vcache] keys are flushed before the registry is touched,
// so a refused registry write leaves them on disk as they were written.
void SaveSettings(Tf1& f) {
    SaveVcache(f);
    ProfileAccessor->Flush();
    if (Shown(SettingsRow::FileCache))
        SaveTemplate(f);
}

void ReleaseSettingsStore(Tf1&) {
    ProfileAccessor.reset();
    RegistryAccessor.reset(); // closes the current key
}
