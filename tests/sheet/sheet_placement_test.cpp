// When a saved window state may be used on the current screen: all of it or none of it.
#include <gtest/gtest.h>

#include <string>

#include "sheet/sheet_placement.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

WindowState Usable() {
    WindowState s;
    s.ScreenResolution = kWidth;
    s.DialogLeft = 100;
    s.DialogTop = 80;
    s.ActivePage = 3;
    s.PreviewLeft = 600;
    s.PreviewTop = 90;
    s.PreviewWidth = 300;
    s.PreviewHeight = 200;
    return s;
}

struct StateCase {
    const char* name;
    void (*spoil)(WindowState&);
    bool usable;
};
class SavedStateUsableTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(SavedStateUsableTest, OnA1024By768Screen) {
    WindowState s = Usable();
    GetParam().spoil(s);
    EXPECT_EQ(SavedStateUsable(s, kWidth, kHeight), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(Rules, SavedStateUsableTest, ::testing::Values(
    StateCase{"as_saved", [](WindowState&) {}, true},
    StateCase{"other_screen_width", [](WindowState& s) { s.ScreenResolution = 1280; }, false},
    StateCase{"no_screen_width", [](WindowState& s) { s.ScreenResolution = 0; }, false},
    StateCase{"negative_positions", [](WindowState& s) { s.DialogLeft = -12; s.DialogTop = -5; s.PreviewLeft = -300; s.PreviewTop = -1; }, true},
    StateCase{"sheet_left_at_screen_edge", [](WindowState& s) { s.DialogLeft = kWidth; }, false},
    StateCase{"sheet_left_just_inside", [](WindowState& s) { s.DialogLeft = kWidth - 1; }, true},
    StateCase{"sheet_top_at_screen_edge", [](WindowState& s) { s.DialogTop = kHeight; }, false},
    StateCase{"preview_left_at_screen_edge", [](WindowState& s) { s.PreviewLeft = kWidth; }, false},
    StateCase{"preview_top_at_screen_edge", [](WindowState& s) { s.PreviewTop = kHeight; }, false},
    StateCase{"preview_width_zero", [](WindowState& s) { s.PreviewWidth = 0; }, false},
    StateCase{"preview_height_negative", [](WindowState& s) { s.PreviewHeight = -4; }, false},
    StateCase{"page_out_of_range_is_not_the_rule", [](WindowState& s) { s.ActivePage = 6; }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MiddleOfSheetTest, QuartersRoundTowardZero) {
    const RECT sheet{-10, 7, 93, 210};   // 103 wide, 203 high: quarters 25 and 50
    const RECT middle = MiddleOfSheet(sheet);
    EXPECT_EQ(middle.left, 15);
    EXPECT_EQ(middle.right, 68);
    EXPECT_EQ(middle.top, 57);
    EXPECT_EQ(middle.bottom, 160);
}

TEST(CentredRowLeftTest, OddSlackRoundsTowardZeroEvenLeftOfZero) {
    // 5 buttons of 75 with gaps of 6: 399 wide.
    EXPECT_EQ(CentredRowLeft({0, 0, 500, 30}, 5, 75, 6), 50);
    EXPECT_EQ(CentredRowLeft({0, 0, 400, 30}, 5, 75, 6), 0);
    EXPECT_EQ(CentredRowLeft({0, 0, 398, 30}, 5, 75, 6), 0) << "-1 / 2 is 0, not -1";
    EXPECT_EQ(CentredRowLeft({0, 0, 396, 30}, 5, 75, 6), -1);
}

}  // namespace
