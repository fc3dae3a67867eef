// The recipe record: every field comes back as written, and what the dialog could not have
// written is refused rather than set up as a page.
#include "array/footprint_recipe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>

#include "host/zelmdb/byte_record.h"

namespace {

// Every field distinct from its default and from its neighbours, so a swapped offset shows.
FootprintRecipe FullRecipe() {
    FootprintRecipe r;
    ArrayParameters& a = r.Parameters;
    a.Style = ArrayStyle::Grid;
    a.DisplayDrill = 0, a.DisplayPadName = 1;
    SetNameFormat(a, "%Y%X");
    a.RowDelta = -1, a.AngleStep = 2430;
    a.FormatFields = 3, a.CornerStart = 1, a.CrossMarkerAtPin1 = 1, a.PlusMarkerAtPin1 = 0;
    a.ContinueNumbering = 1, a.Radius = 4.5, a.StaggerW = -2.25, a.StaggerZ = 0.125;
    a.X = {3, -2, 1, 16, 1.27};
    a.Y = {7, 5, 0, 12, 0.8};
    a.DefaultPadstackName = "R60 default";
    a.Pin1PadstackName = std::string(255, 'Q');
    r.Letters = DefaultAlphabet;
    r.Letters[25] = 1;
    r.P = 16, r.Q = 12, r.XStart = 3, r.XIncrement = -2, r.YStart = 7, r.YIncrement = 5, r.D = -1;
    r.X = 1.27, r.Y = 0.8, r.W = -2.25, r.Z = 0.125, r.R = 4.5;
    r.AngleText = "40 30'";
    return r;
}

TEST(FootprintRecipeTest, EveryFieldComesBack) {
    const FootprintRecipe written = FullRecipe();
    const std::vector<uint8_t> bytes = EncodeRecipe(written);
    const std::optional<FootprintRecipe> read = DecodeRecipe(bytes.data(), bytes.size());
    ASSERT_TRUE(read.has_value());
    // Every field has its own value, so a field the reader dropped or misplaced changes the bytes.
    EXPECT_EQ(EncodeRecipe(*read), bytes) << "a read record writes back byte for byte";
    EXPECT_EQ(read->Parameters.Style, ArrayStyle::Grid);
    EXPECT_EQ(NameFormatOf(read->Parameters), "%Y%X");
    EXPECT_EQ(read->Parameters.Pin1PadstackName, written.Parameters.Pin1PadstackName);
    EXPECT_EQ(read->Letters, written.Letters);
    EXPECT_EQ(read->AngleText, "40 30'");
}

TEST(FootprintRecipeTest, OverlongNamesAreCutToTheirRoom) {
    FootprintRecipe r = FullRecipe();
    r.Parameters.DefaultPadstackName = std::string(400, 'L');
    const std::vector<uint8_t> bytes = EncodeRecipe(r);
    const auto read = DecodeRecipe(bytes.data(), bytes.size());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->Parameters.DefaultPadstackName, std::string(255, 'L'));
}

// One way each to damage a good record; every one must be refused.
struct Damage {
    const char* name;
    std::function<void(std::vector<uint8_t>&)> apply;
};
class RecipeDamageTest : public ::testing::TestWithParam<Damage> {};

// The offset of the first byte where two encodings differ: finds a field without restating the layout.
size_t OffsetOf(const std::function<void(FootprintRecipe&)>& change) {
    FootprintRecipe changed = FullRecipe();
    change(changed);
    const std::vector<uint8_t> a = EncodeRecipe(FullRecipe()), b = EncodeRecipe(changed);
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return i;
    return a.size();
}

// Where a double of that value is first written.
size_t DoubleAt(const std::vector<uint8_t>& bytes, double value) {
    uint8_t pattern[8];
    zelmdb::ByteRecord(pattern).SetF64(0, value);
    for (size_t i = 0; i + 8 <= bytes.size(); ++i)
        if (std::memcmp(bytes.data() + i, pattern, 8) == 0) return i;
    return bytes.size();
}

void PutI32(std::vector<uint8_t>& bytes, size_t at, int32_t value) { zelmdb::ByteRecord(bytes.data()).SetI32(at, value); }

TEST_P(RecipeDamageTest, IsRefused) {
    std::vector<uint8_t> bytes = EncodeRecipe(FullRecipe());
    ASSERT_TRUE(DecodeRecipe(bytes.data(), bytes.size()).has_value());
    GetParam().apply(bytes);
    EXPECT_FALSE(DecodeRecipe(bytes.data(), bytes.size()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Faults, RecipeDamageTest, ::testing::Values(
    Damage{"Empty", [](auto& b) { b.clear(); }},
    Damage{"OneByteShort", [](auto& b) { b.pop_back(); }},
    Damage{"OneByteLong", [](auto& b) { b.push_back(0); }},
    Damage{"Magic", [](auto& b) { b[0] ^= 0x20; }},
    Damage{"NewerVersion", [](auto& b) { b[4] = 2; }},
    Damage{"StyleZero", [](auto& b) { b[6] = 0, b[7] = 0; }},
    Damage{"StyleSeven", [](auto& b) { b[6] = 7, b[7] = 0; }},
    Damage{"PBeyondLimit", [](auto& b) { PutI32(b, OffsetOf([](auto& r) { r.P = 17; }), 3201); }},
    Damage{"QZero", [](auto& b) { PutI32(b, OffsetOf([](auto& r) { r.Q = 13; }), 0); }},
    Damage{"RowDeltaTwo", [](auto& b) { PutI32(b, OffsetOf([](auto& r) { r.D = 0; }), 2); }},
    Damage{"AlphabeticTwo", [](auto& b) { PutI32(b, OffsetOf([](auto& r) { r.Parameters.X.Alphabetic = 0; }), 2); }},
    Damage{"TooManyPads", [](auto& b) {
               PutI32(b, OffsetOf([](auto& r) { r.Parameters.X.Count = 17; }), 100);
               PutI32(b, OffsetOf([](auto& r) { r.Parameters.Y.Count = 13; }), 100);
           }},
    Damage{"SpacingNotANumber", [](auto& b) {
               zelmdb::ByteRecord(b.data()).SetF64(DoubleAt(b, 1.27), std::numeric_limits<double>::quiet_NaN());
           }},
    Damage{"RadiusHuge", [](auto& b) {
               zelmdb::ByteRecord(b.data()).SetF64(DoubleAt(b, 4.5), 1e300);
           }},
    Damage{"LetterTwo", [](auto& b) { b[OffsetOf([](auto& r) { r.Letters[0] = 0; })] = 2; }},
    Damage{"AngleTextUnterminated", [](auto& b) {
               const size_t at = OffsetOf([](auto& r) { r.AngleText.assign(1, 'X'); });
               std::memset(b.data() + at, 'x', 32);
           }},
    Damage{"NameUnterminated", [](auto& b) { std::memset(b.data() + b.size() - 256, 'N', 256); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
