#include "framework/Exceptions.h"
#include "main/MonitorPlatform.h"
#include "support/Win9xPersonality.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using qv::FreeResourceQuery;
using qv::ResourceKind;

TEST(FreePercentOfQuota, UsedShareTruncated) {
    EXPECT_EQ(qv::FreePercentOfQuota(0), 100);
    EXPECT_EQ(qv::FreePercentOfQuota(99), 100);
    EXPECT_EQ(qv::FreePercentOfQuota(100), 99);
    EXPECT_EQ(qv::FreePercentOfQuota(2450), 76);
    EXPECT_EQ(qv::FreePercentOfQuota(9999), 1);
    EXPECT_EQ(qv::FreePercentOfQuota(10000), 0);
    EXPECT_EQ(qv::FreePercentOfQuota(65536), 0);
}

TEST(Win32MonitorPlatform, MemoryQueryRefillsTheRecord) {
    MEMORYSTATUS record{};
    qv::Win32MonitorPlatform platform(record);
    EXPECT_EQ(record.dwLength, sizeof(MEMORYSTATUS));
    const qv::MemorySample s = platform.QueryMemory();
    EXPECT_GT(s.totalPhys, 0u);
    EXPECT_GT(s.availPhys, 0u);
    EXPECT_LE(s.availPhys, s.totalPhys);
    EXPECT_EQ(record.dwLength, sizeof(MEMORYSTATUS));
    EXPECT_GT(record.dwTotalPhys, 0u);
    // The record holds the sample, held to its field size.
    if (s.totalPhys <= static_cast<SIZE_T>(-1)) {
        EXPECT_EQ(record.dwTotalPhys, s.totalPhys);
        EXPECT_EQ(record.dwTotalPageFile, s.totalPageFile);
    } else {
        EXPECT_EQ(record.dwTotalPhys, static_cast<SIZE_T>(-1));
    }
    // Wherever kernel32 exports GlobalMemoryStatusEx, whatever version the system reports.
    const bool exported =
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GlobalMemoryStatusEx") != nullptr;
    EXPECT_EQ(platform.UsesLargeMemoryStatus(), exported);
}

TEST(FreeResourceQuery, MethodFitsTheSystem) {
    FreeResourceQuery query;
    const char* names[] = {"16-bit thunk", "GetGuiResources", "unavailable"};
    std::printf("Windows %s, free resources through %s%s\n", qv::IsWindows9x() ? "9x" : "NT",
                names[static_cast<int>(query.UsedMethod())],
                query.ThunkRejected() ? " (the thunk lost the 16-bit result)" : "");
#if defined(__i386__)
    // Windows 9x's thunk delivers and is used; Wine 8.0's hands back 0, which the start-up check
    // rejects. How another Wine's behaves is not known here.
    if (qv::IsWindows9x()) {
        const int wine = qvtest::WineMajorVersion();
        if (wine != 0 && wine != 8)
            GTEST_SKIP() << "Wine " << wine << "'s QT_Thunk not known";
        EXPECT_EQ(query.ThunkRejected(), wine == 8);
        EXPECT_EQ(query.UsedMethod() == FreeResourceQuery::Method::Thunk16, wine == 0);
    }
#else
    EXPECT_NE(query.UsedMethod(), FreeResourceQuery::Method::Thunk16);
    EXPECT_FALSE(query.ThunkRejected());
#endif
    // Without the thunk: the object quota where USER32 has GetGuiResources (Windows 9x has not).
    const bool quota = GetProcAddress(GetModuleHandleA("user32.dll"), "GetGuiResources") != nullptr;
    if (query.UsedMethod() != FreeResourceQuery::Method::Thunk16) {
        EXPECT_EQ(query.UsedMethod(), quota ? FreeResourceQuery::Method::GuiResources
                                            : FreeResourceQuery::Method::Unavailable);
    }
}

// Fake 16-bit loader entry points that record the calls.
std::vector<std::string> g_calls;
DWORD g_loadResult = 0;
DWORD g_procResult = 0;
DWORD WINAPI FakeLoad(LPCSTR name) {
    g_calls.push_back(std::string("load ") + name);
    return g_loadResult;
}
void WINAPI FakeFree(DWORD module) {
    g_calls.push_back("free " + std::to_string(module));
}
DWORD WINAPI FakeGetProc(DWORD module, LPCSTR name) {
    g_calls.push_back("proc " + std::to_string(module) + " " + name);
    return g_procResult;
}

std::string QueryMessage(FreeResourceQuery& query) {
    try {
        query.Query(ResourceKind::Gdi);
    } catch (const qv::Exception& e) {
        return e.what();
    }
    return "no error";
}

TEST(FreeResourceQuery, ThunkFailuresRaiseTheSystemMessages) {
    FreeResourceQuery query({FakeLoad, FakeFree, FakeGetProc, nullptr});
    g_calls.clear();
    g_loadResult = 31; // below 32: the load failed
    EXPECT_EQ(QueryMessage(query), "Can't load USER.EXE!");
    EXPECT_EQ(g_calls, std::vector<std::string>{"load user.exe"});
    EXPECT_EQ(query.UserModuleHandle(), 31u);

    g_calls.clear();
    g_loadResult = 0x10207; // only the low word is the module handle
    g_procResult = 0;
    EXPECT_EQ(QueryMessage(query), "Can't get address of GetFreeSystemResources!");
    const std::vector<std::string> order = {"load user.exe", "free 519",
                                            "proc 519 GetFreeSystemResources"};
    EXPECT_EQ(g_calls, order) << "released before the lookup, so a failure keeps no reference";
    EXPECT_EQ(query.UserModuleHandle(), 0x207u);
    EXPECT_EQ(query.FreeResourcesProc(), 0u);
}

TEST(FreeResourceQuery, PercentagesOfEveryKind) {
    FreeResourceQuery query;
    for (ResourceKind kind : {ResourceKind::System, ResourceKind::Gdi, ResourceKind::User}) {
        std::optional<std::uint16_t> percent = query.Query(kind);
        if (query.UsedMethod() == FreeResourceQuery::Method::Unavailable) {
            EXPECT_FALSE(percent.has_value()) << "no figure where there is no query";
            continue;
        }
        ASSERT_TRUE(percent.has_value()) << static_cast<int>(kind);
        std::printf("kind %d: %u %% free\n", static_cast<int>(kind), unsigned{*percent});
        EXPECT_LE(*percent, 100);
    }
    if (query.UsedMethod() == FreeResourceQuery::Method::Thunk16) {
        EXPECT_GE(query.UserModuleHandle(), 32u);
        EXPECT_NE(query.FreeResourcesProc(), 0u);
    }
}

TEST(FreeResourceQuery, SystemIsTheLowerOfGdiAndUserOnNt) {
    FreeResourceQuery query;
    if (query.UsedMethod() != FreeResourceQuery::Method::GuiResources)
        GTEST_SKIP() << "the 16-bit query reports system resources itself";
    // Hold some GDI objects so the figures are not all 100.
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 300; ++i)
        brushes.push_back(CreateSolidBrush(RGB(i & 0xFF, 0, 0)));
    const auto gdi = *query.Query(ResourceKind::Gdi);
    const auto user = *query.Query(ResourceKind::User);
    EXPECT_EQ(*query.Query(ResourceKind::System), std::min(gdi, user));
    for (HBRUSH b : brushes)
        DeleteObject(b);
}

} // namespace
