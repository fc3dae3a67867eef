// Reading a package from flags and from JSON: every JSON form of a kind gives what its flag's
// text gives, a value of the wrong form is refused naming the key, and pin lists find the
// positions they name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/land/package_keys.h"
#include "host/orvex/requests/package_request.h"
#include "host/orvex/text/json_reader.h"

namespace {

using Words = std::vector<std::string>;

ArgRules PackageRules() {
    ArgRules rules{{}, {}, {}, 0, 0};
    AddPackageOptions(rules);
    return rules;
}

Result<std::optional<PackageRequest>> FromArgs(const Words& words) {
    TRY_ASSIGN(args, ArgList::Parse(words, PackageRules()));
    return PackageFromArgs(args);
}

Result<PackageRequest> FromJson(const std::string& text) {
    TRY_ASSIGN(json, ReadJson(text));
    return PackageFromJson(json);
}

// A QFN whose keys the cases add to: as flags, and as the members of a JSON object.
const Words kQfnFlags = {"--package", "nolead", "--pitch", "0.5", "--num-pins-x", "4", "--num-pins-y", "4",
                         "--body-size-x", "3", "--body-size-y", "3", "--lead-width", "0.2..0.3",
                         "--lead-len", "0.3..0.5"};
const std::string kQfnJson = R"("family": "nolead", "pitch": 0.5, "num_pins_x": 4, "num_pins_y": 4, "body_size_x": 3,
                                 "body_size_y": 3, "lead_width": "0.2..0.3", "lead_len": {"minimum": 0.3, "maximum": 0.5})";

struct FormCase {
    const char* key;
    Words flags;        // added to kQfnFlags
    const char* json;   // members added to kQfnJson
};
class PackageFormTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(PackageFormTest, JsonGivesWhatTheFlagGives) {
    Words words = kQfnFlags;
    words.insert(words.end(), GetParam().flags.begin(), GetParam().flags.end());
    const auto flags = FromArgs(words);
    const auto json = FromJson("{" + kQfnJson + ", " + GetParam().json + "}");
    ASSERT_TRUE(flags.ok() && flags.value()) << (flags.ok() ? "no package" : flags.error());
    ASSERT_TRUE(json.ok()) << json.error();
    const land::Key key = land::KeyNamed(GetParam().key)->key;
    EXPECT_TRUE(json.value().input.Given(key));
    EXPECT_TRUE(json.value().input.values[size_t(key)] == flags.value()->input.values[size_t(key)])
        << land::KeyValueText(json.value().input.values[size_t(key)]);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PackageFormTest, ::testing::Values(
    FormCase{"EP_size_x", {"--EP-size-x", "1.5+-0.1", "--EP-size-y", "1.5"},
             R"("EP_size_x": {"nominal": 1.5, "tolerance": 0.1}, "EP_size_y": 1.5)"},
    FormCase{"EP_size_y", {"--EP-size-x", "1.4..1.6", "--EP-size-y", "1.4..1.5..1.6"},
             R"("EP_size_x": {"minimum": 1.4, "maximum": 1.6}, "EP_size_y": {"minimum": 1.4, "nominal": 1.5, "maximum": 1.6})"},
    FormCase{"EP_num_paste_pads", {"--EP-size-x", "1.5", "--EP-size-y", "1.5", "--EP-num-paste-pads", "2x3"},
             R"("EP_size_x": 1.5, "EP_size_y": 1.5, "EP_num_paste_pads": [2, 3])"},
    FormCase{"thermal_vias", {"--EP-size-x", "1.5", "--EP-size-y", "1.5", "--thermal-vias", "2x2,0.2,paste_avoid_via"},
             R"("EP_size_x": 1.5, "EP_size_y": 1.5, "thermal_vias": {"count": [2, 2], "drill": 0.2, "paste_avoid_via": true})"},
    FormCase{"thermal_vias", {"--EP-size-x", "1.5", "--EP-size-y", "1.5", "--thermal-vias", "1x1,0.3"},
             R"("EP_size_x": 1.5, "EP_size_y": 1.5, "thermal_vias": {"drill": 0.3, "count": [1, 1]})"},
    FormCase{"hidden_pins", {"--hidden-pins", "1,3-4"}, R"("hidden_pins": ["1", "3-4"])"},
    FormCase{"deleted_pins", {"--deleted-pins", "16"}, R"("deleted_pins": "16")"},
    FormCase{"density", {"--density", "least"}, R"("density": "least")"},
    FormCase{"EP_center_y", {"--EP-size-x", "1", "--EP-size-y", "1", "--EP-center-y", "-0.2"},
             R"("EP_size_x": 1, "EP_size_y": 1, "EP_center_y": -0.2)"},
    FormCase{"fabrication_tolerance", {"--fabrication-tolerance", "0.05"}, R"("fabrication_tolerance": "0.05")"}),
    [](const auto& info) { return std::string(info.param.key) + std::to_string(info.index); });

struct JsonFault {
    const char* members;   // added to kQfnJson
    const char* error;
};
class PackageJsonRefusalTest : public ::testing::TestWithParam<JsonFault> {};

