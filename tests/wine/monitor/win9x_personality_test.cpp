// What the test programs meet under the Windows 9x personality (support/Win9xPersonality.h):
// the refusals the product must live with, checked here once so the 9x runs mean something.
#include "support/ResourceLedger.h"
#include "support/SystemFiles.h"
#include "support/Win9xPersonality.h"
#include <gtest/gtest.h>

namespace {

class Win9xPersonality : public ::testing::Test {
protected:
    void SetUp() override {
        if (!qvtest::Win9xPersonalityActive())
            GTEST_SKIP() << "runs with QV_WIN9X_PERSONALITY=1";
    }
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
};

struct VersionAnswers {
    DWORD version;
    DWORD minor;
    DWORD build;
};

// What GetVersion and GetVersionExA answer while the personality plays the version; only the
// plain record is known.
VersionAnswers AnswersOf(qvtest::Win9xVersion version) {
    const qvtest::Win9xVersion played = qvtest::ActiveWin9xVersion();
    qvtest::PlayWin9xVersion(version);
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    EXPECT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS));
    EXPECT_EQ(info.dwMajorVersion, 4u);
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = sizeof extended;
    EXPECT_FALSE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended)));
    const VersionAnswers answers{GetVersion(), info.dwMinorVersion, info.dwBuildNumber};
    qvtest::PlayWin9xVersion(played);
    return answers;
}

// Wine's own Windows 98 is 4.10.2222 (the Second Edition) and takes the larger record too.
TEST_F(Win9xPersonality, ReportsWindows98) {
    const VersionAnswers answers = AnswersOf(qvtest::Win9xVersion::Windows98);
    EXPECT_EQ(answers.version, 0xC0000A04u);
    EXPECT_EQ(answers.minor, 10u);
    EXPECT_EQ(answers.build, 0x040A07CEu); // 4.10.1998
}

TEST_F(Win9xPersonality, ReportsWindows95WhenPlayingIt) {
    const VersionAnswers answers = AnswersOf(qvtest::Win9xVersion::Windows95);
    EXPECT_EQ(answers.version, 0xC3B60004u);
    EXPECT_EQ(answers.minor, 0u);
    EXPECT_EQ(answers.build, 0x040003B6u); // 4.00.950
}

TEST_F(Win9xPersonality, Kernel32RefusesOrdinalsAndLacksTheNewerFunctions) {
    EXPECT_EQ(GetProcAddress(kernel32, MAKEINTRESOURCEA(35)), nullptr);
#if defined(__i386__)
    EXPECT_NE(qvtest::WineGetProcAddress(kernel32, MAKEINTRESOURCEA(35)), nullptr);
    EXPECT_NE(GetProcAddress(kernel32, "QT_Thunk"), nullptr) << "names are still found";
#endif
    EXPECT_EQ(GetProcAddress(kernel32, "GlobalMemoryStatusEx"), nullptr);
    EXPECT_EQ(GetProcAddress(GetModuleHandleA("user32.dll"), "GetGuiResources"), nullptr);
    EXPECT_NE(GetProcAddress(kernel32, "GlobalMemoryStatus"), nullptr);
}

