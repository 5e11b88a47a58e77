#include "framework/Exceptions.h"
#include "main/core/MonitorSampling.h"
#include "widgets/gauge/core/GaugeModel.h"
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

using qv::MonitorGauge;
using qv::ResourceKind;

class FakePlatform : public qv::MonitorPlatform {
public:
    qv::MemorySample memory;
    std::map<ResourceKind, std::optional<std::uint16_t>> percent = {
        {ResourceKind::System, 83}, {ResourceKind::Gdi, 76}, {ResourceKind::User, 90}};
    int failOnKind = -1; // raise on this kind
    int memoryQueries = 0;
    std::vector<ResourceKind> resourceQueries;

    qv::MemorySample QueryMemory() override {
        ++memoryQueries;
        return memory;
    }
    std::optional<std::uint16_t> QueryFreeResources(ResourceKind kind) override {
        resourceQueries.push_back(kind);
        if (static_cast<int>(kind) == failOnKind)
            throw qv::Exception("Can't load USER.EXE!");
        return percent[kind];
    }
};

// Records every call in order and feeds real gauge models, so the order of MaxValue and
// UserValue matters as it does on screen.
class FakeDisplay : public qv::MonitorDisplay {
public:
    FakeDisplay() {
        for (qv::GaugeModel* g : {&memory, &swap}) {
            g->SetMaxValue(64000);
            g->SetPosition(40);
        }
    }
    qv::GaugeModel memory, swap;
    std::string captions[2] = {"Memory", "Swap File"};
    std::string labels[3] = {"System:", "GDI:", "User:"};
    std::int32_t ceiling = 16384;
    std::vector<std::string> calls;

    qv::GaugeModel& Gauge(MonitorGauge g) { return g == MonitorGauge::Memory ? memory : swap; }
    static const char* Name(MonitorGauge g) { return g == MonitorGauge::Memory ? "g1" : "g2"; }

    void SetGaugeMaxValue(MonitorGauge g, std::int32_t v) override {
        calls.push_back(std::string(Name(g)) + ".MaxValue=" + std::to_string(v));
        Gauge(g).SetMaxValue(v);
    }
    void SetGaugeUserValue(MonitorGauge g, std::int32_t v) override {
        calls.push_back(std::string(Name(g)) + ".UserValue=" + std::to_string(v));
        Gauge(g).SetUserValue(v);
    }
    void SetGaugeCaption(MonitorGauge g, const std::string& c) override {
        calls.push_back(std::string(Name(g)) + ".Caption=" + c);
        captions[g == MonitorGauge::Memory ? 0 : 1] = c;
    }
    void SetResourceLabel(ResourceKind k, const std::string& c) override {
        calls.push_back("label=" + c);
        labels[static_cast<int>(k)] = c;
    }
    void SetCacheCeiling(std::int32_t kb) override {
        calls.push_back("ceiling=" + std::to_string(kb));
        ceiling = kb;
    }
};

constexpr std::uint64_t kMb = 1048576;

class Sampling : public ::testing::Test {
protected:
    FakePlatform platform;
    FakeDisplay display;
    qv::MemoryFigures figures;
    std::int64_t lastFree = 0;

    void First() { qv::TakeFirstSample(figures, lastFree, platform, display); }
    bool Refresh() { return qv::RefreshSample(figures, lastFree, platform, display); }

    void SetUp() override { platform.memory = {64 * kMb, 31540 * 1024, 100 * kMb, 60 * kMb}; }
};

TEST_F(Sampling, FirstSampleFillsGaugesInOrderThenTheCeiling) {
    First();
    const std::vector<std::string> expected = {
        "g1.MaxValue=65536",  "g1.UserValue=31540", "g1.Caption=31540 Kb / 65536 Kb",
        "g2.MaxValue=102400", "g2.UserValue=40960", "g2.Caption=40960 Kb / 102400 Kb",
        "ceiling=33150",
    };
    EXPECT_EQ(display.calls, expected);
    EXPECT_EQ(display.memory.Position(), 48);
    EXPECT_EQ(display.memory.UserValue(), 31540);
    EXPECT_EQ(display.swap.Position(), 40);
    EXPECT_EQ(figures.TotalPhysKb, 65536);
    EXPECT_EQ(figures.CacheCeilingKb, 33150);
    EXPECT_EQ(lastFree, 31540 * 1024);
    EXPECT_TRUE(platform.resourceQueries.empty()) << "labels come later, after the [vcache] keys";
}

