// docs/dialog-script.md against the code: its control tables are the ones the templates make,
// and its table of actions gives a line the parser takes for every action there is.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "platform/ui/script.h"
#include "tests/docs/control_tables.h"

namespace {

const std::filesystem::path kSource = TESSRA_SOURCE_DIR;
const std::filesystem::path kDoc = kSource / "docs" / "dialog-script.md";
const std::string kBegin = "<!-- controls: made by tests/docs/control_tables.cpp -->\n";
const std::string kEnd = "<!-- end of controls -->\n";

std::string ReadDoc() {
    std::ifstream in(kDoc, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

TEST(DialogScriptDocTest, ControlTablesAreTheTemplates) {
    const std::string doc = ReadDoc();
    const size_t begin = doc.find(kBegin), end = doc.find(kEnd);
    ASSERT_NE(begin, std::string::npos) << kDoc;
    ASSERT_NE(end, std::string::npos) << kDoc;
    const std::string made = "\n" + ControlTablesMarkdown(kSource / "res" / "resource.h") + "\n";
    const size_t from = begin + kBegin.size();
    if (doc.compare(from, end - from, made) == 0) return;
    const std::filesystem::path fresh = std::filesystem::path(TESSRA_TEST_OUT) / "dialog-script.md";
    std::filesystem::create_directories(fresh.parent_path());
    std::ofstream(fresh, std::ios::binary) << doc.substr(0, from) << made << doc.substr(end);
    ADD_FAILURE() << kDoc << " lists other controls than the dialog templates make; " << fresh
                  << " has the tables as made: copy it over the doc";
}

TEST(DialogScriptDocTest, EveryActionHasAnExampleTheParserTakes) {
    const std::string doc = ReadDoc();
    // The example column: "| `form` | `example` | meaning |".
    static const std::regex row(R"(\n\| `[^`]+` \| `([^`]+)` \|)");
    std::set<ScriptVerb> shown;
    for (std::sregex_iterator m(doc.begin(), doc.end(), row), none; m != none; ++m) {
        const ScriptParse parse = ParseScript((*m)[1].str());
        EXPECT_TRUE(parse.Ok()) << (*m)[1] << ": " << parse.error;
        for (const ScriptAction& a : parse.actions) shown.insert(a.verb);
    }
    for (int v = int(ScriptVerb::Page); v <= int(ScriptVerb::Check); ++v)
        EXPECT_TRUE(shown.count(ScriptVerb(v))) << "no example of ScriptVerb number " << v << " in the table of actions";
}

}  // namespace
