// Free resources on Windows 9x, whose KERNEL32 refuses GetProcAddress by ordinal: the query must
// still reach USER.EXE's 16-bit GetFreeSystemResources (support/Win9xPersonality.h).
#include "main/ExportedProcs.h"
#include "main/FreeResources.h"
#include "support/Win9xPersonality.h"
#include <gtest/gtest.h>

namespace {

using qv::FreeResourceQuery;

TEST(Win9xFreeResources, QueryTakesThe16BitPath) {
    if (!qvtest::Win9xPersonalityActive())
        GTEST_SKIP() << "runs with QV_WIN9X_PERSONALITY=1";
    ASSERT_TRUE(qv::IsWindows9x());
    FreeResourceQuery query;
#if defined(__i386__)
    // The loader entry points come from KERNEL32's export table, as GetProcAddress refuses them.
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    ASSERT_EQ(GetProcAddress(kernel32, MAKEINTRESOURCEA(35)), nullptr);
    const FreeResourceQuery::Thunk16Entries& e = query.Entries();
    ASSERT_NE(e.loadLibrary16, nullptr);
    EXPECT_EQ(
        qv::ProcAs<FreeResourceQuery::LoadLibrary16Fn>(qv::ExportedProcByOrdinal(kernel32, 35)),
        e.loadLibrary16);
    EXPECT_EQ(
        qv::ProcAs<FreeResourceQuery::FreeLibrary16Fn>(qv::ExportedProcByOrdinal(kernel32, 36)),
        e.freeLibrary16);
    EXPECT_EQ(
        qv::ProcAs<FreeResourceQuery::GetProcAddress16Fn>(qv::ExportedProcByOrdinal(kernel32, 37)),
        e.getProcAddress16);
    // And the thunk was called: it is in use, or (Wine 8's QT_Thunk hands back 0) it was called
    // once and rejected.
    EXPECT_TRUE(query.UsedMethod() == FreeResourceQuery::Method::Thunk16 || query.ThunkRejected());
#else
    // No 16-bit code in a 64-bit program, and no GetGuiResources on Windows 9x: no figure.
    EXPECT_EQ(query.UsedMethod(), FreeResourceQuery::Method::Unavailable);
    EXPECT_FALSE(query.Query(qv::ResourceKind::System).has_value());
#endif
}

} // namespace
