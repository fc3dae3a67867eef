// Footprints from datasheet dimensions through the real program and tessra.dll: the worked
// examples come out land for land, flags and JSON store the same, hidden and deleted pins leave
// their positions as they should, a package that does not agree stores nothing, and show,
// run --reopen and export read what the land pattern kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <filesystem>
#include <string>
#include <vector>

#include "host/orvex/text/json_reader.h"
#include "res/resource.h"
#include "tests/host/orvex/commands/design_dump.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"
#include "tests/host/orvex/commands/sexpr_reader.h"
#include "tests/support/script_line.h"

namespace {

using Words = std::vector<std::string>;

// The worked examples of docs/land-patterns.md as flags.
const Words kSoic8 = {"--package", "gullwing", "--pitch", "1.27", "--num-pins-y", "4", "--body-size-x", "3.8..3.9..4.0",
                      "--body-size-y", "4.8..4.9..5.0", "--overall-size-x", "5.8..6.2", "--lead-width", "0.31..0.51",
                      "--lead-len", "0.40..1.27"};
const Words kQfn32 = {"--package", "nolead", "--pitch", "0.5", "--num-pins-x", "8", "--num-pins-y", "8",
                      "--body-size-x", "4.9..5.0..5.1", "--body-size-y", "4.9..5.0..5.1", "--lead-width",
                      "0.18..0.25..0.30", "--lead-len", "0.30..0.40..0.50", "--EP-size-x", "3.1..3.2..3.3",
                      "--EP-size-y", "3.1..3.2..3.3"};
const Words kBga144 = {"--package", "bga", "--pitch", "0.8", "--cols", "12", "--rows", "12", "--body-size-x",
                       "9.9..10.0..10.1", "--body-size-y", "9.9..10.0..10.1", "--ball-diameter", "0.45..0.50..0.55"};

Words With(Words words, const Words& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

class GeneratePackageTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        InstallPlugin();
        ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
    }
    Outcome Generate(const std::string& footprint, const Words& words, const std::string& design = "d.design") {
        Words all{"generate", design, footprint};
        all.insert(all.end(), words.begin(), words.end());
        return Run(all);
    }
    // The footprint as show --json gives it.
    JsonValue Shown(const std::string& footprint, const std::string& design = "d.design") {
        const Outcome o = Run({"show", design, footprint, "--json"});
        EXPECT_EQ(o.code, 0) << o.err;
        auto json = ReadJson(o.out);
        EXPECT_TRUE(json.ok()) << o.out;
        return json.ok() ? json.value().Member("footprints")->items.at(0) : JsonValue{};
    }
    // Name -> place in mm from the centre, y up as stored, of every pin of the shown footprint.
    static std::vector<std::tuple<std::string, double, double>> Pins(const JsonValue& footprint) {
        const double unit = 25.4 / 254000;   // mm of a unit of the designs the tests make
        const JsonValue& centre = *footprint.Member("center");
        std::vector<std::tuple<std::string, double, double>> pins;
        for (const JsonValue& p : footprint.Member("pins")->items)
            pins.emplace_back(p.Member("name")->text, (p.Member("x")->number - centre.items[0].number) * unit,
                              (p.Member("y")->number - centre.items[1].number) * unit);
        return pins;
    }
    static double At(const JsonValue& v, std::initializer_list<const char*> path) {
        const JsonValue* at = &v;
        for (const char* name : path) at = at ? at->Member(name) : nullptr;
        return at && at->kind == JsonValue::Kind::Number ? at->number : -999;
    }
};

// Names of the shown footprint's pins in the order stored; the openings without a name are left out.
std::string Names(const std::vector<std::tuple<std::string, double, double>>& pins) {
    std::string names;
    for (const auto& [name, x, y] : pins)
        if (!name.empty()) names += name + " ";
    return names;
}

