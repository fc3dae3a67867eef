// Pads on one spot or covering each other: boxes of turned pads, outlines and holes, slots too,
// the rule of more than half the smaller box, and openings compared only on their own layer.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "host/orvex/extras/pad_overlap.h"
#include "host/zelmdb/record_layout.h"

namespace {

PadBox Box(int32_t x, int32_t y, double width, double height, int plane = 0, int32_t terminal = 0) {
    return PadBox{x, y, x - width / 2, y - height / 2, x + width / 2, y + height / 2, plane, terminal};
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
    OverlapCase{"ViaInsideItsExposedPad", {Box(0, 0, 100, 100, 0, 33), Box(0, 0, 5, 5, 0, 33)}, std::nullopt},
    OverlapCase{"ViaOfAnotherTerminal", {Box(0, 0, 100, 100, 0, 33), Box(0, 0, 5, 5, 0, 34)}, Pair{0, 1}},
    OverlapCase{"FirstPairByPin", {Box(50, 0, 2, 2), Box(0, 0, 2, 2), Box(50, 0, 2, 2), Box(0, 0, 2, 2)}, Pair{0, 2}},
    // Paste windows lie over their exposed pad, but two windows on one spot are a mistake.
    OverlapCase{"WindowsOverTheirPad", {Box(0, 0, 100, 100), Box(-20, 0, 30, 30, 9), Box(20, 0, 30, 30, 9)}, std::nullopt},
    OverlapCase{"WindowsOnOneSpot", {Box(0, 0, 100, 100), Box(20, 0, 30, 30, 9), Box(20, 0, 30, 30, 9)}, Pair{1, 2}},
    OverlapCase{"PasteAndMaskApart", {Box(0, 0, 10, 10, 9), Box(0, 0, 10, 10, 7)}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindOverlapTest, AGridOfThousandsOfApartPadsHasNone) {
    std::vector<PadBox> pads;
    for (int row = 0; row < 60; ++row)
        for (int column = 0; column < 60; ++column) pads.push_back(Box(column * 10, -row * 10, 6, 6));
    EXPECT_FALSE(FindOverlap(pads));
    pads.push_back(Box(590, -590, 6, 6));
    EXPECT_EQ(FindOverlap(pads), (Pair{pads.size() - 2, pads.size() - 1}));
}

struct StackCase {
    zelmdb::Padstack stack;
    zelmdb::PadForm form;
    std::optional<zelmdb::PadPlace> place;
};

// A pad on copper layer 1 or 2, or none, and a drill of that size (a slot when it has two),
// all turned alike.
StackCase Stack(zelmdb::PadLayer layer, zelmdb::PadShape shape, int32_t width, int32_t height, int16_t rotation,
                int32_t drill = 0, int32_t drillHeight = 0) {
    StackCase c;
    c.stack.layers.resize(14);
    if (shape != zelmdb::PadShape::None) {
        c.stack.Layer(layer) = zelmdb::LayerGeometry{width, height, 0, 0, shape, rotation};
        c.place = zelmdb::PadPlace{zelmdb::PadKind::Copper, layer == zelmdb::PadLayer::Bottom, int(layer)};
    }
    if (drill > 0) {
        const bool slot = drillHeight != 0;
        c.stack.Layer(zelmdb::PadLayer::Drill) = {drill, slot ? drillHeight : drill, 0, 0,
                                                  slot ? zelmdb::PadShape::Oblong : zelmdb::PadShape::Round,
                                                  slot ? rotation : int16_t(0)};
    }
    return c;
}

StackCase Outlined(StackCase c, std::vector<zelmdb::FormPoint> polygon) {
    c.form.polygon = std::move(polygon);
    return c;
}

struct BoxCase {
    const char* name;
    StackCase stack;
    double left, right, bottom, top;   // about the pad's place
};
class PadBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(PadBoxTest, MeasuresTheOutlineAsTurnedOrTheHole) {
    const StackCase& c = GetParam().stack;
    const PadBox b = PadBoxOf(c.stack, c.form, c.place, 100, -50);
    EXPECT_NEAR(b.left, 100 + GetParam().left, 1e-6);
    EXPECT_NEAR(b.right, 100 + GetParam().right, 1e-6);
    EXPECT_NEAR(b.bottom, -50 + GetParam().bottom, 1e-6);
    EXPECT_NEAR(b.top, -50 + GetParam().top, 1e-6);
    EXPECT_EQ(b.plane, 0) << "copper and holes are compared with each other";
}

const std::vector<zelmdb::FormPoint> kEll{{-10, -10}, {30, -10}, {30, 0}, {0, 0}, {0, 20}, {-10, 20}};
const double kHalfDiagonal = 4 * std::sqrt(2.0);

INSTANTIATE_TEST_SUITE_P(Padstacks, PadBoxTest, ::testing::Values(
    BoxCase{"Rect", Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::Rectangle, 20, 10, 0), -10, 10, -5, 5},
    BoxCase{"RectQuarterTurned", Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::Rectangle, 20, 10, 5400), -5, 5, -10, 10},
    BoxCase{"RoundIgnoresRotation", Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::Round, 20, 10, 5400), -10, 10, -5, 5},
    BoxCase{"BottomOnly", Stack(zelmdb::PadLayer::Bottom, zelmdb::PadShape::Square, 8, 8, 2700), -kHalfDiagonal,
            kHalfDiagonal, -kHalfDiagonal, kHalfDiagonal},
    BoxCase{"HoleOnly", Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::None, 0, 0, 0, 30), -15, 15, -15, 15},
    BoxCase{"SlotAlone", Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::None, 0, 0, 0, 40, 10), -20, 20, -5, 5},
    BoxCase{"SlotTurnsARoundPad", Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::Round, 60, 20, 5400, 40, 10), -10,
            10, -30, 30},
    // An L about its corner: its own box, not one centred on the pad.
    BoxCase{"Outline", Outlined(Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::Rectangle, 60, 40, 0), kEll), -10, 30,
            -10, 20},
    BoxCase{"OutlineHalfTurned", Outlined(Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::Rectangle, 60, 40, 10800), kEll),
            -30, 10, -20, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PadBoxTest, AnOpeningIsOnItsOwnLayer) {
    StackCase c = Stack(zelmdb::PadLayer::Top, zelmdb::PadShape::None, 0, 0, 0);
    c.stack.layers[8] = zelmdb::LayerGeometry{20, 10, 0, 0, zelmdb::PadShape::Rectangle, 0};
    const PadBox b = PadBoxOf(c.stack, c.form, zelmdb::PadPlace{zelmdb::PadKind::Paste, false, 9}, 0, 0);
    EXPECT_EQ(b.plane, 9);
    EXPECT_DOUBLE_EQ(b.right - b.left, 20);
}

}  // namespace
