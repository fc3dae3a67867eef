// Record buffers are kept and handed out again as their last user left them, so every call that
// fills one must write each byte its caller reads.
#include "host/zelmdb/union_pool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"

namespace {

TEST(UnionPoolTest, ABufferGivenBackIsHandedOutAgain) {
    uint8_t* first = MemAllocUnion();
    ASSERT_NE(first, nullptr);
    first[zelmdb::UnionSize - 1] = 0xA5;
    MemFreeUnion(first);
    uint8_t* again = MemAllocUnion();
    EXPECT_EQ(again, first) << "a pad name would pay for a new mapping";
    MemFreeUnion(again);
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

// A buffer full of an earlier user's bytes: the calls that fill it leave no stale count behind.
TEST(UnionPoolTest, FillingCallsOverwriteWhatTheirCallerReads) {
    uint8_t* buffer = MemAllocUnion();
    ASSERT_NE(buffer, nullptr);
    std::memset(buffer, 0xFF, zelmdb::UnionSize);
    EXPECT_EQ(TextGetSegments(nullptr, buffer), 0);
    EXPECT_EQ(zelmdb::ReadOnly(buffer).U16(zelmdb::SegmentListLayout::Count), 0);

    std::memset(buffer, 0xFF, zelmdb::UnionSize);
    EXPECT_EQ(ComIniGetProfileSection(nullptr, buffer), 0);
    EXPECT_EQ(zelmdb::ReadOnly(buffer).I16(zelmdb::ProfileSectionLayout::Count), 0);

    std::memset(buffer, 0xFF, zelmdb::UnionSize);
    ASSERT_EQ(DbDefault(zelmdb::KindComponent, buffer, 1), 1);
    for (size_t at = 0; at < zelmdb::CompRecordLayout::Size; ++at) EXPECT_EQ(buffer[at], 0) << at;
    MemFreeUnion(buffer);
}

}  // namespace
