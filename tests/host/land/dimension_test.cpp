// The written forms of a dimension and the JSON constructors: what each form means, what is
// refused and that the refusal names the key.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/land/dimension.h"

namespace {

using land::Dimension;

struct FormCase {
    const char* text;
    double min, nominal, max;
};
class DimensionFormTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(DimensionFormTest, ReadsMinNominalMax) {
    const FormCase& c = GetParam();
    const auto d = land::ParseDimension(c.text, "lead_width");
    ASSERT_TRUE(d.ok()) << d.error();
    EXPECT_DOUBLE_EQ(d.value().min, c.min);
    EXPECT_DOUBLE_EQ(d.value().nominal, c.nominal);
    EXPECT_DOUBLE_EQ(d.value().max, c.max);
    // The shortest text gives the same dimension back.
    const auto again = land::ParseDimension(land::DimensionText(d.value()), "lead_width");
    ASSERT_TRUE(again.ok()) << land::DimensionText(d.value());
    EXPECT_NEAR(again.value().nominal, c.nominal, 1e-9);
    EXPECT_NEAR(again.value().Tolerance(), c.max - c.min, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Forms, DimensionFormTest, ::testing::Values(
    FormCase{"0.4", 0.4, 0.4, 0.4},
    FormCase{"6.0+-0.2", 5.8, 6.0, 6.2},
    FormCase{" 6.0 +- 0.2 ", 5.8, 6.0, 6.2},
    FormCase{"6\xC2\xB1" "0.25", 5.75, 6.0, 6.25},
    FormCase{"0.31..0.51", 0.31, 0.41, 0.51},
    FormCase{"4.8 .. 4.9 .. 5.0", 4.8, 4.9, 5.0},
    FormCase{"0.2..0.2", 0.2, 0.2, 0.2},
    FormCase{"0..0.05", 0, 0.025, 0.05},
    FormCase{"-0", 0, 0, 0},
    FormCase{"1000", 1000, 1000, 1000}));

struct RefusalCase {
    const char* text;
    const char* says;
};
class DimensionRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(DimensionRefusalTest, NamesTheKeyAndTheFault) {
    const auto d = land::ParseDimension(GetParam().text, "lead_len");
    ASSERT_FALSE(d.ok()) << GetParam().text;
    EXPECT_EQ(d.error().rfind("lead_len ", 0), 0u) << d.error();
    EXPECT_NE(d.error().find(GetParam().says), std::string::npos) << d.error();
}

INSTANTIATE_TEST_SUITE_P(Refusals, DimensionRefusalTest, ::testing::Values(
    RefusalCase{"", "'' is not a number"},
    RefusalCase{"0.4mm", "'0.4mm' is not a number"},
    RefusalCase{"0.51..0.31", "the minimum 0.51 is above the maximum 0.31"},
    RefusalCase{"4.8..5.1..5.0", "the nominal 5.1 lies outside 4.8..5"},
    RefusalCase{"-0.2", "a size cannot be negative"},
    RefusalCase{"0.1+-0.2", "a size cannot be negative"},
    RefusalCase{"6.0+--0.2", "a tolerance cannot be negative"},
    RefusalCase{"1..2..3..4", "a dimension is NOM"},
    RefusalCase{"0.3..", "'' is not a number"},
    RefusalCase{"..0.3", "'' is not a number"},
    RefusalCase{"6+-", "'' is not a number"},
    RefusalCase{"inf", "'inf' is not a number"},
    RefusalCase{"nan", "'nan' is not a number"},
    RefusalCase{"0x10", "'0x10' is not a number"},
    RefusalCase{"1e3", "'1e3' is not a number"},
    RefusalCase{"+0.4", "'+0.4' is not a number"},
    RefusalCase{"1000.01", "larger than 1000 mm"}));

// The JSON side hands numbers it has read; the checks are the text's.
TEST(DimensionTest, JsonFormsCheckAsTheTextDoes) {
    const auto toleranced = Dimension::Toleranced(6.0, 0.2, "overall_size_x");
    ASSERT_TRUE(toleranced.ok());
    EXPECT_DOUBLE_EQ(toleranced.value().min, 5.8);
    const auto limits = Dimension::Limits(0.31, 0.51, "lead_width");
    ASSERT_TRUE(limits.ok());
    EXPECT_DOUBLE_EQ(limits.value().nominal, 0.41);
    EXPECT_TRUE(Dimension::Limits(4.8, 4.9, 5.0, "body_size_y").ok());

    const auto reversed = Dimension::Limits(0.51, 0.31, "lead_width");
    ASSERT_FALSE(reversed.ok());
    EXPECT_EQ(reversed.error(), "lead_width 0.51..0.31: the minimum 0.51 is above the maximum 0.31");
    EXPECT_FALSE(Dimension::Toleranced(6.0, -0.2, "overall_size_x").ok());
    EXPECT_FALSE(Dimension::Exact(std::numeric_limits<double>::infinity(), "pitch").ok());
    EXPECT_FALSE(Dimension::Exact(std::nan(""), "pitch").ok());
    EXPECT_FALSE(Dimension::Limits(0.2, 0.1, 0.3, "lead_len").ok());
}

}  // namespace
