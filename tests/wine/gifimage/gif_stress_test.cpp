// A hundred animated controls with worker threads, created and destroyed: no thread, handle or
// GDI object may outlive them.
#include "Pictures.h"
#include "support/HostWindow.h"
#include "support/Pump.h"
#include "widgets/GIFImage/GIFImage.h"
#include <gtest/gtest.h>
#include <memory>
#include <tlhelp32.h>
#include <vector>

using namespace qvtest;
using qv::TGIFImage;

namespace {

// Counters looked up at run time, as they are newer than the program's platform level. Where
// the system does not keep the counter (Wine has GetGuiResources as a stub, and its
// GetProcessHandleCount reports 0), the live objects are counted by probing every handle value:
// Wine hands out handles as small table indices and accepts them without their upper bits.
DWORD GdiObjects() {
    using Fn = DWORD(WINAPI*)(HANDLE, DWORD);
    auto fn = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetGuiResources")));
    DWORD count = fn ? fn(GetCurrentProcess(), 0 /* GR_GDIOBJECTS */) : 0;
    if (count == 0)
        for (UINT_PTR index = 1; index < 0x10000; ++index)
            if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0)
                ++count;
    return count;
}

DWORD Handles() {
    using Fn = BOOL(WINAPI*)(HANDLE, PDWORD);
    auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetProcessHandleCount")));
    DWORD count = 0;
    if (!fn || !fn(GetCurrentProcess(), &count) || count == 0) {
        count = 0;
        DWORD flags;
        for (UINT_PTR value = 4; value < 0x10000; value += 4)
            if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags))
                ++count;
    }
    return count;
}

int Threads() {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 e{};
    e.dwSize = sizeof e;
    int n = 0;
    for (BOOL ok = Thread32First(snap, &e); ok; ok = Thread32Next(snap, &e))
        if (e.th32OwnerProcessID == GetCurrentProcessId())
            ++n;
    CloseHandle(snap);
    return n;
}

struct Counts {
    DWORD gdi, handles;
    int threads;
};
Counts Now() {
    return {GdiObjects(), Handles(), Threads()};
}

// Transparent frames with disposal 3, so every kind of bitmap and surface is made.
Bytes Busy() {
    return Picture(8, 8,
                   {FrameSpec{0, 0, 8, 8, kRed, {}, 1, 0, true},
                    FrameSpec{2, 2, 4, 4, kBlue, {}, 3, 0, true},
                    FrameSpec{0, 0, 4, 4, 0, Bytes(16, kClear), 2, 0, true}},
                   0);
}

void Round(HostWindow& host, int count) {
    std::vector<std::unique_ptr<TGIFImage>> images;
    int ticks = 0;
    for (int i = 0; i < count; ++i) {
        auto image = std::make_unique<TGIFImage>(host.Host());
        image->SetBounds((i % 10) * 10, (i / 10) * 10, 8, 8);
        image->SetAnimate(true);
        image->OnChange = [&](qv::Component&) { ++ticks; };
        ASSERT_TRUE(image->LoadStream(Busy()));
        images.push_back(std::move(image));
    }
    host.Repaint();
    // Let the workers deliver a good number of ticks, then destroy everything mid-animation.
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3 * count; }, 30000));
    images.clear();
    host.Repaint();
}

} // namespace

TEST(GifStress, HundredAnimatedControlsLeaveNothingBehind) {
    HostWindow host(0, 0, 300, 300, RGB(10, 120, 200));
    Round(host, 2); // classes registered, lazy system objects made
    Counts before = Now();
    ASSERT_GT(before.threads, 0);
    Round(host, 100);
    Counts after = Now();
    EXPECT_EQ(after.threads, before.threads);
    EXPECT_EQ(after.handles, before.handles);
    EXPECT_EQ(after.gdi, before.gdi);
    std::printf("threads %d, handles %lu, GDI objects %lu\n", after.threads,
                static_cast<unsigned long>(after.handles), static_cast<unsigned long>(after.gdi));
}
