#include "main/SettingsEditors.h"
#include "main/f1.h"

namespace {

struct RowEditors {
    qv::TrackBar Tf1::*bar;
    qv::SpinEdit Tf1::*edit;
};

// In the order of qv::kParameterRows.
constexpr RowEditors kEditors[] = {
    {&Tf1::min, &Tf1::emin},
    {&Tf1::max, &Tf1::emax},
    {&Tf1::chunk, &Tf1::echunk},
    {&Tf1::namecachebar, &Tf1::enamecache},
    {&Tf1::pathcachebar, &Tf1::epathcache},
};
static_assert(std::size(kEditors) == qv::kParameterRows.size(), "every row needs its editors");

struct RowBox {
    qv::CheckBox Tf1::*box;
    void (Tf1::*click)(qv::Component&);
};

// In the order of qv::SettingsRow.
constexpr RowBox kBoxes[] = {
    {&Tf1::enablemincache, &Tf1::enablemincacheClick},
    {&Tf1::enablemaxcache, &Tf1::enablemaxcacheClick},
    {&Tf1::enablechunk, &Tf1::enablechunkClick},
    {&Tf1::enablenamecache, &Tf1::enablenamecacheClick},
};
static_assert(std::size(kBoxes) == static_cast<std::size_t>(qv::SettingsRow::Count),
              "every stored row needs its box");

const RowBox& BoxRow(qv::SettingsRow row) {
    return kBoxes[static_cast<std::size_t>(row)];
}

} // namespace

qv::TrackBar& BarOf(Tf1& f, std::size_t parameter) {
    return f.*kEditors[parameter].bar;
}

qv::SpinEdit& EditOf(Tf1& f, std::size_t parameter) {
    return f.*kEditors[parameter].edit;
}

qv::CheckBox& BoxOf(Tf1& f, qv::SettingsRow row) {
    return f.*BoxRow(row).box;
}

void SetUpEditors(Tf1& f) {
    for (std::size_t i = 0; i < qv::kParameterRows.size(); ++i) {
        const qv::ParameterRow& row = qv::kParameterRows[i];
        qv::TrackBar& bar = BarOf(f, i);
        qv::SpinEdit& edit = EditOf(f, i);
        bar.SetRange(row.minimum, row.maximum);
        bar.SetLineSize(row.lineSize);
        bar.SetPageSize(row.pageSize);
        bar.SetTickFrequency(row.tickFrequency);
        bar.SetPosition(qv::StartValue(row));
        edit.SetMinValue(row.minimum);
        edit.SetMaxValue(row.maximum);
        edit.SetIncrement(row.increment);
        edit.SetValue(qv::StartValue(row)); // no handlers are bound yet: raises nothing
    }
}

void TickAndApply(Tf1& f, qv::SettingsRow row) {
    BoxOf(f, row).SetChecked(true);
    (f.*BoxRow(row).click)(BoxOf(f, row));
}

qv::CacheSettings SettingsInEditors(Tf1& f) {
    qv::CacheSettings settings;
    for (std::size_t i = 0; i < qv::kParameterRows.size(); ++i) {
        const qv::ParameterRow& row = qv::kParameterRows[i];
        settings.*row.value = row.savedFrom == qv::SavedFrom::TrackBar ? BarOf(f, i).Position()
                                                                       : EditOf(f, i).Value();
        settings.*row.enabled = BoxOf(f, row.row).Checked();
    }
    return settings;
}

void PutIntoEditors(Tf1& f, const qv::CacheSettings& settings) {
    for (std::size_t i = 0; i < qv::kParameterRows.size(); ++i) {
        const std::int32_t value = settings.*qv::kParameterRows[i].value;
        BarOf(f, i).SetPosition(value);
        EditOf(f, i).SetValue(value);
    }
}
