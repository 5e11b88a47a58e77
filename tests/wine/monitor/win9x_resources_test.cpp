// Free resources on Windows 9x, whose KERNEL32 refuses GetProcAddress by ordinal: the query must
// still reach USER.EXE's 16-bit GetFreeSystemResources (support/Win9xPersonality.h).
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
    // The thunk was found and called: it is in use, or (Wine 8's QT_Thunk hands back 0) it was
    // called once and rejected.
    EXPECT_TRUE(query.UsedMethod() == FreeResourceQuery::Method::Thunk16 || query.ThunkRejected());
#else
    // No 16-bit code in a 64-bit program, and no GetGuiResources on Windows 9x: no figure.
    EXPECT_EQ(query.UsedMethod(), FreeResourceQuery::Method::Unavailable);
    EXPECT_FALSE(query.Query(qv::ResourceKind::System).has_value());
#endif
}

} // namespace
