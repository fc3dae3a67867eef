// Pictures of a small dialog holding one of every control, at rest and in its other states.
#include "tests/platform/ui/ui_fixture.h"

#include "platform/gdi/window_surfaces.h"
#include "tests/support/golden_picture.h"

namespace {

class DialogGoldenTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        dialog = CreateWindowExA(WS_EX_DLGMODALFRAME, WC_DIALOG, "Pads", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 40, 40, 330, 246, 0, 0, 0, nullptr);
        const HWND saved = parent;
        parent = dialog;
        group = Make(WC_BUTTON, "Pins", BS_GROUPBOX, 14, 34, 140, 80, 101);
        label = Make(WC_STATIC, "&Count:", SS_LEFT, 22, 54, 44, 14, 102);
        edit = Make(WC_EDIT, "48", WS_TABSTOP | ES_NUMBER, 70, 50, 70, 20, 103, WS_EX_CLIENTEDGE);
        spin = Make(UPDOWN_CLASS, "", UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 16, 20, 104);
        SendMessageA(spin, UDM_SETRANGE32, 4, 400);
        SendMessageA(spin, UDM_SETPOS32, 0, 48);
        check = Make(WC_BUTTON, "&Mirror", BS_AUTOCHECKBOX | WS_TABSTOP, 22, 76, 70, 16, 105);
        radio1 = Make(WC_BUTTON, "Mils", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 22, 94, 50, 16, 106);
        radio2 = Make(WC_BUTTON, "mm", BS_AUTORADIOBUTTON, 80, 94, 50, 16, 107);
        combo = Make(WC_COMBOBOX, "", CBS_DROPDOWNLIST | WS_TABSTOP | WS_GROUP, 164, 38, 140, 80, 108);
        list = Make(WC_LISTBOX, "", LBS_NOTIFY | WS_TABSTOP, 164, 66, 140, 48, 109, WS_EX_CLIENTEDGE);
        for (const char* s : {"Round", "Square", "Oblong", "Rect"}) {
            SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(s));
            SendMessageA(list, LB_ADDSTRING, 0, LPARAM(s));
        }
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
        SendMessageA(list, LB_SETCURSEL, 1, 0);
        Make(WC_STATIC, "", SS_ETCHEDFRAME, 14, 122, 290, 2, 110);
        note = Make(WC_STATIC, "Sizes are in the design's unit.", SS_CENTER | SS_NOPREFIX, 14, 130, 290, 14, 111);
        Make(WC_STATIC, "", SS_BLACKRECT, 14, 150, 8, 8, 112);
        Make(WC_STATIC, "12.5", SS_RIGHT | SS_SUNKEN, 230, 150, 74, 16, 113);
        ok = Make(WC_BUTTON, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 164, 218, 75, 23, 1);
        cancel = Make(WC_BUTTON, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 244, 218, 75, 23, 2);
        // Made last so it lies beneath the controls standing on its page.
        tabs = Make(WC_TABCONTROL, "", WS_TABSTOP, 6, 6, 312, 204, 100);
        for (const char* t : {"Grid", "&Quad"}) {
            TCITEMA item;
            item.mask = TCIF_TEXT;
            item.pszText = t;
            SendMessageA(tabs, TCM_INSERTITEMA, 9, LPARAM(&item));
        }
        parent = saved;
        SetWindowPos(dialog, 0, 40, 40, 330, 276, SWP_NOZORDER);
        ShowWindow(dialog, SW_SHOW);
        SetActiveWindow(dialog);
    }
    void TearDown() override {
        DestroyWindow(dialog);
        UiTest::TearDown();
    }
    Surface Shot() {
        Pump();
        return WindowSurfaces::Install().Capture(dialog);
    }
    HWND dialog = 0, tabs = 0, group = 0, label = 0, edit = 0, spin = 0, check = 0, radio1 = 0,
         radio2 = 0, combo = 0, list = 0, note = 0, ok = 0, cancel = 0;
};

TEST_F(DialogGoldenTest, AtRest) {
    EXPECT_TRUE(MatchesGolden(Shot(), "ui/dialog_normal.png"));
}

TEST_F(DialogGoldenTest, FocusedEditWithSelectionAndFocusedTab) {
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    const Surface first = Shot();
    EXPECT_TRUE(MatchesGolden(first, "ui/dialog_edit_focused.png"));
    SetFocus(tabs);
    EXPECT_TRUE(MatchesGolden(Shot(), "ui/dialog_tab_focused.png"));
}

TEST_F(DialogGoldenTest, CheckedAndPressed) {
    SendMessageA(check, BM_CLICK, 0, 0);
    SendMessageA(radio2, BM_CLICK, 0, 0);
    SetFocus(radio2);
    SendMessageA(cancel, BM_SETSTATE, TRUE, 0);
    SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
    SetFocus(combo);
    EXPECT_TRUE(MatchesGolden(Shot(), "ui/dialog_checked.png"));
}

TEST_F(DialogGoldenTest, DisabledControlsAndInactiveCaption) {
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(radio1, BM_SETCHECK, BST_CHECKED, 0);
    for (HWND h : {label, edit, spin, check, radio1, radio2, combo, list, note, ok, group})
        EnableWindow(h, FALSE);
    ShowWindow(parent, SW_HIDE);   // another window takes the activation, out of the picture
    SetActiveWindow(parent);
    SetFocus(parent);
    InvalidateRect(dialog, nullptr, TRUE);
    EXPECT_TRUE(MatchesGolden(Shot(), "ui/dialog_disabled.png"));
}

}  // namespace
