// Pad names: letter indices over the active alphabet, name formats and the format check.
#include "array/pad_naming.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/array/array_fixture.h"

namespace {

struct AlphaCase {
    int32_t value;
    const char* name;
};

class AlphaIndexNameTest : public ArrayFixture, public ::testing::WithParamInterface<AlphaCase> {};

TEST_P(AlphaIndexNameTest, DefaultAlphabet) {
    EXPECT_EQ(AlphaIndexName(GetParam().value), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(LengthBoundaries, AlphaIndexNameTest, ::testing::Values(
    AlphaCase{0, "A"}, AlphaCase{7, "I"}, AlphaCase{17, "W"}, AlphaCase{18, "AA"},
    AlphaCase{19, "AB"}, AlphaCase{341, "WW"}, AlphaCase{342, "AAA"}, AlphaCase{6173, "WWW"},
    AlphaCase{6174, "AAAA"}, AlphaCase{111149, "WWWW"}, AlphaCase{111150, "?"},
    AlphaCase{INT32_MAX, "?"}, AlphaCase{-1, "?"}, AlphaCase{INT32_MIN, "?"}));

TEST_F(ArrayFixture, AlphaIndexNameFollowsTheActiveAlphabet) {
    Alphabet two{};
    two['X' - 'A'] = 1;
    two['B' - 'A'] = 1;
    SetActiveAlphabet(two);
    EXPECT_EQ(AlphaIndexName(0), "B");
    EXPECT_EQ(AlphaIndexName(1), "X");
    EXPECT_EQ(AlphaIndexName(2), "BB");
    EXPECT_EQ(AlphaIndexName(29), "XXXX");
    EXPECT_EQ(AlphaIndexName(30), "?");

    // A letter swapped in the table itself, the count unchanged: the names follow at once.
    ActiveAlphabet['B' - 'A'] = 0;
    ActiveAlphabet['C' - 'A'] = 1;
    EXPECT_EQ(AlphaIndexName(0), "C");
    EXPECT_EQ(AlphaIndexName(2), "CC");

    SetActiveAlphabet(Alphabet{});
    EXPECT_EQ(AlphaIndexName(0), "");
    EXPECT_EQ(AlphaIndexName(-5), "");   // no letters: empty even where "?" would stand
}

struct FormatCase {
    const char* format;
    const char* name;   // with X text "12" and Y text "C"
};

class BuildPadNameTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(BuildPadNameTest, Expands) {
    EXPECT_EQ(BuildPadName(GetParam().format, "12", "C"), GetParam().name);
    char small[kPadNameBuffer];
    BuildPadName(GetParam().format, "12", "C", small, sizeof small);
    EXPECT_STREQ(small, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Formats, BuildPadNameTest, ::testing::Values(
    FormatCase{"%X", "12"}, FormatCase{"%Y%X", "C12"}, FormatCase{"%x-%y", "12-C"},
    FormatCase{"P\\%X", "P%X"}, FormatCase{"\\\\%X", "\\12"}, FormatCase{"A%QB", "AB"},
    FormatCase{"%X%", "12"}, FormatCase{"%X\\", "12"}, FormatCase{"", ""},
    FormatCase{"%X%X%X%X%X", "1212121212"}));

TEST(BuildPadName, LongResultsAreCutToTheBuffer) {
    char name[8];
    EXPECT_EQ(BuildPadName("%X%X%X", "123", "", name, sizeof name), 7u);
    EXPECT_STREQ(name, "1231231");
}

TEST_F(ArrayFixture, PadNameWritesEachIndexAsItsAxisSays) {
    SetNameFormat(params, "%Y%X");
    params.Y.Alphabetic = 1;
    EXPECT_EQ(PadName(params, -12, 1), "B-12");   // numeric keeps the sign
    EXPECT_EQ(PadName(params, 3, -1), "?3");
    params.X.Alphabetic = 1;
    params.Y.Alphabetic = 0;
    EXPECT_EQ(PadName(params, 18, INT32_MIN), "-2147483648AA");
}

struct CheckCase {
    ArrayStyle style;
    const char* format;
    int message;        // 0: accepted
    int32_t fields;     // when accepted
};

class CheckNameFormatTest : public ArrayFixture, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckNameFormatTest, ReportsTheLastProblem) {
    const CheckCase& c = GetParam();
    params.Style = c.style;
    params.FormatFields = 77;
    const int result = CheckNameFormat(c.format, params, 0);
    if (c.message == 0) {
        EXPECT_EQ(result, 1);
        EXPECT_EQ(params.FormatFields, c.fields);
        EXPECT_TRUE(ShownMessageBoxes().empty());
        return;
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(params.FormatFields, 77);
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    const ShownMessageBox& box = ShownMessageBoxes()[0];
    EXPECT_EQ(box.Caption, "Formatting Error");
    EXPECT_EQ(box.Type & MB_TYPEMASK, MB_OK);
    EXPECT_EQ(box.Text, "Invalid pad format string - " + AfxLoadString(c.message) + ".");
}

INSTANTIATE_TEST_SUITE_P(Styles, CheckNameFormatTest, ::testing::Values(
    CheckCase{ArrayStyle::Grid, "%Y%X", 0, 3},
    CheckCase{ArrayStyle::Grid, "%x", 0, 1},
    CheckCase{ArrayStyle::DualQuad, "P\\%X%Y", 0, 2},
    CheckCase{ArrayStyle::Circular, "%X", 0, 1},
    CheckCase{ArrayStyle::Grid, "%X%X", IDS_FORMAT_X_TWICE, 0},
    CheckCase{ArrayStyle::Circular, "%Y", IDS_FORMAT_Y_NOT_ALLOWED, 0},
    CheckCase{ArrayStyle::StaggerY, "%X%Y", IDS_FORMAT_X_NOT_ALLOWED, 0},
    CheckCase{ArrayStyle::StaggerX, "", IDS_FORMAT_NO_FIELD, 0},
    CheckCase{ArrayStyle::StaggerX, "\\%X", IDS_FORMAT_NO_FIELD, 0},
    CheckCase{ArrayStyle::StaggerX, "%X%", IDS_FORMAT_LAST_CHAR, 0},
    CheckCase{ArrayStyle::StaggerX, "%X\\", IDS_FORMAT_LAST_CHAR, 0},
    CheckCase{ArrayStyle::StaggerX, "%Z%X", IDS_FORMAT_BAD_PERCENT, 0},
    // A later problem replaces an earlier one.
    CheckCase{ArrayStyle::Grid, "%Q%Y%Y", IDS_FORMAT_Y_TWICE, 0},
    CheckCase{ArrayStyle::ChipCarrier, "%Y%X%X", IDS_FORMAT_X_TWICE, 0}));

TEST_F(ArrayFixture, FormatMessageHoldsOneBackslash) {
    params.Style = ArrayStyle::Grid;
    CheckNameFormat("%X%", params, 0);
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(ShownMessageBoxes()[0].Text,
              "Invalid pad format string - last character must not be a '\\' or a '%'.");
}

}  // namespace