TEST_F(GeneratePackageTest, WorkedExamplesComeOutLandForLand) {
    for (const auto& [name, words] : {std::pair{"SOIC-8", kSoic8}, {"QFN-32", kQfn32}, {"BGA-144", kBga144}}) {
        const Outcome o = Generate(name, words);
        ASSERT_EQ(o.code, 0) << name << ": " << o.err;
    }
    const JsonValue soic = Shown("SOIC-8");
    const JsonValue& soicLands = *soic.Member("land_pattern");
    EXPECT_EQ(soicLands.Member("density")->text, "nominal");
    EXPECT_EQ(At(soicLands, {"row_x", "w"}), 1.95);
    EXPECT_EQ(At(soicLands, {"row_x", "h"}), 0.6);
    EXPECT_EQ(At(soicLands, {"row_x", "span"}), 4.95);
    EXPECT_EQ(soicLands.Member("row_y")->kind, JsonValue::Kind::Null);
    EXPECT_EQ(At(soicLands, {"courtyard", "x1"}), -3.7);
    EXPECT_EQ(At(soicLands, {"courtyard", "y2"}), 2.7);
    const auto soicPins = Pins(soic);
    ASSERT_EQ(soicPins.size(), 8u);
    EXPECT_NEAR(std::get<1>(soicPins[0]), -2.475, 1e-9);
    EXPECT_NEAR(std::get<2>(soicPins[0]), 1.905, 1e-9) << "pin 1 at the top of the left row";
    EXPECT_NEAR(std::get<1>(soicPins[4]), 2.475, 1e-9);
    EXPECT_NEAR(std::get<2>(soicPins[4]), -1.905, 1e-9) << "pin 5 at the bottom of the right row";
    EXPECT_EQ(soic.Member("pins")->items[0].Member("padstack")->text, "RR1.95x0.6r0.15");

    const JsonValue qfn = Shown("QFN-32");
    const JsonValue& qfnLands = *qfn.Member("land_pattern");
    EXPECT_EQ(At(qfnLands, {"row_x", "w"}), 0.875) << "the left and right rows' lands are long along x";
    EXPECT_EQ(At(qfnLands, {"row_y", "w"}), 0.25) << "the top and bottom rows' lands are narrow along x";
    EXPECT_EQ(At(qfnLands, {"row_y", "span"}), 4.875);
    EXPECT_EQ(At(qfnLands, {"ep", "number"}), 33);
    EXPECT_EQ(At(qfnLands, {"ep", "w"}), 3.2);
    EXPECT_EQ(qfnLands.Member("ep")->Member("paste")->items.size(), 9u);
    EXPECT_EQ(At(qfnLands, {"courtyard", "x2"}), 3.13);
    const auto qfnPins = Pins(qfn);
    ASSERT_EQ(qfnPins.size(), 33u + 9u) << "and the exposed pad's paste windows";
    EXPECT_EQ(std::get<0>(qfnPins[16]), "17");
    EXPECT_NEAR(std::get<1>(qfnPins[16]), 2.4375, 1e-9);
    EXPECT_NEAR(std::get<2>(qfnPins[16]), -1.75, 1e-9) << "pin 17 at the bottom of the right row";
    EXPECT_EQ(std::get<0>(qfnPins[32]), "33");
    EXPECT_NEAR(std::get<1>(qfnPins[32]), 0, 1e-9);

    const JsonValue bga = Shown("BGA-144");
    EXPECT_EQ(At(*bga.Member("land_pattern"), {"ball", "w"}), 0.4);
    EXPECT_EQ(At(*bga.Member("land_pattern"), {"courtyard", "y1"}), -6);
    const auto balls = Pins(bga);
    ASSERT_EQ(balls.size(), 144u);
    EXPECT_EQ(std::get<0>(balls[0]), "A1");
    EXPECT_EQ(std::get<0>(balls[143]), "M12");
    EXPECT_NEAR(std::get<1>(balls[143]), 4.4, 1e-9);
    EXPECT_NEAR(std::get<2>(balls[143]), -4.4, 1e-9);
    const std::string table = Run({"show", "d.design", "QFN-32"}).out;
    for (const char* line : {"    density nominal, body 5 x 5, courtyard -3.13 -3.13 to 3.13 3.13 (mm, y down)\n",
                             "    exposed pad 33: 3.2 x 3.2 at 0 0, mask 3.2 x 3.2, 9 paste windows covering 0.65\n"})
        EXPECT_TRUE(Has(table, line)) << table;
    EXPECT_TRUE(Has(table, "    left/right  8     5.7291  4.0092  0.264  5.75  4  0.25  4        0.875 x 0.25  4.875"))
        << table;
}

// The key table is the one truth of both: every JSON form of a value stores what its flag does.
TEST_F(GeneratePackageTest, FlagsAndJsonStoreTheSameFootprints) {
    ASSERT_EQ(Run({"new", "j.design", "--units", "mm"}).code, 0);
    const Words vias = {"--thermal-vias", "2x2,0.3,paste_avoid_via", "--hidden-pins", "10,11", "--deleted-pins", "3"};
    ASSERT_EQ(Generate("SOIC-8", With(kSoic8, {"--density", "most", "--small-pitch-table"})).code, 0);
    ASSERT_EQ(Generate("QFN-32", With(kQfn32, vias)).code, 0);
    ASSERT_EQ(Generate("BGA-144", With(kBga144, {"--hidden-pins", "E5-H8", "--mask-margin", "0.05"})).code, 0);
    Write("batch.json", R"([
      {"footprint": "SOIC-8", "package": {"pitch": 1.27, "family": "gullwing", "num_pins_y": 4, "density": "most",
        "body_size_x": {"minimum": 3.8, "nominal": 3.9, "maximum": 4.0}, "body_size_y": "4.8..4.9..5.0",
        "overall_size_x": {"minimum": 5.8, "maximum": 6.2}, "lead_width": {"minimum": 0.31, "maximum": 0.51},
        "lead_len": {"minimum": 0.40, "maximum": 1.27}, "small_pitch_table": true}},
      {"footprint": "QFN-32", "package": {"family": "nolead", "pitch": 0.5, "num_pins_x": 8, "num_pins_y": 8,
        "body_size_x": "4.9..5.1", "body_size_y": {"nominal": 5.0, "tolerance": 0.1},
        "lead_width": {"minimum": 0.18, "nominal": 0.25, "maximum": 0.30}, "lead_len": "0.30..0.40..0.50",
        "EP_size_x": "3.1..3.3", "EP_size_y": "3.1..3.2..3.3", "hidden_pins": ["10", "11"], "deleted_pins": "3",
        "thermal_vias": {"count": [2, 2], "drill": 0.3, "paste_avoid_via": true}}},
      {"footprint": "BGA-144", "package": {"family": "bga", "pitch": 0.8, "cols": 12, "rows": 12,
        "body_size_x": "9.9..10.1", "body_size_y": "9.9..10.1", "ball_diameter": {"minimum": 0.45, "maximum": 0.55},
        "hidden_pins": "E5-H8", "mask_margin": 0.05}}])");
    const Outcome o = Run({"generate", "j.design", "--from-json", "batch.json"});
    ASSERT_EQ(o.code, 0) << o.err;
    for (const char* name : {"SOIC-8", "QFN-32", "BGA-144"})
        EXPECT_EQ(Run({"show", "j.design", name}).out.substr(std::string("j.design").size()),
                  Run({"show", "d.design", name}).out.substr(std::string("d.design").size()))
            << name;
}

