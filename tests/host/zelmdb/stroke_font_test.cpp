// The stroke font through TextGetSegments: every glyph draws inside the extent it reports.
#include <cstring>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/stroke_font.h"
#include "host/zelmdb/zelmdb.h"
#include "tests/host/zelmdb/design_fixture.h"

using namespace zelmdb;

namespace {

const char* const PadNameCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_.,()[]/\\+#&':!?*=<>|";

TEST(StrokeFontTest, EveryPadNameCharacterHasItsOwnGlyph) {
    for (const char* c = PadNameCharacters; *c; ++c) {
        EXPECT_TRUE(StrokeFont::HasGlyph(*c)) << *c;
        EXPECT_FALSE(StrokeFont::Draw(std::string(1, *c), 0, 0, 600, 100).segments.empty()) << *c;
    }
    EXPECT_FALSE(StrokeFont::HasGlyph('~'));
    EXPECT_FALSE(StrokeFont::Draw("~", 0, 0, 600, 100).segments.empty()) << "missing glyphs show as a box";
}

TEST(StrokeFontTest, DistinctCharactersDrawDifferently) {
    const std::string chars = PadNameCharacters;
    for (size_t i = 0; i < chars.size(); ++i) {
        for (size_t j = i + 1; j < chars.size(); ++j) {
            const auto a = StrokeFont::Draw(std::string(1, chars[i]), 0, 0, 600, 100).segments;
            const auto b = StrokeFont::Draw(std::string(1, chars[j]), 0, 0, 600, 100).segments;
            const bool same = a.size() == b.size() &&
                              std::memcmp(a.data(), b.data(), a.size() * sizeof(Segment)) == 0;
            EXPECT_FALSE(same) << chars[i] << " and " << chars[j];
        }
    }
}

struct TextCase {
    const char* text;
    int32_t x, y, height;
};
class TextGetSegmentsTest : public DesignFixture, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextGetSegmentsTest, SegmentsLieInsideTheExtent) {
    uint8_t* record = MemAllocUnion();
    uint8_t* segments = MemAllocUnion();
    std::memset(record, 0, TextRecordLayout::Size);
    ByteRecord r(record);
    r.SetI32(0x1C, GetParam().height);
    r.SetI32(0x20, GetParam().x);
    r.SetI32(0x24, GetParam().y);
    r.SetI16(0x30, 100);
    r.SetText(0x37, GetParam().text, 256);
    const int32_t count = TextGetSegments(record, segments);
    const ByteRecord s = ReadOnly(segments);
    ASSERT_EQ(s.U16(0), count);
    const int32_t xl = r.I32(0x08), yl = r.I32(0x0C), xh = r.I32(0x10), yh = r.I32(0x14);
    EXPECT_EQ(xl, GetParam().x);
    EXPECT_LE(yl, GetParam().y);
    if (*GetParam().text != '\0') {
        EXPECT_EQ(yh, GetParam().y + GetParam().height);
        EXPECT_GT(count, 0);
    }
    for (int i = 0; i < count; ++i) {
        const size_t at = 4 + 16 * size_t(i);
        for (size_t k = 0; k < 16; k += 8) {
            EXPECT_GE(s.I32(at + k), xl);
            EXPECT_LE(s.I32(at + k), xh);
            EXPECT_GE(s.I32(at + k + 4), yl);
            EXPECT_LE(s.I32(at + k + 4), yh);
        }
    }
    MemFreeUnion(record);
    MemFreeUnion(segments);
}
INSTANTIATE_TEST_SUITE_P(Texts, TextGetSegmentsTest, ::testing::Values(
    TextCase{"&Comp", 0, 0, 12700}, TextCase{"A1", -5000, 300, 8}, TextCase{"gjpqy", 10, 10, 600},
    TextCase{"", 7, 9, 600}, TextCase{"R60(90.00)", 1000000, -1000000, 2000000}));

TEST(StrokeFontTest, WiderTextHasWiderExtentAndWidthPercentStretches) {
    const auto one = StrokeFont::Draw("W", 0, 0, 600, 100);
    const auto two = StrokeFont::Draw("WW", 0, 0, 600, 100);
    const auto wide = StrokeFont::Draw("W", 0, 0, 600, 200);
    EXPECT_EQ(one.xHigh, 400);
    EXPECT_EQ(two.xHigh, 1000);
    EXPECT_EQ(wide.xHigh, 800);
    EXPECT_EQ(wide.yHigh, one.yHigh);
}

}  // namespace
