// The exposed pad: the rows' clearance from it binding and not, its land, mask, number and vias.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/land/exposed_pad.h"
#include "host/land/pad_places.h"
#include "package_text.h"

namespace {

using namespace land;

// The gap between each land and the pad along the axis that separates them.
double LeastGapToPad(const LandPattern& p) {
    const Rect& ep = p.ep.land.rect;
    double least = 1e9;
    for (const PadPlace& pin : PadPlaces(p)) {
        const Rect land{pin.x, pin.y, pin.w, pin.h};
        const double gx = std::max(land.Left() - ep.Right(), ep.Left() - land.Right());
        const double gy = std::max(land.Top() - ep.Bottom(), ep.Top() - land.Bottom());
        least = std::min(least, std::max(gx, gy));
    }
    return least;
}

struct ClearanceCase {
    const char* name;
    KeyTexts changes;
    bool bindsX, bindsY;
    double gX, gY;
};
class EpClearanceTest : public ::testing::TestWithParam<ClearanceCase> {};

TEST_P(EpClearanceTest, WidensGOnlyWhereTheLandsWouldComeNearer) {
    const Result<LandPattern> p = PatternOf(With(kQfn32, GetParam().changes));
    ASSERT_TRUE(p.ok()) << p.error();
    const LandPattern& lp = p.value();
    EXPECT_EQ(lp.rowX.epClearanceBinds, GetParam().bindsX);
    EXPECT_EQ(lp.rowY.epClearanceBinds, GetParam().bindsY);
    EXPECT_NEAR(lp.rowX.gLand, GetParam().gX, 1e-9);
    EXPECT_NEAR(lp.rowY.gLand, GetParam().gY, 1e-9);
    // The toe stays where Z put it: the land shortens from its heel.
    EXPECT_NEAR(lp.rowX.span + lp.rowX.landLength, lp.rowX.z, 1e-9);
    EXPECT_GE(LeastGapToPad(lp), kEpClearance - 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Pads, EpClearanceTest, ::testing::Values(
    ClearanceCase{"Nominal", {}, false, false, 4.0, 4.0},
    ClearanceCase{"JustFits", {{"EP_size_x", "3.6"}, {"EP_size_y", "3.6"}}, false, false, 4.0, 4.0},
    ClearanceCase{"Binds", {{"EP_size_x", "3.8"}, {"EP_size_y", "3.7..3.75..3.8"}}, true, true, 4.2, 4.15},
    ClearanceCase{"Recommended", {{"EP_size_x_overwrite", "3.7"}}, true, false, 4.1, 4.0},
    // 0.2 off centre reaches 1.9 right: G must clear twice that.
    ClearanceCase{"OffCentre", {{"EP_size_x", "3.4"}, {"EP_center_x", "0.2"}}, true, false, 4.2, 4.0}),
    [](const auto& info) { return info.param.name; });

TEST(ExposedPadTest, BindingLandsByHand) {
    // G 4.0 becomes 3.8 + 0.4: the land (5.75 - 4.2)/2 long, its centres (5.75 + 4.2)/2 apart.
    const Result<LandPattern> p = PatternOf(With(kQfn32, {{"EP_size_x", "3.8"}, {"EP_size_y", "3.8"}}));
    ASSERT_TRUE(p.ok()) << p.error();
    EXPECT_NEAR(p.value().rowX.landLength, 0.775, 1e-9);
    EXPECT_NEAR(p.value().rowX.span, 4.975, 1e-9);
    EXPECT_NEAR(p.value().rowX.heel.min, (4.0268 - 4.2) / 2, 1e-4);
}

TEST(ExposedPadTest, LandMaskAndNumber) {
    PackageInput input = PackageOf(With(kQfn32, {{"EP_size_y_overwrite", "3.0"}, {"EP_mask_x", "3.3"},
                                                 {"EP_center_y", "-0.1"}, {"deleted_pins", "7,8"}}))
                             .value();
    input.deletedCount = 2;
    const Result<LandPattern> p = Compute(input);
    ASSERT_TRUE(p.ok()) << p.error();
    const ExposedPadLands& ep = p.value().ep;
    EXPECT_EQ(ep.number, 31);
    EXPECT_NEAR(ep.land.rect.w, 3.2, 1e-9);
    EXPECT_NEAR(ep.land.rect.h, 3.0, 1e-9);
    EXPECT_NEAR(ep.land.rect.cy, -0.1, 1e-9);
    EXPECT_TRUE(ep.maskGiven);
    EXPECT_NEAR(ep.mask.w, 3.3, 1e-9);
    EXPECT_NEAR(ep.mask.h, 3.0, 1e-9);
    EXPECT_NEAR(ep.mask.cy, -0.1, 1e-9);
    // The paste follows the land, not the mask: two cells of 1.5 down the 3.0 land.
    EXPECT_EQ(ep.pasteY, 2);
    EXPECT_NEAR(ep.paste.front().rect.cy, -0.1 - 0.75, 1e-9);
}

TEST(ExposedPadTest, ViasSpreadEvenlyOverTheLand) {
    const Result<LandPattern> p = PatternOf(With(kQfn32, {{"thermal_vias", "3x2,0.3"}}));
    ASSERT_TRUE(p.ok()) << p.error();
    const ExposedPadLands& ep = p.value().ep;
    ASSERT_EQ(ep.vias.size(), 6u);
    EXPECT_NEAR(ep.viaDiameter, 0.5, 1e-9);
    // Three across 3.2: cells of 1.0667; two down: cells of 1.6.
    EXPECT_NEAR(ep.vias[0].x, -3.2 / 3, 1e-9);
    EXPECT_NEAR(ep.vias[1].x, 0, 1e-9);
    EXPECT_NEAR(ep.vias[0].y, -0.8, 1e-9);
    EXPECT_NEAR(ep.vias[5].y, 0.8, 1e-9);
    // Without avoidance the paste is the plain grid, over the vias.
    EXPECT_FALSE(ep.pasteAvoidsVias);
    EXPECT_EQ(ep.paste.size(), 9u);
    EXPECT_NEAR(ep.pasteCoverageReached, 0.65, 1e-12);
}

}  // namespace
