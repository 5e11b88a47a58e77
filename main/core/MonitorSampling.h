#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace qv {

// Figures of the Information box, in Kb (32-bit signed); zero before the first sample.
struct MemoryFigures {
    std::int32_t CacheCeilingKb = 0;
    std::int32_t TotalPhysKb = 0;
    std::int32_t FreePhysKb = 0;
    std::int32_t UsedSwapKb = 0;
    std::int32_t TotalSwapKb = 0;
};

// One memory-status query, in bytes. 64-bit so that machines with 2 GiB or more show real
// figures where the system can report them.
struct MemorySample {
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availPageFile = 0;
};

enum class ResourceKind : std::uint16_t { System = 0, Gdi = 1, User = 2 };

// What the sampling needs from the platform.
class MonitorPlatform {
public:
    virtual ~MonitorPlatform() = default;
    virtual MemorySample QueryMemory() = 0;
    // Percentage of free resources of one kind; no value where the system cannot tell.
    // Raises qv::Exception when the query itself fails.
    virtual std::optional<std::uint16_t> QueryFreeResources(ResourceKind kind) = 0;
};

enum class MonitorGauge { Memory, Swap };

// Where the figures go: the two gauges, the three labels and the cache editors' bound.
class MonitorDisplay {
public:
    virtual ~MonitorDisplay() = default;
    virtual void SetGaugeMaxValue(MonitorGauge gauge, std::int32_t value) = 0;
    virtual void SetGaugeUserValue(MonitorGauge gauge, std::int32_t value) = 0;
    virtual void SetGaugeCaption(MonitorGauge gauge, const std::string& caption) = 0;
    virtual void SetResourceLabel(ResourceKind kind, const std::string& caption) = 0;
    virtual void SetCacheCeiling(std::int32_t ceilingKb) = 0;
};

// "31540 Kb / 65536 Kb"
std::string GaugeCaption(std::int32_t valueKb, std::int32_t totalKb);
// "System: 83 %", "GDI: 76 %", "User: 90 %"; "System: n/a" where there is no figure.
std::string ResourceLabel(ResourceKind kind, std::optional<std::uint16_t> percent);

// The first sample at creation: figures rounded, both gauges filled (maximum before value),
// then the cache ceiling. lastFreePhysBytes takes the free physical memory in bytes.
void TakeFirstSample(MemoryFigures& figures, std::int64_t& lastFreePhysBytes,
                     MonitorPlatform& platform, MonitorDisplay& display);

// The three resource labels, system, GDI, user. A failing query raises and leaves that label
// and the later ones as they were.
void ShowResourceFigures(MonitorPlatform& platform, MonitorDisplay& display);

// One refresh tick: nothing happens unless free physical memory differs from lastFreePhysBytes,
// the sample that last updated the display; then the figures are truncated, the gauges and the
// labels refreshed. Returns whether the display was refreshed.
bool RefreshSample(MemoryFigures& figures, std::int64_t& lastFreePhysBytes,
                   MonitorPlatform& platform, MonitorDisplay& display);

} // namespace qv
