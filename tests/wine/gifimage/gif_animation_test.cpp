// Animation: the requested frame intervals, loop counts, wrapping, and switching Animate, Loop,
// Speed and CurrentFrame. Ticks are driven directly (the timer's own tick call) so nothing rests
// on timing; one test per mode lets the real timer run a whole animation.
#include "Pictures.h"
#include "support/HostWindow.h"
#include "support/Pump.h"
#include "widgets/GIFImage/GIFImage.h"
#include <gtest/gtest.h>
#include <vector>

using namespace qvtest;
using qv::TGIFImage;

namespace {
const COLORREF kPanel = RGB(10, 120, 200);

class GifAnimation : public ::testing::TestWithParam<bool> {
protected:
    HostWindow host{0, 0, 300, 300, kPanel};
    TGIFImage image{host.Host()};
    int changing = 0, changes = 0, wraps = 0;
    std::vector<int> shown; // CurrentFrame at each OnChange

    void SetUp() override {
        image.SetThreaded(GetParam());
        image.OnChanging = [this](qv::Component&) { ++changing; };
        image.OnChange = [this](qv::Component&) {
            ++changes;
            shown.push_back(image.CurrentFrame());
        };
        image.OnWrapAnimation = [this](qv::Component&) { ++wraps; };
    }
    // Sets Animate and loads, as a form streams the control, then paints once (which
    // captures the background and lets ticks run).
    void Start(const Bytes& gif, bool animate = true) {
        image.SetBounds(0, 0, 4, 4);
        image.SetAnimate(animate);
        ASSERT_TRUE(image.LoadStream(gif));
        host.Repaint();
    }
    void Tick() { image.Timer().Timer(); }
    COLORREF Composite(int x, int y) { return GetPixel(image.CompositeDc(), x, y); }
};

// Delays of 0 and 100 hundredths of a second.
Bytes TwoFrames(int loops = -1) {
    return Picture(4, 4, {Solid(4, 4, kRed, 0), Solid(4, 4, kGreen, 100)}, loops);
}
Bytes FourColours(int loops = -1) {
    return Picture(
        4, 4, {Solid(4, 4, kRed), Solid(4, 4, kGreen), Solid(4, 4, kBlue), Solid(4, 4, kClear)},
        loops);
}
} // namespace

TEST_P(GifAnimation, IntervalsFollowDelaysAndSpeed) {
    image.SetLoop(true);
    Start(TwoFrames());
    EXPECT_EQ(image.Timer().Interval(), 1u); // the first tick comes at once
    EXPECT_TRUE(image.Timer().Enabled());
    Tick();
    EXPECT_EQ(image.Timer().Interval(), 50u); // delay 0 -> at least 50 ms
    Tick();
    EXPECT_EQ(image.Timer().Interval(), 1000u);

    image.SetSpeed(200);
    EXPECT_EQ(image.Timer().Interval(), 1u); // re-armed so that the new speed applies at once
    Tick();
    EXPECT_EQ(image.Timer().Interval(), 25u);
    Tick();
    EXPECT_EQ(image.Timer().Interval(), 500u);

    image.SetSpeed(0);
    EXPECT_EQ(image.Speed(), 1);
    Tick();
    EXPECT_EQ(image.Timer().Interval(), 5000u);
    Tick();
    EXPECT_EQ(image.Timer().Interval(), 100000u);
}

