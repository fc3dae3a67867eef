// The six style pages in a real dialog run, driven as a person would: what each page shows,
// and the read-check-commit cycle of its edits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "array/shared_state.h"
#include "host/zelmdb/database_set.h"
#include "pages/prop_page_template.h"
#include "platform/framework/module_state.h"
#include "platform/win/controls.h"
#include "platform/win/message_box.h"
#include "plugin/dialog_run.h"
#include "plugin/plugin_module.h"
#include "res/resource.h"
#include "tests/plugin/dialog_run_fixture.h"
#include "tests/support/script_line.h"

namespace {

class StylePageTest : public DialogRunFixture {
protected:
    // Pages start with the design's first padstack; without one they warn at every start.
    void SetUp() override {
        DialogRunFixture::SetUp();
        PutRoundPadstack("R60", 7620);
    }
    static HWND Control(int id) { return GetDlgItem(ActivePage->m_hWnd, id); }
    static std::string Text(int id) { return WindowCaption(Control(id)); }
    static std::vector<std::string> PadNames() {
        std::vector<std::string> names;
        for (const PadSite& site : CurrentPadList->Sites()) names.push_back(site.Name);
        return names;
    }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const ShownMessageBox& box : ShownMessageBoxes()) boxes.push_back(box.Caption + ": " + box.Text);
        return boxes;
    }
};

struct PageCase {
    int page;
    ArrayStyle style;
    const char* format;
    size_t pads;
    std::vector<int> shown, hidden, disabled, checked;
    int pLow, pHigh;
};

class StylePageStartTest : public StylePageTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(StylePageStartTest, ShowsItsControlsAndStartValues) {
    const PageCase& c = GetParam();
    bool seen = false;
    probe = [&] {
        seen = true;
        EXPECT_EQ(CurrentParameters->Style, c.style);
        EXPECT_EQ(NameFormatOf(*CurrentParameters), c.format);
        EXPECT_EQ(CurrentPadList->Count(), c.pads);
        for (int id : c.shown) EXPECT_TRUE(IsWindowVisible(Control(id))) << id;
        for (int id : c.hidden) EXPECT_FALSE(IsWindowVisible(Control(id))) << id;
        for (int id : c.disabled) EXPECT_FALSE(IsWindowEnabled(Control(id))) << id;
        for (int id : c.checked) EXPECT_EQ(SendMessageA(Control(id), BM_GETCHECK, 0, 0), BST_CHECKED) << id;
        int low = 0, high = 0;
        SendMessageA(Control(IDC_SPIN_P), UDM_GETRANGE32, WPARAM(&low), LPARAM(&high));
        EXPECT_EQ(low, c.pLow);
        EXPECT_EQ(high, c.pHigh);
    };
    Show("page " + std::to_string(c.page) + "\n" + ProbeLine() + "cancel\n");
    EXPECT_TRUE(seen) << error;
    EXPECT_TRUE(ShownMessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, StylePageStartTest, ::testing::Values(
    PageCase{0, ArrayStyle::DualQuad, "%Y", 2, {IDC_STAGGER_W, IDC_STAGGER_Z},
             {IDC_RADIUS, IDC_ROW_DELTA, IDC_CORNER_QFP, IDC_PIN1_NUMERIC},
             {IDC_NUMBER_P, IDC_START_X, IDC_ALPHABETIC_X}, {IDC_NUMERIC_X, IDC_NUMERIC_Y}, 2, 2},
    PageCase{1, ArrayStyle::StaggerX, "%X", 1, {IDC_STAGGER_W, IDC_ROW_DELTA, IDC_SPIN_D},
             {IDC_STAGGER_Z, IDC_ANGLE}, {IDC_START_Y, IDC_NUMERIC_Y}, {IDC_NUMERIC_X, IDC_ALPHABETIC_Y}, 1, 1000},
    PageCase{2, ArrayStyle::StaggerY, "%Y", 1, {IDC_STAGGER_W}, {IDC_STAGGER_Z, IDC_ROW_DELTA},
             {IDC_START_X, IDC_ALPHABETIC_X}, {IDC_ALPHABETIC_Y}, 1, 1000},
    PageCase{3, ArrayStyle::ChipCarrier, "%X", 4, {IDC_STAGGER_W, IDC_STAGGER_Z, IDC_CORNER_QFP, IDC_CENTER_CC},
             {IDC_RADIUS, IDC_PIN1_ALPHA_NUMERIC, IDC_LINE_OPTIONS_LONG}, {IDC_INCREMENT_Y},
             {IDC_CORNER_QFP}, 1, 1000},
    PageCase{4, ArrayStyle::Circular, "%X", 1, {IDC_RADIUS, IDC_ANGLE, IDC_START_X},
             {IDC_STAGGER_W, IDC_STAGGER_Z}, {IDC_NUMBER_Q, IDC_SPACING_X, IDC_SPACING_Y}, {}, 1, 1000},
    PageCase{5, ArrayStyle::Grid, "%Y%X", 1, {IDC_PIN1_ALPHA_NUMERIC, IDC_PIN1_NUMERIC},
             {IDC_STAGGER_W, IDC_CORNER_QFP, IDC_LINE_OPTIONS_LONG}, {IDC_ALPHABETIC_X, IDC_NUMERIC_Y},
             {IDC_PIN1_ALPHA_NUMERIC, IDC_NUMERIC_X, IDC_ALPHABETIC_Y}, 1, 1000}));

TEST_F(StylePageTest, TypingAHalfPassesThroughZeroAndAPoint) {
    std::vector<int32_t> second;
    probe = [&] {
        const auto sites = CurrentPadList->Sites();
        second.push_back(sites.size() > 1 ? sites[1].X : -1);
    };
    Show("page 5\n" + Act("set", IDC_NUMBER_P, "2") + Act("set", IDC_SPACING_X, "100") + ProbeLine() +
         Act("clear", IDC_SPACING_X) + ProbeLine() + Act("type", IDC_SPACING_X, "0") + ProbeLine() +
         Act("type", IDC_SPACING_X, ".") + ProbeLine() + Act("type", IDC_SPACING_X, "5") + ProbeLine() + "cancel\n");
    // One mil is 254 units: 100, still 100 while empty, 0 for "0", 0 for "0.", then 0.5.
    EXPECT_EQ(second, (std::vector<int32_t>{25400, 25400, 0, 0, 127})) << error;
    EXPECT_TRUE(ShownMessageBoxes().empty());
}

TEST_F(StylePageTest, ADashInACountIsRefusedButNotInAStartValue) {
    int32_t count = 0, start = 0;
    std::string text;
    probe = [&] {
        count = CurrentParameters->X.Count;
        start = CurrentParameters->X.Start;
        text = Text(IDC_NUMBER_P);
    };
    Show("page 5\n" + Act("set", IDC_NUMBER_P, "3") + Act("set", IDC_START_X, "7") + Act("set", IDC_NUMBER_P, "-") +
         Act("set", IDC_START_X, "-") + ProbeLine() + "cancel\n");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(text, "3");
    EXPECT_EQ(start, 7);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"tessra: Please enter an integer."}));
}

