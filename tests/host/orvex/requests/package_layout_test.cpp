// How a package's lands go through the dialog: the page and values for each kind of package, the
// pads the host must add or leave out, and the pads the footprint holds in the end.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/orvex/requests/package_layout.h"
#include "host/orvex/text/json_reader.h"

namespace {

PackageLayout Layout(const std::string& json) {
    auto read = ReadJson(json);
    EXPECT_TRUE(read.ok()) << read.error();
    auto package = PackageFromJson(read.value());
    EXPECT_TRUE(package.ok()) << package.error();
    return package.ok() ? LayoutOf(package.value()) : PackageLayout{};
}

double Length(const PackageLayout& l, const std::string& field) {
    for (const auto& [name, mm] : l.lengths)
        if (name == field) return mm;
    return -999;
}

// Lands are sums and halves of datasheet decimals: equal to a hair.
void ExpectLand(const LandShape& got, const LandShape& want) {
    EXPECT_NEAR(got.width, want.width, 1e-9);
    EXPECT_NEAR(got.height, want.height, 1e-9);
    EXPECT_NEAR(got.cornerRatio, want.cornerRatio, 1e-9);
    EXPECT_EQ(got.round, want.round);
    EXPECT_NEAR(got.drill, want.drill, 1e-9);
}

std::string ExtraNames(const PackageLayout& l) {
    std::string names;
    for (const PlannedPad& p : l.extras) names += p.name + " ";
    return names;
}

const char* const kSoic8 = R"("family": "gullwing", "pitch": 1.27, "num_pins_y": 4, "body_size_x": "3.8..4.0",
    "body_size_y": "4.8..5.0", "overall_size_x": "5.8..6.2", "lead_width": "0.31..0.51", "lead_len": "0.40..1.27")";
const char* const kQfn = R"("family": "nolead", "pitch": 0.5, "num_pins_x": 8, "num_pins_y": 8, "body_size_x": "4.9..5.1",
    "body_size_y": "4.9..5.1", "lead_width": "0.18..0.25..0.30", "lead_len": "0.30..0.50")";

TEST(PackageLayoutTest, ADualStandsOnTheDualPageWithNothingAdded) {
    const PackageLayout l = Layout(std::string("{") + kSoic8 + "}");
    EXPECT_EQ(l.style, "dual");
    EXPECT_EQ(l.counts, (std::vector<std::pair<std::string, int>>{{"q", 4}}));
    EXPECT_DOUBLE_EQ(Length(l, "x"), 4.95);
    EXPECT_DOUBLE_EQ(Length(l, "y"), 1.27);
    ExpectLand(l.land, {1.95, 0.6, 0.25, false, 0});
    EXPECT_EQ(l.turn, 0);
    EXPECT_TRUE(l.extras.empty() && l.omit.empty());
    ASSERT_EQ(l.pins.size(), 8u);
    EXPECT_EQ(l.pins[7].name, "8");
}

// The same leads on the top and bottom rows: the dual stood up a quarter turn, so pin 1 comes to
// the left end of the bottom row. Pads the host adds are given before that turn.
TEST(PackageLayoutTest, TopAndBottomRowsAreADualTurnedAQuarter) {
    const std::string json = R"({"family": "gullwing", "pitch": 1.27, "num_pins_x": 4, "body_size_x": "4.8..5.0",
        "body_size_y": "3.8..4.0", "overall_size_y": "5.8..6.2", "lead_width": "0.31..0.51", "lead_len": "0.40..1.27",
        "EP_size_x": 2, "EP_size_y": 1, "EP_center_x": 0.3})";
    const PackageLayout l = Layout(json);
    EXPECT_EQ(l.style, "dual");
    EXPECT_EQ(l.turn, 5400);
    ExpectLand(l.land, {1.95, 0.6, 0.25, false, 0});   // long along x before the turn
    ASSERT_EQ(l.pins.size(), 9u + 2u) << "and the pad's two paste windows, one a 1.5 mm begun";
    EXPECT_DOUBLE_EQ(l.pins[0].x, -1.905);
    EXPECT_DOUBLE_EQ(l.pins[0].y, 2.475) << "at the left of the bottom row, y down";
    ASSERT_EQ(l.extras.size(), 1u);
    // The pad stands 0.3 right of the centre once turned: before, 0.3 down (y up: -0.3).
    EXPECT_DOUBLE_EQ(l.extras[0].x, 0);
    EXPECT_DOUBLE_EQ(l.extras[0].y, -0.3);
    EXPECT_EQ(l.extras[0].shape.width, 1);
    EXPECT_EQ(l.extras[0].shape.height, 2);
}

