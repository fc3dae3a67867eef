// The host's record of a footprint: what it writes reads back whole, and what it did not write
// is refused with the reason rather than half read.
#include <gtest/gtest.h>

#include <string>

#include "host/orvex/footprint_extras.h"

namespace {

TEST(FootprintExtrasTest, BodyAndOptionsReadBackInTheirOrder) {
    FootprintExtras extras;
    extras.body = BodySize{7.25, 0.1};
    extras.madeFrom = {{"style", "grid"}, {"x-alpha", std::nullopt}, {"alphabet", ""}, {"p", "16"}};
    auto back = DecodeExtras(EncodeExtras(extras));
    ASSERT_TRUE(back.ok()) << back.error();
    ASSERT_TRUE(back.value().body);
    EXPECT_EQ(back.value().body->width, 7.25);
    EXPECT_EQ(back.value().body->height, 0.1) << "a body survives to the last bit";
    EXPECT_EQ(back.value().madeFrom, extras.madeFrom);
    auto empty = DecodeExtras(EncodeExtras(FootprintExtras{}));
    ASSERT_TRUE(empty.ok());
    EXPECT_FALSE(empty.value().body);
    EXPECT_TRUE(empty.value().madeFrom.empty());
}

struct BadRecord {
    const char* bytes;
    const char* error;
};
class ExtrasRefusalTest : public ::testing::TestWithParam<BadRecord> {};

TEST_P(ExtrasRefusalTest, SaysWhy) {
    auto extras = DecodeExtras(GetParam().bytes);
    ASSERT_FALSE(extras.ok());
    EXPECT_NE(extras.error().find(GetParam().error), std::string::npos) << extras.error();
}
INSTANTIATE_TEST_SUITE_P(Records, ExtrasRefusalTest, ::testing::Values(
    BadRecord{"", "the text ends"},
    BadRecord{"[1]", "no version"},
    BadRecord{"{\"version\": \"1\"}", "no version"},
    BadRecord{"{\"version\": 2}", "version 2, this orvex reads up to 1"},
    BadRecord{"{\"version\": 0.5}", "version 0.5"},
    BadRecord{"{\"version\": 1e300}", "version 1e300"},
    BadRecord{"{\"version\": 1, \"turn\": 90}", "unknown member \"turn\""},
    BadRecord{"{\"version\": 1, \"body\": [7]}", "not two numbers"},
    BadRecord{"{\"version\": 1, \"body\": [7, -1]}", "body height -1 mm is not above 0"},
    BadRecord{"{\"version\": 1, \"made_from\": {\"p\": 3}}", "option \"p\" is neither a text nor true"},
    BadRecord{"{\"version\": 1, \"made_from\": {\"x-alpha\": false}}", "neither a text nor true"}));

struct BodyCase {
    const char* text;
    double width, height;   // 0: refused
    const char* error;
};
class ParseBodyTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(ParseBodyTest, WidthByHeightInMillimetres) {
    auto body = ParseBody(GetParam().text);
    if (GetParam().width == 0) {
        ASSERT_FALSE(body.ok());
        EXPECT_NE(body.error().find(GetParam().error), std::string::npos) << body.error();
        return;
    }
    ASSERT_TRUE(body.ok()) << body.error();
    EXPECT_EQ(body.value().width, GetParam().width);
    EXPECT_EQ(body.value().height, GetParam().height);
}
INSTANTIATE_TEST_SUITE_P(Texts, ParseBodyTest, ::testing::Values(
    BodyCase{"7x7", 7, 7, ""}, BodyCase{"10.16x6.35", 10.16, 6.35, ""}, BodyCase{"1000x0.01", 1000, 0.01, ""},
    BodyCase{"7", 0, 0, "not WIDTHxHEIGHT"}, BodyCase{"7X7", 0, 0, "not WIDTHxHEIGHT"},
    BodyCase{"x7", 0, 0, "body width '' is not a number"}, BodyCase{"7x", 0, 0, "body height '' is not a number"},
    BodyCase{"7x7x7", 0, 0, "body height '7x7' is not a number"}, BodyCase{"0x7", 0, 0, "not above 0"},
    BodyCase{"7x1001", 0, 0, "at most 1000 mm"}, BodyCase{"7mmx7", 0, 0, "not a number"}));

}  // namespace
