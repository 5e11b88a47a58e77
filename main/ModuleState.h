#pragma once
// Module state of the main window's unit: alive for the whole run, shared by the store, the
// presets, the sampling, the editors and the save/exit flow.
#include "framework/IniFile.h"
#include "framework/Registry.h"
#include "main/core/MonitorSampling.h"
#include "main/core/TemplateBytes.h"
#include <windows.h>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Memory figures in Kb, as the latest sample left them (CacheCeilingKb: the upper end of the
// minimal and maximal disk cache editors).
using TMemoryFigures = qv::MemoryFigures;

// Unsaved changes: raised by edits, box clicks, profiles and "Disable Cache Optimization";
// cleared at the end of start-up and by a successful save.
extern bool SettingsChanged;
// The rows of stored settings: the three [vcache] keys and the file-system template.
enum class SettingsRow { MinFileCache, MaxFileCache, ChunkSize, FileCache, Count };
// Rows whose stored settings start-up could not load and show (a loading error ends start-up
// before them). A save leaves such a row as it is stored, so it never destroys what the user
// was never shown, until the user changes the row. Every row is in it from OpenSettingsStore
// until its loading has run.
extern std::bitset<static_cast<std::size_t>(SettingsRow::Count)> RowsNotShown;
// A change the user made to a row (its box, its editors, a profile, "Disable Cache
// Optimization"): the settings count as changed, and a save writes the row.
void RowChanged(SettingsRow row);
// A profile or "Disable Cache Optimization": every row counts as changed.
void AllRowsChanged();
// The confirmation dialog's answer: 0 Cancel, 1 Yes, 2 No.
extern std::int32_t ConfirmResult;
extern TMemoryFigures MemoryFigures;
// dwAvailPhys in bytes of the last sample that updated the display (64-bit: the sample is, where
// the system reports memory beyond 4 GB).
extern std::int64_t LastFreePhysBytes;
// The record GlobalMemoryStatus filled last.
extern MEMORYSTATUS MemoryStatus;
// The file-system template in force at start, and the raw bytes of its two values.
extern std::string CurrentTemplateName;
extern qv::TemplateBytes NameCacheBytes;
extern qv::TemplateBytes PathCacheBytes;
// The settings store's two accessors, opened by OpenSettingsStore and released by
// ReleaseSettingsStore: "system.ini" and the registry below HKEY_LOCAL_MACHINE.
extern std::unique_ptr<qv::IniFile> ProfileAccessor;
extern std::unique_ptr<qv::Registry> RegistryAccessor;
