#pragma once
#include <windows.h>

namespace qvtest {

// Points every slot of `module`'s import address table that imports `function` (by name) from
// `dll` at `replacement`; returns how many slots it changed. Calls made after this from code
// linked into `module` reach the replacement; other modules keep theirs. Uses nothing but
// KERNEL32, so it can run before the C runtime has started.
int ReplaceImport(HMODULE module, const char* dll, const char* function, FARPROC replacement);

// What `module` calls now for that import (an earlier replacement included); nullptr when it
// does not import it.
FARPROC CurrentImport(HMODULE module, const char* dll, const char* function);

} // namespace qvtest
