// List boxes and combo boxes: searching, selection by the user against selection by code,
// sorted insertion, scrolling and the simple combo's edit field.
#include "tests/platform/ui/ui_fixture.h"

#include "platform/gdi/window_surfaces.h"

namespace {

class ListTest : public UiTest {
protected:
    HWND Combo(DWORD style = CBS_SIMPLE) {
        HWND c = Make(WC_COMBOBOX, "", style | WS_TABSTOP, 10, 10, 120, 90, 5);
        for (const char* s : {"Round", "Square", "Oblong", "rect", "Rectangle"})
            SendMessageA(c, CB_ADDSTRING, 0, LPARAM(s));
        heard.clear();
        return c;
    }
    // The list box as a person sees it: its own pixels, frame included.
    static Surface Look(HWND list) {
        Pump();
        return WindowSurfaces::Install().Capture(list);
    }
    static std::string ComboItem(HWND c, int i) {
        char buffer[64] = {};
        SendMessageA(c, CB_GETLBTEXT, WPARAM(i), LPARAM(buffer));
        return buffer;
    }
};

struct SelectCase {
    int start;
    const char* text;
    int found;
};
class SelectStringTest : public ListTest, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(SelectStringTest, PrefixIgnoringCaseAfterTheStartAndWrapping) {
    const HWND c = Combo();
    SendMessageA(c, CB_SETCURSEL, 1, 0);
    const SelectCase& k = GetParam();
    EXPECT_EQ(SendMessageA(c, CB_SELECTSTRING, WPARAM(k.start), LPARAM(k.text)), k.found);
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), k.found < 0 ? 1 : k.found);   // a miss keeps the selection
    EXPECT_EQ(Count(CBN_SELCHANGE), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, SelectStringTest, ::testing::Values(
    SelectCase{-1, "r", 0},          // from the top
    SelectCase{0, "r", 3},           // after item 0: "rect"
    SelectCase{3, "RECT", 4},        // "Rectangle" also starts with it
    SelectCase{4, "rect", 3},        // wraps round to the first match
    SelectCase{-1, "squ", 1},
    SelectCase{-1, "", 0},           // the empty prefix matches the first
    SelectCase{-1, "Triangle", -1},
    SelectCase{99, "obl", 2}));      // a start past the end searches everything

TEST_F(ListTest, FindStringExactIgnoresCaseButNotLength) {
    const HWND c = Combo();
    EXPECT_EQ(SendMessageA(c, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("RECT")), 3);
    EXPECT_EQ(SendMessageA(c, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("Rec")), CB_ERR);
    EXPECT_EQ(SendMessageA(c, CB_FINDSTRING, WPARAM(-1), LPARAM("Rec")), 3);
}

TEST_F(ListTest, UserSelectionNotifiesAndCodeSelectionDoesNot) {
    const HWND c = Combo();
    const HWND list = GetDlgItem(c, 1000);
    ASSERT_NE(list, 0u);
    SendMessageA(c, CB_SETCURSEL, 2, 0);
    EXPECT_EQ(Count(CBN_SELCHANGE), 0);
    EXPECT_EQ(Text(c), "Oblong");
    const int row = int(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    Click(list, 5, row * 1 + 2);
    EXPECT_EQ(Count(CBN_SELCHANGE), 1);
    EXPECT_EQ(Text(c), "Square");
    SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Count(CBN_SELCHANGE), 2);
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Count(CBN_EDITCHANGE), 0);   // the list filling the field is no edit by the user
}