// A batch's F and P go to every package that gives none of its own; the land record keeps them.
TEST_F(GeneratePackageTest, BatchTolerancesGoToPackagesWithoutTheirOwn) {
    ASSERT_EQ(Generate("TIGHT", With(kSoic8, {"--fabrication-tolerance", "0.05", "--placement-tolerance", "0"})).code, 0);
    ASSERT_EQ(Generate("OWN", With(kSoic8, {"--fabrication-tolerance", "0.2", "--placement-tolerance", "0"})).code, 0);
    Write("batch.json", R"([
      {"footprint": "TIGHT", "package": {"family": "gullwing", "pitch": 1.27, "num_pins_y": 4, "body_size_x": "3.8..4.0",
        "body_size_y": "4.8..5.0", "overall_size_x": "5.8..6.2", "lead_width": "0.31..0.51", "lead_len": "0.40..1.27"}},
      {"footprint": "OWN", "package": {"family": "gullwing", "pitch": 1.27, "num_pins_y": 4, "body_size_x": "3.8..4.0",
        "body_size_y": "4.8..5.0", "overall_size_x": "5.8..6.2", "lead_width": "0.31..0.51", "lead_len": "0.40..1.27",
        "fabrication_tolerance": 0.2}}])");
    ASSERT_EQ(Run({"new", "b.design", "--units", "mm"}).code, 0);
    const Outcome o = Run({"generate", "b.design", "--from-json", "batch.json", "--fabrication-tolerance", "0.05",
                           "--placement-tolerance", "0"});
    ASSERT_EQ(o.code, 0) << o.err;
    for (const char* name : {"TIGHT", "OWN"})
        EXPECT_EQ(Run({"show", "b.design", name}).out.substr(8), Run({"show", "d.design", name}).out.substr(8)) << name;
    EXPECT_NE(Run({"show", "d.design", "TIGHT"}).out.find("--fabrication-tolerance 0.05 --placement-tolerance 0"),
              std::string::npos);
    const Outcome refused = Run({"generate", "b.design", "--from-json", "batch.json", "--placement-tolerance", "-1"});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(Has(refused.err, "placement_tolerance -1 cannot be negative")) << refused.err;
}

// Hidden pins leave their positions empty and keep the numbers; deleted pins close them up, and
// the exposed pad follows the last pin left.
TEST_F(GeneratePackageTest, HiddenKeepsTheNumbersDeletedClosesThemUp) {
    const Words soic = {"--package", "nolead", "--pitch", "1.27", "--num-pins-y", "4", "--body-size-x", "3.9",
                        "--body-size-y", "4.9", "--lead-width", "0.31..0.51", "--lead-len", "0.4..0.8",
                        "--EP-size-x", "2", "--EP-size-y", "3"};
    ASSERT_EQ(Generate("HIDDEN", With(soic, {"--hidden-pins", "6"})).code, 0);
    ASSERT_EQ(Generate("DELETED", With(soic, {"--deleted-pins", "6"})).code, 0);
    ASSERT_EQ(Generate("ALL", soic).code, 0);
    const auto all = Pins(Shown("ALL")), hidden = Pins(Shown("HIDDEN")), deleted = Pins(Shown("DELETED"));
    EXPECT_EQ(Names(all), "1 2 3 4 5 6 7 8 9 ");
    EXPECT_EQ(Names(hidden), "1 2 3 4 5 7 8 9 ");
    EXPECT_EQ(Names(deleted), "1 2 3 4 5 6 7 8 ") << "the pins past 5 and the pad come back as extra pads";
    // Position 7 is pin 7 when 6 is hidden, pin 6 when 6 is deleted; nothing stands at position 6.
    EXPECT_EQ(std::get<1>(hidden[5]), std::get<1>(all[6]));
    EXPECT_EQ(std::get<2>(hidden[5]), std::get<2>(all[6]));
    EXPECT_EQ(std::get<2>(deleted[5]), std::get<2>(all[6]));
    for (const auto& pins : {hidden, deleted})
        for (const auto& [name, x, y] : pins)
            EXPECT_FALSE(x == std::get<1>(all[5]) && y == std::get<2>(all[5])) << name << " at position 6";
    EXPECT_EQ(At(*Shown("DELETED").Member("land_pattern"), {"ep", "number"}), 8);
    EXPECT_TRUE(Has(Run({"show", "d.design", "DELETED"}).out, "    omitted 6-8\n"));
}

