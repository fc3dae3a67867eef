// Ball grid lands: the tables, a fixed land, the openings and the courtyard (the refusals stand
// with the other packages' in compute_test).
#include <gtest/gtest.h>

#include "host/land/ball_lands.h"
#include "package_text.h"

namespace {

using namespace land;

struct BallCase {
    const char* ball;
    const char* type;
    double land;
};
class BallTableTest : public ::testing::TestWithParam<BallCase> {};

TEST_P(BallTableTest, LandOfTheNominalBall) {
    const Result<LandPattern> p =
        PatternOf(With(kBga144, {{"ball_diameter", GetParam().ball}, {"ball_type", GetParam().type}}));
    ASSERT_TRUE(p.ok()) << p.error();
    EXPECT_TRUE(p.value().ball.fromTable);
    EXPECT_DOUBLE_EQ(p.value().ball.land, GetParam().land);
}

INSTANTIATE_TEST_SUITE_P(Tables, BallTableTest, ::testing::Values(
    BallCase{"0.75", "collapsible", 0.55},
    BallCase{"0.45..0.55", "collapsible", 0.40},   // the nominal 0.5 picks the row
    BallCase{"0.3+-0.05", "collapsible", 0.25},
    BallCase{"0.15", "collapsible", 0.13},
    BallCase{"0.6", "non-collapsible", 0.70},
    BallCase{"0.45", "non-collapsible", 0.50},
    BallCase{"0.15", "non-collapsible", 0.16}));

TEST(BgaLandsTest, FixedLandMarginsAndOwnPitches) {
    const KeyTexts grid = With(Without(kBga144, "pitch"),
                               {{"pitch_x", "0.8"}, {"pitch_y", "0.65"}, {"ball_diameter", "0.42"},
                                {"pad_diameter", "0.35"}, {"mask_margin", "0.05"}, {"paste_margin", "-0.03"}});
    const Result<LandPattern> p = PatternOf(grid);
    ASSERT_TRUE(p.ok()) << p.error();
    const BallLands& b = p.value().ball;
    EXPECT_FALSE(b.fromTable);   // the ball the table lacks needs no row when the land is given
    EXPECT_DOUBLE_EQ(b.land, 0.35);
    EXPECT_NEAR(b.mask, 0.45, 1e-12);
    EXPECT_NEAR(b.paste, 0.29, 1e-12);
    EXPECT_DOUBLE_EQ(b.pitchY, 0.65);
}

TEST(BgaLandsTest, CourtyardOneMillimetreOutRoundedOutwards) {
    const Result<LandPattern> p = PatternOf(With(kBga144, {{"body_size_x", "10.005"}, {"body_size_y", "9.99"}}));
    ASSERT_TRUE(p.ok()) << p.error();
    const Courtyard& c = p.value().courtyard;
    EXPECT_NEAR(c.x1, -6.01, 1e-9);
    EXPECT_NEAR(c.x2, 6.01, 1e-9);
    EXPECT_NEAR(c.y1, -6.0, 1e-9);   // 5.995: outwards
    EXPECT_NEAR(c.y2, 6.0, 1e-9);
    // Density moves no part of a ball grid.
    const Result<LandPattern> most = PatternOf(With(kBga144, {{"density", "most"}}));
    ASSERT_TRUE(most.ok());
    EXPECT_NEAR(most.value().courtyard.x2, 6.0, 1e-9);
}

}  // namespace