TEST_P(PackageJsonRefusalTest, NamesTheKey) {
    const auto r = FromJson("{" + kQfnJson + ", " + GetParam().members + "}");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Faults, PackageJsonRefusalTest, ::testing::Values(
    JsonFault{R"("EP_size_x": [1, 2], "EP_size_y": 1)",
              "EP_size_x takes a number, {\"nominal\", \"tolerance\"}, {\"minimum\", \"maximum\"}, {\"minimum\", "
              "\"nominal\", \"maximum\"} or a text such as \"0.31..0.51\""},
    JsonFault{R"("EP_size_x": {"nominal": 1, "maximum": 2}, "EP_size_y": 1)",
              "EP_size_x takes a number, {\"nominal\", \"tolerance\"}, {\"minimum\", \"maximum\"}, {\"minimum\", "
              "\"nominal\", \"maximum\"} or a text such as \"0.31..0.51\""},
    JsonFault{R"("EP_size_x": {"minimum": 2, "maximum": 1}, "EP_size_y": 1)",
              "EP_size_x 2..1: the minimum 2 is above the maximum 1"},
    JsonFault{R"("heel_reduction": true)", "heel_reduction takes a number"},
    JsonFault{R"("EP_size_x": 1, "EP_size_y": 1, "EP_num_paste_pads": [2])", "EP_num_paste_pads takes [N, M]"},
    JsonFault{R"("EP_size_x": 1, "EP_size_y": 1, "EP_num_paste_pads": [2, 0])",
              "EP_num_paste_pads [2, 0] is out of range (1 to 50 each)"},
    JsonFault{R"("EP_size_x": 1, "EP_size_y": 1, "thermal_vias": {"count": [2, 2]})",
              "thermal_vias takes {\"count\": [N, M], \"drill\": D, \"paste_avoid_via\": true or false}"},
    JsonFault{R"("EP_size_x": 1, "EP_size_y": 1, "thermal_vias": {"count": [2, 2], "drill": 0.3, "size": 1})",
              "thermal_vias takes {\"count\": [N, M], \"drill\": D, \"paste_avoid_via\": true or false}"},
    JsonFault{R"("hidden_pins": [1, 2])", "hidden_pins takes a text or a list of texts"},
    JsonFault{R"("hidden_pins": "2,,3")", "hidden_pins \"2,,3\" holds an empty name"},
    JsonFault{R"("deleted_pins": "17")", "deleted_pins: 17 is no position of the package (1 to 16)"},
    JsonFault{R"("density": 2)", "density takes a text: least, nominal or most"},
    JsonFault{R"("pitch": 0.65)", "pitch is given twice"},
    JsonFault{R"("hidden_pins": "1-8", "deleted_pins": "9-16")", "hidden_pins and deleted_pins leave the package no pin"},
    JsonFault{R"("EP_size_x": 4, "EP_size_y": 1)", "EP_size_x 4 is larger than body_size_x 3"}));

TEST(PackageRequestTest, FlagsWithoutPackageAreRefusedAndNoneIsNoPackage) {
    const auto none = FromArgs({});
    ASSERT_TRUE(none.ok());
    EXPECT_FALSE(none.value());
    const auto stray = FromArgs({"--small-pitch-table"});
    ASSERT_FALSE(stray.ok());
    EXPECT_EQ(stray.error(), "--small-pitch-table tells of a package: give --package FAMILY with it");
    const auto family = FromArgs({"--package", "dip"});
    ASSERT_FALSE(family.ok());
    EXPECT_EQ(family.error(), "--package: family 'dip' is not gullwing, nolead or bga");
    EXPECT_EQ(FromJson(R"({"pitch": 1})").error(), "\"package\" needs \"family\" (gullwing, nolead or bga)");
}

// Positions in the order of the places; hidden and deleted ones marked, the exposed pad
// numbered after the pins the deleted ones leave.
TEST(PackageRequestTest, PinListsMarkTheirPositions) {
    const auto r = FromJson("{" + kQfnJson + R"(, "hidden_pins": "2, 15", "deleted_pins": ["5-6"],
                             "EP_size_x": 1.5, "EP_size_y": 1.5})");
    ASSERT_TRUE(r.ok()) << r.error();
    ASSERT_EQ(r.value().positions.size(), 16u);
    EXPECT_EQ(r.value().positions.front(), "1");
    EXPECT_EQ(r.value().positions.back(), "16");
    std::string marks;
    for (size_t i = 0; i < 16; ++i) marks += r.value().hidden[i] ? 'h' : r.value().deleted[i] ? 'd' : '.';
    EXPECT_EQ(marks, ".h..dd........h.");
    EXPECT_EQ(r.value().pattern.ep.number, 15) << "16 positions, two deleted";
    const auto bga = FromArgs({"--package", "bga", "--pitch", "0.8", "--cols", "12", "--rows", "12", "--body-size-x",
                               "10", "--body-size-y", "10", "--pad-diameter", "0.4", "--hidden-pins", "E5-H8,A1"});
    ASSERT_TRUE(bga.ok()) << bga.error();
    const PackageRequest& grid = *bga.value();
    EXPECT_EQ(std::count(grid.hidden.begin(), grid.hidden.end(), true), 17);
    EXPECT_TRUE(grid.hidden[0]);
    EXPECT_EQ(grid.positions[4 * 12 + 4], "E5");
    EXPECT_TRUE(grid.hidden[4 * 12 + 4]);
}

// The JEDEC row letters skip I, O, Q, S, X and Z, and go on in pairs after Y.
TEST(PackageRequestTest, BallNamesFollowTheRowAlphabet) {
    const std::pair<std::pair<int, int>, const char*> cases[] = {
        {{0, 0}, "A1"}, {{7, 1}, "H2"}, {{8, 0}, "J1"}, {{12, 0}, "N1"}, {{13, 0}, "P1"}, {{19, 11}, "Y12"},
        {{20, 0}, "AA1"}, {{39, 0}, "AY1"}, {{40, 29}, "BA30"}, {{419, 0}, "YY1"}, {{420, 0}, "AAA1"}};
    for (const auto& [at, name] : cases) EXPECT_EQ(BallName(at.first, at.second), name);
}

}  // namespace
