#include "main/ModuleState.h"

bool SettingsChanged = false;
std::bitset<static_cast<std::size_t>(SettingsRow::Count)> RowsNotShown;
std::int32_t ConfirmResult = 0;
TMemoryFigures MemoryFigures;
std::int64_t LastFreePhysBytes = 0;
MEMORYSTATUS MemoryStatus{};
std::string CurrentTemplateName;
qv::TemplateBytes NameCacheBytes{};
qv::TemplateBytes PathCacheBytes{};
std::unique_ptr<qv::IniFile> ProfileAccessor;
std::unique_ptr<qv::Registry> RegistryAccessor;

void RowChanged(SettingsRow row) {
    RowsNotShown.reset(static_cast<std::size_t>(row));
    SettingsChanged = true;
}

void AllRowsChanged() {
    RowsNotShown.reset();
    SettingsChanged = true;
}