// A padstack of the land's geometry is taken whatever its name; one of the land's name but
// another size is left alone, and the land gets a name of its own beside it.
TEST_F(GeneratePackageTest, LandPadstacksAreFoundByTheirGeometry) {
    ASSERT_EQ(Run({"padstack", "add", "d.design", "MINE", "--shape", "roundrect", "--width", "1.95", "--height", "0.6"}).code, 0);
    ASSERT_EQ(Run({"padstack", "add", "d.design", "C0.4", "--shape", "round", "--width", "0.5", "--height", "0.5"}).code, 0);
    ASSERT_EQ(Generate("SOIC-8", kSoic8).code, 0);
    ASSERT_EQ(Generate("BGA-144", kBga144).code, 0);
    EXPECT_EQ(Shown("SOIC-8").Member("pins")->items[0].Member("padstack")->text, "MINE");
    EXPECT_EQ(Shown("BGA-144").Member("pins")->items[0].Member("padstack")->text, "C0.4~2");
    ASSERT_EQ(Generate("BGA-B", kBga144).code, 0);
    EXPECT_EQ(Run({"padstack", "list", "d.design"}).out.find("~3"), std::string::npos) << "the second BGA finds it";
}

struct PackageRefusal {
    const char* name;
    Words words;          // after FOOTPRINT; empty: the batch
    int code;
    const char* error;
};
class GeneratePackageRefusalTest : public GeneratePackageTest, public ::testing::WithParamInterface<PackageRefusal> {};

TEST_P(GeneratePackageRefusalTest, NamesTheKeyAndStoresNothing) {
    ASSERT_EQ(Generate("KEPT", kSoic8).code, 0);
    const std::string before = DumpDesign(dir_ / "d.design");
    Write("batch.json", R"([{"footprint": "A", "package": {"family": "bga", "pitch": 1, "cols": 2, "rows": 2,
                                "body_size_x": 3, "body_size_y": 3, "pad_diameter": 0.5}},
                            {"footprint": "QFN-32", "package": {"family": "nolead", "pitch": 0.5, "num_pins_x": 8,
                                "num_pins_y": 8, "body_size_x": 5, "body_size_y": 5, "lead_width": [0.18, 0.3],
                                "lead_len": 0.4}}])");
    const Outcome o = GetParam().words.empty() ? Run({"generate", "d.design", "--from-json", "batch.json"})
                                               : Generate("F", GetParam().words);
    EXPECT_EQ(o.code, GetParam().code) << o.err;
    EXPECT_TRUE(Has(o.err, GetParam().error)) << o.err;
    EXPECT_EQ(DumpDesign(dir_ / "d.design"), before);
}

INSTANTIATE_TEST_SUITE_P(Faults, GeneratePackageRefusalTest, ::testing::Values(
    PackageRefusal{"KeyWithoutPackage", {"--style", "dual", "--pitch", "1.27"}, 2,
                   "--pitch tells of a package: give --package FAMILY with it"},
    PackageRefusal{"UnknownFamily", {"--package", "j-lead"}, 2,
                   "--package: family 'j-lead' is not gullwing, nolead or bga"},
    PackageRefusal{"DialogOptionToo", With(kSoic8, {"--x", "5"}), 2, "--x does not go with --package"},
    PackageRefusal{"OmitToo", With(kSoic8, {"--omit", "3"}), 2, "--omit does not go with --package"},
    PackageRefusal{"NameWidthToo", With(kSoic8, {"--name-width", "2"}), 2, "--name-width does not go with --package"},
    PackageRefusal{"PinPadstackToo", With(kSoic8, {"--pin-padstack", "1=P"}), 2,
                   "--pin-padstack does not go with --package"},
    PackageRefusal{"AnotherArrangement", With(kSoic8, {"--also", "--style", "dual", "--end-also"}), 2,
                   "--also does not go with --package: a package's lands are the footprint's one arrangement"},
    PackageRefusal{"FamilyBeyondAscii", {"--package", "gullw\u00edng"}, 2,
                   "--package: family 'gullw\u00edng' is not gullwing, nolead or bga"},
    PackageRefusal{"PositionBeyondAscii", With(kSoic8, {"--hidden-pins", "3,\u00c41"}), 2,
                   "hidden_pins: \u00c41 is no position of the package (1 to 8)"},
    PackageRefusal{"SizeIsOneNumber", With(kBga144, {"--pad-diameter", "0.4..0.5"}), 2,
                   "pad_diameter '0.4..0.5' is not a number"},
    PackageRefusal{"LimitsReversed", {"--package", "gullwing", "--lead-width", "0.51..0.31"}, 2,
                   "lead_width 0.51..0.31: the minimum 0.51 is above the maximum 0.31"},
    PackageRefusal{"FootTooLong", {"--package", "gullwing", "--pitch", "1.27", "--num-pins-y", "4", "--body-size-x",
                                   "3.9", "--body-size-y", "4.9", "--overall-size-x", "6", "--lead-width", "0.4",
                                   "--lead-len", "3.1"}, 2, "lead_len"},
    PackageRefusal{"PadLargerThanBody", With(kQfn32, {"--EP-size-x-overwrite", "5.5"}), 2,
                   "EP_size_x_overwrite 5.5 is larger than body_size_x 4.9..5.1"},
    PackageRefusal{"NoSuchPosition", With(kSoic8, {"--hidden-pins", "3,9"}), 2,
                   "hidden_pins: 9 is no position of the package (1 to 8)"},
    PackageRefusal{"HiddenAndDeleted", With(kSoic8, {"--hidden-pins", "2-4", "--deleted-pins", "4"}), 2,
                   "position 4 is in hidden_pins and in deleted_pins; give it in one"},
    PackageRefusal{"BallBetweenRows", {"--package", "bga", "--pitch", "0.8", "--cols", "4", "--rows", "4",
                                       "--body-size-x", "5", "--body-size-y", "5", "--ball-diameter", "0.52"}, 2,
                   "ball_diameter 0.52 lies between the balls 0.5 and 0.55 of the collapsible table; give pad_diameter"},
    PackageRefusal{"InTheBatch", {}, 1,
                   "entry 2 (QFN-32): lead_width takes a number, {\"nominal\", \"tolerance\"}"}),
    [](const auto& info) { return std::string(info.param.name); });

