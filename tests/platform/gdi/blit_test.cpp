// Block transfers: the mask-and-image compositing of pads, clipping and the general ROP path.
#include <gtest/gtest.h>

#include <random>
#include <vector>

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
    EXPECT_TRUE(MatchesGolden(c.surface(), "gdi/pad_compositing.png"));
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

// A transfer done again onto the same place redoes only what changed since; whatever changed
// in between (a line, a copy from elsewhere, the source itself), the pixels must be those of a
// plain per-pixel model of every step.
struct Model {
    std::vector<COLORREF> px;
    int width;
    COLORREF& at(int x, int y) { return px[size_t(y * width + x)]; }
};

void Check(const Canvas& c, Model& m, const char* step) {
    for (int y = 0; y < c.surface().Height(); ++y)
        for (int x = 0; x < c.surface().Width(); ++x)
            ASSERT_EQ(c.at(x, y), m.at(x, y)) << step << " at (" << x << ", " << y << ")";
}

void Blit(const Canvas& to, Model& m, const Canvas& from, int x, int y, DWORD rop) {
    BitBlt(to.dc(), x, y, from.surface().Width(), from.surface().Height(), from.dc(), 0, 0, rop);
    for (int j = 0; j < from.surface().Height(); ++j)
        for (int i = 0; i < from.surface().Width(); ++i) {
            if (x + i >= m.width || y + j >= int(m.px.size()) / m.width) continue;
            COLORREF& d = m.at(x + i, y + j);
            d = rop == SRCAND ? (d & from.at(i, j)) : rop == SRCPAINT ? (d | from.at(i, j)) : from.at(i, j);
        }
}

TEST(BlitTest, RepeatedTransfersRedoWhatChangedInBetween) {
    std::mt19937 random(7);
    Canvas c(24, 20, 0x000010), image(10, 8, 0), mask(10, 8, 0), other(6, 6, 0x123456);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            SetPixel(image.dc(), x, y, random() & 0xF0F0F0);
            SetPixel(mask.dc(), x, y, (x + y) % 3 ? 0xFFFFFF : 0x0F0F0F);
        }
    Model m{std::vector<COLORREF>(24 * 20, 0x000010), 24};
    HPEN pen = CreatePen(PS_SOLID, 1, 0x0000FF);
    HGDIOBJ old = SelectObject(c.dc(), pen);
    for (DWORD rop : {SRCPAINT, SRCAND}) {
        const Canvas& source = rop == SRCAND ? mask : image;
        Blit(c, m, source, 5, 4, rop);
        Check(c, m, "first");
        Blit(c, m, source, 5, 4, rop);
        Check(c, m, "again, nothing in between");
        MoveToEx(c.dc(), 0, 6, nullptr);   // a line across, as a pad's name is drawn
        LineTo(c.dc(), 23, 6);
        for (int x = 0; x < 23; ++x) m.at(x, 6) = 0x0000FF;
        Blit(c, m, source, 5, 4, rop);
        Check(c, m, "after a line");
        Blit(c, m, other, 7, 5, SRCCOPY);
        Blit(c, m, source, 5, 4, rop);
        Check(c, m, "after a copy from elsewhere");
        SetPixel(source.dc(), 3, 2, 0x00FF00);
        Blit(c, m, source, 5, 4, rop);
        Check(c, m, "after the source changed");
        Blit(c, m, source, 6, 4, rop);
        Check(c, m, "one pixel further");
    }
    SelectObject(c.dc(), old);
    DeleteObject(pen);
}

TEST(BlitTest, AllWhiteMaskLeavesEveryPixelAlone) {
    Canvas c(12, 12, 0), mask(12, 12, 0);
    PatBlt(mask.dc(), 0, 0, 12, 12, WHITENESS);
    for (int i = 0; i < 12; ++i) SetPixel(c.dc(), i, i, COLORREF(0x010203 * (i + 1)));
    BitBlt(c.dc(), 0, 0, 12, 12, mask.dc(), 0, 0, SRCAND);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(c.at(i, i), COLORREF(0x010203 * (i + 1)));
    SetPixel(mask.dc(), 4, 4, 0x00FF00);   // no longer all white: the AND takes effect
    BitBlt(c.dc(), 0, 0, 12, 12, mask.dc(), 0, 0, SRCAND);
    EXPECT_EQ(c.at(4, 4), COLORREF(0x010203 * 5) & 0x00FF00);
    EXPECT_EQ(c.at(5, 5), COLORREF(0x010203 * 6));
}

// A line drawn again onto pixels that still hold it is skipped. Against a canvas that forgets
// its lines after every step, whatever comes in between (a line in another colour or mix mode,
// a pixel, a transfer done again) must leave the same pixels.
TEST(BlitTest, RepeatedLinesMatchLinesDrawnAfresh) {
    std::mt19937 random(11);
    Canvas held(40, 30, 0), fresh(40, 30, 0), image(12, 10, 0), mask(12, 10, 0xFFFFFF);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            SetPixel(image.dc(), x, y, (x + y) % 2 ? 0x00C000 : 0x0000C0);
            if ((x * y) % 5 == 1) SetPixel(mask.dc(), x, y, 0x00FF00);
        }
    const POINT lines[][2] = {{{2, 3}, {37, 20}}, {{10, 0}, {10, 29}}, {{-5, 12}, {45, 12}},
                              {{30, 2}, {4, 27}}, {{15, 15}, {22, 9}}};
    const COLORREF colours[] = {0xFFFFFF, 0x0000FF, 0x00C000};
    HPEN pens[3];
    for (int i = 0; i < 3; ++i) pens[i] = CreatePen(PS_SOLID, 1, colours[i]);
    for (int step = 0; step < 600; ++step) {
        const unsigned what = random() % 10, pick = random();
        for (const Canvas* c : {&held, &fresh}) {
            const HDC dc = c->dc();
            const POINT* line = lines[pick % 5];
            if (what < 6) {
                SelectObject(dc, pens[what < 4 ? 0 : (pick / 5) % 3]);
                SetROP2(dc, what == 5 ? R2_XORPEN : R2_COPYPEN);
                MoveToEx(dc, line[0].x, line[0].y, nullptr);
                LineTo(dc, line[1].x, line[1].y);
            } else if (what < 8) {
                const Canvas& source = what == 6 ? image : mask;
                BitBlt(dc, 14, 8, 12, 10, source.dc(), 0, 0, what == 6 ? SRCPAINT : SRCAND);
            } else {
                SetPixel(dc, int(pick % 40), int(pick / 40 % 30), 0x808080);
            }
        }
        BitBlt(fresh.dc(), 0, 0, 1, 1, fresh.dc(), 0, 0, SRCCOPY);   // changes nothing, forgets every line
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) ASSERT_EQ(held.at(x, y), fresh.at(x, y)) << "step " << step << " at " << x << ", " << y;
    }
    for (const Canvas* c : {&held, &fresh}) SelectObject(c->dc(), GetStockObject(BLACK_PEN));
    for (HPEN pen : pens) DeleteObject(pen);
}