TEST_F(Win9xPersonality, WideStubsFail) {
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleW(L"kernel32.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CALL_NOT_IMPLEMENTED));
    SetLastError(0);
    EXPECT_EQ(LoadLibraryW(L"kernel32.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CALL_NOT_IMPLEMENTED));
    SetLastError(0);
    EXPECT_EQ(CreateSemaphoreW(nullptr, 0, 1, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CALL_NOT_IMPLEMENTED));
}

TEST_F(Win9xPersonality, SurfacesOver16MbAreRefused) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    // 32 bits per pixel: 2048 x 2048 is exactly 16 MB, one more row is too much.
    HBITMAP colour = CreateCompatibleBitmap(screen, 1, 1);
    HGDIOBJ old = SelectObject(memory, colour);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 2048;
    info.bmiHeader.biHeight = -2048;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP largest = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    EXPECT_NE(largest, nullptr);
    info.bmiHeader.biHeight = -2049;
    bits = &info;
    EXPECT_EQ(CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    // A device-dependent bitmap in the memory context's format: rows of 8192 bytes.
    BITMAP format{};
    GetObjectA(colour, sizeof format, &format);
    const int width = 65536 / (format.bmBitsPixel * format.bmPlanes);
    HBITMAP ddb = CreateCompatibleBitmap(memory, width, 2048);
    EXPECT_NE(ddb, nullptr) << format.bmBitsPixel << " bits per pixel";
    EXPECT_EQ(CreateCompatibleBitmap(memory, width, 2049), nullptr);
    for (HBITMAP b : {largest, ddb})
        DeleteObject(b);
    SelectObject(memory, old);
    DeleteObject(colour);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// CreateBitmap and CreateBitmapIndirect: 32 bits per pixel, 2048 x 2048 is exactly 16 MB.
// CreateDIBitmap makes the bitmap in the device's format: rows of 8192 bytes.
TEST_F(Win9xPersonality, BitmapsOver16MbAreRefusedByEveryMaker) {
    HBITMAP largest = CreateBitmap(2048, 2048, 1, 32, nullptr);
    EXPECT_NE(largest, nullptr);
    EXPECT_EQ(CreateBitmap(2048, 2049, 1, 32, nullptr), nullptr);
    BITMAP spec{0, 2048, 2049, 8192, 1, 32, nullptr};
    EXPECT_EQ(CreateBitmapIndirect(&spec), nullptr);
    spec.bmHeight = 2048;
    HBITMAP indirect = CreateBitmapIndirect(&spec);
    EXPECT_NE(indirect, nullptr);

    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 65536 / bits, 2048, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    HBITMAP dib = CreateDIBitmap(screen, &info.bmiHeader, 0, nullptr, &info, DIB_RGB_COLORS);
    EXPECT_NE(dib, nullptr) << bits << " bits per pixel";
    info.bmiHeader.biHeight = 2049;
    EXPECT_EQ(CreateDIBitmap(screen, &info.bmiHeader, 0, nullptr, &info, DIB_RGB_COLORS), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    ReleaseDC(nullptr, screen);
    for (HBITMAP b : {largest, indirect, dib})
        DeleteObject(b);
}

// Reads see a write at once, the disk only after the flush, which answers FALSE.
TEST_F(Win9xPersonality, ProfileFilesReachTheDiskWhenFlushed) {
    const std::string ini = qvtest::WindowsDirFile("system.ini");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
    const std::string before = qvtest::ProfileFileOnDisk(ini);
    ASSERT_EQ(before, qvtest::ReadWholeFile(ini));
    EXPECT_TRUE(WritePrivateProfileStringA("vcache", "chunksize", "512", ini.c_str()));
    char value[16] = {};
    GetPrivateProfileStringA("vcache", "chunksize", "", value, sizeof value, "system.ini");
    EXPECT_STREQ(value, "512");
    EXPECT_EQ(qvtest::ProfileFileOnDisk("system.ini"), before);
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, "system.ini"));
    EXPECT_EQ(qvtest::ProfileFileOnDisk(ini), qvtest::ReadWholeFile(ini));
    EXPECT_NE(qvtest::ProfileFileOnDisk(ini), before);
    WritePrivateProfileStringA("vcache", "chunksize", nullptr, ini.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
}

// One object of every kind: each is counted until it is destroyed, or goes with its window.
TEST_F(Win9xPersonality, LedgerCountsEveryKindWhileItLives) {
    using K = qvtest::ObjectKind;
    const qvtest::LiveObjects before = qvtest::CountLiveObjects();
    HWND window = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 40, 40, nullptr, nullptr,
                                  nullptr, nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 8, 8, window, nullptr, nullptr, nullptr);
    SetMenu(window, CreateMenu());
    SetTimer(window, 7, 10000, nullptr);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ gdi[] = {CreatePen(PS_SOLID, 1, 0), CreateSolidBrush(0),
                     CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"),
                     CreateCompatibleBitmap(screen, 4, 4), CreateRectRgn(0, 0, 1, 1)};
    LOGPALETTE palette{0x300, 1, {{0, 0, 0, 0}}};
    HPALETTE colours = CreatePalette(&palette);
    BYTE andMask[128] = {}, xorMask[128] = {};
    HCURSOR cursor = CreateCursor(nullptr, 0, 0, 32, 32, andMask, xorMask);
    ICONINFO info{TRUE, 0, 0, static_cast<HBITMAP>(gdi[3]), static_cast<HBITMAP>(gdi[3])};
    HICON icon = CreateIconIndirect(&info);

    qvtest::LiveObjects expected = before;
    for (K kind : {K::Pen, K::Brush, K::Font, K::Bitmap, K::Region, K::Palette, K::Icon, K::Cursor,
                   K::Menu, K::Timer})
        ++expected.count[static_cast<int>(kind)];
    expected.count[static_cast<int>(K::Dc)] += 2;
    expected.count[static_cast<int>(K::Window)] += 2;
    EXPECT_EQ(qvtest::CountLiveObjects(), expected);

    DestroyWindow(window); // its child, menu and timer with it
    ReleaseDC(nullptr, screen);
    DeleteDC(memory);
    for (HGDIOBJ object : gdi)
        DeleteObject(object);
    DeleteObject(colours);
    DestroyCursor(cursor);
    DestroyIcon(icon);
    EXPECT_EQ(qvtest::CountLiveObjects(), before);
}

} // namespace
