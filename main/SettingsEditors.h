#pragma once
// The main window's editors of each row of the settings model (main/core/CacheSettings.h): the
// track bar and spin edit of every parameter, the "Enabled" box of every stored row, and the
// moves of values between them and a CacheSettings snapshot.
#include "main/core/CacheSettings.h"
#include <cstddef>

class Tf1;
namespace qv {
class CheckBox;
class SpinEdit;
class TrackBar;
} // namespace qv

qv::TrackBar& BarOf(Tf1& form, std::size_t parameter);
qv::SpinEdit& EditOf(Tf1& form, std::size_t parameter);
qv::CheckBox& BoxOf(Tf1& form, qv::SettingsRow row);

// Ranges, steps and start values of every row's bar and spin edit (before handlers are bound).
void SetUpEditors(Tf1& form);
// Ticks the row's box (its click event runs) and runs its click handler once more, as loading
// does.
void TickAndApply(Tf1& form, qv::SettingsRow row);
// What a save writes: each value from the editor the row's table entry names, the flags from
// the boxes.
qv::CacheSettings SettingsInEditors(Tf1& form);
// A preset's values into the editors, row by row in table order, the bar before the spin edit;
// each editor holds its value to its own range.
void PutIntoEditors(Tf1& form, const qv::CacheSettings& settings);
