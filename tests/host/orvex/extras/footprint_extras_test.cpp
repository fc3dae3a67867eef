// The host's record of a footprint: what it writes reads back whole, and what it did not write
// is refused with the reason rather than half read.
#include <gtest/gtest.h>

#include <string>

#include "host/orvex/extras/footprint_extras.h"

namespace {

TEST(FootprintExtrasTest, EverythingReadsBackInItsOrder) {
    FootprintExtras extras;
    extras.body = BodySize{7.25, 0.1};
    // Names are 8-bit texts: bytes above 127 come back as the same single bytes.
    extras.pads = {{"EP", -2147483647 - 1, 2147483647, "SQ"}, {"", 0, 5, "hole \"3\""}, {"\xE9", 1, 1, "\xFF\x80"}};
    extras.padsAbout = PadsAbout::Origin;
    extras.omit = {"E5-H8", "A1", "\xB5"};
    extras.turn = 16200;
    extras.startAngle = -1;   // one minute of arc
    extras.madeFrom = {{"style", "grid"}, {"x-alpha", std::nullopt}, {"alphabet", ""}, {"p", "16"}, {"padstack", "\xC3\xA9"}, {"\xE9", "1"}};
    auto back = DecodeExtras(EncodeExtras(extras));
    ASSERT_TRUE(back.ok()) << back.error();
    ASSERT_TRUE(back.value().body);
    EXPECT_EQ(back.value().body->width, 7.25);
    EXPECT_EQ(back.value().body->height, 0.1) << "a body survives to the last bit";
    EXPECT_EQ(back.value().pads, extras.pads);
    EXPECT_EQ(back.value().padsAbout, PadsAbout::Origin);
    EXPECT_EQ(back.value().omit, extras.omit);
    EXPECT_EQ(back.value().turn, 16200);
    EXPECT_EQ(back.value().startAngle, -1);
    EXPECT_EQ(back.value().madeFrom, extras.madeFrom);
    EXPECT_TRUE(DecodeExtras("{\"version\": 1, \"body\": [7, 7]}").ok()) << "what the first version wrote";
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
    BadRecord{"{\"version\": 5}", "version 5, this orvex reads up to 4"},
    BadRecord{"{\"version\": 3, \"ep_paste\": \"3x0\"}", "paste windows down 0 is out of range (1 to 20)"},
    BadRecord{"{\"version\": 3, \"ep_paste\": \"3x3@0\"}", "paste coverage 0 is not above 0"},
    BadRecord{"{\"version\": 3, \"ep_paste\": 3}", "\"ep_paste\" is not a text"},
    BadRecord{"{\"version\": 0.5}", "version 0.5"},
    BadRecord{"{\"version\": 1e300}", "version 1e300"},
    BadRecord{"{\"version\": 2, \"twist\": 90}", "unknown member \"twist\""},
    BadRecord{"{\"version\": 2, \"turn\": 45}", "\"turn\" is not 90, 180 or 270"},
    BadRecord{"{\"version\": 2, \"turn\": 360}", "\"turn\" is not 90, 180 or 270"},
    BadRecord{"{\"version\": 2, \"start_angle\": 361}", "\"start_angle\" is not -360 to 360"},
    BadRecord{"{\"version\": 2, \"start_angle\": 0.001}", "\"start_angle\" is 0"},
    BadRecord{"{\"version\": 2, \"pads\": []}", "\"pads\" is not a list of pads"},
    BadRecord{"{\"version\": 2, \"pads\": [{\"name\": \"\", \"x\": 0.5, \"y\": 0, \"padstack\": \"P\"}]}", "with whole x and y"},
    BadRecord{"{\"version\": 2, \"pads\": [{\"name\": \"\", \"x\": 2147483648, \"y\": 0, \"padstack\": \"P\"}]}", "with whole x and y"},
    BadRecord{"{\"version\": 2, \"pads\": [{\"name\": \"\", \"x\": 0, \"y\": 0, \"padstack\": \"\"}]}", "a pad is not"},
    BadRecord{"{\"version\": 2, \"pads_about\": \"centre\"}", "\"pads_about\" is neither"},
    BadRecord{"{\"version\": 2, \"omit\": [\"A1\", \"\"]}", "\"omit\" holds something other than a name"},
    BadRecord{"{\"version\": 1, \"body\": [7]}", "not two numbers"},
    BadRecord{"{\"version\": 1, \"body\": [7, -1]}", "body height -1 mm is not above 0"},
    BadRecord{"{\"version\": 1, \"made_from\": {\"p\": 3}}", "option \"p\" is neither a text nor true"},
    BadRecord{"{\"version\": 1, \"made_from\": {\"x-alpha\": false}}", "neither a text nor true"},
    BadRecord{"{\"version\": 1, \"made_from\": {\"a\": \"\\u0500\"}}", "a character above U+00FF"},
    BadRecord{"{\"version\": 2, \"omit\": [\"\xE2\x82\xAC\"]}", "a character above U+00FF"},
    BadRecord{"{\"version\": 1, \"made_from\": {\"p\\uA000\": \"1\"}}", "a character above U+00FF"}));

TEST(FootprintExtrasTest, ShapeOptionsInTheDesignsUnit) {
    FootprintExtras extras;
    EXPECT_EQ(ExtrasOptionText(extras, zelmdb::DesignInfo{}), "");
    extras.pads = {{"33", 0, -6350, "EP"}, {"", 125000, 0, "M H"}};
    extras.omit = {"E5-H8"};
    extras.turn = 10800;
    extras.startAngle = 1830;
    zelmdb::DesignInfo mm;
    mm.unitCode = 4;
    EXPECT_EQ(ExtrasOptionText(extras, mm),
              "--pad 33 0 -0.635 EP --pad \"\" 12.5 0 \"M H\" --pads-about center --omit E5-H8 --turn 180 --start-angle 30.5");
}

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
