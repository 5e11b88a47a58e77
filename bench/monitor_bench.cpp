// Cost of the monitor's portable work per timer tick and of a gauge value update.
#include "main/core/MonitorSampling.h"
#include "widgets/gauge/core/GaugeModel.h"
#include <chrono>
#include <cstdio>
#include <string>

namespace {

class SteadyPlatform : public qv::MonitorPlatform {
public:
    qv::MemorySample sample{64ULL << 20, 31540ULL * 1024, 100ULL << 20, 60ULL << 20};
    bool changing = false;
    qv::MemorySample QueryMemory() override {
        if (changing)
            sample.availPhys ^= 4096; // a different free figure on every tick
        return sample;
    }
    std::optional<std::uint16_t> QueryFreeResources(qv::ResourceKind) override { return 83; }
};

// Feeds real gauge models and keeps the texts, as the window does minus the drawing.
class ModelDisplay : public qv::MonitorDisplay {
public:
    qv::GaugeModel gauges[2];
    std::string captions[2], labels[3];
    void SetGaugeMaxValue(qv::MonitorGauge g, std::int32_t v) override {
        gauges[static_cast<int>(g)].SetMaxValue(v);
    }
    void SetGaugeUserValue(qv::MonitorGauge g, std::int32_t v) override {
        gauges[static_cast<int>(g)].SetUserValue(v);
    }
    void SetGaugeCaption(qv::MonitorGauge g, const std::string& c) override {
        captions[static_cast<int>(g)] = c;
    }
    void SetResourceLabel(qv::ResourceKind k, const std::string& c) override {
        labels[static_cast<int>(k)] = c;
    }
    void SetCacheCeiling(std::int32_t) override {}
};

template <class Body>
void Measure(const char* what, int iterations, Body body) {
    body(); // warm up
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < iterations; ++i)
        body();
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    std::printf("%-52s %10.1f ns\n", what, spent.count() / iterations);
}

} // namespace

int main() {
    SteadyPlatform platform;
    ModelDisplay display;
    qv::MemoryFigures figures;
    std::int64_t lastFree = 0;
    qv::TakeFirstSample(figures, lastFree, platform, display);

    Measure("updatemem tick, free memory unchanged", 10'000'000,
            [&] { qv::RefreshSample(figures, lastFree, platform, display); });
    platform.changing = true;
    Measure("updatemem tick, free memory changed", 1'000'000,
            [&] { qv::RefreshSample(figures, lastFree, platform, display); });

    qv::GaugeModel gauge;
    gauge.SetMaxValue(65536);
    gauge.UpdateRedrawThreshold(qv::pgBar, qv::toCaption, 10);
    std::int32_t value = 31540;
    Measure("gauge UserValue, same percentage (bar skipped)", 10'000'000, [&] {
        value = value == 31540 ? 31541 : 31540;
        gauge.SetUserValue(value);
        if (gauge.BarNeedsDrawing())
            gauge.BarDrawn();
    });
    Measure("gauge UserValue, percentage moves", 10'000'000, [&] {
        value = value == 31540 ? 40000 : 31540;
        gauge.SetUserValue(value);
        if (gauge.BarNeedsDrawing())
            gauge.BarDrawn();
    });
    Measure("gauge MaxValue change (full repaint in the control)", 10'000'000,
            [&] { gauge.SetMaxValue(gauge.MaxValue() == 65536 ? 65537 : 65536); });
    return display.captions[0].empty(); // keep the work observable
}
