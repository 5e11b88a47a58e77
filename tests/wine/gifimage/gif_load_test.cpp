// Loading from files, streams and the streamed "Data" value; failed loads; AutoSize; events.
#include "Pictures.h"
#include "framework/Seams.h"
#include "support/HostWindow.h"
#include "support/Pump.h"
#include "widgets/GIFImage/GIFImage.h"
#include "widgets/TimerEx/TimerThread.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <string>

using namespace qvtest;
using qv::TGIFImage;

namespace {
const COLORREF kPanel = RGB(10, 120, 200);

std::string TempFile(const char* name, const Bytes& bytes) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

class GifLoad : public ::testing::Test {
protected:
    HostWindow host{0, 0, 300, 300, kPanel};
    TGIFImage image{host.Host()};
};

Bytes RedSquare() {
    return Picture(6, 6, {Solid(6, 6, kRed)});
}
} // namespace

TEST_F(GifLoad, Defaults) {
    EXPECT_EQ(image.Width(), 105);
    EXPECT_EQ(image.Height(), 105);
    EXPECT_TRUE(image.Empty());
    EXPECT_FALSE(image.Opaque());
    EXPECT_EQ(image.Speed(), 100);
    EXPECT_TRUE(image.Visible());
    EXPECT_FALSE(image.Animate() || image.AutoSize() || image.Center() || image.Loop() ||
                 image.Stretch() || image.StretchRatio() || image.Tile());
    EXPECT_TRUE(image.Threaded());
    EXPECT_EQ(image.ThreadPriority(), qv::tpNormal);
    EXPECT_FALSE(image.Timer().Enabled());
    EXPECT_TRUE(image.Timer().Worker()->Paused());
    EXPECT_EQ(image.FrameCount(), 0);
    EXPECT_FALSE(image.HasDataValue());
}

TEST_F(GifLoad, FileLoadsAndMissingFileKeepsThePicture) {
    std::string path = TempFile("qv-red.gif", RedSquare());
    image.SetFileName(path);
    EXPECT_EQ(qv::GIFStatus, 0);
    EXPECT_EQ(image.FileName(), path);
    EXPECT_EQ(image.FrameCount(), 1);
    EXPECT_FALSE(image.Empty());

    EXPECT_FALSE(image.LoadFile(path + ".missing"));
    EXPECT_EQ(qv::GIFStatus, 7);
    EXPECT_EQ(image.FileName(), path);
    EXPECT_EQ(image.FrameCount(), 1);
    DeleteFileA(path.c_str());
}

TEST_F(GifLoad, FailedLoadLeavesTheControlEmpty) {
    image.SetBounds(0, 0, 6, 6);
    std::string path = TempFile("qv-notgif.gif", Bytes{'P', 'N', 'G', 1, 2, 3});
    ASSERT_TRUE(image.LoadStream(RedSquare()));
    host.Repaint();
    ASSERT_TRUE(image.Opaque());
    ASSERT_EQ(host.Pixel(1, 1), kColors[kRed]);

    EXPECT_FALSE(image.LoadFile(path));
    EXPECT_EQ(qv::GIFStatus, 3);
    EXPECT_TRUE(image.Empty());
    EXPECT_EQ(image.FrameCount(), 0);
    EXPECT_EQ(image.FileName(), "");
    EXPECT_EQ(image.CompositeDc(), nullptr);
    EXPECT_FALSE(image.Opaque());
    EXPECT_FALSE(image.HasDataValue());
    host.Update(); // the reset invalidated the control
    EXPECT_EQ(host.Pixel(1, 1), kPanel);

    EXPECT_FALSE(image.LoadStream({}));
    EXPECT_EQ(qv::GIFStatus, 2);
    DeleteFileA(path.c_str());
}

namespace {
// Windows 95 and 98 make no bitmap larger than 16 MB (Wine and NT make much larger ones).
HBITMAP CompatibleBitmapUpTo16MB(HDC dc, int width, int height) {
    if (std::uint64_t(width) * std::uint64_t(height) * 4 > (16u << 20))
        return nullptr;
    return CreateCompatibleBitmap(dc, width, height);
}
} // namespace

TEST_F(GifLoad, APictureWhoseSurfaceCannotBeMadeFailsToLoad) {
    // A logical screen of 65535 x 1024 pixels passes the decoder's bounds, but its colour
    // surface (256 MB) is more than such a system gives one bitmap.
    std::string path = TempFile("qv-wide.gif", Picture(65535, 1024, {Solid(1, 1, kRed)}));
    ASSERT_TRUE(image.LoadStream(RedSquare()));
    qv::SetCompatibleBitmapHook(&CompatibleBitmapUpTo16MB);
    const bool loaded = image.LoadFile(path);
    qv::SetCompatibleBitmapHook(nullptr);

    EXPECT_FALSE(loaded);
    EXPECT_EQ(qv::GIFStatus, 3);
    EXPECT_TRUE(image.Empty());
    EXPECT_EQ(image.FrameCount(), 0);
    EXPECT_EQ(image.FileName(), "");
    EXPECT_EQ(image.CompositeDc(), nullptr);
    EXPECT_FALSE(image.Opaque());
    DeleteFileA(path.c_str());
}

