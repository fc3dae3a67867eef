// generate's options for the host's part and the dialog's radio pairs: every option reads the
// same from the command line and from JSON, and a wrong one is refused naming it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/orvex/requests/generate_request.h"

namespace {

// What a request asks for, as one text: the dialog's actions and the host's record for a design
// in millimetres of 0.1 micron units.
std::string Asked(const GenerateRequest& request) {
    std::string text;
    for (const ScriptAction& a : BuildGenerateScript(request).actions) text += std::to_string(a.id) + a.text + " ";
    zelmdb::DesignInfo mm;
    mm.unitCode = 4;
    auto extras = ExtrasOf(request, mm);
    return extras.ok() ? text + EncodeExtras(extras.value()) : extras.error();
}

// The words as the program hands them on: the names in the design's 8-bit text.
Result<GenerateRequest> FromArgs(std::vector<std::string> words) {
    auto args = ArgList::Parse(words, GenerateArgRules());
    if (!args.ok()) return Result<GenerateRequest>::Fail(args.error());
    if (Status texts = args.value().ToHostTexts(GenerateArgRules()); !texts.ok()) return Failure{texts.error()};
    return RequestFromArgs(args.value(), "F");
}

Result<GenerateRequest> FromJson(const std::string& members) {
    auto json = ReadJson("{\"footprint\": \"F\", " + members + "}");
    if (!json.ok()) return Result<GenerateRequest>::Fail(json.error());
    auto requests = RequestsFromJson(json.value());
    if (!requests.ok()) return Result<GenerateRequest>::Fail(requests.error());
    return requests.value().front();
}

struct BothForms {
    const char* name;
    std::vector<std::string> words;
    std::vector<std::string> json;   // each reads as the words do
    const char* asks;                // part of what they ask
};
class BothFormsTest : public ::testing::TestWithParam<BothForms> {};

TEST_P(BothFormsTest, AskTheSame) {
    auto args = FromArgs(GetParam().words);
    ASSERT_TRUE(args.ok()) << args.error();
    const std::string asked = Asked(args.value());
    EXPECT_NE(asked.find(GetParam().asks), std::string::npos) << asked;
    for (const std::string& members : GetParam().json) {
        auto json = FromJson(members);
        ASSERT_TRUE(json.ok()) << json.error();
        EXPECT_EQ(Asked(json.value()), asked) << members;
    }
}

INSTANTIATE_TEST_SUITE_P(Options, BothFormsTest, ::testing::Values(
    BothForms{"Pads", {"--style", "grid", "--pad", "EP", "0", "0.5", "SQ", "--pad", "", "-1.25", "2", "MH"},
              {R"("style": "grid", "pads": [{"name": "EP", "x": 0, "y": "0.5", "padstack": "SQ"},
                                           {"padstack": "MH", "x": -1.25, "y": 2, "name": ""}])"},
              R"("pads": [{"name": "EP", "x": 0, "y": 5000, "padstack": "SQ"}, {"name": "", "x": -12500, "y": 20000, "padstack": "MH"}], "pads_about": "center")"},
    BothForms{"PadsAboutOrigin", {"--style", "grid", "--pad", "EP", "1", "0", "SQ", "--pads-about", "origin"},
              {R"("style": "grid", "pads": [{"name": "EP", "x": 1, "y": 0, "padstack": "SQ"}], "pads-about": "origin")"},
              R"("pads_about": "origin")"},
    BothForms{"Omit", {"--style", "grid", "--omit", "A1,B2", "--omit", "5-8"},
              {R"("style": "grid", "omit": ["A1,B2", "5-8"])", R"("style": "grid", "omit": "A1, B2 ,5-8")"},
              R"("omit": ["A1", "B2", "5-8"])"},
    BothForms{"Turn", {"--style", "dual", "--turn", "270"}, {R"("style": "dual", "turn": 270)", R"("style": "dual", "turn": "270")"},
              R"("turn": 270)"},
    BothForms{"StartAngle", {"--style", "circular", "--start-angle", "-45.5"}, {R"("style": "circular", "start-angle": -45.5)"},
              R"("start_angle": -45.5)"},
    BothForms{"EpPaste", {"--style", "grid", "--pad", "33", "0", "0", "EP", "--ep-paste", "2x3"},
              {R"("style": "grid", "pads": [{"name": "33", "x": 0, "y": 0, "padstack": "EP"}], "ep-paste": "2x3@0.65")"},
              R"("ep_paste": "2x3@0.65")"},
    BothForms{"EpPasteCoverage", {"--style", "grid", "--pad", "33", "0", "0", "EP", "--ep-paste", "4x4@.5"},
              {R"("style": "grid", "pads": [{"name": "33", "x": 0, "y": 0, "padstack": "EP"}], "ep-paste": "4x4@0.50")"},
              R"("ep_paste": "4x4@0.5")"},
    BothForms{"AllowOverlap", {"--style", "grid", "--allow-overlap"}, {R"("style": "grid", "allow-overlap": true)"}, "{"},
    BothForms{"NameWidth", {"--style", "dual", "--name-width", "3"}, {R"("style": "dual", "name-width": 3)"},
              R"("name_width": 3)"},
    BothForms{"PinPadstacks", {"--style", "dual", "--pin-padstack", "1, 4-6=END", "--pin-padstack", "2=A=B"},
              {R"("style": "dual", "pin-padstack": ["1,4-6=END", "2=A=B"])"},
              R"("pin_padstacks": [{"pins": ["1", "4-6"], "padstack": "END"}, {"pins": ["2"], "padstack": "A=B"}])"},
    // The second arrangement is made apart: its options go to its own run, not into the first's.
    BothForms{"Also", {"--style", "grid", "--p", "2", "--also", "--style", "dual", "--p", "4", "--at", "1", "-2.5",
                       "--share-names", "--pin-padstack", "1=E", "--end-also"},
              {R"("style": "grid", "p": 2, "also": [{"style": "dual", "p": "4", "at": [1, -2.5], "share-names": true,
                  "pin-padstack": "1=E"}])"},
              R"(40262 0 {"version": 3, "pads_about": "center", "also": [{"made_from": {"style": "dual", "p": "4"}, )"
              R"("at": [10000, -25000], "share_names": true, "pin_padstacks": [{"pins": ["1"], "padstack": "E"}]}])"},
    BothForms{"AxisNames", {"--style", "stagger-y", "--x-numeric", "--y-numeric"},
              {R"("style": "stagger-y", "x-alpha": false, "y-numeric": true)", R"("style": "stagger-y", "y-alpha": false, "x-numeric": true)"},
              "4043 4045 "},
    BothForms{"Alphabetic", {"--style", "dual", "--y-alpha"}, {R"("style": "dual", "y-numeric": false)"}, "4046 "},
    BothForms{"OtherButtons", {"--style", "chip-carrier", "--corner-start", "--alpha-numeric"},
              {R"("style": "chip-carrier", "center-start": false, "continue-numbering": false)"}, "4117 4064 "}),
    [](const auto& info) { return std::string(info.param.name); });

