#include "main/ModuleState.h"

TModuleState Module;
