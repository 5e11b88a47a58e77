// Handlers and store/sampling steps whose bodies are filled in by the settings store and
// editors, the tuning presets, the save/exit and the monitor work. Until then they do nothing.
// Whoever implements one deletes it here and defines it in their own file (main/Editors.cpp,
// main/Presets.cpp, main/SaveExit.cpp, main/Sampling.cpp, main/SettingsStore.cpp).
#include "main/SettingsStore.h"
#include "main/f1.h"

// ---- settings store (main/SettingsStore.cpp) ----------------------------------------------
void OpenSettingsStore(Tf1&) {}
void LoadTemplateSettings(Tf1&) {}
void LoadVcacheSettings(Tf1&) {}
void SaveSettings(Tf1&) {}
void ReleaseSettingsStore(Tf1&) {}

// ---- setting editors (main/Editors.cpp) ---------------------------------------------------
void Tf1::eminChange(qv::Component&) {}
void Tf1::emaxChange(qv::Component&) {}
void Tf1::echunkChange(qv::Component&) {}
void Tf1::enamecacheChange(qv::Component&) {}
void Tf1::epathcacheChange(qv::Component&) {}
void Tf1::eminExit(qv::Component&) {}
void Tf1::emaxExit(qv::Component&) {}
void Tf1::echunkExit(qv::Component&) {}
void Tf1::enamecacheExit(qv::Component&) {}
void Tf1::epathcacheExit(qv::Component&) {}
void Tf1::eminKeyUp(qv::Component&, unsigned) {}
void Tf1::emaxKeyUp(qv::Component&, unsigned) {}
void Tf1::echunkKeyUp(qv::Component&, unsigned) {}
void Tf1::enamecacheKeyUp(qv::Component&, unsigned) {}
void Tf1::epathcacheKeyUp(qv::Component&, unsigned) {}
void Tf1::minChange(qv::Component&) {}
void Tf1::maxChange(qv::Component&) {}
void Tf1::chunkChange(qv::Component&) {}
void Tf1::namecachebarChange(qv::Component&) {}
void Tf1::pathcachebarChange(qv::Component&) {}
void Tf1::enablemincacheClick(qv::Component&) {}
void Tf1::enablemaxcacheClick(qv::Component&) {}
void Tf1::enablechunkClick(qv::Component&) {}
void Tf1::enablenamecacheClick(qv::Component&) {}

