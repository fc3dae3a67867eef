// Tab controls: which changes notify, refusal by TCN_SELCHANGING, the display rectangle.
#include "tests/platform/ui/ui_fixture.h"

namespace {

class TabTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        tabs = Make(WC_TABCONTROL, "", WS_TABSTOP, 5, 5, 280, 150, 9);
        for (const char* text : {"DIP", "QFP", "Grid"}) {
            TCITEMA item;
            item.mask = TCIF_TEXT;
            item.pszText = text;
            SendMessageA(tabs, TCM_INSERTITEMA, SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), LPARAM(&item));
        }
        heard.clear();
    }
    void ClickTab(int index) {
        RECT r;
        ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, WPARAM(index), LPARAM(&r)));
        Click(tabs, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    HWND tabs = 0;
};

TEST_F(TabTest, TheFirstInsertSelectsAndSetCurSelIsSilent) {
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(tabs, TCM_SETCURSEL, 2, 0), 0);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageA(tabs, TCM_SETCURSEL, 3, 0), -1);
    EXPECT_TRUE(heard.empty());
}

TEST_F(TabTest, AClickAsksThenTells) {
    ClickTab(1);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].code, TCN_SELCHANGING);
    EXPECT_EQ(heard[1].code, TCN_SELCHANGE);
    EXPECT_EQ(heard[1].id, 9);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 1);
    ClickTab(1);   // the tab already in front says nothing
    EXPECT_EQ(heard.size(), 2u);
}

TEST_F(TabTest, ARefusalKeepsTheOldTab) {
    notifyAnswer = TRUE;
    ClickTab(2);
    SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Count(TCN_SELCHANGING), 2);
    EXPECT_EQ(Count(TCN_SELCHANGE), 0);
}

TEST_F(TabTest, ArrowKeysMoveAndStopAtTheEnds) {
    SendMessageA(tabs, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(heard.empty());
    SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Count(TCN_SELCHANGE), 2);
}

TEST_F(TabTest, AdjustRectRoundTripsAndTheDisplayLiesBelowTheTabs) {
    RECT r{0, 0, 280, 150};
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&r));
    RECT tab;
    SendMessageA(tabs, TCM_GETITEMRECT, 0, LPARAM(&tab));
    EXPECT_GT(r.top, tab.bottom);
    EXPECT_GT(r.left, 0);
    SendMessageA(tabs, TCM_ADJUSTRECT, TRUE, LPARAM(&r));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 280);
    EXPECT_EQ(r.bottom, 150);
}

TEST_F(TabTest, DeletingTheFrontTabLeavesNoneSelected) {
    EXPECT_TRUE(SendMessageA(tabs, TCM_DELETEITEM, 0, 0));
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), -1);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_FALSE(SendMessageA(tabs, TCM_DELETEITEM, 5, 0));
}

}  // namespace
