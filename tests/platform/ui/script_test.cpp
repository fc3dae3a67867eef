// Parsing dialog scripts: every verb's shape, quoting, and refusals with their line numbers.
#include <gtest/gtest.h>

#include "platform/ui/script.h"

namespace {

TEST(ScriptTest, ReadsEveryVerbWithItsArguments) {
    const ScriptParse p = ParseScript(
        "# a whole run\n"
        "page 3\n"
        "type 4026 12\n"
        "set 4034 \"2.54\"   # trailing comment\n"
        "clear 4028\n"
        "key enter\n"
        "focus 4066\n"
        "click 1058\n"
        "select 1056 \"R60 (top)\"\n"
        "select 1056 #2\n"
        "answer yes\n"
        "file /tmp/lib.olb\n"
        "shot preview out/p.png\n"
        "expect 4026 \"12\"\n"
        "\n"
        "ok\n");
    ASSERT_TRUE(p.Ok()) << p.error;
    ASSERT_EQ(p.actions.size(), 14u);
    EXPECT_EQ(p.actions[0].verb, ScriptVerb::Page);
    EXPECT_EQ(p.actions[0].id, 3);
    EXPECT_EQ(p.actions[0].line, 2);
    EXPECT_EQ(p.actions[2].text, "2.54");
    EXPECT_EQ(p.actions[7].text, "R60 (top)");
    EXPECT_EQ(p.actions[7].index, -1);
    EXPECT_EQ(p.actions[8].index, 2);
    EXPECT_EQ(p.actions[11].file, "out/p.png");
    EXPECT_EQ(p.actions[13].verb, ScriptVerb::Ok);
    EXPECT_EQ(p.actions[13].line, 16);
}

TEST(ScriptTest, QuotesKeepBlanksHashesAndEscapes) {
    std::vector<std::string> words;
    ASSERT_TRUE(SplitScriptLine(R"(type 4065 "45 # deg \"x\" \\")", words));
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[2], "45 # deg \"x\" \\");
    ASSERT_TRUE(SplitScriptLine("type 4065 \"\"", words));
    EXPECT_EQ(words[2], "");
    EXPECT_FALSE(SplitScriptLine("type 4065 \"open", words));
}

struct BadLine {
    const char* script;
    const char* error;
};
class ScriptRefusalTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScriptRefusalTest, NamesTheLineAndTheFault) {
    const ScriptParse p = ParseScript(GetParam().script);
    EXPECT_FALSE(p.Ok());
    EXPECT_TRUE(p.actions.empty());   // nothing of a refused script runs
    EXPECT_NE(p.error.find(GetParam().error), std::string::npos) << p.error;
}

INSTANTIATE_TEST_SUITE_P(Faults, ScriptRefusalTest, ::testing::Values(
    BadLine{"ok\njump 3\n", "line 2: unknown action \"jump\""},
    BadLine{"page x", "line 1: page needs a page number"},
    BadLine{"page -1", "line 1: page needs a page number"},
    BadLine{"type 4026", "line 1: \"type\" takes 2"},
    BadLine{"click abc", "line 1: \"abc\" is not a control ID"},
    BadLine{"key f5", "line 1: unknown key \"f5\""},
    BadLine{"answer maybe", "line 1: answer must be"},
    BadLine{"shot window a.png", "line 1: shot of what?"},
    BadLine{"select 1056 #12345678901", "line 1: bad entry position"}, BadLine{"select 1056 #x", "line 1: \"select\" takes 2"},
    BadLine{"\n\nset 4034 \"1.5", "line 3: a quoted text is not closed"},
    BadLine{"ok now", "line 1: \"ok\" takes 0"},
    BadLine{"check 4114 yes", "line 1: check needs 0 or 1"}));

}  // namespace
