// The render cache: equal and distinct keys, lookups into short buffers, the order of a walk, the
// bucket hash, and every allocation that can fail.
#include "preview/render_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "platform/win/message_box.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Counts what the cache holds, and refuses the allocation numbered failAt.
struct MemoryLog {
    int allocations = 0;
    int live = 0;
    int failAt = 0;
};
MemoryLog& Log() {
    static MemoryLog log;
    return log;
}
void* CountingAllocate(size_t size) {
    if (++Log().allocations == Log().failAt) return nullptr;
    ++Log().live;
    return std::malloc(size);
}
void CountingRelease(void* block) {
    --Log().live;
    std::free(block);
}

int Add(RenderCache* cache, const Bytes& key, const Bytes& data) {
    return CacheAdd(cache, key.data(), uint32_t(key.size()), data.data(), uint32_t(data.size()));
}
int32_t Lookup(const RenderCache* cache, const Bytes& key, Bytes& buffer) {
    return CacheLookup(cache, key.data(), uint32_t(key.size()), buffer.data(), uint32_t(buffer.size()));
}

struct Walk {
    std::vector<Bytes> keys;
    std::vector<Bytes> data;
    size_t stopAfter = 0;   // 0: never stop
};
int Record(const uint8_t* key, uint32_t keyLen, const uint8_t* data, uint32_t dataLen, void* context) {
    auto* walk = static_cast<Walk*>(context);
    walk->keys.emplace_back(key, key + keyLen);
    walk->data.emplace_back(data, data + dataLen);
    return walk->keys.size() == walk->stopAfter ? 1 : 0;
}
Walk WalkOf(const RenderCache* cache, size_t stopAfter = 0) {
    Walk walk;
    walk.stopAfter = stopAfter;
    CacheForEach(cache, Record, &walk);
    return walk;
}

// The hash worked out from its definition with each CRC-16 entry derived bit by bit, apart
// from the cache's own table.
uint16_t ReferenceHash(const Bytes& key) {
    uint16_t h = 0;
    for (uint8_t b : key) {
        const unsigned i = (h & 0xFFu) ^ b;
        unsigned entry = i;
        for (int bit = 0; bit < 8; ++bit) entry = (entry & 1) ? (entry >> 1) ^ 0xA001 : entry >> 1;
        h = uint16_t(entry ^ (i * 0x0101u));
    }
    return h;
}

class RenderCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        Log() = {};
        previous_ = SetCacheMemory({CountingAllocate, CountingRelease});
        ClearShownMessageBoxes();
    }
    void TearDown() override {
        CacheDestroy(cache_);
        SetCacheMemory(previous_);
        EXPECT_EQ(Log().live, 0) << "blocks left behind";
        EXPECT_TRUE(ShownMessageBoxes().empty()) << "an unexpected failure report";
    }
    RenderCache* Make(uint16_t buckets) {
        CacheDestroy(cache_);
        cache_ = CacheCreate(buckets);
        return cache_;
    }

    RenderCache* cache_ = nullptr;
    CacheMemory previous_;
};

