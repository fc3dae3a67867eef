// The land pattern in the host's record: what the calculation gave comes back whole through the
// record's JSON, what another program might have written there is refused naming the fault, and
// show's table and object read it.
#include <gtest/gtest.h>

#include <string>

#include "host/land/compute.h"
#include "host/land/package_keys.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/extras/land_summary.h"

namespace {

// A QFN-32 with an exposed pad, its vias and paste clear of them, made of key texts.
LandRecord Qfn32Record() {
    land::PackageInput in;
    for (const auto& [key, text] : std::vector<std::pair<const char*, const char*>>{
             {"family", "nolead"}, {"pitch", "0.5"}, {"num_pins_x", "8"}, {"num_pins_y", "8"},
             {"body_size_x", "4.9..5.0..5.1"}, {"body_size_y", "4.9..5.0..5.1"}, {"lead_width", "0.18..0.25..0.30"},
             {"lead_len", "0.30..0.40..0.50"}, {"EP_size_x", "3.1..3.2..3.3"}, {"EP_size_y", "3.1..3.2..3.3"},
             {"thermal_vias", "2x2,0.3,paste_avoid_via"}, {"density", "most"}})
        EXPECT_TRUE(land::ApplyKeyText(in, key, text).ok()) << key;
    const auto pattern = land::Compute(in);
    EXPECT_TRUE(pattern.ok()) << pattern.error();
    return LandRecordOf(in, pattern.value());
}

TEST(LandRecordTest, ComesBackWholeThroughTheHostRecord) {
    FootprintExtras extras;
    extras.land = Qfn32Record();
    const std::string bytes = EncodeExtras(extras);
    EXPECT_EQ(bytes.rfind("{\"version\": 4, ", 0), 0u) << "a land pattern needs version 4";
    const auto back = DecodeExtras(bytes);
    ASSERT_TRUE(back.ok()) << back.error();
    ASSERT_TRUE(back.value().land);
    EXPECT_EQ(EncodeExtras(back.value()), bytes);
    const LandRecord& r = *back.value().land;
    EXPECT_EQ(r.keys.front(), (std::pair<std::string, std::string>{"family", "nolead"}));
    EXPECT_EQ(r.density, "most");
    ASSERT_TRUE(r.rowX && r.rowY && r.ep);
    EXPECT_FALSE(r.ball);
    EXPECT_EQ(r.ep->vias.size(), 4u);
    EXPECT_EQ(r.ep->paste.size(), 9u);
    EXPECT_EQ(r.ep->number, 33);
    // Without one, a record is what orvex wrote before: 2, or 3 with what that version brought.
    FootprintExtras padded;
    padded.shape.nameWidth = 3;
    EXPECT_EQ(EncodeExtras(FootprintExtras{}).rfind("{\"version\": 2", 0), 0u);
    EXPECT_EQ(EncodeExtras(padded).rfind("{\"version\": 3", 0), 0u);
    padded.land = Qfn32Record();
    EXPECT_EQ(EncodeExtras(padded).rfind("{\"version\": 4", 0), 0u);
}

struct Damage {
    const char* land;   // the "land_pattern" member
    const char* error;
};
class LandRecordRefusalTest : public ::testing::TestWithParam<Damage> {};

TEST_P(LandRecordRefusalTest, SaysWhatIsWrong) {
    const auto extras = DecodeExtras(std::string("{\"version\": 4, \"land_pattern\": ") + GetParam().land + "}");
    ASSERT_FALSE(extras.ok());
    EXPECT_EQ(extras.error(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Faults, LandRecordRefusalTest, ::testing::Values(
    Damage{"[]", "\"land_pattern\" is not an object"},
    Damage{R"({"density": "nominal"})", "\"land_pattern\" lacks its keys or density"},
    Damage{R"({"keys": {"colour": "red"}})", "\"land_pattern\": \"keys\" holds \"colour\", no key"},
    Damage{R"({"keys": {"pitch": "-"}})", "\"land_pattern\": \"keys\" holds pitch '-', which does not read"},
    Damage{R"({"density": "dense"})", "\"land_pattern\": \"density\" is no density"},
    Damage{R"({"body": [1]})", "\"land_pattern\": \"body\" is not 2 numbers"},
    Damage{R"({"ball": {"land": 0.4, "mask": 0.4}})", "\"land_pattern\": \"ball\" lacks members"},
    Damage{R"({"ball": {"land": 0.4, "mask": 0.4, "paste": "0.4"}})",
           "\"land_pattern\": \"ball\" has \"paste\", which is not a number"},
    Damage{R"({"ep": {"vias": [[0]]}})", "\"land_pattern\": \"ep\" has \"vias\", which is not 2 numbers"},
    Damage{R"({"row_x": {"pins": 2.5}})", "\"land_pattern\": \"row_x\" has \"pins\", which is not a whole number"},
    Damage{R"({"row_y": {"twist": 1}})", "\"land_pattern\": \"row_y\" has an unknown member \"twist\""},
    Damage{R"({"grid": 1})", "\"land_pattern\": \"grid\" is no member of it"}));

// The keys as options that make the package again, the rows' numbers in the table, and the
// object of show --json with each row's w along x.
TEST(LandSummaryTest, TableAndObjectReadTheRecord) {
    const LandRecord r = Qfn32Record();
    EXPECT_EQ(LandKeysText(r).rfind("--package nolead --density most --pitch 0.5 --num-pins-x 8 ", 0), 0u) << LandKeysText(r);
    // Most: toe 0.4 makes Z 4.9 + 0.8 + 0.2291 = 5.9291, 5.95; G and X as at nominal, since a
    // no-lead terminal at the edge has no heel goal and one side goal.
    EXPECT_EQ(LandSizesText(r), "left/right rows Z 5.95 G 4 X 0.25, top/bottom rows Z 5.95 G 4 X 0.25");
    const std::vector<std::string> table = LandTable(r);
    ASSERT_EQ(table.size(), 6u);
    EXPECT_EQ(table[2].rfind("rows        pins  Zmax", 0), 0u) << table[2];
    EXPECT_EQ(table[3].rfind("left/right  8     5.9291  4.0092  0.264  5.95  4  0.25  4        0.975 x 0.25  4.975", 0), 0u)
        << table[3];
    EXPECT_EQ(table[5], "exposed pad 33: 3.2 x 3.2 at 0 0, mask 3.2 x 3.2, 9 paste windows covering 0.4727, 4 vias of "
                        "0.3 drill on 0.5 lands");
    JsonWriter j;
    WriteShownLandPattern(j, r);
    const std::string shown = j.text();
    for (const char* part : {"{\"density\": \"most\", \"row_x\": {\"w\": 0.975, \"h\": 0.25, \"span\": 4.975}, ",
                             "\"row_y\": {\"w\": 0.25, \"h\": 0.975, \"span\": 4.975}, \"ep\": {\"number\": 33, ",
                             // 2.975 and the excess 0.5: 3.475, half a step outwards.
                             "\"courtyard\": {\"x1\": -3.48, \"y1\": -3.48, \"x2\": 3.48, \"y2\": 3.48}, \"ball\": null}"})
        EXPECT_NE(shown.find(part), std::string::npos) << part << " in " << shown;
}

}  // namespace
