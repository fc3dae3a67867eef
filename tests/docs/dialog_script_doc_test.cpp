// docs/dialog-script.md against the parser: its table of actions gives a line the parser takes
// for every action there is. (dialog_controls checks the doc's control tables.)
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "platform/ui/script.h"

namespace {

TEST(DialogScriptDocTest, EveryActionHasAnExampleTheParserTakes) {
    std::ifstream in(TESSRA_SOURCE_DIR "/docs/dialog-script.md", std::ios::binary);
    const std::string doc((std::istreambuf_iterator<char>(in)), {});
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
