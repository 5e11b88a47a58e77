// Prints the help file's tables of what the tuning profiles set (Halibut markup):
//   help-tables > help/presets.but
#include "tools/helptables/core/PresetTables.h"
#include <iostream>

int main() {
    std::cout << qv::PresetTablesHalibut();
    return std::cout.good() ? 0 : 1;
}
