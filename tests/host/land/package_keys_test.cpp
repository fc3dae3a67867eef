// The key table as the flag and JSON readers use it: names and flags, every kind's text form,
// and the refusals of applying a key.
#include <gtest/gtest.h>

#include <set>

#include "host/land/package_keys.h"
#include "package_text.h"

namespace {

using namespace land;

TEST(PackageKeysTest, EveryKeyHasItsRowAndAFlagThatLeadsBack) {
    std::set<std::string> names;
    for (size_t i = 0; i < PackageKeys().size(); ++i) {
        const KeyRow& row = PackageKeys()[i];
        EXPECT_EQ(size_t(row.key), i) << row.name << " stands out of the order of Key";
        EXPECT_TRUE(names.insert(row.name).second) << row.name << " twice";
        EXPECT_EQ(KeyOfFlag(FlagName(row)), &row) << FlagName(row);
        EXPECT_NE(row.families, 0) << row.name << " is taken by no family";
    }
    EXPECT_EQ(PackageKeys().size(), kKeyCount);
    EXPECT_EQ(FlagName(RowOf(Key::NumPinsX)), "--num-pins-x");
    EXPECT_EQ(FlagName(RowOf(Key::EpSizeXOverwrite)), "--EP-size-x-overwrite");
    EXPECT_EQ(KeyOfFlag("--num_pins_x"), nullptr);
}

struct FormCase {
    const char* family;
    const char* key;
    const char* text;
    KeyValue value;
};
class KeyFormTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(KeyFormTest, TextGivesTheValue) {
    const FormCase& c = GetParam();
    PackageInput input;
    ASSERT_TRUE(ApplyKeyText(input, "family", c.family).ok());
    const Status applied = ApplyKeyText(input, c.key, c.text);
    ASSERT_TRUE(applied.ok()) << applied.error();
    EXPECT_TRUE(input.values[size_t(KeyNamed(c.key)->key)] == c.value) << c.key << " " << c.text;
}

// The host keeps a package as its keys' texts: each must read back as the very value.
TEST_P(KeyFormTest, KeptTextReadsBackAsTheValue) {
    const FormCase& c = GetParam();
    const KeyRow& row = *KeyNamed(c.key);
    const Result<KeyValue> back = ParseKeyValue(row, KeyValueText(c.value));
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_TRUE(back.value() == c.value) << c.key << ": " << KeyValueText(c.value);
}

INSTANTIATE_TEST_SUITE_P(Kinds, KeyFormTest, ::testing::Values(
    FormCase{"gullwing", "density", "most", Density::Most},
    FormCase{"gullwing", "pitch", "0.65", 0.65},
    FormCase{"gullwing", "num_pins_y", "10", 10},
    FormCase{"gullwing", "lead_width", "0.19..0.30", Dimension{0.19, 0.245, 0.30}},
    FormCase{"gullwing", "small_pitch_table", "true", true},
    FormCase{"gullwing", "small_pitch_table", "false", false},
    FormCase{"nolead", "EP_center_y", "-0.25", -0.25},
    FormCase{"nolead", "EP_paste_coverage", "0.5", 0.5},
    FormCase{"nolead", "EP_num_paste_pads", "2x3", CountPair{2, 3}},
    FormCase{"nolead", "EP_num_paste_pads", "2,3", CountPair{2, 3}},
    FormCase{"nolead", "thermal_vias", "3x3,0.3", ViaGrid{3, 3, 0.3, false}},
    FormCase{"nolead", "thermal_vias", "2x4, 0.2, paste_avoid_via", ViaGrid{2, 4, 0.2, true}},
    FormCase{"nolead", "heel_reduction", "0", 0.0},
    FormCase{"nolead", "deleted_pins", " 5,9-12 ", std::string("5,9-12")},
    FormCase{"bga", "hidden_pins", "E5-H8", std::string("E5-H8")},
    FormCase{"bga", "ball_type", "non-collapsible", BallType::NonCollapsible},
    FormCase{"bga", "paste_margin", "-0.05", -0.05}));

struct RefusalCase {
    const char* name;
    KeyTexts keys;   // the last one is refused
    const char* message;
};
class KeyRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(KeyRefusalTest, NamesTheKey) {
    const KeyTexts& keys = GetParam().keys;
    PackageInput input;
    for (size_t i = 0; i + 1 < keys.size(); ++i) ASSERT_TRUE(ApplyKeyText(input, keys[i].first, keys[i].second).ok());
    const Status last = ApplyKeyText(input, keys.back().first, keys.back().second);
    ASSERT_FALSE(last.ok());
    EXPECT_EQ(last.error(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Refusals, KeyRefusalTest, ::testing::Values(
    RefusalCase{"UnknownFamily", {{"family", "j-lead"}}, "family 'j-lead' is not gullwing, nolead or bga"},
    RefusalCase{"UnknownDensity", {{"family", "bga"}, {"density", "high"}},
                "density 'high' is not least, nominal or most"},
    RefusalCase{"UnknownKey", {{"family", "bga"}, {"ball_pitch", "1"}}, "'ball_pitch' is not a package key"},
    RefusalCase{"FamilyFirst", {{"pitch", "0.5"}}, "pitch comes before the family is known; give the family first"},
    RefusalCase{"OtherFamily", {{"family", "nolead"}, {"overall_size_x", "6"}},
                "overall_size_x does not apply to the nolead family (only to gullwing)"},
    RefusalCase{"BgaHasNoLeads", {{"family", "bga"}, {"lead_width", "0.3"}},
                "lead_width does not apply to the bga family (only to gullwing and nolead)"},
    RefusalCase{"Twice", {{"family", "gullwing"}, {"pitch", "0.5"}, {"pitch", "0.65"}}, "pitch is given twice"},
    RefusalCase{"FamilyChanged", {{"family", "gullwing"}, {"family", "bga"}},
                "family bga: the package is already gullwing"},
    RefusalCase{"NegativePitch", {{"family", "gullwing"}, {"pitch", "-0.5"}}, "pitch -0.5 must be above 0"},
    RefusalCase{"ZeroSize", {{"family", "bga"}, {"pad_diameter", "0"}}, "pad_diameter 0 must be above 0"},
    RefusalCase{"NegativeAllowance", {{"family", "gullwing"}, {"heel_reduction", "-0.1"}},
                "heel_reduction -0.1 cannot be negative"},
    RefusalCase{"CoverageAboveOne", {{"family", "nolead"}, {"EP_paste_coverage", "1.2"}},
                "EP_paste_coverage 1.2 is not a share above 0 and at most 1"},
    RefusalCase{"CountNotWhole", {{"family", "gullwing"}, {"num_pins_y", "4.5"}},
                "num_pins_y '4.5' is not a whole number"},
    RefusalCase{"CountTooLarge", {{"family", "bga"}, {"cols", "5000"}}, "cols 5000 is out of range (0 to 1000)"},
    RefusalCase{"FlagWord", {{"family", "gullwing"}, {"small_pitch_table", "yes"}},
                "small_pitch_table 'yes' is not true or false"},
    RefusalCase{"PairOfOne", {{"family", "nolead"}, {"EP_num_paste_pads", "3"}},
                "EP_num_paste_pads '3' is not two counts (NxM)"},
    RefusalCase{"PairOfZero", {{"family", "nolead"}, {"EP_num_paste_pads", "0x2"}},
                "EP_num_paste_pads 0 is out of range (1 to 50)"},
    RefusalCase{"ViasWithoutDrill", {{"family", "nolead"}, {"thermal_vias", "3x3"}},
                "thermal_vias '3x3' is not NxM,DRILL or NxM,DRILL,paste_avoid_via"},
    RefusalCase{"ViasOtherWord", {{"family", "nolead"}, {"thermal_vias", "3x3,0.3,avoid"}},
                "thermal_vias '3x3,0.3,avoid' is not NxM,DRILL or NxM,DRILL,paste_avoid_via"},
    RefusalCase{"ViasNoDrill", {{"family", "nolead"}, {"thermal_vias", "3x3,0"}},
                "thermal_vias drill 0 must be above 0"},
    RefusalCase{"EmptyPinList", {{"family", "nolead"}, {"hidden_pins", " "}}, "hidden_pins is empty"},
    RefusalCase{"BallType", {{"family", "bga"}, {"ball_type", "solid"}},
                "ball_type 'solid' is not collapsible or non-collapsible"}),
    [](const auto& info) { return info.param.name; });

// Numbers that four decimals would round, and limits whose middle is not the nominal exactly.
TEST(PackageKeysTest, KeptTextLosesNoDigit) {
    const KeyRow& width = RowOf(Key::LeadWidth);
    for (const char* text : {"6.0+-0.2", "3.9+-0.05", "0.1..0.30000000000000004", "0.123456789", "0.00001", "0.31..0.4..0.51"}) {
        const Result<KeyValue> value = ParseKeyValue(width, text);
        ASSERT_TRUE(value.ok()) << value.error();
        const std::string kept = KeyValueText(value.value());
        EXPECT_EQ(kept.find('e'), std::string::npos) << kept;
        const Result<KeyValue> back = ParseKeyValue(width, kept);
        ASSERT_TRUE(back.ok()) << kept;
        EXPECT_TRUE(back.value() == value.value()) << text << " kept as " << kept;
    }
    EXPECT_EQ(KeyValueText(Dimension{0.25, 0.5, 0.75}), "0.25..0.75");
    // The shortest exact form: limits that no short decimal writes are kept as typed.
    for (const auto& [typed, kept] : {std::pair{"3.9+-0.05", "3.9+-0.05"}, std::pair{"3.85..3.95", "3.85..3.95"},
                                      std::pair{"0.4", "0.4"}, std::pair{"4.8..4.9..5.0", "4.8..5"}})
        EXPECT_EQ(KeyValueText(ParseKeyValue(width, typed).value()), kept) << typed;
    EXPECT_EQ(KeyValueText(ViaGrid{3, 2, 0.3, true}), "3x2,0.3,paste_avoid_via");
}

// The JSON reader hands values of its own making; one of the wrong kind is refused, not stored.
TEST(PackageKeysTest, ValueOfAnotherKindIsRefused) {
    PackageInput input;
    ASSERT_TRUE(ApplyKey(input, RowOf(Key::Family), Family::NoLead).ok());
    const Status wrong = ApplyKey(input, RowOf(Key::LeadWidth), 0.25);
    ASSERT_FALSE(wrong.ok());
    EXPECT_EQ(wrong.error(), "lead_width takes a dimension (0.4, 6.0+-0.2, 0.31..0.51 or 4.8..4.9..5.0)");
    EXPECT_FALSE(input.Given(Key::LeadWidth));
    EXPECT_FALSE(ApplyKey(input, RowOf(Key::NumPinsX), -3).ok());
    EXPECT_FALSE(input.Given(Key::NumPinsX));
    EXPECT_TRUE(ApplyKey(input, RowOf(Key::LeadWidth), Dimension{0.18, 0.25, 0.3}).ok());
}

}  // namespace
