#include <windows.h>
#include <gtest/gtest.h>

TEST(WineSmoke, CreatesARealWindow) {
    HWND w = CreateWindowA("BUTTON", "x", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(w, nullptr);
    char text[8] = {};
    GetWindowTextA(w, text, sizeof text);
    EXPECT_STREQ(text, "x");
    DestroyWindow(w);
}
