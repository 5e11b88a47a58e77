// What the test programs meet under the Windows 9x personality (support/Win9xPersonality.h):
// the refusals the product must live with, checked here once so the 9x runs mean something.
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

TEST_F(Win9xPersonality, ReportsWindows98) {
    EXPECT_EQ(GetVersion() & 0x800000FFu, 0x80000004u);
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS));
    EXPECT_EQ(info.dwMinorVersion, 10u);
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

TEST_F(Win9xPersonality, ProfileFlushReportsFalse) {
    const std::string ini = qvtest::WindowsDirFile("system.ini");
    EXPECT_TRUE(WritePrivateProfileStringA("vcache", "chunksize", "512", ini.c_str()));
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str()));
    char value[16] = {};
    GetPrivateProfileStringA("vcache", "chunksize", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "512");
    WritePrivateProfileStringA("vcache", "chunksize", nullptr, ini.c_str());
}

} // namespace
