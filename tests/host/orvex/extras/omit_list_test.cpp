// Which pads a list of names and ranges leaves out, on a grid's names and on numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/orvex/extras/omit_list.h"

namespace {

// Rows A, B, C, W, Y, AA of four columns, then numbers, a negative name and a repeated one,
// then letters alone as an alphabetic axis names its pads.
std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const char* row : {"A", "B", "C", "W", "Y", "AA"})
        for (int column = 1; column <= 4; ++column) names.push_back(row + std::to_string(column));
    for (const char* n : {"1", "2", "5", "6", "7", "8", "12", "-3", "9", "9", "B", "C", "D", "AB"}) names.push_back(n);
    return names;
}

struct OmitCase {
    const char* name;
    std::vector<std::string> items;
    std::vector<std::string> omitted;     // in pin order
    std::vector<std::string> unmatched;
};
class OmitListTest : public ::testing::TestWithParam<OmitCase> {};

TEST_P(OmitListTest, TakesTheNamedPadsAndTellsWhatTookNone) {
    const std::vector<std::string> names = Names();
    const OmitSelection s = SelectOmitted(GetParam().items, names);
    ASSERT_EQ(s.omitted.size(), names.size());
    std::vector<std::string> omitted;
    for (size_t i = 0; i < names.size(); ++i)
        if (s.omitted[i]) omitted.push_back(names[i]);
    EXPECT_EQ(omitted, GetParam().omitted);
    EXPECT_EQ(s.unmatched, GetParam().unmatched);
}

INSTANTIATE_TEST_SUITE_P(Items, OmitListTest, ::testing::Values(
    OmitCase{"Names", {"A1", "C4"}, {"A1", "C4"}, {}},
    OmitCase{"Block", {"B2-C3"}, {"B2", "B3", "C2", "C3"}, {}},
    OmitCase{"BlockGivenBackwards", {"C2-B3"}, {"B2", "B3", "C2", "C3"}, {}},
    OmitCase{"RowsAcrossTheLetterLength", {"W4-AA4"}, {"W4", "Y4", "AA4"}, {}},
    OmitCase{"NumbersOnlyWhereTheyAreNumbers", {"5-8"}, {"5", "6", "7", "8"}, {}},
    OmitCase{"EndsMustBePads", {"1-3", "A1-A5", "A5"}, {}, {"1-3", "A1-A5", "A5"}},
    OmitCase{"ANameWithADashIsAName", {"-3"}, {"-3"}, {}},
    OmitCase{"EveryPadOfARepeatedName", {"9"}, {"9", "9"}, {}},
    OmitCase{"DigitsBeforeLettersAreNoRange", {"1A-2A", "12-"}, {}, {"1A-2A", "12-"}},
    OmitCase{"LettersAlone", {"C-AB"}, {"C", "D", "AB"}, {}},
    OmitCase{"LettersAndNumbersDoNotMix", {"B-C4", "B2-C"}, {}, {"B-C4", "B2-C"}},
    OmitCase{"NumbersBeyondALongAreNoRange", {"1-99999999999999999999"}, {}, {"1-99999999999999999999"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