TEST_F(GifLoad, ProgressHandlerCanCancel) {
    int calls = 0;
    image.SetOnProgress([&](qv::Component& sender, int done, int total, int percent, bool& keep) {
        EXPECT_EQ(&sender, static_cast<qv::Component*>(&image));
        EXPECT_GE(total, done);
        EXPECT_LE(percent, 100);
        if (++calls == 2)
            keep = false;
    });
    EXPECT_FALSE(image.LoadStream(RedSquare()));
    EXPECT_EQ(qv::GIFStatus, 1);
    EXPECT_TRUE(image.Empty());
    // Without cancelling, the same data loads.
    image.SetOnProgress([](qv::Component&, int, int, int, bool&) {});
    EXPECT_TRUE(image.LoadStream(RedSquare()));
}

TEST_F(GifLoad, DataValueStreamsInAndOut) {
    Bytes gif = RedSquare();
    Bytes value(4 + gif.size());
    value[0] = std::uint8_t(gif.size());
    value[1] = std::uint8_t(gif.size() >> 8);
    std::copy(gif.begin(), gif.end(), value.begin() + 4);
    image.ReadDataValue(value);
    EXPECT_TRUE(image.Empty()); // decoded only after streaming
    image.AfterStreaming();
    EXPECT_FALSE(image.Empty());
    EXPECT_EQ(image.FrameCount(), 1);
    EXPECT_EQ(image.Data(), gif);
    EXPECT_EQ(image.WriteDataValue(), value);

    // A file load replaces the stored data with the file's bytes.
    Bytes other = Picture(2, 2, {Solid(2, 2, kBlue)});
    std::string path = TempFile("qv-blue.gif", other);
    ASSERT_TRUE(image.LoadFile(path));
    EXPECT_EQ(image.Data(), other);
    DeleteFileA(path.c_str());
}

TEST_F(GifLoad, AutoSizeBeforeAnyPictureWaitsForTheLoad) {
    image.SetBounds(7, 9, 105, 105);
    image.SetAutoSize(true);
    EXPECT_EQ(image.Width(), 105);
    ASSERT_TRUE(image.LoadStream(Picture(48, 32, {Solid(48, 32, kRed)})));
    EXPECT_EQ(image.Left(), 7);
    EXPECT_EQ(image.Top(), 9);
    EXPECT_EQ(image.Width(), 48);
    EXPECT_EQ(image.Height(), 32);
    // Switched on after a load, it sizes at once.
    image.SetAutoSize(false);
    image.SetBounds(7, 9, 100, 100);
    image.SetAutoSize(true);
    EXPECT_EQ(image.Width(), 48);
}

TEST_F(GifLoad, LoadRaisesOneChangeAndAnimateAfterLoadArmsTheTimer) {
    int changing = 0, changes = 0;
    image.OnChanging = [&](qv::Component&) { ++changing; };
    image.OnChange = [&](qv::Component&) { ++changes; };
    ASSERT_TRUE(image.LoadStream(Picture(4, 4, {Solid(4, 4, kRed, 30), Solid(4, 4, kBlue)})));
    EXPECT_EQ(changing, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(image.Animated());
    EXPECT_FALSE(image.Timer().Enabled());
    image.SetAnimate(true);
    EXPECT_TRUE(image.Timer().Enabled());
    EXPECT_EQ(image.Timer().Interval(), 300u);
}

TEST_F(GifLoad, SingleFramePictureNeverStartsTheTimer) {
    image.SetAnimate(true);
    ASSERT_TRUE(image.LoadStream(RedSquare()));
    host.Repaint();
    EXPECT_FALSE(image.Animated());
    EXPECT_FALSE(image.Timer().Enabled());
    EXPECT_TRUE(image.Timer().Worker()->Paused());
}

TEST_F(GifLoad, TimerModeAndPriorityGoToTheTimer) {
    image.SetThreadPriority(qv::tpHighest);
    EXPECT_EQ(image.Timer().ThreadPriority(), qv::tpHighest);
    image.SetThreaded(false);
    EXPECT_FALSE(image.Timer().Threaded());
    EXPECT_EQ(image.Timer().Worker(), nullptr);
    EXPECT_NE(image.Timer().Window(), nullptr);
    // A window-timer animation runs just the same.
    int changes = 0;
    image.OnChange = [&](qv::Component&) { ++changes; };
    image.SetAnimate(true);
    ASSERT_TRUE(image.LoadStream(Picture(4, 4, {Solid(4, 4, kRed), Solid(4, 4, kBlue)}, 0)));
    host.Repaint();
    EXPECT_TRUE(PumpUntil([&] { return changes >= 4; }));
}
