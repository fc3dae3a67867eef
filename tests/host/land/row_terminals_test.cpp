// The forms a datasheet gives a no-lead package's terminals in, the table each form picks, and
// the gull-wing's switch to the small-pitch goals.
#include <gtest/gtest.h>

#include <cmath>

#include "package_text.h"

namespace {

using namespace land;

// A DFN-8, 3 x 3 mm at 0.65, terminals 0.4 long at the body edge: the same terminals in each form.
const KeyTexts kDfn = {{"family", "nolead"}, {"pitch", "0.65"}, {"num_pins_y", "4"}, {"body_size_x", "3"},
                       {"body_size_y", "3"}, {"lead_width", "0.3"}};

class TerminalFormTest : public ::testing::TestWithParam<KeyTexts> {};

TEST_P(TerminalFormTest, SameTerminalsSameLands) {
    const Result<LandPattern> base = PatternOf(With(kDfn, {{"lead_len", "0.4"}}));
    const Result<LandPattern> form = PatternOf(With(kDfn, GetParam()));
    ASSERT_TRUE(base.ok()) << base.error();
    ASSERT_TRUE(form.ok()) << form.error();
    const RowPairLands &a = base.value().rowX, &b = form.value().rowX;
    EXPECT_NEAR(b.L.nominal, 3.0, 1e-9);
    EXPECT_NEAR(b.S.nominal, 2.2, 1e-9);
    EXPECT_EQ(b.terminal, TerminalKind::NoLeadEdge);
    EXPECT_NEAR(b.landLength, a.landLength, 1e-9);
    EXPECT_NEAR(b.span, a.span, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Forms, TerminalFormTest, ::testing::Values(
    KeyTexts{{"lead_len_H", "0.4"}},
    KeyTexts{{"lead_center_pos_x", "1.3"}, {"lead_len", "0.4"}},
    KeyTexts{{"lead_center_to_center_x", "2.6"}, {"lead_len", "0.4"}},
    KeyTexts{{"body_to_inside_lead_edge", "0.4"}},
    KeyTexts{{"lead_to_edge", "0"}, {"lead_len", "0.4"}}));

struct SpreadCase {
    const char* name;
    KeyTexts keys;
    double cl, lLinear, cs, sLinear;   // the rms and the linear spread of L and S
};
class TerminalSpreadTest : public ::testing::TestWithParam<SpreadCase> {};

// Each part counts once in the root sum of squares, with the factor it enters the span with.
TEST_P(TerminalSpreadTest, RootSumOfTheParts) {
    const Result<LandPattern> p = PatternOf(With(kDfn, GetParam().keys));
    ASSERT_TRUE(p.ok()) << p.error();
    const RowPairLands& r = p.value().rowX;
    EXPECT_NEAR(r.L.rmsTolerance, GetParam().cl, 1e-9);
    EXPECT_NEAR(r.L.tolerance, GetParam().lLinear, 1e-9);
    EXPECT_NEAR(r.S.rmsTolerance, GetParam().cs, 1e-9);
    EXPECT_NEAR(r.S.tolerance, GetParam().sLinear, 1e-9);
    // Zmax starts from L's statistical least, half the two spreads' difference above the linear one.
    EXPECT_NEAR(r.L.rmsMin, r.L.min + (r.L.tolerance - r.L.rmsTolerance) / 2, 1e-9);
    EXPECT_NEAR(r.S.rmsMax, r.S.max - (r.S.tolerance - r.S.rmsTolerance) / 2, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Forms, TerminalSpreadTest, ::testing::Values(
    // body 0.2, two feet 0.2 each.
    SpreadCase{"Edge", {{"body_size_x", "2.9..3.1"}, {"lead_len", "0.3..0.5"}}, 0.2, 0.2, std::sqrt(0.12), 0.6},
    // body 0.2 less two pull-backs 0.1: L of three parts, S of five.
    SpreadCase{"PulledBack", {{"body_size_x", "2.9..3.1"}, {"lead_to_edge", "0.05..0.15"}, {"lead_len", "0.3..0.5"}},
               std::sqrt(0.06), 0.4, std::sqrt(0.14), 0.8},
    SpreadCase{"InsideEdge", {{"body_size_x", "2.9..3.1"}, {"body_to_inside_lead_edge", "0.3..0.5"}}, 0.2, 0.2,
               std::sqrt(0.12), 0.6},
    // Two centre offsets of 0.1 and two half-feet of 0.1.
    SpreadCase{"CentreOffset", {{"lead_center_pos_x", "1.25..1.35"}, {"lead_len", "0.3..0.5"}}, 0.2, 0.4, 0.2, 0.4},
    SpreadCase{"CentreToCentre", {{"lead_center_to_center_x", "2.5..2.7"}, {"lead_len", "0.3..0.5"}},
               std::sqrt(0.06), 0.4, std::sqrt(0.06), 0.4}),
    [](const auto& info) { return info.param.name; });

struct PullBackCase {
    const char* pullBack;
    TerminalKind kind;
    double toe, heel, side;
};
class PullBackTest : public ::testing::TestWithParam<PullBackCase> {};

TEST_P(PullBackTest, PicksTheTableByWhereTheTerminalEnds) {
    const Result<LandPattern> p = PatternOf(With(kDfn, {{"lead_to_edge", GetParam().pullBack}, {"lead_len", "0.4"}}));
    ASSERT_TRUE(p.ok()) << p.error();
    EXPECT_EQ(p.value().rowX.terminal, GetParam().kind);
    EXPECT_DOUBLE_EQ(p.value().rowX.goals.toe, GetParam().toe);
    EXPECT_DOUBLE_EQ(p.value().rowX.goals.heel, GetParam().heel);
    EXPECT_DOUBLE_EQ(p.value().rowX.goals.side, GetParam().side);
}

INSTANTIATE_TEST_SUITE_P(PullBacks, PullBackTest, ::testing::Values(
    PullBackCase{"0", TerminalKind::NoLeadEdge, 0.3, 0, -0.04},
    PullBackCase{"0..0.02", TerminalKind::NoLeadEdge, 0.3, 0, -0.04},   // 0.01 at nominal: flush
    PullBackCase{"0.1", TerminalKind::NoLeadPulledBack, 0, 0, 0},
    PullBackCase{"0.05..0.15", TerminalKind::NoLeadPulledBack, 0, 0, 0}));

TEST(RowTerminalsTest, PulledBackByCentrePosition) {
    // Centres 1.2 out with 0.4 feet end 0.1 inside a 3 mm body.
    const Result<LandPattern> p = PatternOf(With(kDfn, {{"lead_center_pos_x", "1.2"}, {"lead_len", "0.4"}}));
    ASSERT_TRUE(p.ok()) << p.error();
    EXPECT_EQ(p.value().rowX.terminal, TerminalKind::NoLeadPulledBack);
    EXPECT_NEAR(p.value().rowX.L.nominal, 2.8, 1e-9);
}

TEST(RowTerminalsTest, EachPairTakesItsOwnLength) {
    const KeyTexts quad = With(kDfn, {{"num_pins_x", "4"}, {"body_size_x", "4"}, {"body_size_y", "4"},
                                      {"lead_len_H", "0.3..0.5"}, {"lead_len_V", "0.5..0.7"}});
    const Result<LandPattern> p = PatternOf(quad);
    ASSERT_TRUE(p.ok()) << p.error();
    EXPECT_NEAR(p.value().rowX.T->nominal, 0.4, 1e-9);
    EXPECT_NEAR(p.value().rowY.T->nominal, 0.6, 1e-9);
    EXPECT_NEAR(p.value().rowY.S.nominal, 4.0 - 1.2, 1e-9);
    // lead_len stands for a pair that has no length of its own.
    const Result<LandPattern> q = PatternOf(With(Without(quad, "lead_len_V"), {{"lead_len", "0.2"}}));
    ASSERT_TRUE(q.ok()) << q.error();
    EXPECT_NEAR(q.value().rowX.T->nominal, 0.4, 1e-9);
    EXPECT_NEAR(q.value().rowY.T->nominal, 0.2, 1e-9);
}

TEST(RowTerminalsTest, BothCentreFormsAreRefused) {
    const Result<LandPattern> p =
        PatternOf(With(kDfn, {{"lead_center_pos_x", "1.3"}, {"lead_center_to_center_x", "2.6"}, {"lead_len", "0.4"}}));
    ASSERT_FALSE(p.ok());
    EXPECT_EQ(p.error(), "give lead_center_pos_x or lead_center_to_center_x, not both");
    const Result<LandPattern> q = PatternOf(With(kDfn, {{"body_to_inside_lead_edge", "1.6"}}));
    ASSERT_FALSE(q.ok());
    EXPECT_EQ(q.error(), "body_to_inside_lead_edge 1.6 is more than half of body_size_x 3");
}

struct PitchCase {
    const char* pitch;
    bool forced;
    TerminalKind kind;
};
class SmallPitchTest : public ::testing::TestWithParam<PitchCase> {};

TEST_P(SmallPitchTest, SwitchesAtTheBoundaryOrWhenForced) {
    // A TSSOP-8 at each pitch; the leads are narrow enough for all of them.
    KeyTexts tssop = {{"family", "gullwing"}, {"pitch", GetParam().pitch}, {"num_pins_y", "4"},
                      {"body_size_x", "4.4"}, {"body_size_y", "3.0"}, {"overall_size_x", "6.2..6.6"},
                      {"lead_width", "0.19..0.30"}, {"lead_len", "0.45..0.75"}};
    if (GetParam().forced) tssop.push_back({"small_pitch_table", "true"});
    const Result<LandPattern> p = PatternOf(tssop);
    ASSERT_TRUE(p.ok()) << p.error();
    EXPECT_EQ(p.value().rowX.terminal, GetParam().kind);
    EXPECT_DOUBLE_EQ(p.value().rowX.goals.side, GoalsFor(GetParam().kind, Density::Nominal).side);
}

INSTANTIATE_TEST_SUITE_P(Pitches, SmallPitchTest, ::testing::Values(
    PitchCase{"0.65", false, TerminalKind::GullWing},
    PitchCase{"0.625", false, TerminalKind::GullWing},
    PitchCase{"0.6249", false, TerminalKind::GullWingSmallPitch},
    PitchCase{"0.5", false, TerminalKind::GullWingSmallPitch},
    PitchCase{"0.65", true, TerminalKind::GullWingSmallPitch}));

}  // namespace
