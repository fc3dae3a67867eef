// Pin places over everyday packages: counted counter-clockwise from pin 1 at the top left, a
// pitch apart, lands apart, and the courtyard the envelope of all of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/land/courtyard.h"
#include "host/land/grid_rounding.h"
#include "host/land/pad_places.h"
#include "package_text.h"

namespace {

using namespace land;

struct PackageCase {
    const char* name;
    KeyTexts keys;
};
class PadPlacesTest : public ::testing::TestWithParam<PackageCase> {};

Rect LandOf(const PadPlace& p) { return {p.x, p.y, p.w, p.h}; }

bool Apart(const Rect& a, const Rect& b) {
    return a.Right() <= b.Left() || b.Right() <= a.Left() || a.Bottom() <= b.Top() || b.Bottom() <= a.Top();
}

// The box round everything added to it.
struct Hull {
    double x1, y1, x2, y2;
    explicit Hull(const Rect& r) : x1(r.Left()), y1(r.Top()), x2(r.Right()), y2(r.Bottom()) {}
    void Add(const Rect& r) {
        x1 = std::min(x1, r.Left());
        y1 = std::min(y1, r.Top());
        x2 = std::max(x2, r.Right());
        y2 = std::max(y2, r.Bottom());
    }
};

TEST_P(PadPlacesTest, CountedRoundTheBodyAndCourtyardAroundAll) {
    const Result<LandPattern> made = PatternOf(GetParam().keys);
    ASSERT_TRUE(made.ok()) << made.error();
    const LandPattern& p = made.value();
    const std::vector<PadPlace> pins = PadPlaces(p);
    ASSERT_EQ(pins.size(), size_t(2 * (p.rowX.pinsPerRow + p.rowY.pinsPerRow)));

    // Seen with y up, the pins wind once counter-clockwise round the centre.
    double turned = 0;
    for (size_t i = 0; i < pins.size(); ++i) {
        const PadPlace &a = pins[i], &b = pins[(i + 1) % pins.size()];
        double step = std::atan2(-b.y, b.x) - std::atan2(-a.y, a.x);
        if (step > std::numbers::pi) step -= 2 * std::numbers::pi;
        if (step < -std::numbers::pi) step += 2 * std::numbers::pi;
        EXPECT_GE(step, 0) << "pin " << a.number << " to " << b.number;
        turned += step;
    }
    EXPECT_NEAR(turned, 2 * std::numbers::pi, 1e-9);
    EXPECT_LT(pins.front().y, 0);   // pin 1 in the upper half...
    EXPECT_LT(pins.front().x, 0);   // ...on the left

    Hull hull(Rect{0, 0, p.bodyX.nominal, p.bodyY.nominal});
    for (size_t i = 0; i < pins.size(); ++i) {
        const Rect a = LandOf(pins[i]);
        hull.Add(a);
        if (i + 1 < pins.size() && pins[i + 1].row == pins[i].row) {
            EXPECT_NEAR(std::hypot(pins[i + 1].x - pins[i].x, pins[i + 1].y - pins[i].y), p.pitch, 1e-9);
        }
        for (size_t j = i + 1; j < pins.size(); ++j)
            EXPECT_TRUE(Apart(a, LandOf(pins[j]))) << "lands of pins " << pins[i].number << " and " << pins[j].number;
    }
    if (p.ep.present) hull.Add(p.ep.land.rect);
    const double e = p.courtyardExcess;
    EXPECT_NEAR(p.courtyard.x1, RoundNearest(hull.x1 - e, kCourtyardGrid), 1e-9);
    EXPECT_NEAR(p.courtyard.y1, RoundNearest(hull.y1 - e, kCourtyardGrid), 1e-9);
    EXPECT_NEAR(p.courtyard.x2, RoundNearest(hull.x2 + e, kCourtyardGrid), 1e-9);
    EXPECT_NEAR(p.courtyard.y2, RoundNearest(hull.y2 + e, kCourtyardGrid), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Packages, PadPlacesTest, ::testing::Values(
    PackageCase{"Soic8", kSoic8},
    PackageCase{"Qfn32", kQfn32},
    PackageCase{"Lqfp64", kQfp64},
    // An odd count a row: the middle pins stand on the x axis.
    PackageCase{"Tssop15PerSide", {{"family", "gullwing"}, {"pitch", "0.65"}, {"num_pins_y", "15"},
                                   {"body_size_x", "4.4"}, {"body_size_y", "9.7"}, {"overall_size_x", "6.2..6.6"},
                                   {"lead_width", "0.19..0.30"}, {"lead_len", "0.45..0.75"}}},
    // A QFN whose pad sits off centre and reaches past the courtyard the lands would give.
    PackageCase{"QfnRectangular", With(kQfn32, {{"num_pins_x", "6"}, {"body_size_x", "4"}, {"EP_size_x", "2.0"},
                                                {"EP_center_y", "0.3"}, {"EP_size_y", "3.1..3.2..3.3"}})}),
    [](const auto& info) { return info.param.name; });

TEST(PadPlacesTest, DualAlongXStartsAtTheBottomLeft) {
    const KeyTexts turned = {{"family", "gullwing"}, {"pitch", "1.27"}, {"num_pins_x", "4"}, {"body_size_x", "4.9"},
                             {"body_size_y", "3.9"}, {"overall_size_y", "5.8..6.2"}, {"lead_width", "0.31..0.51"},
                             {"lead_len", "0.40..1.27"}};
    const Result<LandPattern> p = PatternOf(turned);
    ASSERT_TRUE(p.ok()) << p.error();
    const std::vector<PadPlace> pins = PadPlaces(p.value());
    ASSERT_EQ(pins.size(), 8u);
    // The doc's SOIC-8 turned a quarter counter-clockwise: the same lands, lying the other way.
    EXPECT_EQ(pins[0].row, PadRow::Bottom);
    EXPECT_NEAR(pins[0].x, -1.905, 1e-9);
    EXPECT_NEAR(pins[0].y, 2.475, 1e-9);
    EXPECT_NEAR(pins[0].w, 0.6, 1e-9);
    EXPECT_NEAR(pins[0].h, 1.95, 1e-9);
    EXPECT_EQ(pins[4].row, PadRow::Top);
    EXPECT_NEAR(pins[4].x, 1.905, 1e-9);
}

TEST(PadPlacesTest, GridRowByRowFromTheTopLeft) {
    const Result<LandPattern> p = PatternOf(With(Without(kBga144, "pitch"), {{"cols", "3"}, {"rows", "2"},
                                                                              {"pitch_x", "1"}, {"pitch_y", "0.8"}}));
    ASSERT_TRUE(p.ok()) << p.error();
    const std::vector<PadPlace> balls = PadPlaces(p.value());
    ASSERT_EQ(balls.size(), 6u);
    EXPECT_NEAR(balls[0].x, -1, 1e-12);
    EXPECT_NEAR(balls[0].y, -0.4, 1e-12);
    EXPECT_EQ(balls[2].gridCol, 2);
    EXPECT_EQ(balls[3].gridRow, 1);
    EXPECT_NEAR(balls[3].x, -1, 1e-12);
    EXPECT_NEAR(balls[5].y, 0.4, 1e-12);
    EXPECT_NEAR(balls[5].w, 0.4, 1e-12);
}

}  // namespace
