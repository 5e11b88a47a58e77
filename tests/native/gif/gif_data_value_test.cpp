#include "widgets/GIFImage/core/GifDataValue.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

TEST(GifDataValue, ReadAppendsExactlyTheCountedBytes) {
    const Bytes value = {3, 0, 0, 0, 'G', 'I', 'F', 99};
    Bytes stored = {1};
    EXPECT_EQ(qv::ReadDataValue(value.data(), value.size(), stored), 7u);
    EXPECT_EQ(stored, (Bytes{1, 'G', 'I', 'F'}));
}

TEST(GifDataValue, ACountOfZeroOrLessReadsNothingMore) {
    for (const Bytes& value : {Bytes{0, 0, 0, 0, 5}, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 5}}) {
        Bytes stored;
        EXPECT_EQ(qv::ReadDataValue(value.data(), value.size(), stored), 4u);
        EXPECT_TRUE(stored.empty());
    }
}

TEST(GifDataValue, ATruncatedValueIsRefusedAndLosesNothing) {
    Bytes stored = {7};
    const Bytes shortCount = {1, 0};
    EXPECT_THROW(qv::ReadDataValue(shortCount.data(), shortCount.size(), stored), qv::Exception);
    const Bytes shortBody = {10, 0, 0, 0, 1, 2};
    try {
        qv::ReadDataValue(shortBody.data(), shortBody.size(), stored);
        FAIL();
    } catch (const qv::Exception& e) {
        EXPECT_STREQ(e.what(), "The picture data is damaged: 10 bytes announced, 2 present");
    }
    EXPECT_EQ(stored, (Bytes{7}));
}

TEST(GifDataValue, WriteGivesCountThenBytesAndOnlyWhenNotEmpty) {
    Bytes stored(1560, 0x2A);
    const Bytes value = qv::WriteDataValue(stored);
    ASSERT_EQ(value.size(), 1564u);
    EXPECT_EQ(value[0], 0x18);
    EXPECT_EQ(value[1], 0x06);
    EXPECT_EQ(value[2], 0);
    EXPECT_EQ(value[3], 0);
    EXPECT_EQ(value[4], 0x2A);
    EXPECT_TRUE(qv::ShouldWriteDataValue(stored));
    EXPECT_FALSE(qv::ShouldWriteDataValue({}));
    Bytes back;
    qv::ReadDataValue(value.data(), value.size(), back);
    EXPECT_EQ(back, stored);
}
