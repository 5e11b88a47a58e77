#pragma once
// The module state of the main window's unit: one object, alive for the whole run, shared by
// the store, the presets, the sampling, the editors and the save/exit flow.
#include "framework/IniFile.h"
#include "framework/Registry.h"
#include "main/core/CacheSettings.h"
#include "main/core/MonitorSampling.h"
#include "main/core/SavePlan.h"
#include <windows.h>
#include <cstdint>
#include <memory>
#include <string>

// Memory figures in Kb, as the latest sample left them (CacheCeilingKb: the upper end of the
// minimal and maximal disk cache editors).
using TMemoryFigures = qv::MemoryFigures;

struct TModuleState {
    // Unsaved changes: raised by edits, box clicks, profiles and "Disable Cache Optimization";
    // cleared at the end of start-up and by a successful save.
    bool SettingsChanged = false;
    // Rows whose stored settings start-up could not load and show (a loading error ends
    // start-up before them). A save leaves such a row as it is stored, so it never destroys
    // what the user was never shown, until the user changes the row. Every row is in it from
    // OpenSettingsStore until its loading has run.
    qv::SettingsRows RowsNotShown;
    // The confirmation dialog's last answer: 0 Cancel, 1 Yes, 2 No. Set by the close query
    // from the dialog's answer; closing the dialog without a button leaves it as it was.
    std::int32_t ConfirmResult = 0;
    TMemoryFigures MemoryFigures;
    // dwAvailPhys in bytes of the last sample that updated the display (64-bit: the sample is,
    // where the system reports memory beyond 4 GB).
    std::int64_t LastFreePhysBytes = 0;
    // The record GlobalMemoryStatus filled last.
    MEMORYSTATUS MemoryStatus{};
    // The file-system template in force at start, and the raw bytes of its two values.
    std::string CurrentTemplateName;
    qv::TemplateBytes NameCacheBytes{};
    qv::TemplateBytes PathCacheBytes{};
    // The settings store's two accessors, opened by OpenSettingsStore and released by
    // ReleaseSettingsStore: "system.ini" and the registry below HKEY_LOCAL_MACHINE.
    std::unique_ptr<qv::IniFile> ProfileAccessor;
    std::unique_ptr<qv::Registry> RegistryAccessor;

    // A change the user made to a row (its box, its editors): the settings count as changed,
    // and a save writes the row.
    void RowChanged(qv::SettingsRow row) {
        RowsNotShown.reset(static_cast<std::size_t>(row));
        SettingsChanged = true;
    }
    // A profile or "Disable Cache Optimization": every row counts as changed.
    void AllRowsChanged() {
        RowsNotShown.reset();
        SettingsChanged = true;
    }
};

extern TModuleState Module;