// What belongs to the whole footprint is refused inside an arrangement of --also, named as such.
TEST(BothFormsTest, FootprintOptionsStayOutsideAnArrangement) {
    EXPECT_EQ(FromArgs({"--style", "grid", "--also", "--style", "grid", "--turn", "90", "--end-also"}).error(),
              "--also 1: --turn is an option of the whole footprint; give it outside --also ... --end-also");
    EXPECT_EQ(FromJson(R"("style": "grid", "also": [{"style": "grid", "pads": []}])").error(),
              "F: --also 1: \"pads\" is an option of the whole footprint, not of an arrangement in \"also\"");
    // The paste split is the extra pads', which belong to the whole footprint too.
    EXPECT_EQ(FromArgs({"--style", "grid", "--also", "--style", "grid", "--ep-paste", "2x2", "--end-also"}).error(),
              "--also 1: --ep-paste is an option of the whole footprint; give it outside --also ... --end-also");
    EXPECT_EQ(FromJson(R"("style": "grid", "also": [{"style": "grid", "ep-paste": "1x1"}])").error(),
              "F: --also 1: \"ep-paste\" is an option of the whole footprint, not of an arrangement in \"also\"");
    EXPECT_EQ(FromJson(R"("style": "grid", "also": [{"style": "grid", "radius": 2}])").error(),
              "F: --also 1: unknown option \"radius\"");
    EXPECT_EQ(FromArgs({"--style", "grid", "--also", "--style", "grid"}).error(),
              "option --also ends with --end-also, which is missing");
}