// A datasheet's plus-minus sign reads as "+-" does, from the command line and from JSON alike,
// though the host keeps their texts in Latin-1.
TEST_F(GeneratePackageTest, PlusMinusSignReadsAsItsAsciiForm) {
    const auto body = [](const std::string& text) {
        Words words = kSoic8;
        *std::find(words.begin(), words.end(), "3.8..3.9..4.0") = text;
        return words;
    };
    ASSERT_EQ(Generate("ASCII", body("3.9+-0.05")).code, 0);
    const Outcome flags = Generate("SIGN", body("3.9 \u00b1 0.05"));
    ASSERT_EQ(flags.code, 0) << flags.err;
    Write("sign.json", R"([{"footprint": "JSON", "package": {"family": "gullwing", "pitch": 1.27, "num_pins_y": 4,
        "body_size_x": "3.9\u00b10.05", "body_size_y": "4.8..4.9..5.0", "overall_size_x": "5.8..6.2",
        "lead_width": "0.31..0.51", "lead_len": "0.40..1.27"}}])");
    const Outcome json = Run({"generate", "d.design", "--from-json", "sign.json"});
    ASSERT_EQ(json.code, 0) << json.err;
    const auto bodyKept = [](const JsonValue& shown) {
        const JsonValue* kept = shown.Member("host")->Member("land_pattern")->Member("keys")->Member("body_size_x");
        return kept ? kept->text : "none";
    };
    const JsonValue ascii = Shown("ASCII");
    EXPECT_EQ(bodyKept(ascii), "3.9+-0.05");
    for (const char* name : {"SIGN", "JSON"}) {
        const JsonValue shown = Shown(name);
        EXPECT_EQ(Pins(shown), Pins(ascii)) << name;
        EXPECT_EQ(bodyKept(shown), bodyKept(ascii)) << name;
    }
}

// A JSON package that lacks its family or names no key is refused, naming the entry.
TEST_F(GeneratePackageTest, JsonPackageNeedsItsFamilyAndKnownKeys) {
    for (const auto& [package, error] :
         {std::pair{R"({"pitch": 1})", "entry 1 (P): \"package\" needs \"family\" (gullwing, nolead or bga)"},
          {R"({"family": "bga", "ball_pitch": 1})", "entry 1 (P): \"package\": 'ball_pitch' is not a package key"},
          {R"({"family": "bga", "cols": 4.5})", "entry 1 (P): cols takes a whole number"},
          {R"("bga")", "entry 1 (P): \"package\" must be an object of package keys"}}) {
        Write("p.json", std::string(R"([{"footprint": "P", "package": )") + package + "}]");
        const Outcome o = Run({"generate", "d.design", "--from-json", "p.json"});
        EXPECT_EQ(o.code, 1);
        EXPECT_TRUE(Has(o.err, error)) << o.err;
    }
}

// Reopened, the dialog shows the page the lands chose with their values; OK unchanged keeps the
// footprint and its land pattern to the byte, a change leaves the pattern behind but not the
// exposed pad's paste windows.
TEST_F(GeneratePackageTest, ReopenShowsTheComputedValuesAndKeepsThePattern) {
    ASSERT_EQ(Generate("QFN-32", kQfn32).code, 0);
    const std::string generated = DumpDesign(dir_ / "d.design");
    const JsonValue generatedShown = Shown("QFN-32");
    Write("s.txt", Act("expect", IDC_NUMBER_P, "8") + Act("expect", IDC_SPACING_X, "0.5") +
                       Act("expect", IDC_STAGGER_W, "0.6875") + "ok\n");
    Outcome o = Run({"run", "d.design", "QFN-32", "--reopen", "--script", "s.txt"});
    ASSERT_EQ(o.code, 0) << o.err << o.out;
    EXPECT_EQ(DumpDesign(dir_ / "d.design"), generated);
    Write("s.txt", Act("set", IDC_SPACING_X, "0.55") + "ok\n");
    o = Run({"run", "d.design", "QFN-32", "--reopen", "--script", "s.txt"});
    ASSERT_EQ(o.code, 0) << o.err << o.out;
    const JsonValue edited = Shown("QFN-32");
    EXPECT_EQ(edited.Member("land_pattern"), nullptr) << "the pads no longer follow it";
    // Each window's padstack and place from the exposed pad, which stands elsewhere once the rows move.
    const auto windows = [](const JsonValue& shown) {
        const auto at = [](const JsonValue& pin, const char* axis) { return std::stoi(pin.Member(axis)->text); };
        const auto& pins = shown.Member("pins")->items;
        const auto ep = std::find_if(pins.begin(), pins.end(), [](const JsonValue& p) { return p.Member("name")->text == "33"; });
        std::vector<std::string> found;
        for (const JsonValue& pin : pins)
            if (ep != pins.end() && pin.Member("name")->text.empty())
                found.push_back(pin.Member("padstack")->text + " " + std::to_string(at(pin, "x") - at(*ep, "x")) + " " +
                                std::to_string(at(pin, "y") - at(*ep, "y")));
        return found;
    };
    const std::vector<std::string> kept = windows(edited);
    EXPECT_EQ(kept.size(), 9u);
    EXPECT_EQ(kept, windows(generatedShown)) << "the same windows where the exposed pad stands";
    EXPECT_EQ(edited.Member("pins")->items.size(), 42u);
}

