// The calculation over whole packages of every family: what it refuses (naming keys and values),
// and how the density, the tolerances and a heel reduction move the lands, against numbers
// worked by hand.
#include <gtest/gtest.h>

#include "package_text.h"

namespace {

using namespace land;

struct RefusalCase {
    const char* name;
    KeyTexts keys;
    const char* message;
};
class ComputeRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ComputeRefusalTest, NamesTheKeysAndValues) {
    const Result<LandPattern> p = PatternOf(GetParam().keys);
    ASSERT_FALSE(p.ok()) << "computed what should be refused";
    EXPECT_EQ(p.error(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Packages, ComputeRefusalTest, ::testing::Values(
    RefusalCase{"NoPitch", Without(kSoic8, "pitch"), "pitch is needed"},
    RefusalCase{"NoBody", Without(kSoic8, "body_size_y"), "body_size_y is needed"},
    RefusalCase{"NoPins", Without(kSoic8, "num_pins_y"),
                "num_pins_x and num_pins_y are both 0 or missing: a package needs a row of pins"},
    RefusalCase{"NoSpan", Without(kSoic8, "overall_size_x"), "overall_size_x is needed for the left and right rows"},
    RefusalCase{"NoSpanForTheOtherPair", With(kSoic8, {{"num_pins_x", "2"}}),
                "overall_size_y is needed for the top and bottom rows"},
    RefusalCase{"NoFoot", Without(kSoic8, "lead_len"), "lead_len is needed for the left and right rows"},
    RefusalCase{"FootLongerThanHalfTheSpan", With(kSoic8, {{"lead_len", "3.1..3.2"}}),
                "lead_len 3.1..3.2 is longer than half the span overall_size_x 5.8..6.2 of the left and right rows"},
    // S of 0.1 less the spread of F and P: nothing between the rows.
    RefusalCase{"LandsMeet", {{"family", "nolead"}, {"pitch", "0.5"}, {"num_pins_y", "1"}, {"body_size_x", "1"},
                              {"body_size_y", "1"}, {"lead_width", "0.3"}, {"lead_len", "0.45"}},
                "the lands of the left and right rows meet in the middle (G 0)"},
    RefusalCase{"LeadsTouch", With(kSoic8, {{"pitch", "0.5"}}),
                "lead_width 0.31..0.51 is too wide for pitch 0.5: neighbouring leads would touch"},
    RefusalCase{"LandsMerge", With(kSoic8, {{"pitch", "0.65"}, {"lead_width", "0.45..0.55"}}),
                "lead_width 0.45..0.55 needs lands 0.65 wide for the left and right rows, no narrower than pitch "
                "0.65: neighbouring lands would merge"},
    RefusalCase{"RowLongerThanBody", With(kSoic8, {{"num_pins_y", "8"}}),
                "num_pins_y 8 at pitch 1.27 with lead_width 0.31..0.51 reach 9.2, more than body_size_y 4.8..5"},
    RefusalCase{"LeadsInsideTheBody", With(kSoic8, {{"overall_size_x", "3.7..3.9"}}),
                "overall_size_x 3.7..3.9 does not reach past body_size_x 3.8..4"},
    RefusalCase{"BodyOfNothing", With(kSoic8, {{"body_size_x", "0"}}), "body_size_x 0 leaves no body"},
    RefusalCase{"EpLargerThanBody", With(kQfn32, {{"EP_size_x", "5.2"}}),
                "EP_size_x 5.2 is larger than body_size_x 4.9..5.1"},
    RefusalCase{"EpLandLargerThanBody", With(kQfn32, {{"EP_size_x_overwrite", "5.05"}}),
                "EP_size_x_overwrite 5.05 is larger than body_size_x 4.9..5.1"},
    RefusalCase{"EpPastTheEdge", With(kQfn32, {{"EP_center_x", "1"}}),
                "EP_center_x 1 puts the exposed pad past the edge of body_size_x 4.9..5.1"},
    RefusalCase{"EpOverTheRows", With(kQfn32, {{"EP_size_x", "4.6"}}),
                "EP_size_x 4.6 with its 0.2 mm clearance leaves the left and right rows no land under their "
                "terminals (G 5, terminals reaching 4.9 at least)"},
    RefusalCase{"EpHalfGiven", Without(kQfn32, "EP_size_y"), "EP_size_y is needed with EP_size_x"},
    RefusalCase{"EpKeyWithoutPad", With(Without(Without(kQfn32, "EP_size_x"), "EP_size_y"), {{"EP_mask_x", "3"}}),
                "EP_mask_x needs EP_size_x and EP_size_y"},
    RefusalCase{"HeelReductionTakesTheLand", With(kQfn32, {{"heel_reduction", "0.5"}}),
                "heel_reduction 0.5 leaves the left and right rows no land under their terminals (G 5, terminals "
                "reaching 4.9 at least)"},
    RefusalCase{"CornersOverlap", With(kQfn32, {{"num_pins_x", "10"}, {"num_pins_y", "10"}}),
                "num_pins_x 10 and num_pins_y 10 at pitch 0.5: the lands at the corners of the rows overlap"},
    RefusalCase{"ViasDoNotFit", With(kQfn32, {{"thermal_vias", "8x8,0.3"}}),
                "thermal_vias 8x8 with drill 0.3 do not fit the exposed pad land 3.2 x 3.2: their 0.5 lands would "
                "stand at a pitch of 0.4"},
    RefusalCase{"NoRoomForPaste", With(kQfn32, {{"thermal_vias", "6x6,0.3,paste_avoid_via"}}),
                "thermal_vias 6x6 leave no room between them for paste windows of 0.2 mm on the exposed pad land "
                "3.2 x 3.2; use fewer vias or let the paste cover them"},
    RefusalCase{"PasteSplitBetweenVias",
                With(kQfn32, {{"thermal_vias", "2x2,0.3,paste_avoid_via"}, {"EP_num_paste_pads", "2x2"}}),
                "EP_num_paste_pads 2x2 does not apply with thermal_vias paste_avoid_via: the windows stand between "
                "the vias"},
    RefusalCase{"BgaBetweenTwoRows", With(kBga144, {{"ball_diameter", "0.42"}}),
                "ball_diameter 0.42 lies between the balls 0.4 and 0.45 of the collapsible table; give pad_diameter"},
    // 0.65 has a row in the collapsible table only.
    RefusalCase{"BgaRowOfTheOtherTable",
                With(kBga144, {{"ball_diameter", "0.65"}, {"ball_type", "non-collapsible"}}),
                "ball_diameter 0.65 lies between the balls 0.6 and 0.75 of the non-collapsible table; give "
                "pad_diameter"},
    RefusalCase{"BgaAboveTheTable", With(kBga144, {{"ball_diameter", "0.76"}}),
                "ball_diameter 0.76 is larger than the largest ball 0.75 of the collapsible table; give pad_diameter"},
    RefusalCase{"BgaBelowTheTable", With(kBga144, {{"ball_diameter", "0.1"}}),
                "ball_diameter 0.1 is smaller than the smallest ball 0.15 of the collapsible table; give pad_diameter"},
    RefusalCase{"BgaLandsMerge", With(kBga144, {{"pad_diameter", "0.8"}}),
                "pad_diameter 0.8 is not smaller than the pitch 0.8: neighbouring lands would merge"},
    RefusalCase{"BgaWiderThanTheBody", With(kBga144, {{"cols", "14"}}),
                "cols 14 at pitch_x 0.8 reach 10.8, more than body_size_x 9.9..10.1"},
    RefusalCase{"BgaTwoPitches", With(kBga144, {{"pitch_x", "0.8"}}), "give pitch or pitch_x, not both"},
    RefusalCase{"BgaNoOpening", With(kBga144, {{"paste_margin", "-0.2"}}),
                "paste_margin -0.2 leaves no opening on the land 0.4"},
    RefusalCase{"BgaNoPitch", Without(kBga144, "pitch"), "pitch_x (or pitch) is needed"},
    RefusalCase{"BgaNoRows", Without(kBga144, "rows"), "rows is needed, 1 or more"},
    RefusalCase{"BgaNoCols", With(kBga144, {{"cols", "0"}}), "cols is needed, 1 or more"},
    RefusalCase{"BgaNoLand", Without(kBga144, "ball_diameter"), "pad_diameter or ball_diameter is needed"}),
    [](const auto& info) { return info.param.name; });

TEST(ComputeTest, NoFamilyNoPattern) {
    const Result<LandPattern> p = Compute(PackageInput{});
    ASSERT_FALSE(p.ok());
    EXPECT_EQ(p.error(), "the package family is missing (gullwing, nolead or bga)");
}

struct DensityCase {
    const char* density;
    double z, g, x, length, span, courtyardX, courtyardY;
};
class ComputeDensityTest : public ::testing::TestWithParam<DensityCase> {};

// The SOIC-8 of the doc at each density; worked by hand from the same intermediates.
TEST_P(ComputeDensityTest, Soic8) {
    const DensityCase& c = GetParam();
    const Result<LandPattern> p = PatternOf(With(kSoic8, {{"density", c.density}}));
    ASSERT_TRUE(p.ok()) << p.error();
    const RowPairLands& r = p.value().rowX;
    EXPECT_NEAR(r.z, c.z, 1e-9);
    EXPECT_NEAR(r.g, c.g, 1e-9);
    EXPECT_NEAR(r.x, c.x, 1e-9);
    EXPECT_NEAR(r.landLength, c.length, 1e-9);
    EXPECT_NEAR(r.span, c.span, 1e-9);
    EXPECT_NEAR(p.value().courtyard.x2, c.courtyardX, 1e-9);
    EXPECT_NEAR(p.value().courtyard.y2, c.courtyardY, 1e-9);
    EXPECT_FALSE(p.value().rowY.present);
}

INSTANTIATE_TEST_SUITE_P(Densities, ComputeDensityTest, ::testing::Values(
    // Zmax 6.5153, Gmin 3.1783, Xmax 0.5591; courtyard 0.1 out, the body's 2.45 the widest in y.
    DensityCase{"least", 6.50, 3.20, 0.55, 1.65, 4.85, 3.35, 2.55},
    DensityCase{"nominal", 6.90, 3.00, 0.60, 1.95, 4.95, 3.70, 2.70},
    // Zmax 7.3153, Gmin 2.7783, Xmax 0.6391.
    DensityCase{"most", 7.30, 2.80, 0.65, 2.25, 5.05, 4.15, 2.95}));

TEST(ComputeTest, BoardTolerancesAreThePackagesToSet) {
    // Without F and P, Z is Lmin + 2 Jt + CL exactly: 5.8 + 0.7 + 0.4.
    const Result<LandPattern> p =
        PatternOf(With(kSoic8, {{"fabrication_tolerance", "0"}, {"placement_tolerance", "0"}}));
    ASSERT_TRUE(p.ok()) << p.error();
    EXPECT_NEAR(p.value().rowX.zMax, 6.9, 1e-9);
    EXPECT_NEAR(p.value().rowX.gMin, 4.976877 - 0.7 - 1.293754, 1e-6);
    EXPECT_NEAR(p.value().rowX.xMax, 0.57, 1e-9);
    EXPECT_NEAR(p.value().rowX.x, 0.55, 1e-9);
}

TEST(ComputeTest, HeelReductionWidensGAfterRounding) {
    const Result<LandPattern> p = PatternOf(With(kSoic8, {{"heel_reduction", "0.1"}}));
    ASSERT_TRUE(p.ok()) << p.error();
    const RowPairLands& r = p.value().rowX;
    EXPECT_NEAR(r.g, 3.0, 1e-9);
    EXPECT_NEAR(r.gLand, 3.2, 1e-9);
    EXPECT_NEAR(r.landLength, 1.85, 1e-9);
    EXPECT_NEAR(r.span, 5.05, 1e-9);
    // The heel gives up what G gained; the toe keeps its fillet.
    EXPECT_NEAR(r.heel.max, (4.976877 - 3.2) / 2, 1e-6);
    EXPECT_NEAR(r.toe.min, 0.35, 1e-9);
}

// A quad package: both pairs from their own spans, pins counted round the body.
TEST(ComputeTest, Lqfp64) {
    const Result<LandPattern> p = PatternOf(kQfp64);
    ASSERT_TRUE(p.ok()) << p.error();
    for (const RowPairLands* r : {&p.value().rowX, &p.value().rowY}) {
        // Zmax 12.9153, Gmin 9.7978, Xmax 0.28 (small-pitch goals, Js -0.02).
        EXPECT_EQ(r->terminal, TerminalKind::GullWingSmallPitch);
        EXPECT_NEAR(r->z, 12.9, 1e-9);
        EXPECT_NEAR(r->g, 9.8, 1e-9);
        EXPECT_NEAR(r->x, 0.3, 1e-9);
        EXPECT_NEAR(r->landLength, 1.55, 1e-9);
        EXPECT_NEAR(r->span, 11.35, 1e-9);
    }
    EXPECT_NEAR(p.value().courtyard.x2, 12.9 / 2 + 0.25, 1e-9);
    EXPECT_FALSE(p.value().ep.present);
}

}  // namespace
