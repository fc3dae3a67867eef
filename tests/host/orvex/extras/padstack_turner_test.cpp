// Turned padstacks: the names of copies, and a turn that finds what the design holds already.
#include <gtest/gtest.h>

#include <string>

#include "host/orvex/extras/padstack_turner.h"
#include "tests/host/orvex/extras/store_fixture.h"

namespace {

struct NameCase {
    std::string name;
    int32_t rotation;
    int copy;
    std::string copyName;
};
class CopyNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CopyNameTest, NameThenAngle) {
    EXPECT_EQ(PadstackTurner::CopyName(GetParam().name, GetParam().rotation, GetParam().copy), GetParam().copyName);
}
INSTANTIATE_TEST_SUITE_P(Names, CopyNameTest, ::testing::Values(
    NameCase{"SQ", 5400, 1, "SQ(90.00)"}, NameCase{"SQ(90.00)", 10800, 1, "SQ(180.00)"},
    NameCase{"SQ(-90.00)", 0, 1, "SQ(0.00)"}, NameCase{"SQ", 1830, 3, "SQ~3(30.50)"},
    NameCase{"PAD(A)", 5400, 1, "PAD(A)(90.00)"}, NameCase{"()", 5400, 1, "()(90.00)"},
    NameCase{std::string(255, 'L'), 5400, 2, std::string(246, 'L') + "~2(90.00)"}));

class PadstackTurnerTest : public StoreFixture {};

TEST_F(PadstackTurnerTest, RoundAndHoleStayAndAnEqualPadstackIsTaken) {
    const int16_t round = AddPadstack("R", zelmdb::PadShape::Round, 6000, 6000, 0, 3000);
    const int16_t hole = AddPadstack("MH", zelmdb::PadShape::None, 0, 0, 0, 30000);
    const int16_t sq = AddPadstack("SQ", zelmdb::PadShape::Square, 5000, 5000);
    const int16_t turned = AddPadstack("MINE", zelmdb::PadShape::Square, 5000, 5000, 5400);
    PadstackTurner turner(*store_);
    const auto turn = [&](int16_t padstack, int32_t minutes) {
        const Result<int16_t> id = turner.Turned(padstack, minutes);
        EXPECT_TRUE(id.ok()) << id.error();
        return id.ok() ? id.value() : int16_t(0);
    };
    EXPECT_EQ(turn(round, 5400), round);
    EXPECT_EQ(turn(hole, 1234), hole);
    EXPECT_EQ(turn(sq, 21600), sq);
    EXPECT_EQ(turn(sq, 5400), turned) << "whatever its name";
    EXPECT_EQ(turn(turned, -5400), sq);
    const int16_t copy = turn(sq, 10800);
    EXPECT_EQ(store_->NameText(store_->GetPadstack(copy)->nameId), "SQ(180.00)");
    EXPECT_EQ(store_->GetPadstack(copy)->layers[0].rotation, 10800);
    const Result<int16_t> again = PadstackTurner(*store_).Turned(sq, -10800);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.value(), copy) << "found again by another turner";
    const Result<int16_t> gone = turner.Turned(99, 5400);
    ASSERT_FALSE(gone.ok());
    EXPECT_EQ(gone.error(), "padstack 99 is not in the design");
}

}  // namespace