TEST_F(GeneratePackageTest, ExportTakesCourtyardBodyAndMarginsFromThePattern) {
    ASSERT_EQ(Generate("SOIC-8", kSoic8).code, 0);
    ASSERT_EQ(Generate("BGA-144", With(kBga144, {"--mask-margin", "0.05", "--paste-margin", "-0.025"})).code, 0);
    ASSERT_EQ(Generate("QFN-32", With(kQfn32, {"--thermal-vias", "3x3,0.3"})).code, 0);
    ASSERT_EQ(Run({"export", "d.design", "--kicad", "lib.pretty"}).code, 0);
    Sexpr soic, bga, qfn;
    ASSERT_TRUE(SexprReader(File("lib.pretty/SOIC-8.kicad_mod")).Read(soic));
    ASSERT_TRUE(SexprReader(File("lib.pretty/BGA-144.kicad_mod")).Read(bga));
    ASSERT_TRUE(SexprReader(File("lib.pretty/QFN-32.kicad_mod")).Read(qfn));
    const Sexpr* yard = soic.First("fp_rect");
    ASSERT_NE(yard, nullptr);
    EXPECT_EQ(yard->First("start")->Num(1), -3.7);
    EXPECT_EQ(yard->First("start")->Num(2), -2.7);
    EXPECT_EQ(yard->First("end")->Num(1), 3.7);
    const std::string descr = soic.First("descr")->Text(1);
    EXPECT_TRUE(Has(descr, "IPC-7351B land pattern, density nominal: left/right rows Z 6.9 G 3 X 0.6")) << descr;
    EXPECT_TRUE(Has(descr, "from --package gullwing --pitch 1.27")) << descr;
    double fabLeft = 0;
    for (const Sexpr* xy : soic.First("fp_poly")->First("pts")->All("xy")) fabLeft = std::min(fabLeft, xy->Num(1));
    EXPECT_EQ(fabLeft, -1.95) << "the body's nominal width";
    EXPECT_EQ(bga.First("fp_rect")->First("end")->Num(1), 6);
    for (const Sexpr* pad : bga.All("pad")) {
        ASSERT_NE(pad->First("solder_mask_margin"), nullptr);
        EXPECT_EQ(pad->First("solder_mask_margin")->Num(1), 0.05);
        EXPECT_EQ(pad->First("solder_paste_margin")->Num(1), -0.025);
    }
    EXPECT_EQ(qfn.First("attr")->Text(1), "smd") << "thermal vias leave it a surface-mount part";
    EXPECT_EQ(qfn.All("pad").size(), 33u + 9u + 9u) << "lands, pad, vias and paste windows";
}

// The export's origin is the package centre, though a row left empty moves the pads' outline.
TEST_F(GeneratePackageTest, ExportOriginIsThePackageCentre) {
    ASSERT_EQ(Generate("BGA-16", {"--package", "bga", "--pitch", "1", "--cols", "4", "--rows", "4", "--body-size-x", "5",
                                  "--body-size-y", "5", "--pad-diameter", "0.5", "--hidden-pins", "A1-A4"})
                  .code,
              0);
    ASSERT_EQ(Run({"export", "d.design", "BGA-16", "--kicad", "bga.kicad_mod"}).code, 0);
    Sexpr bga;
    ASSERT_TRUE(SexprReader(File("bga.kicad_mod")).Read(bga));
    const std::vector<const Sexpr*> pads = bga.All("pad");
    ASSERT_EQ(pads.size(), 12u);
    EXPECT_EQ(pads.front()->Text(1), "B1");
    EXPECT_EQ(pads.front()->First("at")->Num(1), -1.5);
    EXPECT_EQ(pads.front()->First("at")->Num(2), -0.5) << "row B is the second of four";
    EXPECT_EQ(bga.First("fp_rect")->First("start")->Num(2), -3.5) << "body + 1 mm about the centre";
}

// An opening over the exposed pad as stored: its kind, centre from the footprint's centre (mm, y
// up) and size.
struct Opening {
    std::string kind;
    double x = 0, y = 0, w = 0, h = 0;
};

