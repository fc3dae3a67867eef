// Handles over the slot table: a handle reaches its own item and nothing else, however the
// slots are reused, and handles of one table never reach into another.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "platform/win/handle_table.h"

namespace {

TEST(HandleTableTest, AStaleHandleMissesTheNextOccupantOfItsSlot) {
    HandleTable<int> table(HandleTag::Window);
    const uint32_t first = table.Add(std::make_unique<int>(1));
    ASSERT_TRUE(table.Remove(first));
    const uint32_t second = table.Add(std::make_unique<int>(2));
    EXPECT_EQ(second & 0xFFFFF, first & 0xFFFFF) << "the freed slot is taken again";
    EXPECT_NE(second, first);
    EXPECT_EQ(table.Get(first), nullptr);
    EXPECT_FALSE(table.Remove(first)) << "nor may it free the new occupant";
    ASSERT_NE(table.Get(second), nullptr);
    EXPECT_EQ(*table.Get(second), 2);
}

// Every reuse of a slot up to the generation's wrap gives a handle never seen before.
TEST(HandleTableTest, ReusesOfOneSlotGiveDistinctHandles) {
    HandleTable<int> table(HandleTag::GdiObject);
    std::set<uint32_t> seen;
    for (int i = 0; i < 255; ++i) {
        const uint32_t h = table.Add(std::make_unique<int>(i));
        EXPECT_TRUE(seen.insert(h).second) << "reuse " << i;
        table.Remove(h);
    }
}

struct ForeignCase {
    const char* what;
    uint32_t handle;   // asked of a table holding one item under tag Window, generation 1, index 1
};
class ForeignHandleTest : public ::testing::TestWithParam<ForeignCase> {};

TEST_P(ForeignHandleTest, ReachesNothing) {
    HandleTable<int> table(HandleTag::Window);
    const uint32_t held = table.Add(std::make_unique<int>(7));
    ASSERT_EQ(held, 0x30100001u) << "the layout the cases are written against";
    EXPECT_EQ(table.Get(GetParam().handle), nullptr);
    EXPECT_FALSE(table.Remove(GetParam().handle));
    EXPECT_EQ(table.Live(), 1);
    EXPECT_NE(table.Get(held), nullptr);
}
INSTANTIATE_TEST_SUITE_P(Handles, ForeignHandleTest, ::testing::Values(
    ForeignCase{"null", 0},
    ForeignCase{"tag alone", 0x30000000u},
    ForeignCase{"another table's tag", 0x10100001u},
    ForeignCase{"no tag", 0x00100001u},
    ForeignCase{"a generation ahead", 0x30200001u},
    ForeignCase{"a generation behind", 0x30000001u},
    ForeignCase{"a slot beyond the table", 0x30100002u},
    ForeignCase{"the highest index", 0x301FFFFFu}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) if (c == ' ' || c == '\'') c = '_';
        return name;
    });

TEST(HandleTableTest, LiveCountsWhatIsHeld) {
    HandleTable<int> table(HandleTag::DeviceContext);
    const uint32_t a = table.Add(std::make_unique<int>(1));
    table.Add(std::make_unique<int>(2));
    EXPECT_EQ(table.Live(), 2);
    table.Remove(a);
    table.Remove(a);
    EXPECT_EQ(table.Live(), 1) << "a second removal of one handle counts once";
}

}  // namespace
