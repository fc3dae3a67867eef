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
    const int16_t round = AddPadstack("R", 1, 6000, 6000, 0, 3000);
    const int16_t hole = AddPadstack("MH", 0, 0, 0, 0, 30000);
    const int16_t sq = AddPadstack("SQ", 2, 5000, 5000);
    const int16_t turned = AddPadstack("MINE", 2, 5000, 5000, 5400);
    PadstackTurner turner(*store_);
    EXPECT_EQ(turner.Turned(round, 5400), round);
    EXPECT_EQ(turner.Turned(hole, 1234), hole);
    EXPECT_EQ(turner.Turned(sq, 21600), sq);
    EXPECT_EQ(turner.Turned(sq, 5400), turned) << "whatever its name";
    EXPECT_EQ(turner.Turned(turned, -5400), sq);
    const int16_t copy = turner.Turned(sq, 10800);
    EXPECT_EQ(store_->NameText(store_->GetPadstack(copy)->nameId), "SQ(180.00)");
    EXPECT_EQ(store_->GetPadstack(copy)->layers[0].rotation, 10800);
    EXPECT_EQ(PadstackTurner(*store_).Turned(sq, -10800), copy) << "found again by another turner";
}

}  // namespace