TEST_F(StylePageTest, TooManyPadsRestoresTheCount) {
    int32_t q = 0;
    probe = [&] { q = CurrentParameters->Y.Count; };
    Show("page 5\n" + Act("set", IDC_NUMBER_P, "80") + Act("set", IDC_NUMBER_Q, "40") + Act("set", IDC_NUMBER_Q, "41") +
         ProbeLine() + Act("expect", IDC_NUMBER_Q, "40") + "cancel\n");
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_EQ(q, 40);
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(ShownMessageBoxes()[0].Caption, "Too Many Pads: 3280 pads");
}

TEST_F(StylePageTest, ASpacingBeyondTheLimitIsRefusedByTheFieldExchange) {
    double spacing = 0;
    probe = [&] { spacing = CurrentParameters->X.Spacing; };
    Show("page 5\n" + Act("set", IDC_NUMBER_P, "2") + Act("set", IDC_SPACING_X, "10000") +
         Act("set", IDC_SPACING_X, "10001") + ProbeLine() + Act("expect", IDC_SPACING_X, "10000") + "cancel\n");
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_EQ(spacing, 10000);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"tessra: Please enter a number between -10000 and 10000."}));
}

// Keys typed ahead after the first refused one go to a field whose dialog the box disables:
// they are lost, as on the platform, rather than each opening a box inside the last.
TEST_F(StylePageTest, TypingAheadPastTheLimitGivesOneBox) {
    double spacing = 0;
    probe = [&] { spacing = CurrentParameters->X.Spacing; };
    Show("page 5\n" + Act("set", IDC_NUMBER_P, "2") + Act("set", IDC_SPACING_X, "100") + Act("clear", IDC_SPACING_X) +
         Act("type", IDC_SPACING_X, std::string(2000, '9')) + ProbeLine() +
         "cancel\n");
    EXPECT_EQ(spacing, 9999);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"tessra: Please enter a number between -10000 and 10000."}));
}

TEST_F(StylePageTest, AClearedFieldGetsItsTextBackWhenLeft) {
    double spacing = 0;
    probe = [&] { spacing = CurrentParameters->X.Spacing; };
    Show("page 5\n" + Act("set", IDC_SPACING_X, "100") + Act("clear", IDC_SPACING_X) + Act("focus", IDC_NUMBER_P) +
         Act("expect", IDC_SPACING_X, "100") + ProbeLine() + "cancel\n");
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_EQ(spacing, 100);
}

TEST_F(StylePageTest, Pin1NamingSwitchesBetweenCountingAndRowLetters) {
    std::vector<std::vector<std::string>> names;
    probe = [&] { names.push_back(PadNames()); };
    Show("page 5\n" + Act("set", IDC_NUMBER_P, "2") + Act("set", IDC_NUMBER_Q, "2") + Act("click", IDC_PIN1_NUMERIC) +
         ProbeLine() + Act("click", IDC_PIN1_ALPHA_NUMERIC) + ProbeLine() + "cancel\n");
    EXPECT_EQ(names, (std::vector<std::vector<std::string>>{{"1", "2", "3", "4"}, {"A1", "A2", "B1", "B2"}}));
}

TEST_F(StylePageTest, OnlyThePageInFrontWritesOnOk) {
    EXPECT_EQ(Show("page 0\npage 3\npage 5\npage 3\nok\n"), 1) << error;
    const auto symbols = zelmdb::DatabaseSet::Get().Design()->Symbols();
    ASSERT_EQ(symbols.size(), 1u);
    EXPECT_EQ(symbols[0].pins.size(), 4u);   // the chip carrier's 2 (p + q)
}

TEST_F(StylePageTest, CancelStoresNothingAndStopsTheFieldChecks) {
    EXPECT_EQ(Show("page 5\n" + Act("set", IDC_NUMBER_P, "3") + "cancel\n"), 0);
    EXPECT_TRUE(zelmdb::DatabaseSet::Get().Design()->Symbols().empty());
    EXPECT_EQ(FieldExchangeEnabled, 0);
}

}  // namespace
