// Reading generate's requests: the JSON grammar with its refusals, the options of an entry, and
// the actions a run performs for them.
#include <gtest/gtest.h>

#include <string>

#include "host/orvex/requests/generate_request.h"
#include "host/orvex/text/json_reader.h"
#include "res/resource.h"

namespace {

using Kind = JsonValue::Kind;

TEST(JsonReaderTest, ReadsEveryKindAndKeepsNumbersAsWritten) {
    auto json = ReadJson(" {\"a\": [1, -2.50, 3e2, true, false, null], \"s\": \"x\\\"\\\\\\/\\n\\u00e9\\ud83d\\ude00\", \"a\": {}} ");
    ASSERT_TRUE(json.ok()) << json.error();
    const JsonValue& v = json.value();
    ASSERT_EQ(v.kind, Kind::Object);
    ASSERT_EQ(v.members.size(), 3u);
    const JsonValue& list = v.members[0].value;
    ASSERT_EQ(list.items.size(), 6u);
    EXPECT_EQ(list.items[1].text, "-2.50");
    EXPECT_DOUBLE_EQ(list.items[1].number, -2.5);
    EXPECT_DOUBLE_EQ(list.items[2].number, 300.0);
    EXPECT_TRUE(list.items[3].boolean);
    EXPECT_EQ(list.items[4].kind, Kind::Bool);
    EXPECT_FALSE(list.items[4].boolean);
    EXPECT_EQ(list.items[5].kind, Kind::Null);
    EXPECT_EQ(v.Member("s")->text, "x\"\\/\n\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(v.Member("a")->kind, Kind::Object) << "the last of two equal names counts";
    EXPECT_EQ(v.Member("b"), nullptr);
}

struct BadJson {
    const char* text;
    const char* error;
};
class JsonRefusalTest : public ::testing::TestWithParam<BadJson> {};

TEST_P(JsonRefusalTest, NamesThePlaceAndTheFault) {
    auto json = ReadJson(GetParam().text);
    ASSERT_FALSE(json.ok());
    EXPECT_NE(json.error().find(GetParam().error), std::string::npos) << json.error();
}

INSTANTIATE_TEST_SUITE_P(Faults, JsonRefusalTest, ::testing::Values(
    BadJson{"", "line 1, column 1: the text ends where a value should be"},
    BadJson{"{\"a\": 1,}", "line 1, column 9: expected a member name in quotes"},
    BadJson{"[1 2]", "line 1, column 4: expected ',' or ']'"},
    BadJson{"{\n  \"a\" 1}", "line 2, column 7: expected ':'"},
    BadJson{"01", "line 1, column 2: more text after the value"},
    BadJson{"[\"U1\\u0000copy\"]", "line 1, column 5: a NUL character inside a string"},
    BadJson{"\"U1\xff\"", "line 1, column 4: a string is not valid UTF-8"},
    BadJson{"\"\xc3\"", "line 1, column 2: a string is not valid UTF-8"},
    BadJson{"\"\xc0\xaf\"", "line 1, column 2: a string is not valid UTF-8"},
    BadJson{"\"\xed\xa0\x80\"", "line 1, column 2: a string is not valid UTF-8"},
    BadJson{"\"\xf4\x90\x80\x80\"", "line 1, column 2: a string is not valid UTF-8"},
    BadJson{"\"\xf8\x88\x80\x80\"", "line 1, column 2: a string is not valid UTF-8"},
    BadJson{"-", "a digit is missing"}, BadJson{"1.", "a digit is missing"}, BadJson{"1e+", "a digit is missing"},
    BadJson{"\"abc", "a string is not closed"}, BadJson{"\"a\tb\"", "a control character inside a string"},
    BadJson{"\"\\x\"", "unknown escape"}, BadJson{"\"\\u12g4\"", "four hex digits"},
    BadJson{"\"\\ud83d\"", "a high surrogate without its low half"}, BadJson{"\"\\ude00\"", "a lone low surrogate"},
    BadJson{"tru", "expected true"}, BadJson{"'a'", "unexpected '''"}, BadJson{"{} {}", "more text after the value"}));

TEST(JsonReaderTest, NestingIsLimitedNotFollowed) {
    const std::string fits = std::string(kJsonMaxDepth, '[') + std::string(kJsonMaxDepth, ']');
    EXPECT_TRUE(ReadJson(fits).ok());
    const std::string deep = std::string(kJsonMaxDepth + 1, '[') + std::string(kJsonMaxDepth + 1, ']');
    auto json = ReadJson(deep);
    ASSERT_FALSE(json.ok());
    EXPECT_NE(json.error().find("nested deeper than 64"), std::string::npos) << json.error();
    EXPECT_FALSE(ReadJson(std::string(100000, '[')).ok()) << "no stack is exhausted";
}

TEST(GenerateRequestTest, ControlsAreTheDialogs) {
    const std::pair<const char*, int> controls[] = {
        {"p", IDC_NUMBER_P}, {"q", IDC_NUMBER_Q}, {"x", IDC_SPACING_X}, {"y", IDC_SPACING_Y},
        {"w", IDC_STAGGER_W}, {"z", IDC_STAGGER_Z}, {"d", IDC_ROW_DELTA}, {"r", IDC_RADIUS},
        {"angle", IDC_ANGLE}, {"x-start", IDC_START_X}, {"x-increment", IDC_INCREMENT_X},
        {"y-start", IDC_START_Y}, {"y-increment", IDC_INCREMENT_Y}, {"x-alpha", IDC_ALPHABETIC_X},
        {"y-alpha", IDC_ALPHABETIC_Y}, {"continue-numbering", IDC_PIN1_NUMERIC},
        {"center-start", IDC_CENTER_CC}, {"alphabet", IDC_ARRAY_ALPHABET}, {"letter-a", IDC_LETTER_A},
        {"padstack", IDC_SELECT_DEFAULT_PADSTACK}, {"pin1-padstack", IDC_SELECT_PIN1_PADSTACK},
        {"padstack-list", IDC_PADSTACK_LIST}};
    for (const auto& [name, id] : controls) EXPECT_EQ(GenerateControlId(name), id) << name;
    EXPECT_EQ(GenerateControlId("radius"), 0);
}

std::vector<GenerateRequest> FromJson(const std::string& text) {
    auto json = ReadJson(text);
    EXPECT_TRUE(json.ok()) << json.error();
    auto requests = RequestsFromJson(json.value());
    EXPECT_TRUE(requests.ok()) << requests.error();
    return requests.ok() ? requests.value() : std::vector<GenerateRequest>{};
}

// Spacings before counts: no state with every pad on one spot is ever drawn.
TEST(GenerateRequestTest, ScriptEntersFieldsInTableOrderWhateverTheGivenOrder) {
    const auto requests = FromJson(R"({"y": 1.27, "footprint": "S8", "p": 4, "x-alpha": true, "y-alpha": false,
                                       "style": "dual", "x": "2.54", "pin1-padstack": "SQ"})");
    ASSERT_EQ(requests.size(), 1u);
    const GenerateScript script = BuildGenerateScript(requests[0]);
    std::vector<std::string> seen;
    for (const ScriptAction& a : script.actions)
        seen.push_back(std::to_string(int(a.verb)) + " " + std::to_string(a.id) + " " + a.text + " <" +
                       script.origins[size_t(a.line - 1)] + ">");
    const auto row = [](ScriptVerb v, int id, const std::string& text, const std::string& origin) {
        return std::to_string(int(v)) + " " + std::to_string(id) + " " + text + " <" + origin + ">";
    };
    EXPECT_EQ(seen, (std::vector<std::string>{
                        row(ScriptVerb::Page, 0, "", "--style"),
                        row(ScriptVerb::Set, IDC_SPACING_X, "2.54", "--x"),
                        row(ScriptVerb::Set, IDC_SPACING_Y, "1.27", "--y"),
                        row(ScriptVerb::Set, IDC_NUMBER_P, "4", "--p"),
                        row(ScriptVerb::Click, IDC_ALPHABETIC_X, "", "--x-alpha"),
                        row(ScriptVerb::Click, IDC_NUMERIC_Y, "", "--y-numeric"),
                        row(ScriptVerb::Click, IDC_SELECT_PIN1_PADSTACK, "", "--pin1-padstack"),
                        row(ScriptVerb::Select, IDC_PADSTACK_LIST, "SQ", "--pin1-padstack"),
                        row(ScriptVerb::Ok, 0, "", "--pin1-padstack"),
                        row(ScriptVerb::Ok, 0, "", "")}));
}

// The body is kept with the footprint, not typed into the dialog, and is no option it was made from.
TEST(GenerateRequestTest, BodyIsKeptApartFromWhatTheDialogIsFed) {
    const auto requests = FromJson(R"({"footprint": "Q", "style": "grid", "body": "7x5.5", "p": 3, "x-alpha": true})");
    ASSERT_EQ(requests.size(), 1u);
    ASSERT_TRUE(requests[0].body);
    EXPECT_EQ(requests[0].body->width, 7);
    EXPECT_EQ(requests[0].body->height, 5.5);
    EXPECT_EQ(BuildGenerateScript(requests[0]).actions.size(), 4u) << "page, p, x-alpha, OK";
    using Option = std::pair<std::string, std::optional<std::string>>;
    EXPECT_EQ(MadeFrom(requests[0]), (std::vector<Option>{{"style", "grid"}, {"p", "3"}, {"x-alpha", std::nullopt}}));
}

TEST(GenerateRequestTest, AlphabetSetsEveryLetterBox) {
    const auto requests = FromJson(R"([{"footprint": "G", "style": "grid", "alphabet": "abz"}])");
    ASSERT_EQ(requests.size(), 1u);
    const GenerateScript script = BuildGenerateScript(requests[0]);
    ASSERT_EQ(script.actions.size(), 1u + 1 + 26 + 1 + 1);
    std::string wanted;
    for (size_t i = 2; i < 28; ++i) {
        EXPECT_EQ(script.actions[i].verb, ScriptVerb::Check);
        EXPECT_EQ(script.actions[i].id, IDC_LETTER_A + int(i - 2));
        wanted += script.actions[i].text;
    }
    EXPECT_EQ(wanted, "11000000000000000000000001");
}

struct BadEntry {
    const char* json;
    const char* error;
};
class GenerateEntryRefusalTest : public ::testing::TestWithParam<BadEntry> {};

TEST_P(GenerateEntryRefusalTest, NamesTheEntryAndTheFault) {
    auto json = ReadJson(GetParam().json);
    ASSERT_TRUE(json.ok()) << json.error();
    auto requests = RequestsFromJson(json.value());
    ASSERT_FALSE(requests.ok());
    EXPECT_EQ(requests.error(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Faults, GenerateEntryRefusalTest, ::testing::Values(
    BadEntry{R"({"style": "grid"})", "the object: \"footprint\" is needed"},
    BadEntry{R"({"footprint": "A"})", "A: \"style\" (dual|stagger-x|stagger-y|chip-carrier|circular|grid) or \"package\" is needed"},
    BadEntry{R"([{"footprint": "A", "style": "grid"}, {"footprint": "B", "style": "hex"}])",
             "entry 2 (B): unknown style \"hex\"; the styles are dual|stagger-x|stagger-y|chip-carrier|circular|grid"},
    BadEntry{R"([{"footprint": "A", "style": "grid", "radius": 2}])", "entry 1 (A): unknown option \"radius\""},
    BadEntry{R"({"footprint": "A", "style": "grid", "p": true})", "A: \"p\" must be a number or a string"},
    BadEntry{R"({"footprint": "A", "style": "grid", "x-alpha": 1})", "A: \"x-alpha\" must be true or false"},
    BadEntry{R"({"footprint": 7, "style": "grid"})", "the object: \"footprint\" must be a string"},
    BadEntry{R"({"footprint": "A", "style": "grid", "p": 2, "p": 3})", "A: \"p\" is given twice"},
    BadEntry{R"({"footprint": "A", "style": "grid", "alphabet": "AB-"})", "A: the alphabet takes the letters A to Z, not \"AB-\""},
    BadEntry{R"({"footprint": "A", "style": "grid", "body": "7"})", "A: body 7 is not WIDTHxHEIGHT in mm"},
    BadEntry{R"({"footprint": "A", "style": "grid", "body": [7, 7]})", "A: \"body\" must be a string"},
    BadEntry{R"([])", "the list holds no footprint"},
    BadEntry{R"([3])", "entry 1: is not an object"}));

}  // namespace
