// The exposed pad's openings as the host lays them: about the pad's centre, y up, in the design's
// units, a mask pad only where the mask is not the land.
#include "host/orvex/extras/land_openings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kMmPerUnit = 1e-4;

// A pad off the centre (0.3 right, 0.2 down) with a window above-left of its middle.
LandEpRecord Pad(const land::Rect& mask) {
    LandEpRecord ep;
    ep.land = {0.3, 0.2, 2.0, 1.0};
    ep.mask = mask;
    ep.paste = {{-0.2, -0.05, 0.8, 0.4}, {0.8, 0.45, 0.2, 0.1}};
    return ep;
}

TEST(LandOpeningsTest, WindowsStandAboutThePadWithYUp) {
    const LandOpenings o = LandEpOpenings(Pad({0.3, 0.2, 2.0, 1.0}), kMmPerUnit);
    ASSERT_EQ(o.paste.size(), 2u);
    EXPECT_EQ(o.paste[0].x, -5000);
    EXPECT_EQ(o.paste[0].y, 2500) << "0.25 above the pad's centre";
    EXPECT_EQ(o.paste[0].width, 8000);
    EXPECT_EQ(o.paste[0].height, 4000);
    EXPECT_EQ(o.paste[0].cornerRatio, 2500) << "a quarter of the short side";
    EXPECT_EQ(o.paste[1].x, 5000);
    EXPECT_EQ(o.paste[1].y, -2500);
    EXPECT_FALSE(o.mask) << "the mask is the land";
}

struct MaskCase {
    const char* name;
    land::Rect mask;
    bool own;
    uint16_t cornerRatio;   // ten-thousandths: a quarter of the short side, 0.25 mm at most
};
class OwnMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(OwnMaskTest, OnlyAMaskOtherThanTheLandIsAPad) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(OwnMaskOpening({0.3, 0.2, 2.0, 1.0}, c.mask), c.own);
    const LandOpenings o = LandEpOpenings(Pad(c.mask), kMmPerUnit);
    ASSERT_EQ(o.mask.has_value(), c.own);
    if (!c.own) return;
    EXPECT_EQ(o.mask->width, int32_t(std::lround(c.mask.w / kMmPerUnit)));
    EXPECT_EQ(o.mask->height, int32_t(std::lround(c.mask.h / kMmPerUnit)));
    EXPECT_EQ(o.mask->x, int32_t(std::lround((c.mask.cx - 0.3) / kMmPerUnit)));
    EXPECT_EQ(o.mask->cornerRatio, c.cornerRatio);
}

INSTANTIATE_TEST_SUITE_P(Masks, OwnMaskTest, ::testing::Values(
    MaskCase{"TheLand", {0.3, 0.2, 2.0, 1.0}, false, 0},
    MaskCase{"Wider", {0.3, 0.2, 2.2, 1.2}, true, 2083},
    MaskCase{"NarrowerOneWay", {0.3, 0.2, 2.0, 0.9}, true, 2500},
    MaskCase{"Moved", {0.4, 0.2, 2.0, 1.0}, true, 2500}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LandOpeningsTest, AnOpeningsCornerIsALands) {
    EXPECT_DOUBLE_EQ(OpeningCornerRatio({0, 0, 0.4, 0.8}), 0.25);
    EXPECT_DOUBLE_EQ(OpeningCornerRatio({0, 0, 3.2, 3.2}), 0.25 / 3.2) << "0.25 mm at most";
}

}  // namespace
