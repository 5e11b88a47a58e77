#include "main/core/SavePlan.h"

namespace qv {
namespace {

using Action = SaveStep::Action;

std::string TemplateKey(const char* name) {
    return std::string(kTemplatesKey) + "\\" + name;
}

bool Shown(const SaveInput& input, SettingsRow row) {
    return !input.rowsNotShown.test(static_cast<std::size_t>(row));
}

// The values in force go where the file system reads them, as the control panel does when a
// role is applied; every other value of that key stays as it is.
void CopyIntoFileSystem(std::vector<SaveStep>& steps, const TemplateValues& values) {
    steps.push_back({Action::OpenKey, kFileSystemKey, {}, {}});
    steps.push_back({Action::SetBytes, kNameCacheValue, {}, values.nameCache});
    steps.push_back({Action::SetBytes, kPathCacheValue, {}, values.pathCache});
    steps.push_back({Action::FlushKey, {}, {}, {}});
}

} // namespace

SavePlan PlanSave(const SaveInput& input) {
    SavePlan plan{{}, input.loaded};
    std::vector<SaveStep>& steps = plan.steps;
    const CacheSettings& s = input.settings;

    for (const ParameterRow& row : kParameterRows) {
        if (row.store != SettingStore::Vcache || !Shown(input, row.row))
            continue;
        if (s.*row.enabled)
            steps.push_back({Action::WriteKey, row.name, std::to_string(s.*row.value), {}});
        else
            steps.push_back({Action::DeleteKey, row.name, {}, {}});
    }
    // On disk before the registry is touched, so a refused registry write leaves the keys there.
    steps.push_back({Action::FlushProfile, {}, {}, {}});
    if (!Shown(input, SettingsRow::FileCache))
        return plan;

    if (s.NameCacheEnabled) {
        StoreNameCache(plan.written.nameCache, s.NameCache);
        StorePathCache(plan.written.pathCache, s.PathCache);
        // The template is complete and on disk before it is named, so a failure on the way
        // never leaves the system naming a template that does not exist.
        steps.push_back({Action::OpenKey, TemplateKey(kOwnTemplate), {}, {}});
        steps.push_back({Action::SetText, "", kOwnTemplateText, {}});
        steps.push_back({Action::SetBytes, kNameCacheValue, {}, plan.written.nameCache});
        steps.push_back({Action::SetBytes, kPathCacheValue, {}, plan.written.pathCache});
        steps.push_back({Action::FlushKey, {}, {}, {}});
        steps.push_back({Action::OpenKey, kTemplatesKey, {}, {}});
        steps.push_back({Action::SetText, "", kOwnTemplate, {}});
        steps.push_back({Action::FlushKey, {}, {}, {}});
        CopyIntoFileSystem(steps, plan.written);
    } else {
        steps.push_back({Action::OpenKey, kTemplatesKey, {}, {}});
        steps.push_back({Action::SetText, "", kDesktopTemplate, {}});
        steps.push_back({Action::FlushKey, {}, {}, {}});
        if (input.desktop)
            CopyIntoFileSystem(steps, *input.desktop);
    }
    return plan;
}

} // namespace qv
