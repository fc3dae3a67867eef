// The array preview painted from pad lists made by hand: scale, image boxes, the OR of
// overlapping pads, the name threshold and where the markers stand.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

#include "array/shared_state.h"
#include "output/layer_colours.h"
#include "platform/framework/win_app.h"
#include "platform/gdi/window_surfaces.h"
#include "platform/win/win_api.h"
#include "preview/array_preview_wnd.h"
#include "preview/pad_images.h"
#include "preview/preview_scale.h"

namespace {

constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kYellow = 0x00FFFF, kWhite = 0xFFFFFF,
                   kMagenta = 0xFF00FF;

struct ScaleCase {
    RECT bounds;
    int width, height;
    double scale;
};

void PrintTo(const ScaleCase& c, std::ostream* out) { *out << c.width << "x" << c.height; }

class PreviewScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(PreviewScaleTest, FitsTheLimitingSideWithinTenPixels) {
    const PreviewScale scale(GetParam().bounds, GetParam().width, GetParam().height);
    EXPECT_DOUBLE_EQ(scale.Scale(), GetParam().scale);
    // The bounds' centre lands on the client's centre.
    const RECT b = GetParam().bounds;
    const POINT centre = scale.ToWindow((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    EXPECT_NEAR(centre.x, GetParam().width / 2, 1);
    EXPECT_NEAR(centre.y, GetParam().height / 2, 1);
}

INSTANTIATE_TEST_SUITE_P(Clients, PreviewScaleTest,
                         ::testing::Values(ScaleCase{{0, 0, 1000, 1000}, 420, 220, 0.2},      // by height
                                           ScaleCase{{0, 0, 1000, 1000}, 220, 420, 0.2},      // by width
                                           ScaleCase{{-500, -100, 500, 100}, 420, 220, 0.4},  // by width
                                           ScaleCase{{7, 7, 7, 7}, 120, 140, 100.0}));         // no size

TEST(PreviewScaleTest, ArrangementYPointsUp) {
    const PreviewScale scale({0, 0, 100, 100}, 120, 120);
    EXPECT_LT(scale.ToWindow(50, 100).y, scale.ToWindow(50, 0).y);
    EXPECT_EQ(scale.ToWindow(50, 100).y, 120 - scale.UnflippedY(100));
}

struct BoxCase {
    zelmdb::PadShape shape;
    int16_t rotation;
    LONG cx, cy;
};

void PrintTo(const BoxCase& c, std::ostream* out) { *out << int(c.shape) << "@" << c.rotation; }

class PadImageSizeTest : public ::testing::TestWithParam<BoxCase> {};

// A 30 x 10 pixel pad.
TEST_P(PadImageSizeTest, BoxTurnsWithThePad) {
    PadstackInfo pad;
    pad.Shape = GetParam().shape;
    pad.Extents[0] = pad.Extents[1] = 15;
    pad.Extents[2] = pad.Extents[3] = 5;
    const SIZE size = PadImageSize(PadImageKey(pad, 1.0, GetParam().rotation));
    EXPECT_EQ(size.cx, GetParam().cx);
    EXPECT_EQ(size.cy, GetParam().cy);
}

INSTANTIATE_TEST_SUITE_P(Rotations, PadImageSizeTest,
                         ::testing::Values(BoxCase{zelmdb::PadShape::Square, 0, 32, 12}, BoxCase{zelmdb::PadShape::Square, 5400, 12, 32},
                                           BoxCase{zelmdb::PadShape::Square, 10800, 32, 12}, BoxCase{zelmdb::PadShape::Square, -5400, 12, 32},
                                           BoxCase{zelmdb::PadShape::Oblong, 2700, 30, 30},   // 30·0.707 + 10·0.707 + 2
                                           BoxCase{zelmdb::PadShape::Round, 5400, 30, 10}));  // round: never turned

TEST(PadImageKeyTest, MaskKeepsOnlyThePixelSize) {
    PadstackInfo pad;
    pad.Shape = zelmdb::PadShape::Square;
    pad.Extents[0] = pad.Extents[1] = pad.Extents[2] = pad.Extents[3] = 10;
    pad.DrillExtents[0] = 3;
    pad.Colour = kRed;
    const PadImageKey key(pad, 1.5, 900), mask = key.Mask();
    EXPECT_EQ(key.Width(), 30);
    EXPECT_EQ(key.Drill(), 4);
    EXPECT_EQ(key.Colour(), kRed);
    EXPECT_EQ(mask.Width(), 30);
    EXPECT_EQ(mask.Height(), 30);
    EXPECT_EQ(mask.Shape(), zelmdb::PadShape::None);
    EXPECT_EQ(mask.Rotation() | mask.Drill(), 0);
    EXPECT_EQ(mask.Colour(), 0u);
}

// The corner rounding rides in the byte above the shape code: a rounded pad never shares an
// image with a sharp one, and the shape code reads the same for both.
TEST(PadImageKeyTest, RoundingIsPartOfTheKeyButNotOfTheShape) {
    PadstackInfo pad;
    pad.Shape = zelmdb::PadShape::Rectangle;
    pad.Extents[0] = pad.Extents[2] = 20;
    const PadImageKey sharp(pad, 1.0, 0);
    pad.CornerRatio = 2500;
    const PadImageKey rounded(pad, 1.0, 0);
    EXPECT_EQ(rounded.Shape(), zelmdb::PadShape::Rectangle);
    EXPECT_DOUBLE_EQ(rounded.CornerRatio(), 0.25);
    EXPECT_NE(std::memcmp(sharp.data(), rounded.data(), PadImageKey::Size), 0);
    EXPECT_EQ(std::memcmp(sharp.Mask().data(), rounded.Mask().data(), PadImageKey::Size), 0);
    pad.Shape = zelmdb::PadShape::Oblong;
    EXPECT_EQ(PadImageKey(pad, 1.0, 0).CornerRatio(), 0) << "only rectangles round their corners";
}

class ArrayPreviewPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        WindowSurfaces::Install();
        PadNameColour = kMagenta;
        MarkerColour = 0;
        DrillColour = kWhite;
        CurrentPadList = &pads;
        CurrentParameters = &params;
        params.DisplayDrill = 0;
        params.DisplayPadName = 0;
    }
    void TearDown() override {
        if (window) window->DestroyWindow();
        window.reset();
        CurrentPadList = nullptr;
        CurrentParameters = nullptr;
        ClearPadImages();
    }
    static PadstackInfo Square(int32_t side, COLORREF colour) {
        PadstackInfo pad;
        pad.Shape = zelmdb::PadShape::Square;
        pad.Extents[0] = pad.Extents[2] = side / 2;
        pad.Extents[1] = pad.Extents[3] = side - side / 2;
        pad.Colour = colour;
        return pad;
    }
    // Bounds of 180 x 180 units in a 200 x 200 client make one pixel a unit.
    Surface Paint() {
        pads.Bounds = RECT{0, 0, 180, 180};
        window = std::make_unique<CArrayPreviewWnd>();
        EXPECT_TRUE(window->CreateEx(0, AfxRegisterWndClass(0, 0), "Array Preview: T", WS_POPUP | WS_VISIBLE, 0, 0,
                                     200, 200, 0, 0));
        window->UpdateWindow();
        const Surface* own = WindowSurfaces::Install().OwnPixels(window->m_hWnd);
        EXPECT_NE(own, nullptr);
        return own ? *own : Surface();
    }
    static int Count(const Surface& s, COLORREF colour) {
        int n = 0;
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) n += s.Pixel(x, y) == colour;
        return n;
    }