TEST_F(RenderCacheTest, AnEqualKeyKeepsTheFirstDataAndCopiesNothing) {
    RenderCache* cache = Make(256);
    const Bytes key(14, 0x5A);
    ASSERT_EQ(Add(cache, key, {1, 2, 3, 4}), 1);
    const int allocations = Log().allocations;
    EXPECT_EQ(Add(cache, key, {9, 9, 9, 9}), 0);
    EXPECT_EQ(Log().allocations, allocations);
    Bytes buffer(4);
    EXPECT_EQ(Lookup(cache, key, buffer), 4);
    EXPECT_EQ(buffer, (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(WalkOf(cache).keys.size(), 1u);
}

struct BufferCase {
    size_t size;
    int32_t result;
};
class LookupBufferTest : public RenderCacheTest, public ::testing::WithParamInterface<BufferCase> {};

TEST_P(LookupBufferTest, ShortBufferIsLeftAlone) {
    RenderCache* cache = Make(256);
    const Bytes data{0x11, 0x22, 0x33, 0x44};
    ASSERT_EQ(Add(cache, {7, 7}, data), 1);
    Bytes buffer(GetParam().size, 0xEE);
    Bytes expected = buffer;
    if (GetParam().result > 0) std::copy(data.begin(), data.end(), expected.begin());
    EXPECT_EQ(Lookup(cache, {7, 7}, buffer), GetParam().result);
    EXPECT_EQ(buffer, expected);
}
INSTANTIATE_TEST_SUITE_P(FourByteEntry, LookupBufferTest, ::testing::Values(
    BufferCase{0, -4}, BufferCase{3, -4}, BufferCase{4, 4}, BufferCase{8, 4}));

TEST_F(RenderCacheTest, KeysDifferByLengthAndEveryByte) {
    RenderCache* cache = Make(256);
    // {1} and {1, 0xC1} hash alike in any bucket count: only the comparison tells them apart.
    const std::vector<Bytes> keys = {{1, 2, 3}, {1, 2, 3, 0}, {1, 2}, {}, {1, 2, 4}, {1}, {1, 0xC1}};
    for (size_t n = 0; n < keys.size(); ++n) ASSERT_EQ(Add(cache, keys[n], {uint8_t(n)}), 1) << n;
    for (size_t n = 0; n < keys.size(); ++n) {
        Bytes buffer(1);
        EXPECT_EQ(Lookup(cache, keys[n], buffer), 1) << n;
        EXPECT_EQ(buffer[0], n);
    }
    Bytes buffer(1, 0xEE);
    EXPECT_EQ(Lookup(cache, {1, 2, 3, 0, 0}, buffer), 0);
    EXPECT_EQ(Lookup(cache, {2}, buffer), 0);
    EXPECT_EQ(buffer[0], 0xEE);
}

TEST_F(RenderCacheTest, AnEntryWithoutDataReadsAsMissingButHoldsItsKey) {
    RenderCache* cache = Make(256);
    ASSERT_EQ(Add(cache, {4, 4}, {}), 1);
    Bytes buffer(4);
    EXPECT_EQ(Lookup(cache, {4, 4}, buffer), 0);
    EXPECT_EQ(Add(cache, {4, 4}, {5}), 0);
}

TEST_F(RenderCacheTest, RefusalsNeedNoMemory) {
    const uint8_t bytes[4] = {1, 2, 3, 4};
    uint8_t buffer[4] = {};
    EXPECT_EQ(CacheAdd(nullptr, bytes, 4, bytes, 4), -1);
    EXPECT_EQ(CacheLookup(nullptr, bytes, 4, buffer, 4), 0);
    EXPECT_TRUE(WalkOf(nullptr).keys.empty());
    CacheDestroy(nullptr);

    RenderCache* cache = Make(256);
    const int allocations = Log().allocations;
    // A size a lookup could not answer as a negative number; refused before anything is read.
    EXPECT_EQ(CacheAdd(cache, bytes, 4, bytes, 0x80000000u), -1);
    EXPECT_EQ(CacheLookup(cache, bytes, 4, buffer, 4), 0);
    EXPECT_EQ(Log().allocations, allocations);
}

// T[1] = 0xC0C1, T[2] = 0xC181, T[3] = 0x0140. A byte meets only the low byte of h, so a
// second byte that cancels it lands on a known entry again.
struct HashCase {
    const char* what;
    Bytes key;
    uint16_t hash;
};
void PrintTo(const HashCase& c, std::ostream* os) { *os << c.what; }
class CacheHashTest : public ::testing::TestWithParam<HashCase> {};

TEST_P(CacheHashTest, WorkedByHand) {
    const Bytes& key = GetParam().key;
    EXPECT_EQ(CacheHash(key.data(), uint32_t(key.size())), GetParam().hash) << GetParam().what;
}
INSTANTIATE_TEST_SUITE_P(TableEntries, CacheHashTest, ::testing::Values(
    HashCase{"empty key", {}, 0},
    HashCase{"T[0] is 0", {0}, 0},
    HashCase{"T[1]", {1}, 0xC0C1 ^ 0x0101},
    HashCase{"T[2]", {2}, 0xC181 ^ 0x0202},
    HashCase{"T[3]", {3}, 0x0140 ^ 0x0303},
    HashCase{"i = 0xC0 ^ 0xC1 = 1", {1, 0xC1}, 0xC0C1 ^ 0x0101},
    HashCase{"i = 0xC0 ^ 0xC2 = 2", {1, 0xC2}, 0xC181 ^ 0x0202},
    HashCase{"i = 2, then 0x83 ^ 0x80 = 3", {2, 0x80}, 0x0140 ^ 0x0303},
    HashCase{"i = 2, 3, then 0x43 ^ 0x43 = 0", {2, 0x80, 0x43}, 0}));

TEST(CacheHashSweep, FollowsTheDefinitionForAnyKey) {
    std::mt19937 random(1234);
    for (int n = 0; n < 2000; ++n) {
        Bytes key(random() % 20);
        for (uint8_t& b : key) b = uint8_t(random());
        ASSERT_EQ(CacheHash(key.data(), uint32_t(key.size())), ReferenceHash(key)) << n;
    }
}

struct OrderCase {
    uint16_t asked;
    unsigned buckets;
};
class WalkOrderTest : public RenderCacheTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(WalkOrderTest, EveryEntryOnceInBucketOrder) {
    RenderCache* cache = Make(GetParam().asked);
    std::mt19937 random(GetParam().asked);
    std::vector<Bytes> added;
    while (added.size() < 60) {
        Bytes key(1 + random() % 14);
        for (uint8_t& b : key) b = uint8_t(random());
        if (std::find(added.begin(), added.end(), key) != added.end()) continue;
        ASSERT_EQ(Add(cache, key, {uint8_t(added.size())}), 1);
        added.push_back(key);
    }
    std::vector<Bytes> expected;
    for (unsigned b = 0; b < GetParam().buckets; ++b) {
        for (size_t n = added.size(); n-- > 0;) {
            if (ReferenceHash(added[n]) % GetParam().buckets == b) expected.push_back(added[n]);
        }
    }
    EXPECT_EQ(WalkOf(cache).keys, expected);
}
INSTANTIATE_TEST_SUITE_P(BucketCounts, WalkOrderTest, ::testing::Values(
    OrderCase{1, 1}, OrderCase{3, 3}, OrderCase{255, 255}, OrderCase{0, 256},
    OrderCase{256, 256}, OrderCase{65535, 65535}));

class VisitorStopTest : public RenderCacheTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(VisitorStopTest, EndsRightAfterTheEntryAnsweredOne) {
    RenderCache* cache = Make(2);
    for (uint8_t b = 0; b < 6; ++b) ASSERT_EQ(Add(cache, {b}, {b}), 1);
    const Walk all = WalkOf(cache);
    const Walk cut = WalkOf(cache, GetParam());
    ASSERT_EQ(cut.keys.size(), GetParam());
    EXPECT_TRUE(std::equal(cut.keys.begin(), cut.keys.end(), all.keys.begin()));
}
INSTANTIATE_TEST_SUITE_P(Positions, VisitorStopTest, ::testing::Values(1, 2, 4, 6));

enum class Step { Create, Add };
struct FailureCase {
    Step step;
    int failAt;   // counted from the start of the step
    const char* text;
};
class AllocationFailureTest : public RenderCacheTest,
                              public ::testing::WithParamInterface<FailureCase> {};

TEST_P(AllocationFailureTest, ReportsAndLeavesNothingHalfDone) {
    const FailureCase& c = GetParam();
    const Bytes kept(14, 1), failed(14, 2);
    if (c.step == Step::Create) {
        Log().failAt = c.failAt;
        EXPECT_EQ(Make(256), nullptr);
    } else {
        RenderCache* cache = Make(256);
        ASSERT_EQ(Add(cache, kept, {1, 1, 1, 1}), 1);
        const int live = Log().live;
        Log().failAt = Log().allocations + c.failAt;
        EXPECT_EQ(Add(cache, failed, {2, 2, 2, 2}), -1);
        EXPECT_EQ(Log().live, live);
        Bytes buffer(4);
        EXPECT_EQ(Lookup(cache, failed, buffer), 0);
        EXPECT_EQ(WalkOf(cache).keys, std::vector<Bytes>{kept});
        EXPECT_EQ(Add(cache, failed, {2, 2, 2, 2}), 1) << "a retry finds no trace of the failure";
    }
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    const ShownMessageBox& box = ShownMessageBoxes()[0];
    EXPECT_EQ(box.Owner, 0u);
    EXPECT_EQ(box.Caption, "Error");
    EXPECT_EQ(box.Type, MB_OK);
    EXPECT_EQ(box.Text, std::string("Out of memory ") + c.text);
    ClearShownMessageBoxes();
}
INSTANTIATE_TEST_SUITE_P(EachAllocation, AllocationFailureTest, ::testing::Values(
    FailureCase{Step::Create, 1, "allocating a cache anchor\n"},
    FailureCase{Step::Create, 2, "allocating a cache\n"},
    FailureCase{Step::Add, 1, "creating a new cache entry\n"},
    FailureCase{Step::Add, 2, "adding key to the cache\n"},
    FailureCase{Step::Add, 3, "adding data to the cache\n"}));

}  // namespace
