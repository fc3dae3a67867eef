// Lines, rectangles, ellipses and polygons: the pixels the platform's rules give.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/gdi.h"
#include "tests/platform/gdi/golden.h"

namespace {

constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

// Selects a pen and brush for the scope of a test and deletes them afterwards.
class Tools {
public:
    Tools(HDC dc, HPEN pen, HBRUSH brush) : dc_(dc), pen_(pen), brush_(brush) {
        oldPen_ = SelectObject(dc, pen);
        oldBrush_ = SelectObject(dc, brush);
    }
    ~Tools() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        DeleteObject(pen_);
        DeleteObject(brush_);
    }

private:
    HDC dc_;
    HGDIOBJ pen_, brush_, oldPen_ = 0, oldBrush_ = 0;
};

struct LineCase {
    POINT a, b;
    int pixels;
};
class LineEndTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineEndTest, EndPointIsNotDrawn) {
    Canvas c(40, 40);
    Tools t(c.dc(), CreatePen(PS_SOLID, 1, kWhite), CreateSolidBrush(0));
    const LineCase& lc = GetParam();
    MoveToEx(c.dc(), lc.a.x, lc.a.y, nullptr);
    LineTo(c.dc(), lc.b.x, lc.b.y);
    EXPECT_EQ(c.Count(kWhite), lc.pixels);
    EXPECT_EQ(c.at(lc.a.x, lc.a.y), kWhite);
    if (lc.pixels > 0) {
        EXPECT_EQ(c.at(lc.b.x, lc.b.y), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, LineEndTest, ::testing::Values(
    LineCase{{5, 5}, {15, 5}, 10}, LineCase{{15, 5}, {5, 5}, 10}, LineCase{{5, 5}, {5, 25}, 20},
    LineCase{{5, 5}, {25, 25}, 20}, LineCase{{25, 5}, {5, 12}, 20}, LineCase{{7, 7}, {8, 7}, 1}));

TEST(LineTest, ZeroLengthDrawsNothing) {
    Canvas c(10, 10);
    Tools t(c.dc(), CreatePen(PS_SOLID, 0, kWhite), CreateSolidBrush(0));
    MoveToEx(c.dc(), 3, 3, nullptr);
    LineTo(c.dc(), 3, 3);
    EXPECT_EQ(c.Count(kWhite), 0);
}

TEST(LineTest, DottedPatternRunsThreeOnThreeOffAcrossSegments) {
    Canvas c(40, 4);
    Tools t(c.dc(), CreatePen(PS_DOT, 0, kWhite), CreateSolidBrush(0));
    SetBkMode(c.dc(), TRANSPARENT);
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 4, 1);    // the pattern carries on into the next segment
    LineTo(c.dc(), 24, 1);
    std::string row;
    for (int x = 0; x < 24; ++x) row += c.at(x, 1) == kWhite ? '#' : '.';
    EXPECT_EQ(row, "###...###...###...###...");
}

TEST(LineTest, DottedGapsTakeBackgroundWhenOpaque) {
    Canvas c(12, 3);
    Tools t(c.dc(), CreatePen(PS_DOT, 0, kWhite), CreateSolidBrush(0));
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), kBlue);
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 12, 1);
    EXPECT_EQ(c.Count(kWhite), 6);
    EXPECT_EQ(c.Count(kBlue), 6);
}

TEST(LineTest, WidePenHasRoundEndsAndCoversItsWidth) {
    Canvas c(40, 20);
    Tools t(c.dc(), CreatePen(PS_SOLID, 5, kGreen), CreateSolidBrush(0));
    MoveToEx(c.dc(), 10, 10, nullptr);
    LineTo(c.dc(), 20, 10);
    const RECT b = c.Bounds(kGreen);
    EXPECT_EQ(b.left, 8);     // the caps reach half the width beyond both ends
    EXPECT_EQ(b.right, 22);
    EXPECT_EQ(b.top, 8);
    EXPECT_EQ(b.bottom, 12);
    EXPECT_EQ(c.at(15, 8), kGreen);
    EXPECT_EQ(c.at(8, 8), 0u);   // rounded, not square, at the corners
    EXPECT_EQ(c.at(8, 10), kGreen);
}