    PadSiteList pads;
    ArrayParameters params;
    std::unique_ptr<CArrayPreviewWnd> window;
};

TEST_F(ArrayPreviewPaintTest, OverlappingPadsOrTheirColours) {
    pads.Pin1Pad = Square(40, kRed);
    pads.DefaultPad = Square(40, kGreen);
    pads.Append(70, 90, 0, "1", 1);
    pads.Append(100, 90, 0, "2", 1);
    const Surface s = Paint();
    // One unit a pixel, 10 pixels of margin: the pads cover 60..100 and 90..130.
    EXPECT_EQ(s.Pixel(95, 100), kYellow);
    EXPECT_EQ(s.Pixel(65, 100), kRed);
    EXPECT_EQ(s.Pixel(125, 100), kGreen);
    EXPECT_EQ(s.Pixel(2, 2), 0u);
}

// Pin 1 sharp and the others rounded by the host's ratio: the rounded pad loses its corner
// pixels, not its middle, and the two do not share an image.
TEST_F(ArrayPreviewPaintTest, RoundedPadsLoseTheirCornersOnly) {
    pads.Pin1Pad = Square(40, kRed);
    pads.DefaultPad = Square(40, kGreen);
    pads.DefaultPad.CornerRatio = 2500;
    pads.Append(40, 90, 0, "1", 1);
    pads.Append(140, 90, 0, "2", 1);
    const Surface s = Paint();
    EXPECT_EQ(s.Pixel(31, 81), kRed) << "the sharp pad's corner";
    EXPECT_EQ(s.Pixel(131, 81), 0u) << "the rounded pad's corner";
    EXPECT_EQ(s.Pixel(150, 100), kGreen);
    EXPECT_EQ(s.Pixel(131, 100), kGreen) << "the middle of its side";
    EXPECT_LT(Count(s, kGreen), Count(s, kRed));
}

