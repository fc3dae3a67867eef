// A record buffer handed out again must be as clean as a new one: callers fill only the bytes
// of their record and read the rest as zero.
#include "host/zelmdb/union_pool.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"

namespace {

bool AllZero(const uint8_t* buffer) {
    return std::all_of(buffer, buffer + zelmdb::UnionSize, [](uint8_t b) { return b == 0; });
}

TEST(UnionPoolTest, ABufferGivenBackComesOutClean) {
    uint8_t* first = MemAllocUnion();
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(AllZero(first));
    for (size_t at : {size_t(0), zelmdb::UnionSize / 2, zelmdb::UnionSize - 1}) first[at] = 0xA5;
    MemFreeUnion(first);
    uint8_t* again = MemAllocUnion();
    EXPECT_EQ(again, first) << "the pool did not reuse the buffer, so this test proves nothing";
    EXPECT_TRUE(AllZero(again));
    std::fill(again + 4096, again + 4096 + 300 * 1024, 0x5A);   // a long run, as a large symbol writes
    MemFreeUnion(again);
    uint8_t* next = MemAllocUnion();
    EXPECT_TRUE(AllZero(next));
    MemFreeUnion(next);
}

TEST(UnionPoolTest, BuffersHeldTogetherAreApartAndThePoolKeepsAFew) {
    std::vector<uint8_t*> held;
    for (int i = 0; i < 6; ++i) held.push_back(MemAllocUnion());
    for (size_t i = 0; i < held.size(); ++i) {
        ASSERT_NE(held[i], nullptr);
        held[i][zelmdb::UnionSize - 1] = uint8_t(i + 1);
    }
    for (size_t i = 0; i < held.size(); ++i) EXPECT_EQ(held[i][zelmdb::UnionSize - 1], i + 1);
    for (uint8_t* b : held) MemFreeUnion(b);
    MemFreeUnion(nullptr);
    EXPECT_LE(zelmdb::UnionPool::Get().Kept(), 4u);
    EXPECT_GE(zelmdb::UnionPool::Get().Kept(), 1u);
}

}  // namespace
