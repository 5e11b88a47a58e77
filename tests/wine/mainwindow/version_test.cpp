// The version resource and the window caption name the project's version (CMakeLists.txt).
#include "support/MainWindowTest.h"
#include <string>
#include <vector>

namespace {
// The program's version resource, linked into this test program as into quorvane.exe.
std::vector<char> OwnVersionInfo() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path, &ignored));
    if (data.empty() || !GetFileVersionInfoA(path, 0, static_cast<DWORD>(data.size()), data.data()))
        data.clear();
    return data;
}

std::string StringValue(std::vector<char>& info, const char* name) {
    char* text = nullptr;
    UINT length = 0;
    std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&text), &length))
        return "<missing>";
    return text;
}
using Version = qvtest::MainWindowTest;
} // namespace

TEST_F(Version, ResourceAndCaptionAgreeWithTheProjectVersion) {
    std::vector<char> info = OwnVersionInfo();
    ASSERT_FALSE(info.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(QV_VERSION_MINOR, QV_VERSION_MAJOR));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(QV_VERSION_MINOR, QV_VERSION_MAJOR));
    EXPECT_EQ(StringValue(info, "FileVersion"), QV_VERSION);
    EXPECT_EQ(StringValue(info, "ProductVersion"), QV_VERSION);

    Tf1& f = Create();
    char caption[256] = {};
    GetWindowTextA(f.Handle(), caption, sizeof caption);
    EXPECT_EQ(std::string(caption).rfind(std::string(" Quorvane ") + QV_VERSION + " ", 0), 0u)
        << caption;
}
