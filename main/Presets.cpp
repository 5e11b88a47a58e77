#include "main/Presets.h"
#include "main/ModuleState.h"
#include "main/f1.h"

namespace {

// Track bar first, then the spin edit; each editor holds the value to its own range.
void SetRow(qv::TrackBar& bar, qv::SpinEdit& edit, std::int32_t value) {
    bar.SetPosition(value);
    edit.SetValue(value);
}

} // namespace

void ApplyPreset(Tf1& f, qv::PresetSystem system, qv::PresetKind kind) {
    f.enablemincache.SetChecked(true);
    f.enablemaxcache.SetChecked(true);
    f.enablechunk.SetChecked(true);
    AllRowsChanged();
    const qv::PresetValues v = qv::PresetFor(system, kind, MemoryStatus.dwTotalPhys);
    SetRow(f.min, f.emin, v.minFileCache);
    SetRow(f.max, f.emax, v.maxFileCache);
    SetRow(f.chunk, f.echunk, v.chunkSize);
    SetRow(f.namecachebar, f.enamecache, v.nameCache);
    SetRow(f.pathcachebar, f.epathcache, v.pathCache);
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
