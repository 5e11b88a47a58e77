// libstdc++'s errors, raised through framework/LibraryThrows.cpp: each reaches the exception
// barrier as the program's own error with libstdc++'s text, and what carries no text stays the
// standard type.
#include "framework/Exceptions.h"
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

std::string MessageOf(void (*fails)()) {
    try {
        fails();
    } catch (const qv::Exception& error) {
        return error.what();
    }
    return "(nothing thrown)";
}

TEST(LibraryErrors, KeepLibstdcxxText) {
    EXPECT_EQ(MessageOf([] { (void)std::vector<int>(2).at(5); }),
              "vector::_M_range_check: __n (which is 5) >= this->size() (which is 2)");
    EXPECT_EQ(MessageOf([] { (void)std::string("abc").substr(7); }),
              "basic_string::substr: __pos (which is 7) > this->size() (which is 3)");
    EXPECT_EQ(MessageOf([] {
                  std::string text;
                  text.reserve(text.max_size() + 1);
              }),
              "basic_string::_M_create");
}

TEST(LibraryErrors, AllocationFailuresStayBadAlloc) {
    volatile std::size_t tooMany = PTRDIFF_MAX / sizeof(int) + 1;
    EXPECT_THROW((void)std::allocator<int>().allocate(tooMany), std::bad_alloc);
}

} // namespace