// Kept with the footprint, an arrangement's options make the same arrangement again.
TEST(BothFormsTest, AnArrangementReadsBackFromTheOptionsItWasMadeFrom) {
    auto request = FromArgs({"--style", "grid", "--also", "--style", "stagger-y", "--p", "3", "--y-numeric", "--alphabet",
                             "ab", "--padstack", "P Q", "--end-also"});
    ASSERT_TRUE(request.ok()) << request.error();
    const AlsoRequest& also = request.value().also.at(0);
    auto again = ArrangementFromOptions(MadeFrom(also));
    ASSERT_TRUE(again.ok()) << again.error();
    EXPECT_EQ(MadeFrom(again.value()), MadeFrom(also));
    std::string script, back;
    for (const ScriptAction& a : BuildGenerateScript(also).actions) script += std::to_string(a.id) + a.text + " ";
    for (const ScriptAction& a : BuildGenerateScript(again.value()).actions) back += std::to_string(a.id) + a.text + " ";
    EXPECT_EQ(back, script);
    EXPECT_EQ(ArrangementFromOptions({{"style", "grid"}, {"turn", "90"}}).error(), "unknown option \"turn\"");
    EXPECT_EQ(ArrangementFromOptions({{"p", "2"}}).error(), "--style dual|stagger-x|stagger-y|chip-carrier|circular|grid is needed");
}

TEST(BothFormsTest, AllowOverlapIsKeptOnTheRequestOnly) {
    EXPECT_TRUE(FromArgs({"--style", "grid", "--allow-overlap"}).value().extras.allowOverlap);
    EXPECT_FALSE(FromJson(R"("style": "grid", "allow-overlap": false)").value().extras.allowOverlap);
}

struct Wrong {
    const char* name;
    std::vector<std::string> words;   // empty: JSON only
    const char* json;
    const char* error;
};
class WrongOptionTest : public ::testing::TestWithParam<Wrong> {};