struct BoxCase {
    bool withPen;
    RECT box;
    RECT covered;   // inclusive bounds of what is drawn
};
class RectangleTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(RectangleTest, RightAndBottomEdgesExcluded) {
    Canvas c(30, 30);
    const BoxCase& bc = GetParam();
    HPEN pen = bc.withPen ? CreatePen(PS_SOLID, 1, kWhite) : CreatePen(PS_NULL, 0, 0);
    Tools t(c.dc(), pen, CreateSolidBrush(kRed));
    Rectangle(c.dc(), bc.box.left, bc.box.top, bc.box.right, bc.box.bottom);
    const RECT covered = c.Bounds(bc.withPen ? kWhite : kRed);
    EXPECT_EQ(covered.left, bc.covered.left);
    EXPECT_EQ(covered.top, bc.covered.top);
    EXPECT_EQ(covered.right, bc.covered.right);
    EXPECT_EQ(covered.bottom, bc.covered.bottom);
    const int w = bc.covered.right - bc.covered.left + 1, h = bc.covered.bottom - bc.covered.top + 1;
    if (bc.withPen) {
        EXPECT_EQ(c.Count(kWhite), w * h - std::max(0, w - 2) * std::max(0, h - 2));
        EXPECT_EQ(c.Count(kRed), std::max(0, w - 2) * std::max(0, h - 2));
    } else {
        EXPECT_EQ(c.Count(kRed), w * h);
    }
}

INSTANTIATE_TEST_SUITE_P(Pens, RectangleTest, ::testing::Values(
    BoxCase{true, {2, 3, 12, 9}, {2, 3, 11, 8}}, BoxCase{true, {12, 9, 2, 3}, {2, 3, 11, 8}},
    BoxCase{true, {5, 5, 7, 7}, {5, 5, 6, 6}}, BoxCase{false, {2, 3, 12, 9}, {2, 3, 10, 7}}));

class EllipseBoxTest : public ::testing::TestWithParam<RECT> {};

