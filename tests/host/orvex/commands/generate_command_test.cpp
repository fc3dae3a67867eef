// "orvex generate" through the real program and tessra.dll: the same design content as a person
// gets from the dialog, the dialog's refusals with nothing stored, and batches in one go.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>

#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/text/json_reader.h"
#include "res/resource.h"
#include "tests/host/orvex/commands/design_dump.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"
#include "tests/support/script_line.h"

namespace {

std::string Dump(const std::filesystem::path& file, bool host = true) { return DumpDesign(file, host); }

class OrvexGenerateTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        InstallPlugin();
        for (const char* design : {"g.design", "d.design"}) {
            ASSERT_EQ(Run({"new", design, "--units", "mm"}).code, 0);
            ASSERT_EQ(Run({"padstack", "add", design, "R60", "--shape", "round", "--width", "0.6", "--height", "0.6",
                           "--drill", "0.3"}).code, 0);
            ASSERT_EQ(Run({"padstack", "add", design, "SQ", "--shape", "rect", "--width", "0.8", "--height", "0.5"}).code, 0);
        }
        before_ = Dump(dir_ / "g.design");
    }
    Outcome Generate(std::vector<std::string> args) {
        args.insert(args.begin(), {"generate", "g.design"});
        return Run(args);
    }

    std::string before_;
};

struct SameAsDialog {
    const char* name;
    std::vector<std::string> options;
    std::string script;   // what a person does in the dialog for the same footprint
};

// Clicks on the letter boxes of the alphabet dialog, which are consecutive from "&A".
std::string LetterClicks(std::string_view letters) {
    std::string script;
    for (const char letter : letters) script += Act("click", IDC_LETTER_A + (letter - 'A'));
    return script;
}
class GenerateSameAsDialogTest : public OrvexGenerateTest, public ::testing::WithParamInterface<SameAsDialog> {};

