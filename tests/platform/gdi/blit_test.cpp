// Block transfers: the mask-and-image compositing of pads, clipping and the general ROP path.
#include <gtest/gtest.h>

#include <random>

#include "platform/gdi/gdi.h"
#include "tests/platform/gdi/golden.h"

namespace {

constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

// A pad image: a coloured disc on black, and its white mask of the same size.
struct PadImage {
    Canvas image{9, 9, 0};
    Canvas mask{9, 9, 0};
    explicit PadImage(COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        HPEN pen = CreatePen(PS_SOLID, 1, colour);
        HGDIOBJ oldBrush = SelectObject(image.dc(), brush), oldPen = SelectObject(image.dc(), pen);
        Ellipse(image.dc(), 0, 0, 9, 9);
        SelectObject(image.dc(), oldBrush);
        SelectObject(image.dc(), oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
        PatBlt(mask.dc(), 0, 0, 9, 9, WHITENESS);
    }
    void Stamp(HDC dc, int x, int y) const {
        BitBlt(dc, x, y, 9, 9, mask.dc(), 0, 0, SRCAND);
        BitBlt(dc, x, y, 9, 9, image.dc(), 0, 0, SRCPAINT);
    }
};

TEST(BlitTest, MaskThenImageOrsPadColourAndKeepsBackground) {
    Canvas c(30, 20, 0);
    PadImage red(kRed), green(kGreen);
    red.Stamp(c.dc(), 2, 2);
    green.Stamp(c.dc(), 6, 2);   // overlapping pads combine by OR
    EXPECT_EQ(c.at(3, 6), kRed);
    EXPECT_EQ(c.at(13, 6), kGreen);
    EXPECT_EQ(c.at(8, 6), kRed | kGreen);
    EXPECT_EQ(c.at(2, 2), 0u);   // the disc's black corner leaves the window black
    EXPECT_TRUE(MatchesGolden(c.surface(), "pad_compositing"));
}

TEST(BlitTest, ClippedAtEveryEdgeOfDestination) {
    Canvas c(10, 10, 0);
    Canvas src(6, 6, kBlue);
    EXPECT_TRUE(BitBlt(c.dc(), -3, -2, 6, 6, src.dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(c.dc(), 7, 8, 6, 6, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(c.Count(kBlue), 3 * 4 + 3 * 2);
}

TEST(BlitTest, SourceOutsideItsBitmapIsNotRead) {
    Canvas c(10, 10, 0);
    Canvas src(4, 4, kBlue);
    EXPECT_TRUE(BitBlt(c.dc(), 0, 0, 10, 10, src.dc(), 2, 2, SRCCOPY));
    EXPECT_EQ(c.Count(kBlue), 4);
}

TEST(BlitTest, BlacknessAndWhitenessNeedNoSource) {
    Canvas c(8, 8, kBlue);
    EXPECT_TRUE(PatBlt(c.dc(), 0, 0, 4, 8, BLACKNESS));
    EXPECT_TRUE(BitBlt(c.dc(), 4, 0, 4, 8, 0, 0, 0, WHITENESS));
    EXPECT_EQ(c.Count(0), 32);
    EXPECT_EQ(c.Count(0xFFFFFF), 32);
    EXPECT_FALSE(PatBlt(c.dc(), 0, 0, 4, 4, SRCCOPY));   // reads a source it was not given
}

TEST(BlitTest, OverlappingCopyWithinOneBitmap) {
    Canvas c(4, 8, 0);
    for (int y = 0; y < 8; ++y) SetPixel(c.dc(), 0, y, COLORREF(y + 1));
    BitBlt(c.dc(), 0, 2, 1, 6, c.dc(), 0, 0, SRCCOPY);
    for (int y = 2; y < 8; ++y) EXPECT_EQ(c.at(0, y), COLORREF(y - 1)) << y;
}

class RopCodeTest : public ::testing::TestWithParam<DWORD> {};

// The fast paths and the general truth-table path must agree on every bit.
TEST_P(RopCodeTest, MatchesTruthTable) {
    std::mt19937 random(7);
    Canvas dest(16, 4), source(16, 4);
    Surface before(16, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 16; ++x) {
            const COLORREF d = random() & 0xFFFFFF, s = random() & 0xFFFFFF;
            SetPixel(dest.dc(), x, y, d);
            SetPixel(source.dc(), x, y, s);
            before.SetPixel(x, y, d);
        }
    HBRUSH brush = CreateSolidBrush(0x5A3C96);
    HGDIOBJ old = SelectObject(dest.dc(), brush);
    ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 16, 4, source.dc(), 0, 0, GetParam()));
    SelectObject(dest.dc(), old);
    DeleteObject(brush);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(dest.at(x, y), ApplyRop3(GetParam(), 0x5A3C96, source.at(x, y), before.Pixel(x, y)));
}

INSTANTIATE_TEST_SUITE_P(Common, RopCodeTest, ::testing::Values(
    SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, SRCERASE, NOTSRCCOPY, NOTSRCERASE, MERGECOPY,
    MERGEPAINT, PATCOPY, PATPAINT, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS));

TEST(BlitTest, RopSourceUseIsReadFromTheCode) {
    EXPECT_TRUE(Rop3UsesSource(SRCAND));
    EXPECT_FALSE(Rop3UsesSource(PATCOPY));
    EXPECT_FALSE(Rop3UsesSource(DSTINVERT));
    EXPECT_TRUE(Rop3UsesPattern(MERGECOPY));
    EXPECT_FALSE(Rop3UsesPattern(SRCPAINT));
}

}  // namespace