TEST_P(EllipseBoxTest, FitsTheBoxAndIsSymmetric) {
    Canvas c(40, 40);
    Tools t(c.dc(), CreatePen(PS_SOLID, 1, kWhite), CreateSolidBrush(kRed));
    const RECT box = GetParam();
    Ellipse(c.dc(), box.left, box.top, box.right, box.bottom);
    RECT all = c.Bounds(kWhite);
    EXPECT_EQ(all.left, box.left);
    EXPECT_EQ(all.top, box.top);
    EXPECT_EQ(all.right, box.right - 1);
    EXPECT_EQ(all.bottom, box.bottom - 1);
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const int mx = box.left + box.right - 1 - x, my = box.top + box.bottom - 1 - y;
            ASSERT_EQ(c.at(x, y), c.at(mx, y)) << x << "," << y;
            ASSERT_EQ(c.at(x, y), c.at(x, my)) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(SmallSizes, EllipseBoxTest, ::testing::Values(
    RECT{10, 10, 11, 11}, RECT{10, 10, 12, 12}, RECT{10, 10, 15, 15}, RECT{4, 6, 20, 12},
    RECT{3, 3, 31, 31}, RECT{10, 2, 13, 30}));

TEST(EllipseTest, HollowBrushLeavesInteriorAlone) {
    Canvas c(20, 20, kBlue);
    Tools t(c.dc(), CreatePen(PS_SOLID, 1, kWhite), HBRUSH(0));
    SelectObject(c.dc(), GetStockObject(HOLLOW_BRUSH));
    Ellipse(c.dc(), 2, 2, 18, 18);
    EXPECT_EQ(c.at(10, 10), kBlue);
    EXPECT_EQ(c.at(2, 10), kWhite);
}

// A dotted pen draws its three-on, three-off pattern round a circle and a rectangle, not a
// solid outline; opaque gaps take the background, and a hollow brush keeps the inside.
TEST(EllipseTest, DottedPenRunsItsPatternRoundTheOutline) {
    for (const bool round : {true, false}) {
        Canvas solid(40, 40), dotted(40, 40, kBlue);
        const auto draw = [round](HDC dc) { round ? Ellipse(dc, 2, 2, 38, 38) : Rectangle(dc, 2, 2, 38, 38); };
        {
            Tools t(solid.dc(), CreatePen(PS_SOLID, 0, kWhite), CreateSolidBrush(0));
            draw(solid.dc());
        }
        Tools t(dotted.dc(), CreatePen(PS_DOT, 0, kWhite), HBRUSH(0));
        SelectObject(dotted.dc(), GetStockObject(HOLLOW_BRUSH));
        SetBkMode(dotted.dc(), OPAQUE);
        SetBkColor(dotted.dc(), kRed);
        draw(dotted.dc());
        const int outline = solid.Count(kWhite);
        EXPECT_EQ(dotted.Count(kWhite) + dotted.Count(kRed), outline) << "every outline pixel, dot or gap";
        EXPECT_NEAR(dotted.Count(kWhite), outline / 2, 3);
        EXPECT_EQ(dotted.at(20, 20), kBlue);
        // Going down the middle of the right-hand side: runs of three.
        std::string run;
        for (int y = 20; y > 11; --y) run += dotted.at(37, y) == kWhite ? '#' : '.';
        EXPECT_TRUE(run.find("###...") != std::string::npos || run.find("...###") != std::string::npos) << run;
    }
}

TEST(PolygonTest, FivePointRectangleCoversOutlineInclusive) {
    Canvas c(20, 20);
    Tools t(c.dc(), CreatePen(PS_SOLID, 1, kWhite), CreateSolidBrush(kRed));
    const POINT pts[] = {{3, 4}, {3, 10}, {9, 10}, {9, 4}, {3, 4}};
    Polygon(c.dc(), pts, 5);
    EXPECT_EQ(c.Count(kWhite) + c.Count(kRed), 7 * 7);
    EXPECT_EQ(c.Count(kRed), 5 * 5);
}

TEST(PolygonTest, AlternateFillLeavesOverlapHole) {
    Canvas c(30, 30);
    Tools t(c.dc(), CreatePen(PS_NULL, 0, 0), CreateSolidBrush(kRed));
    // Two squares traced as one path: the doubly covered middle is outside under alternate fill.
    const POINT pts[] = {{2, 2}, {20, 2}, {20, 20}, {2, 20}, {2, 2},
                         {8, 8}, {14, 8}, {14, 14}, {8, 14}, {8, 8}};
    Polygon(c.dc(), pts, 10);
    EXPECT_EQ(c.at(4, 4), kRed);
    EXPECT_EQ(c.at(11, 11), 0u);
}

TEST(MixModeTest, MergePenOrsLinesAndBlackBrushKeepsInterior) {
    Canvas c(40, 40, kBlue);
    Tools t(c.dc(), CreatePen(PS_SOLID, 1, kRed), CreateSolidBrush(0));
    EXPECT_EQ(SetROP2(c.dc(), R2_MERGEPEN), R2_COPYPEN);
    Ellipse(c.dc(), 12, 12, 28, 28);
    MoveToEx(c.dc(), 4, 20, nullptr);
    LineTo(c.dc(), 36, 20);
    EXPECT_EQ(c.at(20, 16), kBlue);            // inside the circle, off the line
    EXPECT_EQ(c.at(6, 20), kBlue | kRed);      // the line OR-ed into the background
    EXPECT_EQ(c.at(12, 20), kBlue | kRed);     // the outline too
    EXPECT_EQ(c.Count(kRed), 0);
}

TEST(MixModeTest, EveryModeFollowsItsTruthTable) {
    const COLORREF pen = 0x00F0CC, dest = 0x0F0AAA;
    const COLORREF expected[16] = {
        0, ~(pen | dest), dest & ~pen, ~pen, pen & ~dest, ~dest, pen ^ dest, ~(pen & dest),
        pen & dest, ~(pen ^ dest), dest, dest | ~pen, pen, pen | ~dest, pen | dest, 0xFFFFFF};
    for (int mode = R2_BLACK; mode <= R2_WHITE; ++mode)
        EXPECT_EQ(ApplyRop2(mode, pen, dest), expected[mode - 1] & 0xFFFFFF) << mode;
}

TEST(GoldenTest, Primitives) {
    Canvas c(64, 48);
    {
        Tools t(c.dc(), CreatePen(PS_SOLID, 1, kWhite), CreateSolidBrush(kRed));
        Rectangle(c.dc(), 2, 2, 14, 10);
        Ellipse(c.dc(), 18, 2, 30, 14);
        Ellipse(c.dc(), 34, 2, 39, 7);
        const POINT tri[] = {{44, 12}, {52, 2}, {60, 12}};
        Polygon(c.dc(), tri, 3);
        MoveToEx(c.dc(), 2, 20, nullptr);
        LineTo(c.dc(), 30, 27);
    }
    {
        Tools t(c.dc(), CreatePen(PS_SOLID, 6, kGreen), CreateSolidBrush(0));
        MoveToEx(c.dc(), 8, 36, nullptr);
        LineTo(c.dc(), 24, 42);
    }
    {
        Tools t(c.dc(), CreatePen(PS_DOT, 0, 0x00FFFF), CreateSolidBrush(0));
        SetBkMode(c.dc(), TRANSPARENT);
        MoveToEx(c.dc(), 34, 20, nullptr);
        LineTo(c.dc(), 62, 20);
        LineTo(c.dc(), 62, 46);
    }
    EXPECT_TRUE(MatchesGolden(c.surface(), "gdi/primitives.png"));
}

}  // namespace
