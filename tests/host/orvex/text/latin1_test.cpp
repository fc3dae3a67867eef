// Texts between the design's Latin-1 and the UTF-8 of everything around it: every Latin-1 text
// goes out and comes back byte for byte, and what cannot come in is refused saying which
// character, and where.
#include <gtest/gtest.h>

#include <string>

#include "host/orvex/text/latin1.h"

namespace {

TEST(Latin1Test, EveryByteGoesOutAndComesBack) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += char(c);
    const std::string utf8 = Utf8FromLatin1(all);
    EXPECT_EQ(utf8.size(), 127u + 2 * 128u) << "one byte below 128, two from there";
    auto back = Latin1FromUtf8(utf8);
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_EQ(back.value(), all);
}

struct Refused {
    const char* name;
    const char* utf8;
    const char* message;
};
class Latin1RefusalTest : public ::testing::TestWithParam<Refused> {};

TEST_P(Latin1RefusalTest, NamesTheCharacterAndItsPlace) {
    const auto bytes = Latin1FromUtf8(GetParam().utf8);
    ASSERT_FALSE(bytes.ok());
    EXPECT_EQ(bytes.error(), GetParam().message);
}

// Places count characters, not bytes: the "é" before each fault is one character of two bytes.
INSTANTIATE_TEST_SUITE_P(Texts, Latin1RefusalTest, ::testing::Values(
    Refused{"FirstBeyond", "\xC4\x80", "the text \"\xC4\x80\" holds U+0100 (\xC4\x80) as its character 1, which is "
                                       "not Latin-1, the 8-bit character set of the names in a design"},
    Refused{"ThreeBytes", "\xC3\xA9\xE2\x82\xAC", "the text \"\xC3\xA9\xE2\x82\xAC\" holds U+20AC (\xE2\x82\xAC) as its "
                                                  "character 2, which is not Latin-1, the 8-bit character set of the "
                                                  "names in a design"},
    Refused{"FourBytes", "a\xF0\x9F\x98\x80", "the text \"a\xF0\x9F\x98\x80\" holds U+1F600 (\xF0\x9F\x98\x80) as its "
                                              "character 2, which is not Latin-1, the 8-bit character set of the names "
                                              "in a design"},
    Refused{"Latin1Byte", "\xC3\xA9\xE9", "the text \"\xC3\xA9\\xE9\" is not UTF-8: its character 2 starts with the byte 0xE9"},
    Refused{"StrayContinuation", "\x80", "the text \"\\x80\" is not UTF-8: its character 1 starts with the byte 0x80"},
    Refused{"Overlong", "\xC0\xAF", "the text \"\\xC0\\xAF\" is not UTF-8: its character 1 starts with the byte 0xC0"},
    Refused{"Cut", "ab\xE2\x82", "the text \"ab\\xE2\\x82\" is not UTF-8: its character 3 starts with the byte 0xE2"},
    Refused{"Surrogate", "\xED\xA0\x80", "the text \"\\xED\\xA0\\x80\" is not UTF-8: its character 1 starts with the byte 0xED"},
    Refused{"PastUnicode", "\xF4\x90\x80\x80", "the text \"\\xF4\\x90\\x80\\x80\" is not UTF-8: its character 1 starts "
                                               "with the byte 0xF4"},
    // A control character is quoted as a code, so that the message reads on a terminal.
    Refused{"ControlQuoted", "\x1B\xC4\x80", "the text \"\\x1B\xC4\x80\" holds U+0100 (\xC4\x80) as its character 2, "
                                             "which is not Latin-1, the 8-bit character set of the names in a design"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
