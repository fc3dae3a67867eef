// Fonts through the face map, text alignment, opaque backgrounds and DrawText layout.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gdi/font_face.h"
#include "platform/gdi/gdi.h"
#include "tests/platform/gdi/golden.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF, kGreen = 0x00FF00, kBlue = 0xFF0000;

class TextCanvas : public Canvas {
public:
    TextCanvas(int w, int h, const char* face = "MS Sans Serif", int height = -12)
        : Canvas(w, h, 0) {
        font_ = CreateFontA(height, 0, 0, 0, 200, 0, 0, 0, 0, 0, 0, 0, 0, face);
        old_ = SelectObject(dc(), font_);
        SetTextColor(dc(), kWhite);
        SetBkMode(dc(), TRANSPARENT);
    }
    ~TextCanvas() {
        SelectObject(dc(), old_);
        DeleteObject(font_);
    }
    HFONT font() const { return font_; }

private:
    HFONT font_ = 0;
    HGDIOBJ old_ = 0;
};

struct FaceCase {
    const char* face;
    const char* family;
    int em;          // pixels drawn for a character height of 11
    int lineHeight;
    int baseX;       // dialog base units: the average of A-Z a-z, as dialogs take it
};
class FaceMapTest : public ::testing::TestWithParam<FaceCase> {};

// The 8-point dialog face keeps its line of 13 pixels and dialog units of 6 x 13, so templates
// lay out and captions fit as they were made to.
TEST_P(FaceMapTest, ServedByAnInstalledFamilyWithItsMetrics) {
    const FaceCase& c = GetParam();
    std::string error;
    auto face = FontFace::Open({c.face, -11, 400, false}, error);
    ASSERT_TRUE(face) << error;
    EXPECT_EQ(face->Family(), c.family);
    EXPECT_EQ(face->EmPixels(), c.em);
    const HFONT font = CreateFontA(-11, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, c.face);
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SIZE letters{};
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    EXPECT_EQ(tm.tmHeight, c.lineHeight);
    EXPECT_EQ((letters.cx / 26 + 1) / 2, c.baseX);
}

INSTANTIATE_TEST_SUITE_P(Faces, FaceMapTest, ::testing::Values(
    FaceCase{"MS Sans Serif", "Arimo", 10, 13, 6}, FaceCase{"Arial", "Arimo", 11, 13, 6},
    FaceCase{"Tahoma", "DejaVu Sans", 11, 14, 7}, FaceCase{"DejaVu Sans Mono", "DejaVu Sans Mono", 11, 14, 7}));

TEST(FontTest, MissingFamilyFailsWithAMessage) {
    const HFONT font = CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Nowhere");
    EXPECT_EQ(font, 0u);
    EXPECT_NE(GdiLastFontError().find("DejaVu Nowhere"), std::string::npos) << GdiLastFontError();
}

TEST(FontTest, TheSameRequestIsServedByTheSameFaceAndAFailureIsNotKept) {
    std::string error;
    auto first = FontFace::Open({"MS Sans Serif", -11, 400, false}, error);
    ASSERT_NE(first, nullptr) << error;
    EXPECT_EQ(FontFace::Open({"MS Sans Serif", -11, 400, false}, error), first);
    for (const FontRequest& other : {FontRequest{"MS Sans Serif", -13, 400, false}, FontRequest{"MS Sans Serif", -11, 700, false},
                                     FontRequest{"MS Sans Serif", -11, 400, true}, FontRequest{"Courier", -11, 400, false}}) {
        auto face = FontFace::Open(other, error);
        ASSERT_NE(face, nullptr) << error;
        EXPECT_NE(face, first) << other.face << " " << other.height;
    }
    EXPECT_EQ(FontFace::Open({"DejaVu Nowhere", -11, 400, false}, error), nullptr);
    error.clear();
    EXPECT_EQ(FontFace::Open({"DejaVu Nowhere", -11, 400, false}, error), nullptr);
    EXPECT_FALSE(error.empty()) << "a second request must say again why it failed";
}

TEST(FontTest, AnsiCodePageReachesLatinAndWindowsPunctuation) {
    EXPECT_EQ(FontFace::AnsiToUnicode(0xF8), 0xF8u);     // o with stroke
    EXPECT_EQ(FontFace::AnsiToUnicode(0x80), 0x20ACu);   // euro sign
    EXPECT_EQ(FontFace::AnsiToUnicode(0x96), 0x2013u);   // en dash
    EXPECT_EQ(FontFace::AnsiToUnicode('A'), uint32_t('A'));
}

TEST(TextTest, SlashedOIsDrawnFromItsAnsiByte) {
    TextCanvas o(20, 20), slashed(20, 20);
    TextOutA(o.dc(), 4, 2, "o", 1);
    TextOutA(slashed.dc(), 4, 2, "\xF8", 1);
    EXPECT_GT(slashed.Count(kWhite), o.Count(kWhite));   // the stroke adds pixels to the o
}

TEST(TextTest, MetricsFollowTheRequestedCharacterHeight) {
    TextCanvas small(10, 10, "MS Sans Serif", -12), big(10, 10, "MS Sans Serif", -24);
    TEXTMETRICA a, b;
    ASSERT_TRUE(GetTextMetricsA(small.dc(), &a));
    ASSERT_TRUE(GetTextMetricsA(big.dc(), &b));
    EXPECT_EQ(a.tmHeight, a.tmAscent + a.tmDescent);
    EXPECT_GE(a.tmHeight, 12);
    EXPECT_LE(a.tmHeight, 16);
    EXPECT_NEAR(b.tmHeight, 2 * a.tmHeight, 2);
}

