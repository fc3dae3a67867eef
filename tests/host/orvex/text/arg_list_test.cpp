// A command's words against its rules: groups take their words and come again, and every word
// that does not fit is refused with what was expected.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/orvex/text/arg_list.h"

namespace {

TEST(ArgListTest, GroupsTakeTheirWordsAndMayComeAgain) {
    auto args = ArgList::Parse({"D", "--pad", "", "-1", "--x", "P", "--pad", "B", "2", "3", "Q", "--turn", "90"},
                               {{"--turn"}, {}, {{"--pad", 4}}});
    ASSERT_TRUE(args.ok()) << args.error();
    EXPECT_EQ(args.value().Groups("--pad"),
              (std::vector<std::vector<std::string>>{{"", "-1", "--x", "P"}, {"B", "2", "3", "Q"}}));
    EXPECT_EQ(args.value().positional(), std::vector<std::string>{"D"});
    EXPECT_EQ(args.value().OptionCount(), 3u);
}

// A block's words are the block's, options and all, up to its closing word.
TEST(ArgListTest, BlocksTakeEveryWordUpToTheirEnd) {
    const ArgRules rules{{"--x"}, {}, {}, 0, 1, {}, 1, {{"--also", "--end-also"}}};
    auto args = ArgList::Parse({"D", "--also", "--x", "1", "--pad", "--end-also", "--x", "2", "--also", "--end-also"}, rules);
    ASSERT_TRUE(args.ok()) << args.error();
    EXPECT_EQ(args.value().Groups("--also"), (std::vector<std::vector<std::string>>{{"--x", "1", "--pad"}, {}}));
    EXPECT_EQ(args.value().Value("--x"), "2");
    EXPECT_EQ(args.value().positional(), std::vector<std::string>{"D"});
    EXPECT_EQ(ArgList::Parse({"--also", "--x", "1"}, rules).error(), "option --also ends with --end-also, which is missing");
    EXPECT_EQ(ArgList::Parse({"--also", "--also", "--end-also", "--end-also"}, rules).error(),
              "option --also holds no other --also; close the first with --end-also");
    EXPECT_EQ(ArgList::Parse({"--end-also"}, rules).error(), "unknown option --end-also") << "a closer alone";
}

struct RefusedCase {
    const char* name;
    std::vector<std::string> words;
    const char* error;
};
class ArgListRefusalTest : public ::testing::TestWithParam<RefusedCase> {};

// One or two positional words, a value, a flag and two groups.
const ArgRules Rules{{"--kicad"}, {"--force"}, {{"--pad", 4}, {"--omit", 1}}, 1, 2};

TEST_P(ArgListRefusalTest, SaysWhatWasExpected) {
    const auto args = ArgList::Parse(GetParam().words, Rules);
    ASSERT_FALSE(args.ok());
    EXPECT_EQ(args.error(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Words, ArgListRefusalTest, ::testing::Values(
    RefusedCase{"GroupCut", {"D", "--pad", "A", "1", "2"}, "option --pad needs 4 words"},
    RefusedCase{"OneWordGroupCut", {"D", "--omit"}, "option --omit needs a value"},
    RefusedCase{"ValueCut", {"D", "--kicad"}, "option --kicad needs a value"},
    RefusedCase{"ValueTwice", {"D", "--kicad", "a", "--kicad", "b"}, "option --kicad is given twice"},
    RefusedCase{"Unknown", {"D", "--body", "1x1"}, "unknown option --body"},
    RefusedCase{"NoWord", {"--force"}, "1 or 2 words besides the options, not 0"},
    // A group's words are its own, so they do not count as positional words.
    RefusedCase{"TooMany", {"A", "--pad", "N", "0", "0", "P", "B", "C"}, "1 or 2 words besides the options, not 3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArgListTest, CountsAreNamedAsTheRulesGiveThem) {
    EXPECT_EQ(ArgList::Parse({}, {{}, {}, {}, 2, 2}).error(), "2 words besides the options, not 0");
    EXPECT_EQ(ArgList::Parse({"a", "b"}, {{}, {}, {}, 1, 1}).error(), "1 word besides the options, not 2");
    EXPECT_EQ(ArgList::Parse({}, {{}, {}, {}, 1}).error(), "at least 1 word besides the options, not 0");
    EXPECT_EQ(ArgList::Parse({"a", "b", "c", "d"}, {{}, {}, {}, 0, 3}).error(), "0 to 3 words besides the options, not 4");
    // A lone "-" and a negative number are words, not options.
    EXPECT_TRUE(ArgList::Parse({"-", "-5"}, {{}, {}, {}, 2, 2}).ok());
}

// What the terminal typed in UTF-8 goes into the design as Latin-1, except the paths of files,
// which must keep the bytes that find them.
TEST(ArgListTest, NamesBecomeLatin1AndPathsKeepTheirBytes) {
    const ArgRules rules{{"--kicad", "--padstack"}, {}, {{"--pad", 4}}, 1, 2, {"--kicad"}};
    const std::string e = "\xC3\xA9";   // e acute
    auto args = ArgList::Parse({"d" + e + ".design", "F" + e, "--kicad", e + ".kicad_mod", "--padstack", "P" + e,
                                "--pad", e, "0", "0", "R" + e},
                               rules);
    ASSERT_TRUE(args.ok()) << args.error();
    ASSERT_TRUE(args.value().ToHostTexts(rules).ok());
    EXPECT_EQ(args.value().positional(), (std::vector<std::string>{"d" + e + ".design", "F\xE9"}));
    EXPECT_EQ(args.value().Value("--kicad"), e + ".kicad_mod");
    EXPECT_EQ(args.value().Value("--padstack"), "P\xE9");
    EXPECT_EQ(args.value().Groups("--pad"), (std::vector<std::vector<std::string>>{{"\xE9", "0", "0", "R\xE9"}}));
}

TEST(ArgListTest, AWordLatin1CannotHoldNamesItsOption) {
    const ArgRules rules{{"--padstack"}, {}, {}, 1, 2};
    auto args = ArgList::Parse({"\xE2\x82\xAC.design", "F", "--padstack", "P\xE2\x82\xAC"}, rules);
    ASSERT_TRUE(args.ok());
    const Status names = args.value().ToHostTexts(rules);
    ASSERT_FALSE(names.ok()) << "the design's path may hold any character; the padstack's name may not";
    EXPECT_EQ(names.error().rfind("option --padstack: the text \"P\xE2\x82\xAC\" holds U+20AC", 0), 0u) << names.error();
}

}  // namespace
