// The Information box and the tuning profiles in the real main window.
#include "main/FreeResources.h"
#include "main/ModuleState.h"
#include "main/core/MemoryMath.h"
#include "main/core/MonitorSampling.h"
#include "main/core/Presets.h"
#include "main/f1.h"
#include "support/Controls.h"
#include "support/GaugePixels.h"
#include "support/MainWindowTest.h"
#include "support/Pump.h"
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>

namespace {

using qvtest::Choose;
using qvtest::TextOf;

class MainWindowMonitor : public qvtest::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Start();
    }
};

TEST_F(MainWindowMonitor, TimerRunsEverySecondOnceInitEnds) {
    EXPECT_EQ(form().timer1.Interval(), 1000u);
    EXPECT_TRUE(form().timer1.Enabled());
    EXPECT_TRUE(form().timer1.Running());
    EXPECT_FALSE(Module.SettingsChanged);
}

TEST_F(MainWindowMonitor, FirstSampleFillsTheGaugesAndTheCeiling) {
    const TMemoryFigures& m = Module.MemoryFigures;
    ASSERT_GT(m.TotalPhysKb, 0);
    EXPECT_EQ(form().gauge1->MaxValue(), m.TotalPhysKb);
    EXPECT_EQ(form().gauge1->UserValue(), m.FreePhysKb);
    EXPECT_EQ(form().gauge1->Caption(), qv::GaugeCaption(m.FreePhysKb, m.TotalPhysKb));
    EXPECT_EQ(form().gauge2->Caption(), qv::GaugeCaption(m.UsedSwapKb, m.TotalSwapKb));
    EXPECT_EQ(m.CacheCeilingKb, qv::CacheCeilingKb(Module.MemoryStatus.dwTotalPhys));
    EXPECT_EQ(form().min.Max(), m.CacheCeilingKb);
    EXPECT_EQ(form().max.Max(), m.CacheCeilingKb);
    EXPECT_EQ(form().emin.MaxValue(), m.CacheCeilingKb);
    EXPECT_EQ(form().emax.MaxValue(), m.CacheCeilingKb);
    EXPECT_EQ(Module.MemoryStatus.dwLength, sizeof(MEMORYSTATUS));
}

// GlobalMemoryStatus reports at most 2 GiB, free and total alike, to this program (Wine in
// Windows 98 mode); the window shows the real figures all the same.
TEST_F(MainWindowMonitor, FirstSampleShowsTheRealFreeMemory) {
    struct {
        DWORD dwLength, dwMemoryLoad;
        DWORDLONG ullTotalPhys, ullAvailPhys, ullTotalPageFile, ullAvailPageFile, rest[3];
    } ex{};
    ex.dwLength = sizeof ex;
    auto query = qv::ProcAs<BOOL(WINAPI*)(void*)>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GlobalMemoryStatusEx"));
    if (!query || !query(&ex))
        GTEST_SKIP() << "no GlobalMemoryStatusEx on this system";
    const TMemoryFigures& m = Module.MemoryFigures;
    std::printf("%s, %s\n", form().gauge1->Caption().c_str(), form().gauge2->Caption().c_str());
    EXPECT_EQ(m.TotalPhysKb, qv::BytesToKbRounded(static_cast<std::int64_t>(ex.ullTotalPhys)));
    if (ex.ullTotalPhys > (2ULL << 30)) {
        EXPECT_LT(m.FreePhysKb, m.TotalPhysKb);
    }
    EXPECT_GE(m.UsedSwapKb, 0);
    EXPECT_GE(form().gauge2->UserValue(), 0);
}

