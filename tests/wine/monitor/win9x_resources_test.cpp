// Free resources on Windows 9x, whose KERNEL32 refuses GetProcAddress by ordinal: the query must
// still reach USER.EXE's 16-bit GetFreeSystemResources (support/Win9xPersonality.h).
#include "main/FreeResources.h"
#include "support/Win9xPersonality.h"
#include <gtest/gtest.h>

namespace {

using qv::FreeResourceQuery;

TEST(Win9xFreeResources, EntriesFoundAndTheThunkCheckedAsWindows9xWould) {
    if (!qvtest::Win9xPersonalityActive())
        GTEST_SKIP() << "runs with QV_WIN9X_PERSONALITY=1";
    ASSERT_TRUE(qv::IsWindows9x());
    FreeResourceQuery query;
#if defined(__i386__)
    // The loader entry points come from KERNEL32's export table, as GetProcAddress refuses them:
    // the very ones Wine's own GetProcAddress finds.
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    ASSERT_EQ(GetProcAddress(kernel32, MAKEINTRESOURCEA(35)), nullptr);
    const FreeResourceQuery::Thunk16Entries& e = query.Entries();
    auto address = [](auto fn) { return reinterpret_cast<void*>(fn); };
    auto wine = [&](LPCSTR name) { return address(qvtest::WineGetProcAddress(kernel32, name)); };
    ASSERT_NE(wine(MAKEINTRESOURCEA(35)), nullptr);
    EXPECT_EQ(address(e.loadLibrary16), wine(MAKEINTRESOURCEA(35)));
    EXPECT_EQ(address(e.freeLibrary16), wine(MAKEINTRESOURCEA(36)));
    EXPECT_EQ(address(e.getProcAddress16), wine(MAKEINTRESOURCEA(37)));
    EXPECT_EQ(e.qtThunk, wine("QT_Thunk"));
    // Wine 8.0's QT_Thunk hands back 0 (README, "The 16-bit thunk under Wine"): the start-up
    // check rejects it, and Windows 9x has no GetGuiResources to fall back on.
    if (qvtest::WineMajorVersion() != 8)
        GTEST_SKIP() << "Wine " << qvtest::WineMajorVersion() << "'s QT_Thunk not known";
    EXPECT_TRUE(query.ThunkRejected());
    EXPECT_EQ(query.UsedMethod(), FreeResourceQuery::Method::Unavailable);
    EXPECT_FALSE(query.Query(qv::ResourceKind::Gdi).has_value());
#else
    // No 16-bit code in a 64-bit program, and no GetGuiResources on Windows 9x: no figure.
    EXPECT_EQ(query.UsedMethod(), FreeResourceQuery::Method::Unavailable);
    EXPECT_FALSE(query.Query(qv::ResourceKind::System).has_value());
#endif
}

} // namespace
