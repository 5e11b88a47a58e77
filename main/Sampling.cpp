// Memory and resource sampling in the main window: the first sample at creation, the resource
// labels, and the refresh on every tick of timer1. The logic is in main/core/MonitorSampling;
// this file moves its figures into the window's controls.
#include "main/Sampling.h"
#include "main/ModuleState.h"
#include "main/MonitorPlatform.h"
#include "main/SettingsEditors.h"
#include "main/f1.h"

namespace {

// The platform queries, alive for the run; the first use sets MemoryStatus.dwLength.
qv::Win32MonitorPlatform& Platform() {
    static qv::Win32MonitorPlatform platform(Module.MemoryStatus);
    return platform;
}

class WindowDisplay final : public qv::MonitorDisplay {
public:
    explicit WindowDisplay(Tf1& form) : f_(form) {}

    void SetGaugeMaxValue(qv::MonitorGauge gauge, std::int32_t value) override {
        Gauge(gauge).SetMaxValue(value);
    }
    void SetGaugeUserValue(qv::MonitorGauge gauge, std::int32_t value) override {
        Gauge(gauge).SetUserValue(value);
    }
    void SetGaugeCaption(qv::MonitorGauge gauge, const std::string& caption) override {
        Gauge(gauge).SetCaption(caption);
    }
    void SetResourceLabel(qv::ResourceKind kind, const std::string& caption) override {
        switch (kind) {
        case qv::ResourceKind::System:
            f_.systemlabel.SetText(caption);
            break;
        case qv::ResourceKind::Gdi:
            f_.gdilabel.SetText(caption);
            break;
        case qv::ResourceKind::User:
            f_.userlabel.SetText(caption);
            break;
        }
    }
    // The track bars move their positions into the new range themselves; the spin edits only
    // store the bound.
    void SetCacheCeiling(std::int32_t ceilingKb) override {
        for (std::size_t i = 0; i < qv::kParameterRows.size(); ++i)
            if (qv::kParameterRows[i].ceilingBound)
                BarOf(f_, i).SetMax(ceilingKb);
        for (std::size_t i = 0; i < qv::kParameterRows.size(); ++i)
            if (qv::kParameterRows[i].ceilingBound)
                EditOf(f_, i).SetMaxValue(ceilingKb);
    }

private:
    qv::TQvProgress& Gauge(qv::MonitorGauge gauge) {
        return gauge == qv::MonitorGauge::Memory ? *f_.gauge1 : *f_.gauge2;
    }
    Tf1& f_;
};

} // namespace

void TakeFirstMemorySample(Tf1& form) {
    WindowDisplay display(form);
    qv::TakeFirstSample(Module.MemoryFigures, Module.LastFreePhysBytes, Platform(), display);
}

void ShowResourceLabels(Tf1& form) {
    WindowDisplay display(form);
    qv::ShowResourceFigures(Platform(), display);
}

void Tf1::updatemem(qv::Component&) {
    WindowDisplay display(*this);
    qv::RefreshSample(Module.MemoryFigures, Module.LastFreePhysBytes, Platform(), display);
}
