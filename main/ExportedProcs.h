#pragma once
#include <windows.h>

namespace qv {

// An export of a loaded module by ordinal, read from the module's own export
// directory rather than asked of GetProcAddress, which Windows 9x refuses for
// KERNEL32's ordinals. A forwarder that names its target export is followed by
// name in the target module; one that names an ordinal is not (it would meet
// the same refusal). nullptr when the export is not there.
FARPROC ExportedProcByOrdinal(HMODULE module, WORD ordinal);

} // namespace qv
