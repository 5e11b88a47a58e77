// Handlers and store/sampling steps whose bodies are filled in by the settings store and
// editors, the tuning presets, the save/exit and the monitor work. Until then they do nothing.
// Whoever implements one deletes it here and defines it in their own file (main/Editors.cpp,
// main/Presets.cpp, main/SaveExit.cpp, main/Sampling.cpp, main/SettingsStore.cpp).
#include "main/Sampling.h"
#include "main/f1.h"

// ---- memory and resource sampling (main/Sampling.cpp) -------------------------------------
void TakeFirstMemorySample(Tf1&) {}
void ShowResourceLabels(Tf1&) {}
void Tf1::updatemem(qv::Component&) {}

// ---- tuning presets (main/Presets.cpp) ----------------------------------------------------
void Tf1::win95standard(qv::Component&) {}
void Tf1::win95cdwriter(qv::Component&) {}
void Tf1::win95poweruser(qv::Component&) {}
void Tf1::win95lowmem(qv::Component&) {}
void Tf1::win95quake(qv::Component&) {}
void Tf1::win98standard(qv::Component&) {}
void Tf1::win98cdwriter(qv::Component&) {}
void Tf1::win98poweruser(qv::Component&) {}
void Tf1::win98lowmem(qv::Component&) {}
void Tf1::win98quake(qv::Component&) {}
