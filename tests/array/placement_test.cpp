// Placement walks: pad positions, names and rotations of every style, and the bounds.
#include "array/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <tuple>

#include "array/shared_state.h"
#include "array/units_limits.h"
#include "tests/array/array_fixture.h"

namespace {

struct Pad {
    int32_t x, y;
    int16_t rotation;
    const char* name;
};

void ExpectPads(const PadSiteList& list, const std::vector<Pad>& expected) {
    ASSERT_EQ(list.Count(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const PadSite& site = list.Sites()[i];
        EXPECT_EQ(std::tie(site.X, site.Y, site.Rotation, site.Name),
                  std::make_tuple(expected[i].x, expected[i].y, expected[i].rotation,
                                  std::string(expected[i].name)))
            << "pad " << i + 1;
    }
}

PadstackInfo RectPad(int32_t width, int32_t height, int16_t rotation = 0,
                     zelmdb::PadShape shape = zelmdb::PadShape::Rectangle) {
    PadstackInfo pad;
    pad.Shape = shape;
    pad.Extents[0] = width / 2;
    pad.Extents[1] = width - width / 2;
    pad.Extents[2] = height / 2;
    pad.Extents[3] = height - height / 2;
    pad.Rotation = rotation;
    return pad;
}

// The walks alone: one database unit per display unit, no design and no dialog state.
class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override { SetActiveAlphabet(DefaultAlphabet); }
    void Use(ArrayStyle style, const char* format, int32_t p, int32_t q, double x, double y) {
        params.Style = style;
        SetNameFormat(params, format);
        params.X = {1, 1, 0, p, x};
        params.Y = {1, 1, 0, q, y};
    }
    void Recompute() {
        pads.RemoveAll();
        PlacePads(params, pads.Pin1Pad, pads.DefaultPad, RoundHalfAway, pads);
    }
    std::vector<std::string> Names() const { return NamesOf(pads); }

    ArrayParameters params;
    PadSiteList pads;
};

TEST_F(PlacementTest, GridContinuesNumberingRowAfterRow) {
    Use(ArrayStyle::Grid, "%X", 3, 2, 1, 1);
    params.ContinueNumbering = 1;
    Recompute();
    ExpectPads(pads, {{0, 0, 0, "1"}, {1, 0, 0, "2"}, {2, 0, 0, "3"},
                      {0, -1, 0, "4"}, {1, -1, 0, "5"}, {2, -1, 0, "6"}});
}

TEST_F(PlacementTest, GridAlphaNumericSkipsLettersOutsideTheAlphabet) {
    Use(ArrayStyle::Grid, "%Y%X", 3, 20, 100, 100);
    params.Y.Start = 0;
    params.Y.Alphabetic = 1;
    Recompute();
    const auto names = Names();
    ASSERT_EQ(names.size(), 60u);
    EXPECT_EQ(std::vector<std::string>(names.begin() + 21, names.begin() + 24),
              (std::vector<std::string>{"I1", "I2", "I3"}));
    EXPECT_EQ(std::vector<std::string>(names.begin() + 54, names.begin() + 57),
              (std::vector<std::string>{"AA1", "AA2", "AA3"}));
}

TEST_F(PlacementTest, GridRestartsTheXIndexInEveryRow) {
    Use(ArrayStyle::Grid, "%X", 2, 2, 10, 10);
    params.X.Start = 5;
    params.X.Increment = -2;
    Recompute();
    EXPECT_EQ(Names(), (std::vector<std::string>{"5", "3", "5", "3"}));
}

TEST_F(PlacementTest, StaggerXShortRowsStartAtTheStagger) {
    Use(ArrayStyle::StaggerX, "%X", 3, 3, 100, 50);
    params.StaggerW = 40;
    params.RowDelta = -1;
    Recompute();
    ExpectPads(pads, {{0, 0, 0, "1"}, {100, 0, 0, "2"}, {200, 0, 0, "3"},
                      {40, -50, 0, "4"}, {140, -50, 0, "5"},
                      {0, -100, 0, "6"}, {100, -100, 0, "7"}, {200, -100, 0, "8"}});
}

TEST_F(PlacementTest, StaggerYShiftsEverySecondPadOfAColumn) {
    Use(ArrayStyle::StaggerY, "%Y", 2, 3, 200, 50);
    params.StaggerW = 30;
    Recompute();
    ExpectPads(pads, {{0, 0, 0, "1"}, {30, -50, 0, "2"}, {0, -100, 0, "3"},
                      {200, 0, 0, "4"}, {230, -50, 0, "5"}, {200, -100, 0, "6"}});
}

TEST_F(PlacementTest, DualQuadRunsDownTheLeftColumnAndUpTheRight) {
    Use(ArrayStyle::DualQuad, "%Y", 2, 3, 300, 100);
    params.StaggerW = 20;
    params.StaggerZ = 10;
    pads.Pin1Pad = RectPad(60, 60, 2700);
    pads.DefaultPad = RectPad(40, 40, 5400);
    Recompute();
    ExpectPads(pads, {{0, 0, 2700, "1"}, {20, -100, 5400, "2"}, {0, -200, 5400, "3"},
                      {300, -200, 5400, "4"}, {310, -100, 5400, "5"}, {300, 0, 5400, "6"}});
}

TEST_F(PlacementTest, ChipCarrierWithPin1InTheMiddleOfTheTopSide) {
    Use(ArrayStyle::ChipCarrier, "%X", 4, 2, 100, 50);
    params.StaggerW = 20;
    params.StaggerZ = 10;
    Recompute();
    ExpectPads(pads, {{0, 0, 0, "1"}, {-100, 0, 0, "2"},
                      {-120, -10, 5400, "3"}, {-120, -60, 5400, "4"},
                      {-100, -70, 10800, "5"}, {0, -70, 10800, "6"}, {100, -70, 10800, "7"},
                      {200, -70, 10800, "8"},
                      {220, -60, 16200, "9"}, {220, -10, 16200, "10"},
                      {200, 0, 0, "11"}, {100, 0, 0, "12"}});
}

TEST_F(PlacementTest, ChipCarrierWithPin1AtTheCornerTurnsFromThePin1Rotation) {
    Use(ArrayStyle::ChipCarrier, "%X", 2, 2, 100, 50);
    params.StaggerW = 20;
    params.StaggerZ = 10;
    params.CornerStart = 1;
    pads.Pin1Pad = RectPad(10, 10, 600);
    pads.DefaultPad = RectPad(10, 10, 3000);
    Recompute();
    ExpectPads(pads, {{0, 0, 6000, "1"}, {0, -50, 6000, "2"},
                      {20, -60, 11400, "3"}, {120, -60, 11400, "4"},
                      {140, -50, 16800, "5"}, {140, 0, 16800, "6"},
                      {120, 10, 600, "7"}, {20, 10, 600, "8"}});
}

TEST_F(PlacementTest, ChipCarrierRotationsAboveAFullTurnComeBackOnce) {
    Use(ArrayStyle::ChipCarrier, "%X", 1, 1, 100, 100);
    pads.Pin1Pad = RectPad(10, 10, 30000);
    pads.DefaultPad = RectPad(10, 10, 21000);
    Recompute();
    ASSERT_EQ(pads.Count(), 4u);
    EXPECT_EQ(pads.Sites()[0].Rotation, 8400);    // pin 1: 30000 - 21600
    EXPECT_EQ(pads.Sites()[1].Rotation, 4800);    // 21000 + 5400 - 21600
    EXPECT_EQ(pads.Sites()[2].Rotation, 10200);
    EXPECT_EQ(pads.Sites()[3].Rotation, 15600);
}

TEST_F(PlacementTest, CircularQuarterTurnsRoundToExactAxes) {
    Use(ArrayStyle::Circular, "%X", 4, 1, 0, 0);
    params.Radius = 1000;
    params.AngleStep = 5400;
    Recompute();
    ExpectPads(pads, {{1000, 0, 0, "1"}, {0, 1000, 5400, "2"}, {-1000, 0, 10800, "3"},
                      {0, -1000, 16200, "4"}});
}

TEST_F(PlacementTest, CircularStepsAreNotDerivedFromTheCount) {
    Use(ArrayStyle::Circular, "%X", 3, 1, 0, 0);
    params.Radius = 1000;
    params.AngleStep = -1800;   // -30 degrees
    pads.DefaultPad = RectPad(10, 10, 30000);
    Recompute();
    // 30000 - 1800 = 28200 comes back by one turn; the next pad adds the step again.
    ExpectPads(pads, {{1000, 0, 0, "1"}, {866, -500, 6600, "2"}, {500, -866, 4800, "3"}});
}

TEST_F(PlacementTest, SinglePadArrangements) {
    for (ArrayStyle style : {ArrayStyle::StaggerX, ArrayStyle::StaggerY, ArrayStyle::Grid}) {
        Use(style, "%X%Y", 1, 1, 100, 100);
        params.X.Start = 7;
        params.Y.Start = 3;
        Recompute();
        const char* expected = style == ArrayStyle::StaggerX ? "77" : style == ArrayStyle::StaggerY ? "33" : "73";
        ExpectPads(pads, {{0, 0, 0, expected}});
    }
    Use(ArrayStyle::DualQuad, "%Y", 1, 1, 100, 100);
    Recompute();
    EXPECT_TRUE(pads.Empty());
}

// The dialog's recompute: the shared record and list, each coordinate converted by the design's
// unit, and a second run appends to what the list holds.
TEST_F(ArrayFixture, RecomputeConvertsByTheDesignAndAppendsWithoutClearing) {
    UseDesign(4, 1.0 / 254000.0);   // millimetres, 10000 units to the millimetre
    params.Style = ArrayStyle::Grid;
    SetNameFormat(params, "%X");
    params.X = {1, 1, 0, 2, 1.5};
    params.Y = {1, 1, 0, 1, 1.0};
    RecomputePads();
    RecomputePads();
    ASSERT_EQ(pads.Count(), 4u);
    EXPECT_EQ(pads.Sites()[1].X, 15000);
    EXPECT_EQ(pads.Sites()[3].X, 15000);
}

// For every style and a sweep of counts the walk yields the formula's pads, and with unturned
// rectangular pads Bounds is exactly the hull of the pad boxes and Center the centres' midpoint.
class PlacementSweep : public PlacementTest, public ::testing::WithParamInterface<ArrayStyle> {};

int64_t ExpectedCount(const ArrayParameters& a) {
    const int64_t p = a.X.Count, q = a.Y.Count;
    switch (a.Style) {
        case ArrayStyle::DualQuad: return p == 1 && q == 1 ? 0 : 2 * q;
        case ArrayStyle::StaggerX: return p * q + a.RowDelta * (q / 2);
        case ArrayStyle::ChipCarrier: return 2 * (p + q);
        case ArrayStyle::Circular: return p;
        default: return p * q;
    }
}

TEST_P(PlacementSweep, CountsAndBounds) {
    for (int32_t p = 1; p <= 6; ++p) {
        for (int32_t q = 1; q <= 5; ++q) {
            for (int16_t d : {-1, 0, 1}) {
                Use(GetParam(), "%X", p, q, 100, 60);
                params.RowDelta = d;
                params.StaggerW = 25;
                params.StaggerZ = -15;
                params.Radius = 700;
                params.AngleStep = 2160;
                pads.Pin1Pad = RectPad(40, 30);
                pads.DefaultPad = RectPad(22, 12);
                Recompute();
                SCOPED_TRACE(testing::Message() << "p " << p << " q " << q << " d " << d);
                ASSERT_EQ(int64_t(pads.Count()), ExpectedCount(params));
                if (pads.Empty()) continue;
                RECT hull{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
                int32_t minX = INT32_MAX, maxX = INT32_MIN, minY = INT32_MAX, maxY = INT32_MIN;
                for (size_t i = 0; i < pads.Count(); ++i) {
                    const PadSite& s = pads.Sites()[i];
                    const PadstackInfo& pad = i == 0 ? pads.Pin1Pad : pads.DefaultPad;
                    const int32_t hx = int32_t(pad.Width() / 2), hy = int32_t(pad.Height() / 2);
                    const bool turned = (s.Rotation / 5400) % 2 == 1;
                    const int32_t ax = turned ? hy : hx, ay = turned ? hx : hy;
                    hull = {std::min(hull.left, s.X - ax), std::min(hull.top, s.Y - ay),
                            std::max(hull.right, s.X + ax), std::max(hull.bottom, s.Y + ay)};
                    minX = std::min(minX, s.X), maxX = std::max(maxX, s.X);
                    minY = std::min(minY, s.Y), maxY = std::max(maxY, s.Y);
                }
                if (GetParam() != ArrayStyle::Circular) {
                    EXPECT_EQ(std::tie(pads.Bounds.left, pads.Bounds.top, pads.Bounds.right, pads.Bounds.bottom),
                              std::tie(hull.left, hull.top, hull.right, hull.bottom));
                }
                EXPECT_EQ(pads.Center.x, (minX + maxX) / 2);
                EXPECT_EQ(pads.Center.y, (minY + maxY) / 2);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllStyles, PlacementSweep,
                         ::testing::Values(ArrayStyle::DualQuad, ArrayStyle::StaggerX,
                                           ArrayStyle::StaggerY, ArrayStyle::ChipCarrier,
                                           ArrayStyle::Circular, ArrayStyle::Grid));

// One pad's outline in Bounds: turned by whole degrees, round pads kept unturned.
struct BoundsCase {
    zelmdb::PadShape shape;
    int32_t width, height;
    int16_t rotation;
    RECT bounds;
};

class PadBoundsTest : public ::testing::TestWithParam<BoundsCase> {
protected:
    PadSiteList pads;
};

TEST_P(PadBoundsTest, OnePadAtTheOrigin) {
    const BoundsCase& c = GetParam();
    pads.Pin1Pad = RectPad(c.width, c.height, 0, c.shape);
    pads.Append(1000, 2000, c.rotation, "1", 1);
    ComputeBounds(pads);
    EXPECT_EQ(std::tie(pads.Bounds.left, pads.Bounds.top, pads.Bounds.right, pads.Bounds.bottom),
              std::make_tuple(1000 + c.bounds.left, 2000 + c.bounds.top, 1000 + c.bounds.right,
                              2000 + c.bounds.bottom));
    EXPECT_EQ(pads.Center.x, 1000);
    EXPECT_EQ(pads.Center.y, 2000);
}

INSTANTIATE_TEST_SUITE_P(Rotations, PadBoundsTest, ::testing::Values(
    BoundsCase{zelmdb::PadShape::Rectangle, 40, 20, 0, {-20, -10, 20, 10}},
    BoundsCase{zelmdb::PadShape::Rectangle, 41, 21, 0, {-20, -10, 20, 10}},        // halves truncate
    BoundsCase{zelmdb::PadShape::Rectangle, 40, 20, 5400, {-10, -20, 10, 20}},     // a quarter turn swaps by turning
    BoundsCase{zelmdb::PadShape::Rectangle, 40, 20, 10800, {-20, -10, 20, 10}},    // half a turn: swapped, then turned back
    BoundsCase{zelmdb::PadShape::Rectangle, 40, 20, 2700, {-22, -22, 21, 21}},     // 45 degrees, truncated toward zero
    BoundsCase{zelmdb::PadShape::Rectangle, 40, 20, -5400, {-10, -20, 10, 20}},    // the sign of a rotation does not matter
    BoundsCase{zelmdb::PadShape::Rectangle, 40, 20, 5430, {-10, -20, 10, 20}},     // minutes below a degree are dropped
    BoundsCase{zelmdb::PadShape::Round, 40, 20, 2700, {-20, -10, 20, 10}},     // round pads keep their box
    BoundsCase{zelmdb::PadShape::Round, 40, 20, 8100, {-10, -20, 10, 20}},     // ... but trade sides past 90 degrees
    BoundsCase{zelmdb::PadShape::Oblong, 0, 0, 2700, {0, 0, 0, 0}}));

RECT BoundsAlone(const PadSite& site, const PadstackInfo& pad) {
    PadSiteList alone;
    alone.Pin1Pad = pad;
    alone.Append(site.X, site.Y, site.Rotation, "1", 1);
    ComputeBounds(alone);
    return alone.Bounds;
}

// Appends a pad and widens `hull` by its box measured alone.
void AppendAndWiden(PadSiteList& pads, int32_t x, int32_t y, int16_t rotation, RECT& hull) {
    pads.Append(x, y, rotation, "1", 1);
    const RECT alone = BoundsAlone(pads.Sites().back(), pads.Count() == 1 ? pads.Pin1Pad : pads.DefaultPad);
    hull = {std::min(hull.left, alone.left), std::min(hull.top, alone.top), std::max(hull.right, alone.right),
            std::max(hull.bottom, alone.bottom)};
}

std::tuple<int32_t, int32_t, int32_t, int32_t> Sides(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Pads of one angle share a turn: whatever is kept between them must follow every change of
// angle and stay apart for the pin-1 padstack. Each pad stands right of all before it, so the
// list up to it ends at its own right edge and its box is checked where it comes last.
TEST(PadBoundsListTest, EveryListIsTheUnionOfItsPadsMeasuredAlone) {
    PadSiteList pads;
    pads.Pin1Pad = RectPad(90, 6, 1200);
    pads.DefaultPad = RectPad(100, 2, 0);
    const int16_t rotations[] = {1200, 1200, 600, 630, 660, 0, 5400, -660, 8100, 1200, 21000, 1200};
    RECT expected{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (size_t i = 0; i < std::size(rotations); ++i) {
        AppendAndWiden(pads, int32_t(i) * 1000, int32_t(i % 3) * 17, rotations[i], expected);
        ComputeBounds(pads);
        EXPECT_EQ(Sides(pads.Bounds), Sides(expected)) << "up to pad " << i + 1;
    }
}

// Pads turned alike are bounded from the extremes of their coordinates, wherever those lie;
// the pin-1 padstack still counts on its own.
TEST(PadBoundsListTest, PadsTurnedAlikeAreTheUnionOfThemMeasuredAlone) {
    const int32_t xs[] = {500, -7000, 2100, 2100, 40, -6999, 1500, 2147482000};
    const int32_t ys[] = {-300, 60, 9000, -8000, 0, 8999, -7999, -2147482000};
    for (const zelmdb::PadShape shape : {zelmdb::PadShape::Rectangle, zelmdb::PadShape::Round}) {
        for (const int16_t rotation : {0, 1200, 2700, 5400, 8100, -660, 10830, 21000}) {
            for (const size_t count : {size_t(2), size_t(7), std::size(xs)}) {
                PadSiteList pads;
                pads.Pin1Pad = RectPad(90, 6, 0);
                pads.DefaultPad = RectPad(300, 40, 0, shape);
                RECT expected{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
                for (size_t i = 0; i < count; ++i) AppendAndWiden(pads, xs[i], ys[i], i == 0 ? 0 : rotation, expected);
                ComputeBounds(pads);
                EXPECT_EQ(Sides(pads.Bounds), Sides(expected))
                    << "shape " << int(shape) << ", rotation " << rotation << ", " << count << " pads";
            }
        }
    }
}

TEST(PadBoundsCenterTest, HalvesTruncateTowardZero) {
    PadSiteList pads;
    pads.Append(-3, -7, 0, "1", 1);
    pads.Append(0, 0, 0, "2", 1);
    ComputeBounds(pads);
    EXPECT_EQ(pads.Center.x, -1);
    EXPECT_EQ(pads.Center.y, -3);
}

}  // namespace
