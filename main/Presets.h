#pragma once
#include "main/core/Presets.h"

class Tf1;

// Fills all five rows with a tuning profile: ticks the three disk-cache boxes (their click
// handlers enable the rows), raises SettingsChanged, and sets each row's track bar, then its
// spin edit, from the band of the latest sample's physical memory (band 1 before any sample).
void ApplyPreset(Tf1& form, qv::PresetSystem system, qv::PresetKind kind);
