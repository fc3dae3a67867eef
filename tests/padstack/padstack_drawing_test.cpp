// The padstack drawing of the Select Padstack dialog, drawn into a bitmap the size of its box.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <tuple>

#include "output/layer_colours.h"
#include "padstack/padstack_drawing.h"
#include "platform/gdi/png_io.h"
#include "tests/platform/gdi/golden.h"
#include "tests/support/golden_picture.h"

namespace {

constexpr RECT kBox{0, 0, 154, 126};
constexpr COLORREF kTop = RGB(0, 200, 0), kBottom = RGB(200, 0, 200), kDrill = RGB(255, 255, 0);

PadstackInfo Pad(zelmdb::PadShape shape, int32_t width, int32_t height, int16_t rotation, int32_t drill, COLORREF colour) {
    PadstackInfo pad;
    pad.Shape = shape;
    pad.Extents[0] = pad.Extents[1] = width / 2;
    pad.Extents[2] = pad.Extents[3] = height / 2;
    pad.Rotation = rotation;
    pad.DrillExtents[0] = pad.DrillExtents[1] = drill / 2;
    pad.Colour = colour;
    return pad;
}

PadstackInfo Rounded(PadstackInfo pad, uint16_t ratio) {
    pad.CornerRatio = ratio;
    return pad;
}

struct DrawingCase {
    const char* name;
    PadstackInfo pad;
    COLORREF shown;     // must appear
    COLORREF absent;    // must not appear
};

void PrintTo(const DrawingCase& c, std::ostream* out) { *out << c.name; }

class PadstackDrawingTest : public ::testing::TestWithParam<DrawingCase> {
protected:
    void SetUp() override {
        TopColour = kTop;
        BottomColour = kBottom;
        DrillColour = kDrill;
    }
};

TEST_P(PadstackDrawingTest, DrawsTheVisibleSideInsideTheMargin) {
    Canvas canvas(kBox.right, kBox.bottom, RGB(90, 90, 90));
    DrawPadstack(canvas.dc(), kBox, GetParam().pad);
    EXPECT_GT(canvas.Count(GetParam().shown), 0);
    EXPECT_EQ(canvas.Count(GetParam().absent), 0);
    // Every rotation leaves the 5-pixel margin black, and nothing of the old background stays;
    // only a drill larger than the pad may reach beyond it.
    EXPECT_EQ(canvas.Count(RGB(90, 90, 90)), 0);
    for (COLORREF colour : {kTop, kBottom}) {
        if (canvas.Count(colour) == 0) continue;
        const RECT drawn = canvas.Bounds(colour);
        EXPECT_GE(drawn.left, 5);
        EXPECT_GE(drawn.top, 5);
        EXPECT_LT(drawn.right, kBox.right - 5);
        EXPECT_LT(drawn.bottom, kBox.bottom - 5);
    }
    const std::string picture = std::string("padstack/") + GetParam().name + ".png";
    std::string error;
    ASSERT_TRUE(WritePng(canvas.surface(), PictureOutPath(picture).string(), error)) << error;
    ExpectSameAsGolden(picture);
}

INSTANTIATE_TEST_SUITE_P(
    Padstacks, PadstackDrawingTest,
    ::testing::Values(DrawingCase{"square", Pad(zelmdb::PadShape::Square, 60, 60, 0, 20, kTop), kDrill, kBottom},
                      DrawingCase{"square_45", Pad(zelmdb::PadShape::Square, 60, 60, 2700, 20, kTop), kTop, kBottom},
                      DrawingCase{"bottom_only", Pad(zelmdb::PadShape::Rectangle, 40, 20, 5400, 10, kBottom), kBottom, kTop},
                      DrawingCase{"no_drill", Pad(zelmdb::PadShape::Round, 50, 30, 0, 0, kTop), kTop, kDrill},
                      DrawingCase{"drill_over_pad", Pad(zelmdb::PadShape::Square, 40, 40, 0, 80, kTop), kDrill, kTop},
                      DrawingCase{"oblong_tall", Pad(zelmdb::PadShape::Oblong, 20, 60, 900, 10, kTop), kTop, kBottom},
                      DrawingCase{"roundrect", Rounded(Pad(zelmdb::PadShape::Rectangle, 60, 30, 0, 10, kTop), 2500), kTop, kBottom},
                      DrawingCase{"roundrect_30", Rounded(Pad(zelmdb::PadShape::Rectangle, 60, 30, 1800, 0, kTop), 2500), kTop, kBottom},
                      DrawingCase{"roundrect_bottom", Rounded(Pad(zelmdb::PadShape::Square, 40, 40, 0, 0, kBottom), 5000), kBottom, kTop}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PadstackDrawingScaleTest, DiagonalFitsTheSmallerSide) {
    const PadstackInfo square = Pad(zelmdb::PadShape::Square, 60, 60, 0, 0, kTop);
    EXPECT_EQ(int(std::trunc(60 * PadstackDrawingScale(kBox, square))), 82);
    // Turning the pad does not change its scale.
    EXPECT_EQ(PadstackDrawingScale(kBox, Pad(zelmdb::PadShape::Square, 60, 60, 2700, 0, kTop)), PadstackDrawingScale(kBox, square));
    EXPECT_EQ(PadstackDrawingScale(kBox, Pad(zelmdb::PadShape::Square, 0, 0, 0, 0, kTop)), 0);
}

TEST(PadstackDrawingScaleTest, SquareIsDrawnAtItsScaledSize) {
    TopColour = kTop;
    DrillColour = kDrill;
    Canvas canvas(kBox.right, kBox.bottom);
    DrawPadstack(canvas.dc(), kBox, Pad(zelmdb::PadShape::Square, 60, 60, 0, 0, kTop));
    const RECT drawn = canvas.Bounds(kTop);
    // The outline of an 82-pixel square covers both its first and its last column.
    EXPECT_EQ(drawn.right - drawn.left, 82);
    EXPECT_EQ(drawn.bottom - drawn.top, 82);
    EXPECT_EQ(drawn.left, 77 - 41);
    EXPECT_EQ(drawn.top, 63 - 41);
}

// Rounding takes pixels off the corners only: the rounded pad spans the same box as the sharp
// one, and a quarter of the shorter side rounds away the corner pixels a circle would.
TEST(PadstackDrawingScaleTest, RoundedCornersKeepTheBoxAndLoseTheCorners) {
    TopColour = kTop;
    DrillColour = kDrill;
    Canvas sharp(kBox.right, kBox.bottom), rounded(kBox.right, kBox.bottom);
    DrawPadstack(sharp.dc(), kBox, Pad(zelmdb::PadShape::Rectangle, 60, 30, 0, 0, kTop));
    DrawPadstack(rounded.dc(), kBox, Rounded(Pad(zelmdb::PadShape::Rectangle, 60, 30, 0, 0, kTop), 2500));
    const RECT a = sharp.Bounds(kTop), b = rounded.Bounds(kTop);
    EXPECT_EQ(std::tie(a.left, a.top, a.right, a.bottom), std::tie(b.left, b.top, b.right, b.bottom));
    const double radius = (a.bottom - a.top) / 4.0;
    const int lost = sharp.Count(kTop) - rounded.Count(kTop);
    EXPECT_NEAR(lost, 4 * (1 - M_PI / 4) * radius * radius, 2.0 * radius);
}

TEST(PadstackDrawingScaleTest, PadWithoutSizeLeavesTheBoxBlack) {
    Canvas canvas(kBox.right, kBox.bottom, RGB(90, 90, 90));
    DrawPadstack(canvas.dc(), kBox, Pad(zelmdb::PadShape::Square, 0, 0, 0, 30, kTop));
    EXPECT_EQ(canvas.Count(RGB(0, 0, 0)), kBox.right * kBox.bottom);
}

}  // namespace
