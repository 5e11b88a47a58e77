#include "widgets/GIFImage/core/GifLayout.h"
#include <gtest/gtest.h>

using qv::LayoutRect;

TEST(FrameInterval, DelaysAndSpeeds) {
    // Delays of 0 and 100 hundredths (0 and 1000 ms).
    EXPECT_EQ(qv::FrameInterval(0, 100), 50u);
    EXPECT_EQ(qv::FrameInterval(1000, 100), 1000u);
    EXPECT_EQ(qv::FrameInterval(0, 200), 25u);
    EXPECT_EQ(qv::FrameInterval(1000, 200), 500u);
    EXPECT_EQ(qv::FrameInterval(0, 1), 5000u);
    EXPECT_EQ(qv::FrameInterval(1000, 1), 100000u);
    // Speed below 1 counts as 1; a huge speed still gives at least 1 ms.
    EXPECT_EQ(qv::FrameInterval(0, 0), 5000u);
    EXPECT_EQ(qv::FrameInterval(0, -5), 5000u);
    EXPECT_EQ(qv::FrameInterval(70, 1000000), 1u);
    // Integer division: 70 * 100 / 300 = 23.
    EXPECT_EQ(qv::FrameInterval(70, 300), 23u);
    // The largest delay a GIF can hold (65535 hundredths) at the slowest speed.
    EXPECT_EQ(qv::FrameInterval(655350, 1), 65535000u);
}

TEST(RatioRect, KeepsAspectRatioCentred) {
    EXPECT_EQ(qv::RatioRect(200, 200, 100, 50), (LayoutRect{0, 50, 200, 150}));
    EXPECT_EQ(qv::RatioRect(200, 200, 50, 100), (LayoutRect{50, 0, 150, 200}));
    EXPECT_EQ(qv::RatioRect(100, 100, 48, 48), (LayoutRect{0, 0, 100, 100}));
    // Margins of 0.5: halves round to even (0.5 -> 0, 100.5 -> 100).
    EXPECT_EQ(qv::RatioRect(101, 50, 100, 50), (LayoutRect{0, 0, 100, 50}));
    // sx = 3/2, sy = 3/3: left margin (3 - 2 * 1) / 2 = 0.5 -> 0; right 3 - 0.5 = 2.5 -> 2.
    EXPECT_EQ(qv::RatioRect(3, 3, 2, 3), (LayoutRect{0, 0, 2, 3}));
    EXPECT_EQ(qv::RatioRect(4, 3, 2, 3), (LayoutRect{1, 0, 3, 3}));
    // sx = 5/2 > sy = 3/3: margin (5 - 2) / 2 = 1.5 -> 2; right 5 - 1.5 = 3.5 -> 4.
    EXPECT_EQ(qv::RatioRect(5, 3, 2, 3), (LayoutRect{2, 0, 4, 3}));
}

TEST(RatioRect, EmptyPictureFallsBackToClient) {
    EXPECT_EQ(qv::RatioRect(200, 100, 0, 50), (LayoutRect{0, 0, 200, 100}));
    EXPECT_EQ(qv::RatioRect(200, 100, 50, 0), (LayoutRect{0, 0, 200, 100}));
}

TEST(Placement, CenterAndTiles) {
    EXPECT_EQ(qv::CenterOffset(105, 48), 28);
    EXPECT_EQ(qv::CenterOffset(48, 48), 0);
    EXPECT_EQ(qv::CenterOffset(40, 101), -30); // truncates toward zero, not -31
    EXPECT_EQ(qv::LastTileIndex(100, 48), 2);  // copies at 0, 48, 96
    EXPECT_EQ(qv::LastTileIndex(96, 48), 2);   // a copy starting at the edge, clipped away
    EXPECT_EQ(qv::LastTileIndex(47, 48), 0);
    EXPECT_EQ(qv::LastTileIndex(100, 0), -1);
}

TEST(Opacity, OpaqueOnlyWhenThePictureCoversEverything) {
    qv::OpacityInputs in{true, true, false, false, false, false, 48, 48, 48, 48};
    EXPECT_TRUE(qv::IsOpaque(in));
    auto with = [&](auto change) {
        qv::OpacityInputs c = in;
        change(c);
        return qv::IsOpaque(c);
    };
    EXPECT_FALSE(with([](auto& c) { c.visible = false; }));
    EXPECT_FALSE(with([](auto& c) { c.loaded = false; }));
    EXPECT_FALSE(with([](auto& c) { c.anyTransparent = true; }));
    EXPECT_FALSE(with([](auto& c) { c.stretchRatio = true; }));
    EXPECT_FALSE(with([](auto& c) { c.width = 49; }));
    EXPECT_FALSE(with([](auto& c) { c.height = 49; }));
    EXPECT_TRUE(with([](auto& c) { c.width = 49, c.tile = true; }));
    EXPECT_TRUE(with([](auto& c) { c.height = 200, c.stretch = true; }));
    EXPECT_FALSE(with([](auto& c) { c.stretch = true, c.anyTransparent = true; }));
    EXPECT_TRUE(with([](auto& c) { c.width = 10, c.height = 10; })); // larger picture
}