std::vector<Opening> Openings(const JsonValue& design, const JsonValue& footprint) {
    const double unit = 25.4 / 254000;
    std::map<std::string, Opening> stacks;
    for (const JsonValue& p : design.Member("padstacks")->items)
        if (const JsonValue* kind = p.Member("kind")) {
            const JsonValue& layer = p.Member("layers")->items.at(0);
            stacks[p.Member("name")->text] = {kind->text, 0, 0, layer.Member("width")->number * unit,
                                              layer.Member("height")->number * unit};
        }
    const JsonValue& centre = *footprint.Member("center");
    std::vector<Opening> openings;
    for (const JsonValue& pin : footprint.Member("pins")->items) {
        auto stack = stacks.find(pin.Member("padstack")->text);
        if (stack == stacks.end()) continue;
        Opening o = stack->second;
        o.x = (pin.Member("x")->number - centre.items[0].number) * unit;
        o.y = (pin.Member("y")->number - centre.items[1].number) * unit;
        openings.push_back(o);
    }
    return openings;
}

struct OpeningCase {
    const char* name;
    Words flags;        // beside kQfn32's
    const char* json;   // the same keys beside the QFN-32's in JSON
    size_t windows;
    Opening first, middle;   // window 1 (top left) and window 5
    double coverage;
    std::optional<Opening> mask;
};

class PackageOpeningsTest : public GeneratePackageTest, public ::testing::WithParamInterface<OpeningCase> {};

