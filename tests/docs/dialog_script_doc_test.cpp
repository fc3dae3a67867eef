// docs/dialog-script.md against the parser: its table of actions gives a line the parser takes
// for every action there is. (dialog_controls checks the doc's control tables.)
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "platform/ui/script.h"

namespace {

TEST(DialogScriptDocTest, EveryActionHasAnExampleTheParserTakes) {
    std::ifstream in(TESSRA_SOURCE_DIR "/docs/dialog-script.md", std::ios::binary);
    std::set<ScriptVerb> shown;
    for (std::string line; std::getline(in, line);) {
        // The example column: "| `form` | `example` | meaning |".
        const size_t from = line.find("` | `"), to = line.find("` |", from + 5);
        if (line.rfind("| `", 0) != 0 || from == std::string::npos || to == std::string::npos) continue;
        const std::string example = line.substr(from + 5, to - from - 5);
        const ScriptParse parse = ParseScript(example);
        EXPECT_TRUE(parse.Ok()) << example << ": " << parse.error;
        for (const ScriptAction& a : parse.actions) shown.insert(a.verb);
    }
    EXPECT_FALSE(shown.empty()) << "no table of actions";
    for (int v = int(ScriptVerb::Page); v <= int(ScriptVerb::Check); ++v)
        EXPECT_TRUE(shown.count(ScriptVerb(v))) << "no example of ScriptVerb number " << v << " in the table of actions";
}

}  // namespace