TEST_P(GenerateSameAsDialogTest, StoresWhatTheDialogStores) {
    const SameAsDialog& c = GetParam();
    std::vector<std::string> args{"F1"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Outcome g = Generate(args);
    ASSERT_EQ(g.code, 0) << g.err;
    EXPECT_TRUE(Has(g.out, "g.design: stored 1 footprint\n")) << g.out;
    Write("s.txt", c.script);
    const Outcome d = Run({"run", "d.design", "F1", "--script", "s.txt"});
    ASSERT_EQ(d.code, 0) << d.err;
    ASSERT_TRUE(Has(d.out, "result: 1")) << d.out;
    const std::string generated = Dump(dir_ / "g.design", false);
    EXPECT_NE(generated, before_);
    EXPECT_EQ(generated, Dump(dir_ / "d.design"));
    EXPECT_TRUE(Has(Dump(dir_ / "g.design"), "Orvex|F1|x'" + Hex("{\"version\": 2, \"made_from\": {\"style\": ")))
        << "a record that holds nothing newer is written as the older orvex reads it";
}

// Everything a footprint was made from comes back: reopened and stored again unchanged, the
// design's content is what it was, recipe included.
TEST_P(GenerateSameAsDialogTest, ReopenedAndStoredUnchangedLeavesTheSameContent) {
    std::vector<std::string> args{"F1"};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    ASSERT_EQ(Generate(args).code, 0);
    const std::string generated = Dump(dir_ / "g.design", false);
    Write("s.txt", "ok\n");
    const Outcome o = Run({"run", "g.design", "F1", "--reopen", "--script", "s.txt"});
    ASSERT_EQ(o.code, 0) << o.err << o.out;
    ASSERT_TRUE(Has(o.out, "result: 1")) << o.out;
    EXPECT_EQ(Dump(dir_ / "g.design", false), generated);
}

INSTANTIATE_TEST_SUITE_P(Options, GenerateSameAsDialogTest, ::testing::Values(
    SameAsDialog{"dual", {"--style", "dual", "--q", "7", "--x", "1.27", "--y", "7.5"},
                 "page 0\n" + Act("set", IDC_NUMBER_Q, "7") + Act("set", IDC_SPACING_X, "1.27") +
                     Act("set", IDC_SPACING_Y, "7.5") + "ok\n"},
    SameAsDialog{"staggerx", {"--style", "stagger-x", "--p", "5", "--x", "2.54", "--w", "2", "--d", "1", "--x-start", "3",
                              "--x-increment", "2"},
                 "page 1\n" + Act("set", IDC_NUMBER_P, "5") + Act("set", IDC_SPACING_X, "2.54") +
                     Act("set", IDC_STAGGER_W, "2") + Act("set", IDC_ROW_DELTA, "1") + Act("set", IDC_START_X, "3") +
                     Act("set", IDC_INCREMENT_X, "2") + "ok\n"},
    SameAsDialog{"staggery", {"--style", "stagger-y", "--q", "6", "--y", "1.27", "--y-alpha", "--y-start", "2", "--y-increment", "1"},
                 "page 2\n" + Act("set", IDC_NUMBER_Q, "6") + Act("set", IDC_SPACING_Y, "1.27") +
                     Act("set", IDC_START_Y, "2") + Act("set", IDC_INCREMENT_Y, "1") + Act("click", IDC_ALPHABETIC_Y) +
                     "ok\n"},
    SameAsDialog{"staggerynumeric", {"--style", "stagger-y", "--q", "4", "--y", "1", "--y-numeric"},
                 "page 2\n" + Act("set", IDC_NUMBER_Q, "4") + Act("set", IDC_SPACING_Y, "1") +
                     Act("click", IDC_NUMERIC_Y) + "ok\n"},
    SameAsDialog{"qfp", {"--style", "chip-carrier", "--p", "5", "--q", "3", "--x", "0.5", "--y", "0.5", "--w", "1", "--z", "1",
                         "--center-start", "--x-alpha"},
                 "page 3\n" + Act("set", IDC_NUMBER_P, "5") + Act("set", IDC_NUMBER_Q, "3") +
                     Act("set", IDC_SPACING_X, "0.5") + Act("set", IDC_SPACING_Y, "0.5") +
                     Act("set", IDC_STAGGER_W, "1") + Act("set", IDC_STAGGER_Z, "1") + Act("click", IDC_ALPHABETIC_X) +
                     Act("click", IDC_CENTER_CC) + "ok\n"},
    SameAsDialog{"circle", {"--style", "circular", "--p", "9", "--r", "4.5", "--angle", "40"},
                 "page 4\n" + Act("set", IDC_NUMBER_P, "9") + Act("set", IDC_RADIUS, "4.5") +
                     Act("set", IDC_ANGLE, "40") + "ok\n"},
    SameAsDialog{"bga", {"--style", "grid", "--p", "16", "--q", "16", "--x", "1", "--y", "1", "--alphabet", "ABCDEFGHJKLMNPRTUVWY"},
                 "page 5\n" + Act("set", IDC_NUMBER_P, "16") + Act("set", IDC_NUMBER_Q, "16") +
                     Act("set", IDC_SPACING_X, "1") + Act("set", IDC_SPACING_Y, "1") + Act("click", IDC_ARRAY_ALPHABET) +
                     LetterClicks("HINOPQRSVY") + "ok\nok\n"},
    SameAsDialog{"numbered", {"--style", "grid", "--p", "3", "--q", "2", "--x", "1", "--y", "1", "--continue-numbering"},
                 "page 5\n" + Act("set", IDC_NUMBER_P, "3") + Act("set", IDC_NUMBER_Q, "2") +
                     Act("set", IDC_SPACING_X, "1") + Act("set", IDC_SPACING_Y, "1") + Act("click", IDC_PIN1_NUMERIC) +
                     "ok\n"},
    SameAsDialog{"padstacks", {"--style", "dual", "--q", "3", "--x", "5", "--y", "1.27", "--padstack", "SQ", "--pin1-padstack", "R60"},
                 "page 0\n" + Act("set", IDC_NUMBER_Q, "3") + Act("set", IDC_SPACING_X, "5") +
                     Act("set", IDC_SPACING_Y, "1.27") + Act("click", IDC_SELECT_DEFAULT_PADSTACK) +
                     Act("select", IDC_PADSTACK_LIST, "SQ") + "ok\n" + Act("click", IDC_SELECT_PIN1_PADSTACK) +
                     Act("select", IDC_PADSTACK_LIST, "R60") + "ok\nok\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every style answers each of the four naming flags: its page names the pads so, or it does not
// offer that button and generate refuses the flag by name. Accepted, a flag reads the same from JSON.
constexpr const char* kAxisFlags[] = {"x-numeric", "x-alpha", "y-numeric", "y-alpha"};
struct AxisNames {
    const char* style;
    std::vector<std::string> options;   // a small footprint of the style, in pairs
    const char* names[4];               // per flag above: the pads' names, or null: refused
};
class GenerateAxisNamesTest : public OrvexGenerateTest, public ::testing::WithParamInterface<AxisNames> {
protected:
    std::string PinNames(const std::string& footprint) {
        auto shown = ReadJson(Run({"show", "g.design", footprint, "--json"}).out);
        if (!shown.ok() || shown.value().Member("footprints")->items.empty()) return "not shown";
        std::string names;
        for (const JsonValue& pin : shown.value().Member("footprints")->items[0].Member("pins")->items)
            names += (names.empty() ? "" : " ") + pin.Member("name")->text;
        return names;
    }
};

TEST_P(GenerateAxisNamesTest, EveryFlagNamesThePadsOrIsRefusedByName) {
    const AxisNames& c = GetParam();
    std::string batch;
    for (size_t i = 0; i < std::size(kAxisFlags); ++i) {
        const std::string footprint = std::string("F-") + kAxisFlags[i];
        std::vector<std::string> args{footprint, "--style", c.style};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(std::string("--") + kAxisFlags[i]);
        const Outcome o = Generate(args);
        if (c.names[i] == nullptr) {
            EXPECT_EQ(o.code, 1);
            EXPECT_TRUE(Has(o.err, footprint + ": --" + kAxisFlags[i] + " does not apply to the " + c.style + " style as set"))
                << o.err;
            continue;
        }
        ASSERT_EQ(o.code, 0) << o.err;
        EXPECT_EQ(PinNames(footprint), c.names[i]) << kAxisFlags[i];
        batch += std::string(batch.empty() ? "" : ", ") + "{\"footprint\": \"" + footprint + "\", \"style\": \"" + c.style +
                 "\", \"" + kAxisFlags[i] + "\": true";
        for (size_t k = 0; k + 1 < c.options.size(); k += 2)
            batch += ", \"" + c.options[k].substr(2) + "\": \"" + c.options[k + 1] + "\"";
        batch += "}";
    }
    Write("axes.json", "[" + batch + "]");
    ASSERT_EQ(Run({"generate", "d.design", "--from-json", "axes.json"}).code, 0);
    EXPECT_EQ(Dump(dir_ / "d.design"), Dump(dir_ / "g.design"));
}

INSTANTIATE_TEST_SUITE_P(Styles, GenerateAxisNamesTest, ::testing::Values(
    AxisNames{"dual", {"--q", "3", "--x", "5", "--y", "1"}, {nullptr, nullptr, "1 2 3 4 5 6", "B C D E F G"}},
    AxisNames{"stagger-x", {"--p", "3", "--x", "2", "--y", "2", "--w", "1"}, {"0 1 2", "A B C", nullptr, nullptr}},
    AxisNames{"stagger-y", {"--q", "3", "--x", "2", "--y", "2", "--w", "1"}, {nullptr, nullptr, "0 1 2", "A B C"}},
    AxisNames{"chip-carrier", {"--p", "2", "--q", "2", "--x", "1", "--y", "1", "--w", "1", "--z", "1"},
              {"1 2 3 4 5 6 7 8", "B C D E F G I J", nullptr, nullptr}},
    AxisNames{"circular", {"--p", "3", "--r", "2", "--angle", "90"}, {"1 2 3", "B C D", nullptr, nullptr}},
    // The grid's pads are a row letter and a column number; the other two buttons are off.
    AxisNames{"grid", {"--p", "2", "--q", "2", "--x", "1", "--y", "1"}, {"A1 A2 B1 B2", nullptr, nullptr, "A1 A2 B1 B2"}}),
    [](const auto& info) {
        std::string name = info.param.style;
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        return name;
    });

struct Refused {
    std::vector<std::string> options;
    int code;
    const char* error;
};
class GenerateRefusalTest : public OrvexGenerateTest, public ::testing::WithParamInterface<Refused> {};

TEST_P(GenerateRefusalTest, SaysWhyAndStoresNothing) {
    std::vector<std::string> args{"F1"};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    const Outcome o = Generate(args);
    EXPECT_EQ(o.code, GetParam().code);
    EXPECT_TRUE(Has(o.err, GetParam().error)) << o.err;
    EXPECT_FALSE(Has(o.err, ", then")) << "the run stops at the first refusal: " << o.err;
    EXPECT_EQ(Dump(dir_ / "g.design"), before_);
}

INSTANTIATE_TEST_SUITE_P(Faults, GenerateRefusalTest, ::testing::Values(
    Refused{{"--p", "3"}, 2, "--style dual|stagger-x|stagger-y|chip-carrier|circular|grid is needed, or --package FAMILY with its keys"},
    Refused{{"--style", "hex"}, 2, "unknown style \"hex\""},
    Refused{{"--style", "grid", "--radius", "2"}, 2, "unknown option --radius"},
    Refused{{"--style", "grid", "--p"}, 2, "option --p needs a value"},
    Refused{{"--style", "grid", "--p", "0"}, 1, "F1: --p: the dialog says \"Please enter an integer between 1 and 3200.\"; nothing was stored"},
    Refused{{"--style", "dual", "--x", "wide"}, 1, "F1: --x: the dialog says \"Please enter a number.\""},
    Refused{{"--style", "dual", "--p", "4"}, 1, "F1: --p does not apply to the dual style as set"},
    Refused{{"--style", "grid", "--r", "2"}, 1, "F1: --r does not apply to the grid style as set; nothing was stored"},
    Refused{{"--style", "grid", "--x-alpha"}, 1, "F1: --x-alpha does not apply to the grid style as set"},
    Refused{{"--style", "dual", "--padstack", "NOPE"}, 1, "F1: --padstack: the dialog offers no padstack named NOPE"},
    Refused{{"--style", "grid", "--alphabet", "A"}, 1, "F1: --alphabet: the dialog says \"At least 2 letters must be selected in the alphabet\"; nothing"},
    Refused{{"--style", "grid", "--alphabet", "A1"}, 2, "the alphabet takes the letters A to Z, not \"A1\""}));

TEST_F(OrvexGenerateTest, BatchOfAHundredInOneTransaction) {
    const char* styles[] = {"stagger-x", "stagger-y", "chip-carrier", "circular", "grid"};
    std::string json = "[";
    for (int i = 0; i < 100; ++i)
        json += std::string(i ? ",\n" : "") + "{\"footprint\": \"FP" + std::to_string(i) + "\", \"style\": \"" +
                styles[i % 5] + "\", \"p\": " + std::to_string(2 + i % 7) + ", \"allow-overlap\": true}";
    Write("batch.json", json + "]");
    const Outcome o = Run({"generate", "g.design", "--from-json", "batch.json"});
    ASSERT_EQ(o.code, 0) << o.err;
    EXPECT_TRUE(Has(o.out, "stored 100 footprints")) << o.out;
    const Outcome shown = Run({"show", "g.design", "FP99"});
    EXPECT_TRUE(Has(shown.out, "FP99 (symbol 100): ")) << shown.out;
    EXPECT_TRUE(Has(File("home/tessra.ini"), "TessraActivePage=5\r\n")) << "the last footprint's page, the grid";

    // One bad entry and the whole batch, good ones before it included, keeps nothing.
    const std::string stored = Dump(dir_ / "g.design");
    Write("bad.json", R"([{"footprint": "OK1", "style": "dual", "x": 5}, {"footprint": "BAD", "style": "grid", "q": -4}])");
    const Outcome bad = Run({"generate", "g.design", "--from-json", "bad.json"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(Has(bad.err, "entry 2 (BAD): --q: the dialog says \"Please enter an integer between 1 and 3200.\"")) << bad.err;
    EXPECT_EQ(Dump(dir_ / "g.design"), stored);
}

TEST_F(OrvexGenerateTest, JsonNamesItsDesignOrIsRefused) {
    Write("one.json", R"({"design": "g.design", "footprint": "J1", "style": "dual", "x": 5})");
    EXPECT_EQ(Run({"generate", "--from-json", "one.json"}).code, 0);
    Write("two.json", R"([{"design": "g.design", "footprint": "J2", "style": "dual"}, {"design": "d.design", "footprint": "J3", "style": "dual"}])");
    const Outcome two = Run({"generate", "--from-json", "two.json"});
    EXPECT_EQ(two.code, 1);
    EXPECT_TRUE(Has(two.err, "J3 names the design d.design, not g.design")) << two.err;
    Write("bad.json", "{\"footprint\": \"J4\",\n \"style\": dual}");
    const Outcome bad = Run({"generate", "g.design", "--from-json", "bad.json"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(Has(bad.err, "bad.json: line 2, column 11: unexpected 'd'")) << bad.err;
    const Outcome mixed = Run({"generate", "g.design", "--from-json", "one.json", "--p", "3"});
    EXPECT_EQ(mixed.code, 2);
    EXPECT_TRUE(Has(mixed.err, "with --from-json every other option comes from the file")) << mixed.err;
    EXPECT_EQ(Run({"generate", "g.design", "J1", "--style", "grid"}).code, 1) << "J1 is taken";
}

}  // namespace