// The widest advance comes from the font's metrics, not from measuring every character: it
// must still hold the widest characters of the code page, and no more than a few of them.
TEST(TextTest, MaxCharWidthHoldsTheWidestCharacters) {
    for (const char* face : {"MS Sans Serif", "Courier New", "Times New Roman"}) {
        TextCanvas c(10, 10, face, -13);
        TEXTMETRICA tm;
        ASSERT_TRUE(GetTextMetricsA(c.dc(), &tm));
        int widest = 0;
        for (int code = 32; code < 256; ++code) {
            const char ch = char(code);
            SIZE size{};
            ASSERT_TRUE(GetTextExtentPoint32A(c.dc(), &ch, 1, &size));
            widest = std::max(widest, int(size.cx));
        }
        EXPECT_GE(tm.tmMaxCharWidth, widest) << face;
        EXPECT_LE(tm.tmMaxCharWidth, 3 * widest) << face;
    }
}

struct AlignCase {
    UINT align;
    int horizontal;   // -1 text left of x, 0 centred on x, +1 right of x
    int vertical;     // -1 above y, +1 below y
};
class AlignTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignTest, ReferencePointSitsWhereTheFlagsSay) {
    TextCanvas c(120, 60);
    SetTextAlign(c.dc(), GetParam().align);
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), kBlue);
    ASSERT_TRUE(TextOutA(c.dc(), 60, 30, "Wxy", 3));
    // The opaque cell is exactly the extent: its edges tell where the text went.
    SIZE extent;
    GetTextExtentPoint32A(c.dc(), "Wxy", 3, &extent);
    RECT cell = c.Bounds(kBlue);
    const RECT ink = c.Bounds(kWhite);
    cell.left = std::min(cell.left, ink.left);
    cell.right = std::max(cell.right, ink.right);
    cell.top = std::min(cell.top, ink.top);
    cell.bottom = std::max(cell.bottom, ink.bottom);
    EXPECT_EQ(cell.right - cell.left + 1, extent.cx);
    EXPECT_EQ(cell.bottom - cell.top + 1, extent.cy);
    const AlignCase& ac = GetParam();
    if (ac.horizontal < 0) {
        EXPECT_EQ(cell.right, 59);
    }
    if (ac.horizontal == 0) {
        EXPECT_EQ(cell.left, 60 - extent.cx / 2);
    }
    if (ac.horizontal > 0) {
        EXPECT_EQ(cell.left, 60);
    }
    if (ac.vertical < 0) {
        EXPECT_EQ(cell.bottom, 29);
    }
    if (ac.vertical > 0) {
        EXPECT_EQ(cell.top, 30);
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, AlignTest, ::testing::Values(
    AlignCase{TA_LEFT | TA_TOP, 1, 1}, AlignCase{TA_CENTER | TA_BOTTOM, 0, -1},
    AlignCase{TA_RIGHT | TA_TOP, -1, 1}, AlignCase{TA_RIGHT | TA_BOTTOM, -1, -1},
    AlignCase{TA_CENTER | TA_TOP, 0, 1}));

TEST(TextTest, BaselineAlignmentPutsAscentAboveY) {
    TextCanvas c(60, 60);
    SetTextAlign(c.dc(), TA_LEFT | TA_BASELINE);
    TextOutA(c.dc(), 10, 40, "H", 1);
    const RECT ink = c.Bounds(kWhite);
    EXPECT_EQ(ink.bottom, 39);   // H stands on the baseline
    EXPECT_LT(ink.top, 40 - 6);
}

TEST(TextTest, ExtTextOutOpaqueErasesItsRectangle) {
    TextCanvas c(40, 20);
    SetBkColor(c.dc(), kGreen);
    const RECT r{5, 5, 25, 15};
    ExtTextOutA(c.dc(), 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
    EXPECT_EQ(c.Count(kGreen), 20 * 10);
}

TEST(DrawTextTest, CentredSingleLineAndMnemonicUnderline) {
    TextCanvas plain(100, 30), marked(100, 30);
    RECT r{0, 0, 100, 30};
    DrawTextA(plain.dc(), "Alphabet", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    DrawTextA(marked.dc(), "&Alphabet", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const RECT ink = plain.Bounds(kWhite);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 50, 2);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 15, 3);
    EXPECT_GT(marked.Count(kWhite), plain.Count(kWhite));   // the A is underlined
}

TEST(DrawTextTest, WordBreakMeasuresSeveralLines) {
    TextCanvas c(10, 10);
    RECT r{0, 0, 60, 0};
    const int h = DrawTextA(c.dc(), "one two three four", -1, &r, DT_WORDBREAK | DT_CALCRECT);
    TEXTMETRICA tm;
    GetTextMetricsA(c.dc(), &tm);
    EXPECT_GE(h, 2 * tm.tmHeight);
    EXPECT_EQ(r.bottom, h);
    EXPECT_LE(r.right, 60);
    EXPECT_EQ(c.Count(kWhite), 0);   // measuring draws nothing
}

}  // namespace
