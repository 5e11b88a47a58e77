#include "main/Presets.h"
#include "main/ModuleState.h"
#include "main/SettingsEditors.h"
#include "main/f1.h"

void ApplyPreset(Tf1& f, qv::PresetSystem system, qv::PresetKind kind) {
    const qv::CacheSettings preset =
        qv::WithPreset(SettingsInEditors(f), system, kind, Module.MemoryStatus.dwTotalPhys);
    // The boxes in table order; one already ticked, and the name cache's, raise nothing.
    for (const qv::ParameterRow& row : qv::kParameterRows)
        BoxOf(f, row.row).SetChecked(preset.*row.enabled);
    Module.AllRowsChanged();
    PutIntoEditors(f, preset);
}

using qv::PresetKind;
using qv::PresetSystem;

void Tf1::win95standard(qv::Component&) {
    ApplyPreset(*this, PresetSystem::Windows95, PresetKind::StandardSystem);
}
void Tf1::win95cdwriter(qv::Component&) {
    ApplyPreset(*this, PresetSystem::Windows95, PresetKind::CdWriter);
}
void Tf1::win95poweruser(qv::Component&) {
    ApplyPreset(*this, PresetSystem::Windows95, PresetKind::PowerUser);
}
void Tf1::win95lowmem(qv::Component&) {
    ApplyPreset(*this, PresetSystem::Windows95, PresetKind::LowMemorySystem);
}
void Tf1::win95quake(qv::Component&) {
    ApplyPreset(*this, PresetSystem::Windows95, PresetKind::Quake);
}
void Tf1::win98standard(qv::Component&) {
    ApplyPreset(*this, PresetSystem::Windows98, PresetKind::StandardSystem);
}
void Tf1::win98cdwriter(qv::Component&) {
    ApplyPreset(*this, PresetSystem::Windows98, PresetKind::CdWriter);
}
void Tf1::win98poweruser(qv::Component&) {
    ApplyPreset(*this, PresetSystem::Windows98, PresetKind::PowerUser);
}
void Tf1::win98lowmem(qv::Component&) {
    ApplyPreset(*this, PresetSystem::Windows98, PresetKind::LowMemorySystem);
}
void Tf1::win98quake(qv::Component&) {
    ApplyPreset(*this, PresetSystem::Windows98, PresetKind::Quake);
}