TEST_P(WrongOptionTest, IsRefusedNamingIt) {
    if (!GetParam().words.empty()) {
        auto args = FromArgs(GetParam().words);
        ASSERT_FALSE(args.ok());
        EXPECT_EQ(args.error(), GetParam().error);
    }
    auto json = FromJson(GetParam().json);
    ASSERT_FALSE(json.ok());
    EXPECT_EQ(json.error(), std::string("F: ") + GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Faults, WrongOptionTest, ::testing::Values(
    Wrong{"Turn", {"--style", "grid", "--turn", "45"}, R"("style": "grid", "turn": 45)",
          "--turn: 45 is not 0, 90, 180 or 270 (degrees, counter-clockwise)"},
    Wrong{"StartAngleOfAGrid", {"--style", "grid", "--start-angle", "0"}, R"("style": "grid", "start-angle": 0)",
          "--start-angle: only a circle has a start angle, not the grid style"},
    Wrong{"StartAngle", {"--style", "circular", "--start-angle", "400"}, R"("style": "circular", "start-angle": 400)",
          "--start-angle: 400 is not between -360 and 360 degrees"},
    Wrong{"StartAngleText", {"--style", "circular", "--start-angle", "left"}, R"("style": "circular", "start-angle": "left")",
          "--start-angle: left is not between -360 and 360 degrees"},
    Wrong{"PadsAbout", {"--style", "grid", "--pads-about", "middle"}, R"("style": "grid", "pads-about": "middle")",
          "--pads-about: middle is neither center nor origin"},
    Wrong{"EmptyOmit", {"--style", "grid", "--omit", "A1,,B2"}, R"("style": "grid", "omit": "A1,,B2")",
          "--omit: \"A1,,B2\" holds an empty name"},
    Wrong{"PadPlace", {"--style", "grid", "--pad", "EP", "1mm", "0", "SQ"},
          R"("style": "grid", "pads": [{"name": "EP", "x": "1mm", "y": 0, "padstack": "SQ"}])", "--pad EP: x '1mm' is not a number"},
    Wrong{"BothButtons", {"--style", "grid", "--x-alpha", "--x-numeric"}, R"("style": "grid", "x-alpha": true, "x-numeric": true)",
          "--x-alpha and --x-numeric answer one choice; give one"},
    Wrong{"PadMembers", {}, R"("style": "grid", "pads": [{"name": "EP", "x": 0, "y": 0}])",
          "\"pads\": each pad is {\"name\": text, \"x\": number, \"y\": number, \"padstack\": text}"},
    Wrong{"EpPasteWithoutAPad", {"--style", "grid", "--ep-paste", "3x3"}, R"("style": "grid", "ep-paste": "3x3")",
          "--ep-paste splits the paste of an exposed pad; give the pad with --pad"},
    Wrong{"EpPasteForm", {"--style", "grid", "--ep-paste", "3by3"}, R"("style": "grid", "ep-paste": "3by3")",
          "--ep-paste: paste split 3by3 is not NxM or NxM@COVERAGE (windows across and down, the share of the pad)"},
    Wrong{"EpPasteCount", {"--style", "grid", "--ep-paste", "21x1"}, R"("style": "grid", "ep-paste": "21x1")",
          "--ep-paste: paste windows across 21 is out of range (1 to 20)"},
    Wrong{"EpPasteCoverage", {"--style", "grid", "--ep-paste", "2x2@1.5"}, R"("style": "grid", "ep-paste": "2x2@1.5")",
          "--ep-paste: paste coverage 1.5 is not above 0 and at most 1 (all of the pad)"},
    Wrong{"EpPasteAtFirst", {"--style", "grid", "--ep-paste", "2@3x3"}, R"("style": "grid", "ep-paste": "2@3x3")",
          "--ep-paste: paste split 2@3x3 is not NxM or NxM@COVERAGE (windows across and down, the share of the pad)"},
    Wrong{"OmitKind", {}, R"("style": "grid", "omit": 5)", "\"omit\" must be a text or a list of texts"},
    Wrong{"TurnKind", {}, R"("style": "grid", "turn": true)", "\"turn\" must be a number or a string"},
    Wrong{"OverlapKind", {}, R"("style": "grid", "allow-overlap": "yes")", "\"allow-overlap\" must be true or false"},
    Wrong{"NameWidth", {"--style", "grid", "--name-width", "17"}, R"("style": "grid", "name-width": 17)",
          "--name-width 17 is out of range (1 to 16)"},
    Wrong{"PinPadstackWithoutPadstack", {"--style", "grid", "--pin-padstack", "1-4="}, R"("style": "grid", "pin-padstack": "1-4=")",
          "--pin-padstack: \"1-4=\" is not PADS=PADSTACK"},
    Wrong{"PinPadstackWithoutPads", {"--style", "grid", "--pin-padstack", "=SQ"}, R"("style": "grid", "pin-padstack": ["=SQ"])",
          "--pin-padstack: \"=SQ\" is not PADS=PADSTACK"},
    Wrong{"TurnToldAsTyped", {"--style", "grid", "--turn", "90\u00b0"}, R"("style": "grid", "turn": "90\u00b0")",
          "--turn: 90\u00b0 is not 0, 90, 180 or 270 (degrees, counter-clockwise)"},
    Wrong{"PinPadstackToldAsTyped", {"--style", "grid", "--pin-padstack", "\u00c41"}, R"("style": "grid", "pin-padstack": "\u00c41")",
          "--pin-padstack: \"\u00c41\" is not PADS=PADSTACK"},
    Wrong{"PinPadstackEmptyName", {"--style", "grid", "--pin-padstack", "1,,2=SQ"}, R"("style": "grid", "pin-padstack": "1,,2=SQ")",
          "--pin-padstack: \"1,,2\" holds an empty name"},
    Wrong{"AlsoWithoutStyle", {"--style", "grid", "--also", "--p", "2", "--end-also"}, R"("style": "grid", "also": [{"p": 2}])",
          "--also 1: --style dual|stagger-x|stagger-y|chip-carrier|circular|grid is needed"},
    Wrong{"AlsoStartAngle", {"--style", "circular", "--also", "--style", "grid", "--start-angle", "10", "--end-also"},
          R"("style": "circular", "also": [{"style": "grid", "start-angle": 10}])",
          "--also 1: --start-angle: only a circle has a start angle, not the grid style"},
    Wrong{"AlsoAt", {"--style", "grid", "--also", "--style", "grid", "--at", "1", "x", "--end-also"},
          R"("style": "grid", "also": [{"style": "grid", "at": [1, "x"]}])", "--also 1: --at: y 'x' is not a number"},
    Wrong{"SecondAlso", {"--style", "grid", "--also", "--style", "grid", "--end-also", "--also", "--style", "hex", "--end-also"},
          R"("style": "grid", "also": [{"style": "grid"}, {"style": "hex"}])",
          "--also 2: unknown style \"hex\"; the styles are dual|stagger-x|stagger-y|chip-carrier|circular|grid"},
    Wrong{"AlsoKind", {}, R"("style": "grid", "also": {"style": "grid"})", "\"also\" must be a list of arrangements"},
    Wrong{"AtKind", {}, R"("style": "grid", "also": [{"style": "grid", "at": 5}])", "--also 1: \"at\" must be two numbers, [x, y]"},
    Wrong{"SharingKind", {}, R"("style": "grid", "also": [{"style": "grid", "share-names": 1}])",
          "--also 1: \"share-names\" must be true or false"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