TEST_P(GifAnimation, WithoutLoopCountEachFrameShowsOnce) {
    Start(FourColours());
    ASSERT_EQ(image.LoopCount(), 1);
    changes = 0;
    shown.clear();
    for (int i = 0; i < 4; ++i)
        Tick();
    EXPECT_EQ(shown, (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(wraps, 1);
    EXPECT_EQ(image.CurrentFrame(), 5); // frame count + 1
    EXPECT_FALSE(image.Timer().Enabled());
    EXPECT_EQ(Composite(0, 0), kColors[kClear]); // the last frame stays
    // A paint does not start it again, and painting still works.
    host.Repaint();
    EXPECT_FALSE(image.Timer().Enabled());
    EXPECT_EQ(host.Pixel(1, 1), kColors[kClear]);

    // Loop on: from frame 1 again, and the timer runs.
    image.SetLoop(true);
    EXPECT_EQ(image.CurrentFrame(), 1);
    EXPECT_TRUE(image.Timer().Enabled());
    EXPECT_EQ(image.Timer().Interval(), 50u);
    Tick();
    EXPECT_EQ(Composite(0, 0), kColors[kRed]);
}

TEST_P(GifAnimation, LoopCountThreeStopsAfterThreeRounds) {
    Start(FourColours(3));
    ASSERT_EQ(image.LoopCount(), 3);
    for (int i = 0; i < 12; ++i)
        Tick();
    EXPECT_EQ(wraps, 3);
    EXPECT_FALSE(image.Timer().Enabled());
    EXPECT_EQ(image.CurrentFrame(), 5);
}

TEST_P(GifAnimation, LoopTrueNeverStops) {
    image.SetLoop(true);
    Start(FourColours(3));
    for (int i = 0; i < 40; ++i)
        Tick();
    EXPECT_EQ(wraps, 10);
    EXPECT_TRUE(image.Timer().Enabled());
    EXPECT_EQ(image.CurrentFrame(), 1);
}

TEST_P(GifAnimation, LoopCountZeroNeverStops) {
    Start(FourColours(0));
    for (int i = 0; i < 20; ++i)
        Tick();
    EXPECT_EQ(wraps, 5);
    EXPECT_TRUE(image.Timer().Enabled());
}

TEST_P(GifAnimation, AnimateOffWhileFrameThreeShowsGoesBackToFrameOne) {
    Start(FourColours());
    Tick(); // frame 1 (already drawn)
    Tick(); // frame 2
    Tick(); // frame 3
    EXPECT_EQ(Composite(0, 0), kColors[kBlue]);
    EXPECT_EQ(image.CurrentFrame(), 4);
    image.SetAnimate(false);
    EXPECT_EQ(image.CurrentFrame(), 1);
    EXPECT_FALSE(image.Timer().Enabled());
    EXPECT_EQ(Composite(0, 0), kColors[kRed]);
    host.Update();
    EXPECT_EQ(host.Pixel(1, 1), kColors[kRed]);
    // Ticks of a stopped animation do nothing.
    int before = changes;
    Tick();
    EXPECT_EQ(changes, before);
}

TEST_P(GifAnimation, FrameNumbersOutsideThePictureChangeNothing) {
    Start(FourColours(), false);
    EXPECT_FALSE(image.Timer().Enabled());
    image.SetCurrentFrame(2);
    ASSERT_EQ(Composite(0, 0), kColors[kGreen]);
    int before = changing;
    for (int bad : {0, 5, -1}) {
        qv::GIFStatus = 0;
        image.SetCurrentFrame(bad);
        EXPECT_EQ(qv::GIFStatus, 5) << bad;
        EXPECT_EQ(image.CurrentFrame(), 2);
    }
    EXPECT_EQ(changing, before);
    EXPECT_EQ(Composite(0, 0), kColors[kGreen]);
    // A valid number shows that frame at once.
    image.SetCurrentFrame(3);
    EXPECT_EQ(host.Pixel(1, 1), kColors[kBlue]);
    EXPECT_EQ(changing, before + 1);
}

TEST_P(GifAnimation, NoTicksBeforeTheFirstPaintOrWhenInvisible) {
    image.SetBounds(0, 0, 4, 4);
    ASSERT_TRUE(image.LoadStream(FourColours()));
    image.SetAnimate(true);
    // Transparent parts need the parent's background first: ticks wait for a paint.
    image.SetVisible(false);
    host.Repaint();
    int before = changes;
    Tick();
    EXPECT_EQ(changes, before);
}

TEST_P(GifAnimation, TheRealTimerRunsAWholeAnimation) {
    Start(Picture(4, 4, {Solid(4, 4, kRed), Solid(4, 4, kGreen), Solid(4, 4, kBlue)}));
    // The worker also runs in the Windows 9x run, where the runtime's locks have no semaphore.
    EXPECT_EQ(image.Timer().Worker() != nullptr, GetParam());
    ASSERT_TRUE(PumpUntil([&] { return wraps == 1; }));
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4})); // the load, then every tick
    PumpFor(200);                                     // stopped on the last frame
    EXPECT_EQ(wraps, 1);
    EXPECT_EQ(host.Pixel(1, 1), kColors[kBlue]);
}

TEST_P(GifAnimation, DestroyedControlGetsNoMoreTicks) {
    auto* own = new TGIFImage(host.Host());
    own->SetThreaded(GetParam());
    int ownChanges = 0;
    own->OnChange = [&](qv::Component&) { ++ownChanges; };
    own->SetBounds(0, 0, 4, 4);
    ASSERT_TRUE(own->LoadStream(Picture(4, 4, {Solid(4, 4, kRed), Solid(4, 4, kGreen, 100)}, 0)));
    own->SetSpeed(1); // 5 and 100 seconds a frame: the worker sleeps through the rest
    own->SetAnimate(true);
    host.Repaint();
    ASSERT_TRUE(PumpUntil([&] { return own->Timer().Interval() >= 5000; }));
    int before = ownChanges;
    delete own; // mid-sleep
    PumpFor(100);
    EXPECT_EQ(ownChanges, before);

    // And while a tick is already on its way to the user-interface thread.
    own = new TGIFImage(host.Host());
    own->SetThreaded(GetParam());
    own->OnChange = [&](qv::Component&) { ++ownChanges; };
    ASSERT_TRUE(own->LoadStream(FourColours(0)));
    own->SetAnimate(true);
    host.Repaint();
    before = ownChanges;
    Sleep(100); // no message handling: ticks queue up
    delete own;
    PumpFor(100);
    EXPECT_EQ(ownChanges, before);
}

INSTANTIATE_TEST_SUITE_P(BothTimers, GifAnimation, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Worker" : "WindowTimer"; });