TEST_F(Sampling, ResourceLabelsInTheirFormats) {
    qv::ShowResourceFigures(platform, display);
    EXPECT_EQ(display.labels[0], "System: 83 %");
    EXPECT_EQ(display.labels[1], "GDI: 76 %");
    EXPECT_EQ(display.labels[2], "User: 90 %");
    const std::vector<ResourceKind> order = {ResourceKind::System, ResourceKind::Gdi,
                                             ResourceKind::User};
    EXPECT_EQ(platform.resourceQueries, order);
}

TEST_F(Sampling, LabelsWithoutAFigureSayNotAvailable) {
    platform.percent[ResourceKind::System] = std::nullopt;
    platform.percent[ResourceKind::User] = 65535; // widened without sign
    qv::ShowResourceFigures(platform, display);
    EXPECT_EQ(display.labels[0], "System: n/a");
    EXPECT_EQ(display.labels[2], "User: 65535 %");
}

TEST_F(Sampling, FirstSampleRoundsAndRefreshTruncates) {
    platform.memory = {64 * kMb, 1536, 3584, 0};
    First();
    EXPECT_EQ(figures.FreePhysKb, 2);
    EXPECT_EQ(figures.TotalSwapKb, 4);
    EXPECT_EQ(figures.UsedSwapKb, 4);

    platform.memory = {64 * kMb, 1537, 3584, 1024};
    EXPECT_TRUE(Refresh());
    EXPECT_EQ(figures.FreePhysKb, 1);
    EXPECT_EQ(figures.TotalSwapKb, 3);
    EXPECT_EQ(figures.UsedSwapKb, 2);
    EXPECT_EQ(display.captions[0], "1 Kb / 65536 Kb");
    EXPECT_EQ(display.captions[1], "2 Kb / 3 Kb");
}

TEST_F(Sampling, UnchangedFreeMemoryRefreshesNothing) {
    First();
    qv::ShowResourceFigures(platform, display);
    display.calls.clear();
    platform.resourceQueries.clear();

    platform.memory.availPageFile = 10 * kMb; // swap use changed, free memory did not
    platform.percent[ResourceKind::Gdi] = 12;
    EXPECT_FALSE(Refresh());
    EXPECT_TRUE(display.calls.empty());
    EXPECT_TRUE(platform.resourceQueries.empty());
    EXPECT_EQ(display.labels[1], "GDI: 76 %");
    EXPECT_EQ(platform.memoryQueries, 2) << "one query per tick all the same";
}

TEST_F(Sampling, RefreshUpdatesGaugesAndLabelsButNotTheTotals) {
    First();
    display.calls.clear();
    platform.memory.availPhys = 20000 * 1024 + 1000;
    platform.memory.totalPhys = 128 * kMb; // ignored on refresh
    platform.memory.totalPageFile = 200 * kMb;
    platform.percent[ResourceKind::Gdi] = 12;
    EXPECT_TRUE(Refresh());
    const std::vector<std::string> expected = {
        "g1.UserValue=20000",
        "g1.Caption=20000 Kb / 65536 Kb",
        "g2.MaxValue=204800",
        "g2.UserValue=143360",
        "g2.Caption=143360 Kb / 204800 Kb",
        "label=System: 83 %",
        "label=GDI: 12 %",
        "label=User: 90 %",
    };
    EXPECT_EQ(display.calls, expected);
    EXPECT_EQ(figures.TotalPhysKb, 65536);
    EXPECT_EQ(figures.CacheCeilingKb, 33150);
    EXPECT_EQ(display.memory.MaxValue(), 65536);
    EXPECT_EQ(display.memory.Position(), 31);
}

