// The help service is found by ordinal 105, knows the plug-in's topics by the numbers the pages
// send, and shows them in a window of its own that goes back to its owner when closed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/korlib/help_window.h"
#include "host/korlib/korlib.h"
#include "platform/ui/standard_controls.h"
#include "platform/win/controls.h"
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"

namespace {

std::vector<std::pair<int32_t, std::string>> Shown;
void Record(int32_t topic, const char* title) { Shown.emplace_back(topic, title); }

// The texts of the window's labels, top to bottom.
std::vector<std::string> Labels(HWND window) {
    std::vector<std::string> texts;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char text[2048] = {};
        GetWindowTextA(c, text, sizeof text);
        if (GetDlgCtrlID(c) != IDOK) texts.push_back(text);
    }
    return texts;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

struct TopicCase {
    int32_t topic;
    const char* title;
};
class HelpTopicTest : public ::testing::TestWithParam<TopicCase> {};

TEST_P(HelpTopicTest, OrdinalShowsTheTopicOfItsNumber) {
    auto help = reinterpret_cast<KorHelpProc>(KorGetProcByOrdinal(105));
    ASSERT_NE(help, nullptr);
    Shown.clear();
    KorSetHelpOutput(Record);
    EXPECT_EQ(help(0, GetParam().topic), 1);
    KorSetHelpOutput(nullptr);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].first, GetParam().topic);
    EXPECT_EQ(Shown[0].second, GetParam().title);
    EXPECT_STREQ(KorHelpTitle(GetParam().topic), GetParam().title);
}
// The page table's numbers: the tab order is not the topic order.
INSTANTIATE_TEST_SUITE_P(PluginTopics, HelpTopicTest, ::testing::Values(
    TopicCase{417, "QFP/Chip Carrier"}, TopicCase{418, "Circular"}, TopicCase{419, "GridArray"},
    TopicCase{420, "Dual/Quad Inline"}, TopicCase{421, "Connector Stagger X"},
    TopicCase{422, "Connector Stagger Y"}, TopicCase{424, "Select Padstack"}));

TEST(HelpTest, UnknownTopicAndOrdinalAreRefused) {
    Shown.clear();
    KorSetHelpOutput(Record);
    EXPECT_EQ(KorShowHelp(0, 425), 0);
    KorSetHelpOutput(nullptr);
    EXPECT_TRUE(Shown.empty());
    EXPECT_EQ(KorHelpTitle(416), nullptr);
    EXPECT_EQ(KorGetProcByOrdinal(104), nullptr);
    EXPECT_EQ(KorGetProcByOrdinal(0), nullptr);
}

// A page's help window: its own topic, then the alphabet its names may use; it stands beside
// the window that asked, takes the keyboard, and Escape gives the keyboard back.
TEST(HelpWindowTest, ShowsThePageAndTheAlphabetAndEscapeHandsBack) {
    InstallStandardControls();
    SetScreenSize(1024, 768);
    const HWND owner = CreateWindowExA(0, WC_DIALOG, "Sheet", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 300,
                                       200, 0, 0, 0, nullptr);
    const HWND field = CreateWindowExA(0, WC_EDIT, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 80, 20, owner,
                                       7, 0, nullptr);
    SetFocus(field);
    KorSetHelpOutput(Record);
    ASSERT_EQ(KorShowHelp(0, 419), 1);
    KorSetHelpOutput(nullptr);
    const HWND help = HelpWindow::Current();
    ASSERT_NE(help, 0u);
    EXPECT_EQ(GetWindow(help, GW_OWNER), owner);
    const std::vector<std::string> labels = Labels(help);
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0], "GridArray");
    EXPECT_EQ(labels[1], KorHelpText(419));
    EXPECT_EQ(labels[2], "Edit Array Alphabet");
    RECT o{}, h{};
    GetWindowRect(owner, &o);
    GetWindowRect(help, &h);
    EXPECT_EQ(h.left, o.right) << "beside its owner, not over it";
    EXPECT_EQ(GetFocus(), help);

    KorShowHelp(0, 424);   // one help window at a time
    EXPECT_FALSE(IsWindow(help));
    const HWND second = HelpWindow::Current();
    EXPECT_EQ(Labels(second).size(), 2u) << "Select Padstack refers to no other topic";
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetFocus(), field) << "the owner's field has the keyboard again";
    DestroyWindow(owner);
}

}  // namespace
