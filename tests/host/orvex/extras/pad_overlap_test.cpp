// Pads on one spot or covering each other: boxes of turned pads and holes, and the rule of more
// than half the smaller box.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "host/orvex/extras/pad_overlap.h"
#include "host/zelmdb/record_layout.h"

namespace {

PadBox Box(int32_t x, int32_t y, double width, double height, int32_t terminal = 0) {
    return PadBox{x, y, x - width / 2, y - height / 2, x + width / 2, y + height / 2, terminal};
}

struct OverlapCase {
    const char* name;
    std::vector<PadBox> pads;
    std::optional<std::pair<size_t, size_t>> found;
};
class FindOverlapTest : public ::testing::TestWithParam<OverlapCase> {};

TEST_P(FindOverlapTest, FindsTheFirstPairInPinOrder) { EXPECT_EQ(FindOverlap(GetParam().pads), GetParam().found); }

using Pair = std::pair<size_t, size_t>;
INSTANTIATE_TEST_SUITE_P(Boxes, FindOverlapTest, ::testing::Values(
    OverlapCase{"Apart", {Box(0, 0, 10, 10), Box(20, 0, 10, 10)}, std::nullopt},
    OverlapCase{"Touching", {Box(0, 0, 10, 10), Box(10, 0, 10, 10)}, std::nullopt},
    OverlapCase{"HalfIsAllowed", {Box(0, 0, 10, 10), Box(5, 0, 10, 10)}, std::nullopt},
    OverlapCase{"MoreThanHalf", {Box(0, 0, 10, 10), Box(4, 0, 10, 10)}, Pair{0, 1}},
    OverlapCase{"SmallPadInsideALargeOne", {Box(0, 0, 100, 100), Box(30, 30, 4, 4)}, Pair{0, 1}},
    OverlapCase{"PointsOnOneSpot", {Box(7, 7, 0, 0), Box(7, 7, 0, 0)}, Pair{0, 1}},
    OverlapCase{"ViaInsideItsExposedPad", {Box(0, 0, 100, 100, 33), Box(0, 0, 5, 5, 33)}, std::nullopt},
    OverlapCase{"ViaOfAnotherTerminal", {Box(0, 0, 100, 100, 33), Box(0, 0, 5, 5, 34)}, Pair{0, 1}},
    OverlapCase{"FirstPairByPin", {Box(50, 0, 2, 2), Box(0, 0, 2, 2), Box(50, 0, 2, 2), Box(0, 0, 2, 2)}, Pair{0, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindOverlapTest, AGridOfThousandsOfApartPadsHasNone) {
    std::vector<PadBox> pads;
    for (int row = 0; row < 60; ++row)
        for (int column = 0; column < 60; ++column) pads.push_back(Box(column * 10, -row * 10, 6, 6));
    EXPECT_FALSE(FindOverlap(pads));
    pads.push_back(Box(590, -590, 6, 6));
    EXPECT_EQ(FindOverlap(pads), (Pair{pads.size() - 2, pads.size() - 1}));
}

zelmdb::Padstack Stack(zelmdb::PadLayer layer, zelmdb::PadShape shape, int32_t width, int32_t height, int16_t rotation, int32_t drill = 0) {
    zelmdb::Padstack p;
    p.layers.resize(14);
    p.Layer(layer) = zelmdb::LayerGeometry{width, height, 0, 0, shape, rotation};
    if (drill > 0) p.Layer(zelmdb::PadLayer::Drill) = {drill, drill, 0, 0, zelmdb::PadShape::Round, 0};
    return p;
}

struct BoxCase {
    const char* name;
    zelmdb::Padstack stack;
    double halfWidth, halfHeight;
};
class PadBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(PadBoxTest, MeasuresTheCopperAsTurnedOrTheHole) {
    const PadBox b = PadBoxOf(GetParam().stack, 100, -50);
    EXPECT_NEAR(b.left, 100 - GetParam().halfWidth, 1e-6);
    EXPECT_NEAR(b.right, 100 + GetParam().halfWidth, 1e-6);
    EXPECT_NEAR(b.bottom, -50 - GetParam().halfHeight, 1e-6);
    EXPECT_NEAR(b.top, -50 + GetParam().halfHeight, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Padstacks, PadBoxTest, ::testing::Values(
    BoxCase{"Rect", Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::Rectangle, 20, 10, 0), 10, 5},
    BoxCase{"RectQuarterTurned", Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::Rectangle, 20, 10, 5400), 5, 10},
    BoxCase{"RoundIgnoresRotation", Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::Round, 20, 10, 5400), 10, 5},
    BoxCase{"BottomOnly", Stack(zelmdb::PadLayer::Bottom, zelmdb::PadShape::Square, 8, 8, 2700), 4 * std::sqrt(2.0), 4 * std::sqrt(2.0)},
    BoxCase{"HoleOnly", Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::None, 0, 0, 0, 30), 15, 15}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
