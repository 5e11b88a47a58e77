// A start-up that ended before the first memory sample: the profiles use memory band 1 and the
// disk cache editors keep the layout's upper bound.
#include "support/BrokenTemplateName.h"
#include "support/Controls.h"
#include "support/MainWindowTest.h"

namespace {

using qvtest::Choose;
using qvtest::TextOf;
using EarlyStart = qvtest::MainWindowTest;

TEST_F(EarlyStart, NoSampleMeansBandOneAndTheLayoutBounds) {
    // As at process start: nothing sampled yet (other tests in this process have sampled).
    Module.MemoryStatus = MEMORYSTATUS{};
    Module.MemoryFigures = TMemoryFigures{};
    Module.LastFreePhysBytes = 0;
    qvtest::BrokenTemplateName brokenTemplate;
    Tf1& f = Create();
    ASSERT_EQ(boxes.Boxes().size(), 1u) << "the loading error";

    EXPECT_EQ(Module.MemoryStatus.dwTotalPhys, 0u);
    EXPECT_EQ(Module.MemoryFigures.CacheCeilingKb, 0);
    EXPECT_EQ(f.gauge1->Caption(), "Memory");
    EXPECT_EQ(f.gauge2->Caption(), "Swap File");
    EXPECT_EQ(f.gauge1->UserValue(), 25600);
    EXPECT_EQ(TextOf(f.systemlabel), "System:");
    EXPECT_EQ(f.min.Max(), 16384);
    EXPECT_EQ(f.emax.MaxValue(), 16384);
    EXPECT_FALSE(f.timer1.Enabled());

    Choose(f, "win98standarditem");
    EXPECT_TRUE(Module.SettingsChanged);
    EXPECT_TRUE(f.enablemincache.Checked());
    EXPECT_TRUE(IsWindowEnabled(f.min.Handle()));
    EXPECT_EQ(f.min.Position(), 512);
    EXPECT_EQ(f.emin.Value(), 512);
    EXPECT_EQ(f.max.Position(), 1024);
    EXPECT_EQ(f.emax.Value(), 1024);
    EXPECT_EQ(f.echunk.Value(), 512);
    EXPECT_EQ(f.enamecache.Value(), 2048);
    EXPECT_EQ(f.epathcache.Value(), 64);

    Choose(f, "win95quakeitem");
    EXPECT_EQ(f.emin.Value(), 512);
    EXPECT_EQ(f.emax.Value(), 512);
    EXPECT_EQ(f.chunk.Position(), 256);
    EXPECT_EQ(f.namecachebar.Position(), 2048);
    EXPECT_EQ(f.pathcachebar.Position(), 48);
    Module.SettingsChanged = false; // closing asks nothing
}

} // namespace