// The worked QFN-32 of docs/land-patterns.md: a grid of 3 x 3 windows of 0.86 in cells of 3.2 / 3,
// or, clear of 2 x 2 vias on lands of 0.5, the stretches between them.
const double kCell = 3.2 / 3, kWindow = 0.86;
INSTANTIATE_TEST_SUITE_P(Qfn32, PackageOpeningsTest, ::testing::Values(
    OpeningCase{"Grid", {}, "", 9, {"paste", -kCell, kCell, kWindow, kWindow}, {"paste", 0, 0, kWindow, kWindow}, 0.65,
                std::nullopt},
    OpeningCase{"ClearOfVias", {"--thermal-vias", "2x2,0.3,paste_avoid_via"},
                R"(, "thermal_vias": {"count": [2, 2], "drill": 0.3, "paste_avoid_via": true})", 9,
                {"paste", -1.325, 1.325, 0.55, 0.55}, {"paste", 0, 0, 1.1, 1.1}, 0.4727, std::nullopt},
    OpeningCase{"OverTheVias", {"--thermal-vias", "2x2,0.3"},
                R"(, "thermal_vias": {"count": [2, 2], "drill": 0.3, "paste_avoid_via": false})", 9,
                {"paste", -kCell, kCell, kWindow, kWindow}, {"paste", 0, 0, kWindow, kWindow}, 0.65, std::nullopt},
    // 2 x 2 cells of 1.6 at half the pad: windows of 1.6 x sqrt(0.5) = 1.1314; window 5 is none, so the last.
    OpeningCase{"SplitAndCoverageGiven", {"--EP-num-paste-pads", "2x2", "--EP-paste-coverage", "0.5"},
                R"(, "EP_num_paste_pads": [2, 2], "EP_paste_coverage": 0.5)", 4, {"paste", -0.8, 0.8, 1.1314, 1.1314},
                {"paste", 0.8, -0.8, 1.1314, 1.1314}, 0.5, std::nullopt},
    OpeningCase{"MaskWider", {"--EP-mask-x", "3.4", "--EP-mask-y", "3.3"}, R"(, "EP_mask_x": 3.4, "EP_mask_y": 3.3)", 9,
                {"paste", -kCell, kCell, kWindow, kWindow}, {"paste", 0, 0, kWindow, kWindow}, 0.65,
                Opening{"mask", 0, 0, 3.4, 3.3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(PackageOpeningsTest, FlagsAndJsonLayTheWindowsAndMaskOverTheExposedPad) {
    const OpeningCase& c = GetParam();
    ASSERT_EQ(Generate("QFN-32", With(kQfn32, c.flags)).code, 0);
    Write("o.json", std::string(R"([{"footprint": "QFN-32", "package": {"family": "nolead", "pitch": 0.5,
        "num_pins_x": 8, "num_pins_y": 8, "body_size_x": "4.9..5.0..5.1", "body_size_y": "4.9..5.0..5.1",
        "lead_width": "0.18..0.25..0.30", "lead_len": "0.30..0.40..0.50", "EP_size_x": "3.1..3.2..3.3",
        "EP_size_y": "3.1..3.2..3.3")") + c.json + "}}]");
    ASSERT_EQ(Run({"new", "j.design", "--units", "mm"}).code, 0);
    const Outcome json = Run({"generate", "j.design", "--from-json", "o.json"});
    ASSERT_EQ(json.code, 0) << json.err;
    for (const char* design : {"d.design", "j.design"}) {
        SCOPED_TRACE(design);
        const auto shown = ReadJson(Run({"show", design, "--json"}).out);
        ASSERT_TRUE(shown.ok());
        const JsonValue& footprint = shown.value().Member("footprints")->items.at(0);
        std::vector<Opening> paste, mask;
        for (const Opening& o : Openings(shown.value(), footprint)) (o.kind == "paste" ? paste : mask).push_back(o);
        ASSERT_EQ(paste.size(), c.windows);
        for (const auto& [got, want] : {std::pair{paste[0], c.first}, {paste[std::min<size_t>(4, c.windows - 1)], c.middle}}) {
            EXPECT_NEAR(got.x, want.x, 1e-4);
            EXPECT_NEAR(got.y, want.y, 1e-4);
            EXPECT_NEAR(got.w, want.w, 1e-4);
            EXPECT_NEAR(got.h, want.h, 1e-4);
        }
        double area = 0;
        for (const Opening& o : paste) area += o.w * o.h;
        EXPECT_NEAR(area / (3.2 * 3.2), c.coverage, 1e-3);
        ASSERT_EQ(mask.size(), c.mask ? 1u : 0u);
        if (c.mask) {
            EXPECT_EQ((std::array{mask[0].x, mask[0].y, mask[0].w, mask[0].h}),
                      (std::array{c.mask->x, c.mask->y, c.mask->w, c.mask->h}));
        }
        const JsonValue& ep = footprint.Member("pins")->items.at(32);
        EXPECT_EQ(ep.Member("name")->text, "33");
        EXPECT_EQ(ep.Member("padstack")->text, "RR3.2x3.2r0.25(no paste)") << "the windows print its paste";
        EXPECT_EQ(footprint.Member("land_pattern")->Member("ep")->Member("paste")->items.size(), c.windows);
    }
    EXPECT_EQ(Run({"show", "d.design", "QFN-32"}).out.substr(8), Run({"show", "j.design", "QFN-32"}).out.substr(8));
}

// KiCad's way: the windows are pads on F.Paste alone, the pad has no paste of its own, the mask
// opening is a pad on F.Mask alone, and the pad's own opening narrows to a narrower mask.
TEST_F(GeneratePackageTest, ExportWritesTheOpeningsAsKicadPads) {
    ASSERT_EQ(Generate("WIDE", With(kQfn32, {"--EP-mask-x", "3.4", "--EP-mask-y", "3.4"})).code, 0);
    ASSERT_EQ(Generate("NARROW", With(kQfn32, {"--EP-mask-x", "3.0", "--EP-mask-y", "3.1"})).code, 0);
    ASSERT_EQ(Run({"export", "d.design", "--kicad", "lib.pretty"}).code, 0);
    for (const auto& [name, margin, maskW] : {std::tuple{"WIDE", 0.0, 3.4}, {"NARROW", -0.1, 3.0}}) {
        SCOPED_TRACE(name);
        Sexpr fp;
        ASSERT_TRUE(SexprReader(File(std::string("lib.pretty/") + name + ".kicad_mod")).Read(fp));
        std::map<std::string, std::vector<const Sexpr*>> byLayers;
        for (const Sexpr* pad : fp.All("pad")) {
            std::string layers;
            for (size_t i = 1; i < pad->First("layers")->items.size(); ++i) layers += pad->First("layers")->Text(i) + " ";
            byLayers[layers].push_back(pad);
        }
        ASSERT_EQ(byLayers["F.Paste "].size(), 9u);
        EXPECT_EQ(byLayers["F.Paste "][0]->Text(1), "") << "a window has no number";
        EXPECT_EQ(byLayers["F.Paste "][0]->Text(2), "smd");
        EXPECT_EQ(byLayers["F.Paste "][0]->First("size")->Num(1), 0.86);
        ASSERT_EQ(byLayers["F.Mask "].size(), 1u);
        EXPECT_EQ(byLayers["F.Mask "][0]->First("size")->Num(1), maskW);
        ASSERT_EQ(byLayers["F.Cu F.Mask "].size(), 1u) << "the exposed pad, without paste";
        const Sexpr* ep = byLayers["F.Cu F.Mask "][0];
        EXPECT_EQ(ep->Text(1), "33");
        const Sexpr* own = ep->First("solder_mask_margin");
        EXPECT_EQ(own ? own->Num(1) : 0.0, margin);
        EXPECT_EQ(byLayers["F.Cu F.Paste F.Mask "].size(), 32u);
    }
}

// --ep-paste lays its own grid; a package's pad takes the land pattern's windows.
TEST_F(GeneratePackageTest, EpPasteDoesNotGoWithAPackage) {
    const Outcome o = Generate("QFN-32", With(kQfn32, {"--ep-paste", "2x2"}));
    EXPECT_EQ(o.code, 2);
    EXPECT_TRUE(Has(o.err, "--ep-paste does not go with --package")) << o.err;
    EXPECT_EQ(Run({"show", "d.design", "QFN-32"}).code, 1) << "nothing stored";
}

// In a design of mils the dialog rounds every place to a unit of its own; the lands stand the same.
TEST_F(GeneratePackageTest, ADesignInMilsHoldsTheSameLands) {
    ASSERT_EQ(Run({"new", "m.design", "--units", "mils"}).code, 0);
    ASSERT_EQ(Generate("QFN-32", With(kQfn32, {"--deleted-pins", "1"}), "m.design").code, 0);
    ASSERT_EQ(Generate("QFN-32", With(kQfn32, {"--deleted-pins", "1"})).code, 0);
    const auto mils = Pins(Shown("QFN-32", "m.design")), mm = Pins(Shown("QFN-32"));
    ASSERT_EQ(mils.size(), mm.size());
    for (size_t i = 0; i < mm.size(); ++i) {
        EXPECT_EQ(std::get<0>(mils[i]), std::get<0>(mm[i]));
        EXPECT_NEAR(std::get<1>(mils[i]), std::get<1>(mm[i]), 1e-4);
        EXPECT_NEAR(std::get<2>(mils[i]), std::get<2>(mm[i]), 1e-4);
    }
}

}  // namespace