TEST_F(Sampling, NoSwapFileKeepsTheOldMaximumAndShowsAnEmptyBar) {
    platform.memory = {64 * kMb, 31540 * 1024, 0, 0};
    First();
    EXPECT_EQ(display.swap.MaxValue(), 64000);
    EXPECT_EQ(display.swap.UserValue(), 0);
    EXPECT_EQ(display.swap.Position(), 0);
    EXPECT_EQ(display.captions[1], "0 Kb / 0 Kb");
}

TEST_F(Sampling, MoreAvailableSwapThanItsTotalShowsNoneUsed) {
    First();
    platform.memory.availPhys += 4096;
    platform.memory.availPageFile = platform.memory.totalPageFile + 2048;
    Refresh();
    EXPECT_EQ(figures.UsedSwapKb, 0);
    EXPECT_EQ(display.swap.UserValue(), 0);
    EXPECT_EQ(display.swap.Position(), 0);
    EXPECT_EQ(display.captions[1], "0 Kb / 102400 Kb");
}

TEST_F(Sampling, WinesCappedRecordAndAWindows98RecordGiveSoundFigures) {
    // GlobalMemoryStatus of Wine in Windows 98 mode for a program that is not
    // large-address-aware: 2 GiB free of 2 GiB, more page file available than there is.
    platform.memory = {0x7FFFFFFF, 0x7FFFFFFF, 0xFFF7FFFF, 0xFFFFFFFF};
    First();
    EXPECT_EQ(display.captions[0], "2097152 Kb / 2097152 Kb");
    EXPECT_EQ(display.captions[1], "0 Kb / 4193792 Kb");
    EXPECT_EQ(display.swap.Position(), 0);
    EXPECT_EQ(figures.CacheCeilingKb, 524288);

    // A 96 MB Windows 98 machine with a 200 MB swap file, 150 MB of it available.
    platform.memory = {96 * kMb, 23456768, 200 * kMb, 150 * kMb};
    First();
    EXPECT_EQ(display.captions[0], "22907 Kb / 98304 Kb");
    EXPECT_EQ(display.captions[1], "51200 Kb / 204800 Kb");
    EXPECT_EQ(display.swap.Position(), 25);
    EXPECT_EQ(figures.CacheCeilingKb, 49725);
}

TEST_F(Sampling, FailingResourceQueryLeavesThatLabelAndTheLaterOnes) {
    First();
    qv::ShowResourceFigures(platform, display);
    platform.percent = {
        {ResourceKind::System, 50}, {ResourceKind::Gdi, 51}, {ResourceKind::User, 52}};
    platform.failOnKind = static_cast<int>(ResourceKind::Gdi);
    platform.memory.availPhys -= 8192;
    EXPECT_THROW(Refresh(), qv::Exception);
    EXPECT_EQ(display.labels[0], "System: 50 %");
    EXPECT_EQ(display.labels[1], "GDI: 76 %");
    EXPECT_EQ(display.labels[2], "User: 90 %");
    EXPECT_EQ(lastFree, static_cast<std::int64_t>(platform.memory.availPhys));
    // The next tick with the same free memory does nothing, not even a retry.
    platform.failOnKind = -1;
    EXPECT_FALSE(Refresh());
    EXPECT_EQ(display.labels[1], "GDI: 76 %");
}

TEST_F(Sampling, LargeMemoryShowsRealFigures) {
    platform.memory = {8ULL << 30, 6ULL << 30, 12ULL << 30, 4ULL << 30};
    First();
    EXPECT_EQ(display.captions[0], "6291456 Kb / 8388608 Kb");
    EXPECT_EQ(display.captions[1], "8388608 Kb / 12582912 Kb");
    EXPECT_EQ(figures.CacheCeilingKb, 524288) << "the largest disk cache Windows 9x runs with";
    EXPECT_EQ(display.memory.Position(), 75);
}

} // namespace