TEST_F(MainWindowMonitor, GaugesShowTheSampleOnScreen) {
    qvtest::PumpFor(200);
    for (qv::TQvProgress* gauge : {form().gauge1.get(), form().gauge2.get()}) {
        const qvtest::Pixels p = qvtest::ReadWindow(form().GroupBox1.Handle(), gauge->Bounds());
        EXPECT_EQ(p.at(0, 0), GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(p.at(427, 23), GetSysColor(COLOR_BTNHIGHLIGHT));
        // Row 2 lies above the caption: the bar alone, PercentToPixels long.
        const int bar = qv::PercentToPixels(gauge->Position(), 426);
        for (int x = 1; x < 427; ++x)
            ASSERT_EQ(p.at(x, 2), x <= bar ? RGB(0, 0, 0x80) : GetSysColor(COLOR_BTNFACE))
                << "x " << x << ", bar " << bar;
    }
}

TEST_F(MainWindowMonitor, ResourceLabelsInTheirFormats) {
    const std::regex number(R"((System|GDI|User): (\d+ %|n/a))");
    EXPECT_TRUE(std::regex_match(TextOf(form().systemlabel), number)) << TextOf(form().systemlabel);
    EXPECT_TRUE(std::regex_match(TextOf(form().gdilabel), number)) << TextOf(form().gdilabel);
    EXPECT_TRUE(std::regex_match(TextOf(form().userlabel), number)) << TextOf(form().userlabel);
    EXPECT_EQ(TextOf(form().systemlabel).rfind("System: ", 0), 0u);
    EXPECT_EQ(TextOf(form().gdilabel).rfind("GDI: ", 0), 0u);
    EXPECT_EQ(TextOf(form().userlabel).rfind("User: ", 0), 0u);
}

TEST_F(MainWindowMonitor, RefreshShowsTheNewSample) {
    Module.LastFreePhysBytes = -1; // the next tick sees a change
    form().systemlabel.SetText("System:");
    form().updatemem(form().timer1);
    // The 64-bit figure read, which the 32-bit record may only hold to its field size.
    EXPECT_GE(Module.LastFreePhysBytes, static_cast<std::int64_t>(Module.MemoryStatus.dwAvailPhys));
    EXPECT_EQ(Module.MemoryFigures.FreePhysKb, qv::BytesToKbTruncated(Module.LastFreePhysBytes));
    EXPECT_EQ(form().gauge1->Caption(),
              qv::GaugeCaption(Module.MemoryFigures.FreePhysKb, Module.MemoryFigures.TotalPhysKb));
    EXPECT_NE(TextOf(form().systemlabel), "System:");
}

void ExpectRows(Tf1& form, const qv::PresetValues& v) {
    const std::int32_t ceiling = form.min.Max();
    EXPECT_EQ(form.min.Position(), std::min(v.minFileCache, ceiling));
    EXPECT_EQ(form.emin.Value(), std::min(v.minFileCache, ceiling));
    EXPECT_EQ(form.max.Position(), std::min(v.maxFileCache, ceiling));
    EXPECT_EQ(form.emax.Value(), std::min(v.maxFileCache, ceiling));
    EXPECT_EQ(form.chunk.Position(), v.chunkSize);
    EXPECT_EQ(form.echunk.Value(), v.chunkSize);
    EXPECT_EQ(form.namecachebar.Position(), v.nameCache);
    EXPECT_EQ(form.enamecache.Value(), v.nameCache);
    EXPECT_EQ(form.pathcachebar.Position(), v.pathCache);
    EXPECT_EQ(form.epathcache.Value(), v.pathCache);
}

TEST_F(MainWindowMonitor, ProfileFromTheMenuFillsAllFiveRows) {
    form().enablenamecache.SetChecked(false);
    Module.SettingsChanged = false;
    Choose(form(), "win98poweruseritem");
    EXPECT_TRUE(Module.SettingsChanged);
    EXPECT_TRUE(form().enablemincache.Checked());
    EXPECT_TRUE(form().enablemaxcache.Checked());
    EXPECT_TRUE(form().enablechunk.Checked());
    EXPECT_FALSE(form().enablenamecache.Checked()) << "the File Cache box is left alone";
    EXPECT_TRUE(IsWindowEnabled(form().min.Handle())) << "the click handlers enabled the rows";
    EXPECT_TRUE(IsWindowEnabled(form().emax.Handle()));
    EXPECT_TRUE(IsWindowEnabled(form().chunk.Handle()));
    ExpectRows(form(), qv::PresetFor(qv::PresetSystem::Windows98, qv::PresetKind::PowerUser,
                                     Module.MemoryStatus.dwTotalPhys));
    Choose(form(), "win95lowmemitem");
    ExpectRows(form(), qv::PresetFor(qv::PresetSystem::Windows95, qv::PresetKind::LowMemorySystem,
                                     Module.MemoryStatus.dwTotalPhys));
    EXPECT_EQ(form().echunk.Value(), 128);
}

} // namespace