TEST(PackageLayoutTest, AQuadIsTheChipCarrierFromItsCorner) {
    const PackageLayout l = Layout(std::string("{") + kQfn + R"(, "EP_size_x": 3.2, "EP_size_y": 3.2,
        "thermal_vias": {"count": [2, 2], "drill": 0.3}})");
    EXPECT_EQ(l.style, "chip-carrier");
    EXPECT_EQ(l.buttons, std::vector<std::string>{"corner-start"});
    EXPECT_DOUBLE_EQ(Length(l, "w"), 4.875 / 2 - 3.5 / 2);
    EXPECT_DOUBLE_EQ(Length(l, "z"), 4.875 / 2 - 3.5 / 2);
    ExpectLand(l.land, {0.25, 0.875, 0.25, false, 0});   // the top row's land, which the page turns
    EXPECT_EQ(ExtraNames(l), "33 33 33 33 33 ") << "the pad and its four vias";
    ExpectLand(l.extras[1].shape, {0.5, 0.5, 0, true, 0.3});
    EXPECT_TRUE(l.omit.empty());
    // The pins to check: 32 lands, the pad and its vias, and nine paste windows without a name.
    ASSERT_EQ(l.pins.size(), 32u + 5u + 9u);
    EXPECT_EQ(l.pins[37].name, "");
    EXPECT_DOUBLE_EQ(l.pins[37].x, -3.2 / 3);
    EXPECT_DOUBLE_EQ(l.pins[37].w, 3.2 / 3 * std::sqrt(0.65));
}

// Lands of the left and right rows that are not the top row's turned cannot come from the page's
// one padstack: those rows are left out and added with their own land.
TEST(PackageLayoutTest, RowsOfAnotherLandAreAddedByTheHost) {
    std::string json = std::string("{") + kQfn + R"(, "lead_len_H": "0.30..0.50", "lead_len_V": "0.40..0.60"})";
    json.replace(json.find(R"(, "lead_len": "0.30..0.50")"), std::string(R"(, "lead_len": "0.30..0.50")").size(), "");
    const PackageLayout l = Layout(json);
    EXPECT_EQ(l.omit, (std::vector<std::string>{"1-8", "17-24"}));
    ASSERT_EQ(l.extras.size(), 16u);
    EXPECT_EQ(l.extras[0].name, "1");
    EXPECT_GT(l.extras[0].shape.width, l.extras[0].shape.height) << "long along x on the left row";
    EXPECT_NE(l.extras[0].shape.width, l.land.height);
}

// Deleted positions close the numbering up: every pin after the first deleted one is named
// otherwise than the dialog names its place, so it is left out and added under its number.
TEST(PackageLayoutTest, DeletedPinsRenumberTheRest) {
    const PackageLayout l = Layout(std::string("{") + kSoic8 + R"(, "deleted_pins": "3", "hidden_pins": "6"})");
    EXPECT_EQ(l.omit, (std::vector<std::string>{"3-8"}));
    EXPECT_EQ(ExtraNames(l), "3 4 6 7 ") << "positions 4, 5, 7 and 8; position 6 stays empty";
    std::string pins;
    for (const LandPin& p : l.pins) pins += p.name + " ";
    EXPECT_EQ(pins, "1 2 3 4 6 7 ");
    // Pin 3 stands at position 4: the bottom of the left row, y up.
    EXPECT_DOUBLE_EQ(l.extras[0].x, -2.475);
    EXPECT_DOUBLE_EQ(l.extras[0].y, -1.905);
}

TEST(PackageLayoutTest, BallsAreTheGridWithTheirHiddenBallsLeftOut) {
    const PackageLayout l = Layout(R"({"family": "bga", "pitch_x": 1, "pitch_y": 0.8, "cols": 4, "rows": 3,
        "body_size_x": 5, "body_size_y": 4, "ball_diameter": 0.5, "hidden_pins": "B2-B3"})");
    EXPECT_EQ(l.style, "grid");
    EXPECT_EQ(l.counts, (std::vector<std::pair<std::string, int>>{{"p", 4}, {"q", 3}}));
    EXPECT_DOUBLE_EQ(Length(l, "x"), 1);
    EXPECT_DOUBLE_EQ(Length(l, "y"), 0.8);
    EXPECT_EQ(l.alphabet, std::string(kBallAlphabet));
    EXPECT_EQ(l.omit, std::vector<std::string>{"B2-B3"});
    EXPECT_TRUE(l.extras.empty());
    ASSERT_EQ(l.pins.size(), 10u);
    EXPECT_EQ(l.pins[4].name, "B1");
    EXPECT_EQ(l.pins[5].name, "B4");
}

TEST(PackageLayoutTest, NumbersRunAsRanges) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(NameRuns({"1", "2", "3", "5", "7", "8", "9"}), (Names{"1-3", "5", "7-9"}));
    EXPECT_EQ(NameRuns({"9", "10", "12", "A1", "A2", "13"}), (Names{"9-10", "12", "A1", "A2", "13"}));
    EXPECT_EQ(NameRuns({"07", "8"}), (Names{"07", "8"})) << "a name with a leading zero is no number of a run";
    EXPECT_TRUE(NameRuns({}).empty());
}

}  // namespace
