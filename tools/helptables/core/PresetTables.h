#pragma once
#include <string>

namespace qv {

// The help file's section on what the tuning profiles set, in Halibut markup, made from the
// profiles' own data so that the help and the program never disagree (help/presets.but).
std::string PresetTablesHalibut();

} // namespace qv
