// The outlines around exported pads: a known package drawn as a board library draws it, and for
// a table of layouts the silkscreen keeps clear of copper and the courtyard holds everything.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "host/orvex/export/footprint_outline.h"

namespace {

using namespace outline;

// Distance from a point to a box, 0 inside it.
double Distance(const Point& p, const Box& b) {
    const double dx = std::max({b.left - p.x, 0.0, p.x - b.right});
    const double dy = std::max({b.top - p.y, 0.0, p.y - b.bottom});
    return std::hypot(dx, dy);
}

// Segments are axis-aligned here, so their nearest point to a box is found by clamping.
double Distance(const Segment& s, const Box& b) {
    const Point near{std::clamp(b.CentreX(), std::min(s.from.x, s.to.x), std::max(s.from.x, s.to.x)),
                     std::clamp(b.CentreY(), std::min(s.from.y, s.to.y), std::max(s.from.y, s.to.y))};
    return std::min({Distance(near, b), Distance(s.from, b), Distance(s.to, b)});
}

// 48 pads of 1.475 x 0.3 mm at 0.5 mm pitch round a 7 x 7 mm body, pin 1 at the top of the
// left side.
std::vector<Box> Qfp48() {
    std::vector<Box> pads;
    for (int side = 0; side < 4; ++side) {
        for (int i = 0; i < 12; ++i) {
            const double along = -2.75 + 0.5 * i, across = 4.1625;
            const bool vertical = side % 2 == 0;
            const double x = side == 0 ? -across : side == 2 ? across : (side == 1 ? along : -along);
            const double y = side == 1 ? across : side == 3 ? -across : (side == 0 ? along : -along);
            pads.push_back(Box::Around(x, y, vertical ? 0.7375 : 0.15, vertical ? 0.15 : 0.7375));
        }
    }
    return pads;
}

TEST(FootprintOutlineTest, QfpGetsSilkCornersFabChamferAndCourtyardOfALibraryPart) {
    const Box body = Box::Around(0, 0, 3.5, 3.5);
    const FootprintOutline o = MakeOutline(Qfp48(), body, true);
    // At 3.61 mm, broken 0.2 mm plus half a line off the outer pads: two 0.45 mm pieces a corner.
    ASSERT_EQ(o.silk.size(), 8u);
    for (const Segment& s : o.silk) {
        EXPECT_NEAR(std::hypot(s.to.x - s.from.x, s.to.y - s.from.y), 0.45, 1e-9);
        EXPECT_NEAR(std::max(std::abs(s.from.x), std::abs(s.from.y)), 3.61, 1e-9);
    }
    EXPECT_NEAR(o.courtyard.left, -5.15, 1e-9);
    EXPECT_NEAR(o.courtyard.bottom, 5.15, 1e-9);
    // The corner at pin 1 is cut by a millimetre; the other three stay.
    ASSERT_EQ(o.fab.size(), 5u);
    auto has = [&](double x, double y) {
        return std::any_of(o.fab.begin(), o.fab.end(), [&](const Point& p) { return p.x == x && p.y == y; });
    };
    EXPECT_FALSE(has(-3.5, -3.5));
    EXPECT_TRUE(has(-3.5, -2.5) && has(-2.5, -3.5) && has(3.5, -3.5) && has(3.5, 3.5) && has(-3.5, 3.5));
    // Beyond the pad on the left there is no room inside the courtyard: the mark points at pin 1
    // from above, in the corner between the rows of pads, outside the silkscreen's corner.
    ASSERT_EQ(o.pin1Mark.size(), 3u);
    EXPECT_NEAR(o.pin1Mark[0].x, -4.1625, 1e-9);
    EXPECT_NEAR(o.pin1Mark[0].y, -3.61 - SilkLine, 1e-9);
    EXPECT_NEAR(o.pin1Mark[1].y, -3.61 - SilkLine - 0.5, 1e-9);
}

struct Layout {
    const char* name;
    std::vector<Box> pads;
    Box body;
    bool bodyGiven;
    bool markInside = true;   // whether a side of pin 1 has room for the mark inside pads and body
};

void PrintTo(const Layout& l, std::ostream* out) { *out << l.name; }

class OutlineLayoutTest : public ::testing::TestWithParam<Layout> {};

TEST_P(OutlineLayoutTest, SilkClearsCopperAndCourtyardHoldsPadsAndBodyOnTheGrid) {
    const Layout& l = GetParam();
    const FootprintOutline o = MakeOutline(l.pads, l.body, l.bodyGiven);
    EXPECT_FALSE(o.silk.empty());
    for (const Segment& s : o.silk)
        for (const Box& p : l.pads) EXPECT_GE(Distance(s, p), SilkPadClearance + SilkLine / 2 - 1e-6);
    for (const Point& m : o.pin1Mark)
        for (const Box& p : l.pads) EXPECT_GE(Distance(m, p), SilkPadClearance + SilkLine / 2 - 1e-6);
    // The courtyard holds pads and body with the margin, and the silkscreen lines; no more than a
    // grid step beyond the outermost of them.
    Box held = l.body.Grown(CourtyardMargin);
    for (const Box& p : l.pads) held = held.United(p.Grown(CourtyardMargin));
    for (const Segment& s : o.silk) held = held.United(Box{s.from.x, s.from.y, s.to.x, s.to.y}.Grown(SilkLine / 2));
    const Box& c = o.courtyard;
    for (const Point& m : o.pin1Mark) {
        EXPECT_TRUE(m.x - SilkLine / 2 >= c.left && m.x + SilkLine / 2 <= c.right) << "mark inside the courtyard";
        EXPECT_TRUE(m.y - SilkLine / 2 >= c.top && m.y + SilkLine / 2 <= c.bottom) << "mark inside the courtyard";
        if (l.markInside) held = held.United(Box{m.x, m.y, m.x, m.y}.Grown(SilkLine / 2));
    }
    if (!l.markInside) held = o.courtyard;   // grown for the mark: no tighter bound to hold it to
    for (double edge : {c.left, c.top, c.right, c.bottom})
        EXPECT_NEAR(edge * 100, std::round(edge * 100), 1e-6) << "on the 0.01 mm grid";
    EXPECT_LE(c.left, held.left + 1e-9);
    EXPECT_GT(c.left, held.left - CourtyardGrid);
    EXPECT_GE(c.bottom, held.bottom - 1e-9);
    EXPECT_LT(c.bottom, held.bottom + CourtyardGrid);
}

INSTANTIATE_TEST_SUITE_P(Layouts, OutlineLayoutTest, ::testing::Values(
    Layout{"Qfp", Qfp48(), Box::Around(0, 0, 3.5, 3.5), true},
    // A DIP's body reaches under its pads: the silkscreen breaks at every pad.
    Layout{"DipWithBody",
           {Box::Around(0, 0, 0.8, 0.8), Box::Around(0, 2.54, 0.8, 0.8), Box::Around(7.62, 2.54, 0.8, 0.8),
            Box::Around(7.62, 0, 0.8, 0.8)},
           Box::Around(3.81, 1.27, 3.175, 2.54), true},
    Layout{"HeaderPadsOnly",
           {Box::Around(0, 0, 0.85, 0.85), Box::Around(2.54, 0, 0.85, 0.85), Box::Around(5.08, 0, 0.85, 0.85)},
           Box{-0.85, -0.85, 5.93, 0.85}, false, false},
    Layout{"OnePad", {Box::Around(0.123, -0.456, 0.5, 0.25)}, Box::Around(0.123, -0.456, 0.5, 0.25), false, false},
    // Pin 1 inside a ring: its mark finds a side that clears the others.
    Layout{"PinOneHemmedIn",
           {Box::Around(0, 0, 0.3, 0.3), Box::Around(-1, 0, 0.3, 0.3), Box::Around(1, 0, 0.3, 0.3),
            Box::Around(0, -1, 0.3, 0.3)},
           Box::Around(0, 0, 1.5, 1.5), true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
