#include "main/core/MonitorSampling.h"
#include "main/core/MemoryMath.h"

namespace qv {
namespace {

// Counts beyond the signed 64-bit range cannot occur.
std::int64_t Signed(std::uint64_t bytes) {
    return static_cast<std::int64_t>(bytes);
}

// Never below 0: systems that cap their figures report more available page file than its total
// (Wine in Windows 98 mode: 0xFFFFFFFF of 0xFFF7FFFF), and a negative amount in use means
// nothing. Bar and caption then both show 0.
std::int64_t UsedSwapBytes(const MemorySample& s) {
    return s.availPageFile >= s.totalPageFile ? 0 : Signed(s.totalPageFile - s.availPageFile);
}

void ShowSwapGauge(const MemoryFigures& f, MonitorDisplay& display) {
    display.SetGaugeMaxValue(MonitorGauge::Swap, f.TotalSwapKb);
    display.SetGaugeUserValue(MonitorGauge::Swap, f.UsedSwapKb);
    display.SetGaugeCaption(MonitorGauge::Swap, GaugeCaption(f.UsedSwapKb, f.TotalSwapKb));
}

} // namespace

std::string GaugeCaption(std::int32_t valueKb, std::int32_t totalKb) {
    return std::to_string(valueKb) + " Kb / " + std::to_string(totalKb) + " Kb";
}

std::string ResourceLabel(ResourceKind kind, std::optional<std::uint16_t> percent) {
    static const char* const kNames[] = {"System", "GDI", "User"};
    const std::string name = kNames[static_cast<int>(kind)];
    // std::to_string, not snprintf: the release then links no printf.
    return name + ": " + (percent ? std::to_string(*percent) + " %" : std::string("n/a"));
}

void TakeFirstSample(MemoryFigures& f, std::int64_t& lastFreePhysBytes, MonitorPlatform& platform,
                     MonitorDisplay& display) {
    const MemorySample s = platform.QueryMemory();
    f.TotalPhysKb = BytesToKbRounded(Signed(s.totalPhys));
    f.FreePhysKb = BytesToKbRounded(Signed(s.availPhys));
    f.TotalSwapKb = BytesToKbRounded(Signed(s.totalPageFile));
    f.UsedSwapKb = BytesToKbRounded(UsedSwapBytes(s));
    lastFreePhysBytes = Signed(s.availPhys);

    display.SetGaugeMaxValue(MonitorGauge::Memory, f.TotalPhysKb);
    display.SetGaugeUserValue(MonitorGauge::Memory, f.FreePhysKb);
    display.SetGaugeCaption(MonitorGauge::Memory, GaugeCaption(f.FreePhysKb, f.TotalPhysKb));
    ShowSwapGauge(f, display);

    f.CacheCeilingKb = CacheCeilingKb(s.totalPhys);
    display.SetCacheCeiling(f.CacheCeilingKb);
}

void ShowResourceFigures(MonitorPlatform& platform, MonitorDisplay& display) {
    for (ResourceKind kind : {ResourceKind::System, ResourceKind::Gdi, ResourceKind::User})
        display.SetResourceLabel(kind, ResourceLabel(kind, platform.QueryFreeResources(kind)));
}

bool RefreshSample(MemoryFigures& f, std::int64_t& lastFreePhysBytes, MonitorPlatform& platform,
                   MonitorDisplay& display) {
    const MemorySample s = platform.QueryMemory();
    if (Signed(s.availPhys) == lastFreePhysBytes)
        return false;

    f.FreePhysKb = BytesToKbTruncated(Signed(s.availPhys));
    lastFreePhysBytes = Signed(s.availPhys);
    f.TotalSwapKb = BytesToKbTruncated(Signed(s.totalPageFile));
    f.UsedSwapKb = BytesToKbTruncated(UsedSwapBytes(s));

    display.SetGaugeUserValue(MonitorGauge::Memory, f.FreePhysKb);
    display.SetGaugeCaption(MonitorGauge::Memory, GaugeCaption(f.FreePhysKb, f.TotalPhysKb));
    ShowSwapGauge(f, display);
    ShowResourceFigures(platform, display);
    return true;
}

} // namespace qv
