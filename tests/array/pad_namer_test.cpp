// Pad names made one after the other: whatever the namer keeps from pad to pad, each name is
// the one the format makes of that pad's own index texts.
#include "array/pad_namer.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "tests/array/array_fixture.h"

namespace {

struct NamerCase {
    const char* format;
    bool alphaX, alphaY;
};

void PrintTo(const NamerCase& c, std::ostream* os) { *os << '"' << c.format << '"' << c.alphaX << c.alphaY; }

class PadNamerTest : public ArrayFixture, public ::testing::WithParamInterface<NamerCase> {};

TEST_P(PadNamerTest, EachNameIsItsOwnIndicesExpanded) {
    const NamerCase& c = GetParam();
    SetNameFormat(params, c.format);
    params.X.Alphabetic = c.alphaX;
    params.Y.Alphabetic = c.alphaY;
    PadNamer namer(params);
    // Indices that stay, move on, come back, and reach the ends of the letter and number forms.
    const std::pair<int32_t, int32_t> indices[] = {{1, 0},   {2, 0},         {2, 0},      {3, 1},
                                                   {1, 1},   {1, 0},         {-1, 17},    {18, 18},
                                                   {18, 17}, {INT32_MIN, -1}, {111150, INT32_MAX}, {0, 0}};
    for (const auto& [x, y] : indices) {
        char xText[kIndexTextBuffer];
        char yText[kIndexTextBuffer];
        const std::string_view xs(xText, IndexText(x, c.alphaX, xText));
        const std::string_view ys(yText, IndexText(y, c.alphaY, yText));
        EXPECT_EQ(namer.Name(x, y), BuildPadName(c.format, xs, ys)) << "indices " << x << ", " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, PadNamerTest, ::testing::Values(
    NamerCase{"%X", false, false}, NamerCase{"%x", true, false}, NamerCase{"%Y", false, true},
    NamerCase{"%y", false, false}, NamerCase{"%Y%X", false, true}, NamerCase{"%X%Y", true, true},
    NamerCase{"P%X-%X", false, false}, NamerCase{"\\%X", false, false}, NamerCase{"%%X", false, false},
    NamerCase{"%X%", true, false}, NamerCase{"%Q", false, false}, NamerCase{"", false, false}));

}  // namespace
