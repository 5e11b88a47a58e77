#include "main/core/TemplateBytes.h"
#include <gtest/gtest.h>

using qv::TemplateBytes;

TEST(TemplateBytes, ReadsOnlyTheLowBytes) {
    EXPECT_EQ(qv::NameCacheFromBytes({0x51, 0x01, 0xFF, 0xFF}), 337);
    EXPECT_EQ(qv::NameCacheFromBytes({0xFF, 0xFF, 0x00, 0x00}), 65535);
    EXPECT_EQ(qv::PathCacheFromBytes({0x20, 0x01, 0x02, 0x03}), 32);
    EXPECT_EQ(qv::PathCacheFromBytes({0xFF, 0, 0, 0}), 255);
    EXPECT_EQ(qv::NameCacheFromBytes({0, 0, 0, 0}), 0);
}

TEST(TemplateBytes, StoresEditorValuesLowByteFirst) {
    TemplateBytes name{0, 0, 0, 0};
    TemplateBytes path{0, 0, 0, 0};
    qv::StoreNameCache(name, 337);
    qv::StorePathCache(path, 16);
    EXPECT_EQ(name, (TemplateBytes{0x51, 0x01, 0x00, 0x00}));
    EXPECT_EQ(path, (TemplateBytes{0x10, 0x00, 0x00, 0x00}));
    qv::StoreNameCache(name, 6144);
    EXPECT_EQ(name, (TemplateBytes{0x00, 0x18, 0x00, 0x00}));
}

TEST(TemplateBytes, KeepsTheUpperBytesAsLoaded) {
    TemplateBytes path{0x20, 0x01, 0x02, 0x03};
    qv::StorePathCache(path, 64);
    EXPECT_EQ(path, (TemplateBytes{0x40, 0x01, 0x02, 0x03}));
    TemplateBytes name{0xA5, 0x02, 0xDE, 0xAD};
    qv::StoreNameCache(name, 4096);
    EXPECT_EQ(name, (TemplateBytes{0x00, 0x10, 0xDE, 0xAD}));
}

TEST(TemplateBytes, ValuesBeyondTheEditorRangeAreHeldToIt) {
    TemplateBytes path{0xAA, 0xBB, 0xCC, 0xDD};
    qv::StorePathCache(path, 99999); // would not fit the byte
    EXPECT_EQ(path, (TemplateBytes{128, 0xBB, 0xCC, 0xDD}));
    qv::StorePathCache(path, 256); // would wrap to 0
    EXPECT_EQ(path[0], 128);
    qv::StorePathCache(path, -5);
    EXPECT_EQ(path[0], 16);

    TemplateBytes name{0xAA, 0xBB, 0xCC, 0xDD};
    qv::StoreNameCache(name, 70000); // would not fit two bytes
    EXPECT_EQ(name, (TemplateBytes{0x00, 0x18, 0xCC, 0xDD}));
    qv::StoreNameCache(name, 0);
    EXPECT_EQ(name, (TemplateBytes{0x51, 0x01, 0xCC, 0xDD}));
    qv::StoreNameCache(name, INT32_MIN);
    EXPECT_EQ(qv::NameCacheFromBytes(name), 337);
}
