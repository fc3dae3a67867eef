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
    extras.shape = {-1, 3, {{{"1-5", "\xE9"}, "END"}, {{"9"}, "SQ"}}};   // one minute of arc
    extras.also = {{{{"style", "grid"}, {"p", "8"}}, -2147483647 - 1, 2147483647, true, {0, 0, {{{"A1"}, "P1"}}}},
                   {{{"style", "dual"}}, 0, 0, false, {}}};
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
    EXPECT_EQ(back.value().shape, extras.shape);
    EXPECT_EQ(back.value().also, extras.also);
    EXPECT_EQ(back.value().madeFrom, extras.madeFrom);
    EXPECT_TRUE(DecodeExtras("{\"version\": 1, \"body\": [7, 7]}").ok()) << "what the first version wrote";
    auto empty = DecodeExtras(EncodeExtras(FootprintExtras{}));
    ASSERT_TRUE(empty.ok());
    EXPECT_FALSE(empty.value().body);
    EXPECT_TRUE(empty.value().madeFrom.empty());
}

// A record of what version 2 could hold says 2, so that an orvex of that version still reads it.
TEST(FootprintExtrasTest, TheVersionIsTheOldestThatHoldsTheRecord) {
    FootprintExtras extras;
    extras.turn = 5400;
    extras.shape.startAngle = 60;
    EXPECT_EQ(EncodeExtras(extras), "{\"version\": 2, \"turn\": 90, \"start_angle\": 1}");
    for (int change = 0; change < 3; ++change) {
        FootprintExtras newer = extras;
        if (change == 0) newer.shape.nameWidth = 2;
        if (change == 1) newer.shape.pinPadstacks = {{{"1"}, "P"}};
        if (change == 2) newer.also = {{{{"style", "grid"}}, 0, 0, false, {}}};
        EXPECT_EQ(EncodeExtras(newer).rfind("{\"version\": 3,", 0), 0u) << change;
    }
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
    BadRecord{"{\"version\": 1, \"made_from\": {\"a\": \"\\u0500\"}}", "holds U+0500 (\xD4\x80) as its character 1"},
    BadRecord{"{\"version\": 2, \"omit\": [\"\xE2\x82\xAC\"]}", "holds U+20AC"},
    BadRecord{"{\"version\": 1, \"made_from\": {\"p\\uA000\": \"1\"}}", "\"p\xEA\x80\x80\" holds U+A000 (\xEA\x80\x80) as its character 2"},
    BadRecord{"{\"version\": 3, \"name_width\": 17}", "\"name_width\" is not a whole number of 1 to 16"},
    BadRecord{"{\"version\": 3, \"name_width\": 0}", "\"name_width\" is not a whole number of 1 to 16"},
    BadRecord{"{\"version\": 3, \"pin_padstacks\": [{\"pins\": [\"1\"]}]}", "a pin padstack is not"},
    BadRecord{"{\"version\": 3, \"pin_padstacks\": [{\"pins\": [], \"padstack\": \"P\"}]}", "\"pins\" is not a list"},
    BadRecord{"{\"version\": 3, \"also\": []}", "\"also\" is not a list of arrangements"},
    BadRecord{"{\"version\": 3, \"also\": [{\"at\": [0, 0]}]}", "an arrangement is made from no options"},
    BadRecord{"{\"version\": 3, \"also\": [{\"made_from\": {\"style\": \"grid\"}, \"at\": [0.5, 0]}]}",
              "\"at\" is not two whole numbers"},
    BadRecord{"{\"version\": 3, \"also\": [{\"made_from\": {\"style\": \"grid\"}, \"share_names\": false}]}",
              "\"share_names\" is not true"},
    BadRecord{"{\"version\": 3, \"also\": [{\"made_from\": {\"style\": \"grid\"}, \"turn\": 90}]}",
              "unknown member \"turn\" of an arrangement"}));

TEST(FootprintExtrasTest, ShapeOptionsInTheDesignsUnit) {
    FootprintExtras extras;
    EXPECT_EQ(ExtrasOptionText(extras, zelmdb::DesignInfo{}), "");
    extras.pads = {{"33", 0, -6350, "EP"}, {"", 125000, 0, "M H"}};
    extras.omit = {"E5-H8"};
    extras.turn = 10800;
    extras.shape.startAngle = 1830;
    zelmdb::DesignInfo mm;
    mm.unitCode = 4;
    EXPECT_EQ(ExtrasOptionText(extras, mm),
              "--pad 33 0 -0.635 EP --pad \"\" 12.5 0 \"M H\" --pads-about center --omit E5-H8 --turn 180 --start-angle 30.5");
    EXPECT_EQ(ExtrasOptionText(extras, mm, 1),
              "--pad 33 0 -0.635 EP and 1 more extra pads --pads-about center --omit E5-H8 --turn 180 --start-angle 30.5");
    extras = FootprintExtras{};
    extras.shape = {0, 3, {{{"1-5", "9"}, "END PAD"}}};
    extras.also = {{{{"style", "grid"}, {"x-alpha", std::nullopt}, {"padstack", "B 2"}}, 25400, -12700, true, {0, 2, {}}}};
    EXPECT_EQ(ExtrasOptionText(extras, mm),
              "--pads-about center --name-width 3 --pin-padstack \"1-5,9=END PAD\" --also --style grid --x-alpha "
              "--padstack \"B 2\" --at 2.54 -1.27 --share-names --name-width 2 --end-also");
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