TEST_F(ArrayPreviewPaintTest, ListWithoutSitesStaysBlack) {
    const Surface s = Paint();
    EXPECT_EQ(Count(s, 0), 200 * 200);
}

// Images are in pixels, so a new size renders them afresh; and the window never gets tiny.
TEST_F(ArrayPreviewPaintTest, ResizeEmptiesTheCacheAndTheMinimumIs120) {
    pads.Pin1Pad = pads.DefaultPad = Square(40, kRed);
    pads.Append(90, 90, 0, "1", 1);
    Paint();
    EXPECT_TRUE(HasPadImages());
    SetWindowPos(window->m_hWnd, 0, 0, 0, 300, 250, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(HasPadImages());
    MINMAXINFO limits{};
    SendMessageA(window->m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 120);
    EXPECT_EQ(limits.ptMinTrackSize.y, 120);
}

struct NameCase {
    int32_t side;
    bool named;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.side; }

class ArrayPreviewNameTest : public ArrayPreviewPaintTest, public ::testing::WithParamInterface<NameCase> {};

// A name is half the pad's smaller side high, and left out below 8 pixels.
TEST_P(ArrayPreviewNameTest, NamesOnlyPadsOfSixteenPixels) {
    params.DisplayPadName = 1;
    pads.Pin1Pad = pads.DefaultPad = Square(GetParam().side, kRed);
    pads.Append(90, 90, 0, "8", 1);
    const Surface s = Paint();
    int top = 200, bottom = -1;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (s.Pixel(x, y) == kMagenta) top = std::min(top, y), bottom = std::max(bottom, y);
    EXPECT_EQ(bottom >= 0, GetParam().named);
    if (GetParam().named) { EXPECT_LE(bottom - top + 1, 9); }
}

INSTANTIATE_TEST_SUITE_P(Sides, ArrayPreviewNameTest, ::testing::Values(NameCase{15, false}, NameCase{16, true}));

struct MarkerCase {
    int32_t plusAtPin1, crossAtPin1;
    bool plusOnPin1, crossOnPin1;
};

void PrintTo(const MarkerCase& c, std::ostream* out) { *out << c.plusAtPin1 << c.crossAtPin1; }

class ArrayPreviewMarkerTest : public ArrayPreviewPaintTest, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(ArrayPreviewMarkerTest, MarkersStandWhereTheFlagsSay) {
    MarkerColour = kWhite;
    params.PlusMarkerAtPin1 = GetParam().plusAtPin1;
    params.CrossMarkerAtPin1 = GetParam().crossAtPin1;
    pads.Pin1Pad = pads.DefaultPad = Square(4, 0);
    pads.Append(30, 150, 0, "1", 1);
    pads.Append(150, 30, 0, "2", 1);
    pads.Center = POINT{120, 60};
    const Surface s = Paint();
    const PreviewScale scale(pads.Bounds, 200, 200);
    const POINT pin1 = scale.ToWindow(30, 150), centre = scale.ToWindow(120, 60);
    // The plus reaches 16 pixels sideways; the cross's diagonals run out to 12 pixels, beyond
    // the plus's circle.
    auto plusAt = [&](POINT p) { return s.Pixel(p.x + 15, p.y) == kWhite; };
    auto crossAt = [&](POINT p) { return s.Pixel(p.x + 11, p.y + 11) == kWhite; };
    EXPECT_EQ(plusAt(pin1), GetParam().plusOnPin1);
    EXPECT_EQ(plusAt(centre), !GetParam().plusOnPin1);
    EXPECT_EQ(crossAt(pin1), GetParam().crossOnPin1);
    EXPECT_EQ(crossAt(centre), !GetParam().crossOnPin1);
}

INSTANTIATE_TEST_SUITE_P(Flags, ArrayPreviewMarkerTest,
                         ::testing::Values(MarkerCase{0, 0, false, false}, MarkerCase{1, 1, true, true},
                                           MarkerCase{1, 0, true, false}, MarkerCase{0, 2, false, false}));

}  // namespace