TEST_F(ListTest, DropDownListPicksByArrowsAndByItsPopup) {
    const HWND c = Combo(CBS_DROPDOWNLIST);
    RECT r;
    GetWindowRect(c, &r);
    EXPECT_LT(r.bottom - r.top, 30);   // closed, it is one field high
    SendMessageA(c, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Text(c), "Round");
    EXPECT_EQ(Count(CBN_SELCHANGE), 1);
    Click(c, 100, 5);
    ASSERT_TRUE(SendMessageA(c, CB_GETDROPPEDSTATE, 0, 0));
    const HWND popup = FindWindowA(WC_LISTBOX, nullptr);   // the open list is a top-level pop-up
    ASSERT_NE(popup, 0u);
    EXPECT_TRUE(IsWindowVisible(popup));
    const int row = int(SendMessageA(popup, LB_GETITEMHEIGHT, 0, 0));
    Click(popup, 5, row * 4 + 2);
    EXPECT_EQ(Text(c), "Rectangle");
    EXPECT_FALSE(SendMessageA(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(Count(CBN_SELCHANGE), 2);
    EXPECT_EQ(Count(CBN_CLOSEUP), 1);
}

TEST_F(ListTest, DeletingKeepsTheSelectionOnItsItem) {
    const HWND l = Make(WC_LISTBOX, "", LBS_NOTIFY, 10, 10, 100, 60, 6);
    for (const char* s : {"a", "b", "c"}) SendMessageA(l, LB_ADDSTRING, 0, LPARAM(s));
    SendMessageA(l, LB_SETCURSEL, 2, 0);
    EXPECT_EQ(SendMessageA(l, LB_DELETESTRING, 0, 0), 2);
    EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(l, LB_DELETESTRING, 1, 0), 1);
    EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(l, LB_DELETESTRING, 5, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(l, LB_SETCURSEL, 7, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(l, LB_GETTEXTLEN, 3, 0), LB_ERR);
}

TEST_F(ListTest, SortedListsInsertInOrderIgnoringCase) {
    const HWND l = Make(WC_LISTBOX, "", LBS_SORT, 10, 10, 100, 60, 6);
    for (const char* s : {"beta", "Alpha", "gamma", "alpha2"}) SendMessageA(l, LB_ADDSTRING, 0, LPARAM(s));
    char buffer[16];
    const char* expected[] = {"Alpha", "alpha2", "beta", "gamma"};
    for (int i = 0; i < 4; ++i) {
        SendMessageA(l, LB_GETTEXT, WPARAM(i), LPARAM(buffer));
        EXPECT_STREQ(buffer, expected[i]);
    }
}

TEST_F(ListTest, ArrowsScrollALongListToKeepTheSelectionInView) {
    const HWND l = Make(WC_LISTBOX, "", LBS_NOTIFY, 10, 10, 100, 40, 6);
    for (int i = 0; i < 20; ++i) SendMessageA(l, LB_ADDSTRING, 0, LPARAM(std::to_string(i).c_str()));
    const int row = int(SendMessageA(l, LB_GETITEMHEIGHT, 0, 0));
    const int rows = 40 / row;
    SendMessageA(l, WM_KEYDOWN, VK_HOME, 0);
    for (int i = 0; i < rows + 2; ++i) SendMessageA(l, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), rows + 2);
    EXPECT_EQ(SendMessageA(l, LB_GETTOPINDEX, 0, 0), 3);
    SendMessageA(l, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(SendMessageA(l, LB_GETTOPINDEX, 0, 0), 20 - rows);
    Click(l, 95, 2);   // the scroll bar's up arrow
    EXPECT_EQ(SendMessageA(l, LB_GETTOPINDEX, 0, 0), 20 - rows - 1);
    EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), 19);
    EXPECT_EQ(Count(LBN_SELCHANGE), rows + 4);
}

// Leftmost column of dark (text) pixels on the first row, or -1.
int FirstInk(const Surface& s, int rowHeight) {
    for (int x = 0; x < s.Width(); ++x)
        for (int y = 2; y < rowHeight; ++y)
            if (s.Pixel(x, y) == 0) return x;
    return -1;
}

// A horizontal extent wider than the box brings a real bar at the bottom whose arrows scroll
// the names sideways, as Select Padstack's list of long names needs.
TEST_F(ListTest, AWideExtentBringsABarThatScrollsSideways) {
    const HWND l = Make(WC_LISTBOX, "", LBS_NOTIFY | WS_HSCROLL, 10, 10, 100, 60, 7);
    SendMessageA(l, LB_ADDSTRING, 0, LPARAM("WWWWWWWWWWWWWWWWWWWWWWWW"));
    const int row = int(SendMessageA(l, LB_GETITEMHEIGHT, 0, 0));
    const int bottom = 60 - 8;   // a pixel row inside a bar along the bottom
    SendMessageA(l, LB_SETHORIZONTALEXTENT, 90, 0);
    const Surface narrow = Look(l);
    EXPECT_EQ(narrow.Pixel(50, bottom), 0xFFFFFFu) << "an extent that fits needs no bar";
    SendMessageA(l, LB_SETHORIZONTALEXTENT, 400, 0);
    EXPECT_EQ(SendMessageA(l, LB_GETHORIZONTALEXTENT, 0, 0), 400);
    const Surface wide = Look(l);
    EXPECT_NE(wide.Pixel(50, bottom), 0xFFFFFFu) << "the bar";
    const int ink = FirstInk(wide, row);
    Click(l, 100 - 8, bottom);   // the right arrow
    const int scrolled = FirstInk(Look(l), row);
    EXPECT_LT(scrolled, ink) << "the text moved left";
    for (int i = 0; i < 100; ++i) Click(l, 100 - 8, bottom);
    Click(l, 8, bottom);   // the left arrow takes back one step from the far end
    Click(l, 40, bottom);  // the track before the thumb pages back
    for (int i = 0; i < 100; ++i) Click(l, 8, bottom);
    EXPECT_EQ(FirstInk(Look(l), row), ink) << "back at the start";
    EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), LB_ERR) << "scrolling selects nothing";
    const HWND plain = Make(WC_LISTBOX, "", LBS_NOTIFY, 120, 10, 100, 60, 8);
    SendMessageA(plain, LB_SETHORIZONTALEXTENT, 400, 0);
    EXPECT_EQ(Look(plain).Pixel(50, bottom), 0xFFFFFFu) << "without WS_HSCROLL there is no bar";
}

// A simple combo box with WS_HSCROLL passes it to its list.
TEST_F(ListTest, SimpleComboScrollsSidewaysWhenAsked) {
    const HWND c = Make(WC_COMBOBOX, "", CBS_SIMPLE | WS_HSCROLL, 10, 10, 120, 90, 5);
    SendMessageA(c, CB_SETHORIZONTALEXTENT, 300, 0);
    const HWND list = GetDlgItem(c, 1000);   // the combo's own list
    ASSERT_NE(list, 0u);
    EXPECT_TRUE(GetWindowLongPtrA(list, GWL_STYLE) & WS_HSCROLL);
    EXPECT_EQ(SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0), 300);
}

}  // namespace
