// ThruFindSame finds a padstack of equal geometry, whatever its name, and nothing else.
#include <functional>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/zelmdb.h"
#include "tests/host/zelmdb/design_fixture.h"

using namespace zelmdb;

namespace {

constexpr size_t Layer1 = 0x24;
constexpr size_t Drill = 0x24 + 24 * 13;

// A square pad on layer 1 rotated by 45 degrees, with a drill.
void FillSquare(uint8_t* bytes, uint8_t shape = 2) {
    ByteRecord r(bytes);
    r.Zero(0, 0x24 + 24 * 14);
    r.SetI32(Layer1 + 0x00, 3000);
    r.SetI32(Layer1 + 0x04, 2000);
    r.SetI32(Layer1 + 0x08, 10);
    r.SetI32(Layer1 + 0x0C, 20);
    r.SetU8(Layer1 + 0x14, shape);
    r.SetI16(Layer1 + 0x16, 2700);
    r.SetI32(Drill, 1500);
    r.SetU8(Drill + 0x14, 1);
}

int16_t Store(const char* name, uint8_t* bytes) {
    const int32_t id = ThruCreate();
    ByteRecord r(bytes);
    r.SetI32(0, NameCreate(name));
    r.SetI32(4, id);
    ThruPut(id, bytes);
    return int16_t(id);
}

class ThruFindSameTest : public DesignFixture {
protected:
    uint8_t record_[0x24 + 24 * 14] = {};
};

TEST_F(ThruFindSameTest, EqualGeometryUnderAnotherNameIsFound) {
    FillSquare(record_);
    const int16_t first = Store("SQ", record_);
    FillSquare(record_);
    Store("SQ-copy", record_);
    ByteRecord(record_).SetI32(0, NameCreate("unrelated"));
    EXPECT_EQ(ThruFindSame(record_), first) << "the lowest id of equal geometry";
}

struct Change {
    const char* what;
    std::function<void(ByteRecord&)> apply;
};
class ThruFindSameChangeTest : public ThruFindSameTest, public ::testing::WithParamInterface<Change> {};

TEST_P(ThruFindSameChangeTest, AnyGeometryChangeIsNotFound) {
    FillSquare(record_);
    Store("SQ", record_);
    ByteRecord r(record_);
    GetParam().apply(r);
    EXPECT_EQ(ThruFindSame(record_), 0) << GetParam().what;
}
INSTANTIATE_TEST_SUITE_P(Fields, ThruFindSameChangeTest, ::testing::Values(
    Change{"first width", [](ByteRecord& r) { r.SetI32(Layer1 + 0x00, 3001); }},
    Change{"first height", [](ByteRecord& r) { r.SetI32(Layer1 + 0x04, 1999); }},
    Change{"second width", [](ByteRecord& r) { r.SetI32(Layer1 + 0x08, 0); }},
    Change{"second height", [](ByteRecord& r) { r.SetI32(Layer1 + 0x0C, 21); }},
    Change{"shape", [](ByteRecord& r) { r.SetU8(Layer1 + 0x14, 4); }},
    Change{"rotation", [](ByteRecord& r) { r.SetI16(Layer1 + 0x16, 5400); }},
    Change{"drill", [](ByteRecord& r) { r.SetI32(Drill, 1600); }},
    Change{"pad moved to layer 2", [](ByteRecord& r) {
        for (size_t i = 0; i < 24; ++i) {
            r.SetU8(Layer1 + 24 + i, r.U8(Layer1 + i));
            r.SetU8(Layer1 + i, 0);
        }
    }},
    Change{"extra inner layer", [](ByteRecord& r) { r.SetU8(0x24 + 24 * 4 + 0x14, 1); }},
    Change{"corner ratio", [](ByteRecord& r) { r.SetU16(Layer1 + 0x10, 2500); }},
    Change{"no paste", [](ByteRecord& r) { r.SetU8(Layer1 + 0x15, NoPasteFlag); }},
    Change{"corner ratio on the drill", [](ByteRecord& r) { r.SetU16(Drill + 0x10, 1); }}));

TEST_F(ThruFindSameTest, RotationDoesNotMatterForRoundPads) {
    FillSquare(record_, 1);
    const int16_t round = Store("R", record_);
    ByteRecord(record_).SetI16(Layer1 + 0x16, 5400);
    EXPECT_EQ(ThruFindSame(record_), round);
}

TEST_F(ThruFindSameTest, UnusedBytesDoNotMatter) {
    FillSquare(record_);
    const int16_t id = Store("SQ", record_);
    ByteRecord r(record_);
    r.SetU8(Layer1 + 0x12, 0x77);
    r.SetU8(Layer1 + 0x13, 0x99);
    r.SetI32(0x10, 42);
    EXPECT_EQ(ThruFindSame(record_), id);
}

TEST_F(ThruFindSameTest, DeletedPadstackIsNoLongerFound) {
    FillSquare(record_);
    const int16_t id = Store("SQ", record_);
    ASSERT_EQ(ThruDelete(id), 1);
    EXPECT_EQ(ThruFindSame(record_), 0);
    EXPECT_EQ(ThruFind("SQ"), 0);
    EXPECT_EQ(ThruDelete(id), 0);
}

}  // namespace
