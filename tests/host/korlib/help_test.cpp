// The help service is found by ordinal 105 and knows the plug-in's topics.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/korlib/korlib.h"

namespace {

std::vector<std::pair<int32_t, std::string>> Shown;
void Record(int32_t topic, const char* title) { Shown.emplace_back(topic, title); }

struct TopicCase {
    int32_t topic;
    const char* title;
};
class HelpTopicTest : public ::testing::TestWithParam<TopicCase> {};

TEST_P(HelpTopicTest, OrdinalShowsTitleAndKeepsText) {
    auto help = reinterpret_cast<KorHelpProc>(KorGetProcByOrdinal(105));
    ASSERT_NE(help, nullptr);
    Shown.clear();
    KorSetHelpOutput(Record);
    EXPECT_EQ(help(0, GetParam().topic), 1);
    KorSetHelpOutput(nullptr);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].first, GetParam().topic);
    EXPECT_EQ(Shown[0].second, GetParam().title);
    ASSERT_NE(KorHelpText(GetParam().topic), nullptr);
    EXPECT_GT(std::string(KorHelpText(GetParam().topic)).size(), 20u);
}
INSTANTIATE_TEST_SUITE_P(PluginTopics, HelpTopicTest, ::testing::Values(
    TopicCase{417, "Dual/Quad Inline"}, TopicCase{418, "Connector Stagger X"},
    TopicCase{419, "Connector Stagger Y"}, TopicCase{420, "QFP/Chip Carrier"},
    TopicCase{421, "Circular"}, TopicCase{422, "GridArray"}, TopicCase{424, "Select Padstack"}));

TEST(HelpTest, UnknownTopicAndOrdinalAreRefused) {
    Shown.clear();
    KorSetHelpOutput(Record);
    EXPECT_EQ(KorShowHelp(0, 423), 0);
    KorSetHelpOutput(nullptr);
    EXPECT_TRUE(Shown.empty());
    EXPECT_EQ(KorHelpTitle(423), nullptr);
    EXPECT_EQ(KorGetProcByOrdinal(104), nullptr);
    EXPECT_EQ(KorGetProcByOrdinal(0), nullptr);
}

}  // namespace
