// The padstack range of the design record follows every change of the padstacks, inside a
// transaction as a dialog run holds one and outside it, and a rollback takes its changes back.
#include <vector>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "tests/host/zelmdb/design_fixture.h"

using namespace zelmdb;

namespace {

enum class Op { Begin, Commit, Rollback, Create, Put, Delete };
struct Step {
    Op op;
    int32_t id;     // the id created, put or deleted
    int16_t last;   // the range's end afterwards
};
struct RangeCase {
    const char* what;
    std::vector<Step> steps;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.what; }

class PadstackRangeTest : public DesignFixture, public ::testing::WithParamInterface<RangeCase> {
protected:
    int16_t ListedLast() {
        uint8_t record[DbRecordLayout::Size] = {};
        EXPECT_EQ(DbGet(record), 1);
        EXPECT_EQ(ReadOnly(record).I16(DbRecordLayout::PadstackFirst), 0);
        return ReadOnly(record).I16(DbRecordLayout::PadstackLast);
    }
    void Run(const Step& s) {
        uint8_t record[ThruRecordLayout::Size] = {};
        switch (s.op) {
        case Op::Begin: ASSERT_TRUE(Design().Begin().ok()); break;
        case Op::Commit: ASSERT_TRUE(Design().Commit().ok()); break;
        case Op::Rollback: ASSERT_TRUE(Design().Rollback()); break;
        case Op::Create: ASSERT_EQ(ThruCreate(), s.id); break;
        case Op::Put:
            ByteRecord(record).SetI32(ThruRecordLayout::NameId, NameCreate("P"));
            ASSERT_EQ(ThruPut(s.id, record), 1);
            break;
        case Op::Delete: ThruDelete(s.id); break;
        }
    }
};

TEST_P(PadstackRangeTest, DbGetFollowsEachStep) {
    ASSERT_EQ(ListedLast(), 0);
    for (size_t n = 0; n < GetParam().steps.size(); ++n) {
        const Step& s = GetParam().steps[n];
        Run(s);
        EXPECT_EQ(ListedLast(), s.last) << GetParam().what << ", step " << n + 1;
    }
}

constexpr Op B = Op::Begin, C = Op::Create, P = Op::Put, D = Op::Delete;
INSTANTIATE_TEST_SUITE_P(Sequences, PadstackRangeTest, ::testing::Values(
    RangeCase{"outside a transaction",
              {{C, 1, 1}, {C, 2, 2}, {C, 3, 3}, {D, 3, 2}, {D, 1, 2}, {D, 2, 0}}},
    RangeCase{"inside a transaction",
              {{B, 0, 0}, {C, 1, 1}, {C, 2, 2}, {C, 3, 3}, {D, 3, 2}, {D, 1, 2}, {D, 2, 0}}},
    RangeCase{"an id freed at the top is handed out again",
              {{B, 0, 0}, {C, 1, 1}, {C, 2, 2}, {D, 2, 1}, {C, 2, 2}}},
    RangeCase{"a put brings in an id never created",
              {{B, 0, 0}, {C, 1, 1}, {P, 40, 40}, {C, 41, 41}, {D, 41, 40}, {D, 40, 1}}},
    RangeCase{"deleting what is not there changes nothing",
              {{B, 0, 0}, {C, 1, 1}, {D, 7, 1}, {D, 0, 1}}},
    RangeCase{"a rollback takes the new padstacks back",
              {{C, 1, 1}, {B, 0, 1}, {C, 2, 2}, {C, 3, 3}, {Op::Rollback, 0, 1}, {C, 2, 2}}},
    RangeCase{"a rollback brings a deleted top back",
              {{C, 1, 1}, {C, 2, 2}, {B, 0, 2}, {D, 2, 1}, {Op::Rollback, 0, 2}}},
    RangeCase{"a commit keeps them",
              {{B, 0, 0}, {C, 1, 1}, {C, 2, 2}, {Op::Commit, 0, 2}, {B, 0, 2}, {D, 2, 1}}}));

}  // namespace
