// Template 107: one layout for all six style pages, in three columns: counts and pitches on
// the left, pad naming in the middle, the style's options and the padstacks on the right.
// Controls that share a place (w and r; z, d and the angle; the two pin-1 groups) are never
// shown together by any style.
#include <initializer_list>

#include "platform/win/controls.h"
#include "platform/win/window_styles.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace {

constexpr DWORD kVisible = WS_VISIBLE;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;

DialogItem Label(int id, const char* text, int x, int y, int cx) {
    return {WC_STATIC, text, id, kVisible | SS_LEFT, 0, x, y + 2, cx, 8};
}
DialogItem Line(int id, int x, int y, int cx) { return {WC_STATIC, "", id, kVisible | SS_ETCHEDFRAME, 0, x, y, cx, 1}; }
DialogItem Edit(int id, int x, int y, int cx, DWORD extra = 0) {
    return {WC_EDIT, "", id, kTab | ES_AUTOHSCROLL | extra, WS_EX_CLIENTEDGE, x, y, cx, 12};
}
DialogItem Spin(int id, int x, int y) {
    return {UPDOWN_CLASS, "", id, kVisible | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, x, y, 10, 12};
}
// A radio group is one tab stop: the first button starts the group and carries the stop.
DialogItem Radio(int id, const char* text, int x, int y, int cx, bool first) {
    return {WC_BUTTON, text, id, (first ? kTab | WS_GROUP : kVisible) | BS_AUTORADIOBUTTON, 0, x, y, cx, 10};
}
DialogItem Check(int id, const char* text, int x, int y, int cx) {
    return {WC_BUTTON, text, id, kTab | BS_AUTOCHECKBOX, 0, x, y, cx, 10};
}
DialogItem Push(int id, const char* text, int x, int y) {
    return {WC_BUTTON, text, id, kTab | BS_PUSHBUTTON, 0, x, y, 40, 13};
}

void AddCountsColumn(DialogTemplate& t) {
    t.items.insert(t.items.end(), {
        Label(IDC_STATIC, "Along X", 6, 2, 40), Line(IDC_STATIC, 40, 7, 66),
        Label(IDC_LABEL_NUMBER_P, "Number (p):", 6, 14, 48), Edit(IDC_NUMBER_P, 56, 14, 38),
        Spin(IDC_SPIN_P, 94, 14),
        Label(IDC_LABEL_SPACING_X, "Spacing (x):", 6, 30, 48), Edit(IDC_SPACING_X, 56, 30, 48),
        Label(IDC_STATIC, "Along Y", 6, 50, 40), Line(IDC_STATIC, 40, 55, 66),
        Label(IDC_LABEL_NUMBER_Q, "Number (q):", 6, 62, 48), Edit(IDC_NUMBER_Q, 56, 62, 38),
        Spin(IDC_SPIN_Q, 94, 62),
        Label(IDC_LABEL_SPACING_Y, "Spacing (y):", 6, 78, 48), Edit(IDC_SPACING_Y, 56, 78, 48),
    });
}

void AddNamingColumn(DialogTemplate& t) {
    t.items.insert(t.items.end(), {
        Label(IDC_STATIC, "X Names", 116, 2, 40), Line(IDC_STATIC, 152, 7, 70),
        Label(IDC_LABEL_START_X, "Start Value:", 116, 14, 46), Edit(IDC_START_X, 164, 14, 40),
        Label(IDC_LABEL_INCREMENT_X, "Increment:", 116, 30, 46), Edit(IDC_INCREMENT_X, 164, 30, 40),
        Radio(IDC_NUMERIC_X, "Numeric", 116, 44, 44, true), Radio(IDC_ALPHABETIC_X, "Alphabetic", 164, 44, 52, false),
        Label(IDC_STATIC, "Y Names", 116, 58, 40), Line(IDC_STATIC, 152, 63, 70),
        Label(IDC_LABEL_START_Y, "Start Value:", 116, 70, 46), Edit(IDC_START_Y, 164, 70, 40),
        Label(IDC_LABEL_INCREMENT_Y, "Increment:", 116, 86, 46), Edit(IDC_INCREMENT_Y, 164, 86, 40),
        Radio(IDC_NUMERIC_Y, "Numeric", 116, 100, 44, true), Radio(IDC_ALPHABETIC_Y, "Alphabetic", 164, 100, 52, false),
    });
}

void AddOptionsColumn(DialogTemplate& t) {
    t.items.insert(t.items.end(), {
        Label(IDC_STATIC, "Options", 232, 2, 30), Line(IDC_LINE_OPTIONS_LONG, 264, 7, 76),
        Line(IDC_LINE_OPTIONS_SHORT, 264, 7, 40),
        Label(IDC_LABEL_STAGGER_W, "Stagger (w):", 232, 14, 52), Edit(IDC_STAGGER_W, 288, 14, 48),
        Label(IDC_LABEL_RADIUS, "Radius (r):", 232, 14, 52), Edit(IDC_RADIUS, 288, 14, 48),
        Label(IDC_LABEL_STAGGER_Z, "Stagger (z):", 232, 30, 52), Edit(IDC_STAGGER_Z, 288, 30, 48),
        Label(IDC_LABEL_ROW_DELTA, "RowDelta (d):", 232, 30, 52), Edit(IDC_ROW_DELTA, 288, 30, 38),
        Spin(IDC_SPIN_D, 326, 30),
        Label(IDC_LABEL_ANGLE, "Angle (\xF8):", 232, 30, 52), Edit(IDC_ANGLE, 288, 30, 48),
        Label(IDC_LABEL_PIN1, "Pin1", 232, 48, 20), Line(IDC_LINE_PIN1, 254, 53, 86),
        Radio(IDC_CORNER_QFP, "Corner (QFP)", 240, 60, 60, true),
        Radio(IDC_CENTER_CC, "Center (CC)", 240, 72, 60, false),
        Label(IDC_LABEL_PAD_NAME, "Pad Name", 232, 48, 36), Line(IDC_LINE_PAD_NAME, 270, 53, 70),
        Radio(IDC_PIN1_ALPHA_NUMERIC, "Alpha/Numeric", 240, 60, 64, true),
        Radio(IDC_PIN1_NUMERIC, "Numeric", 240, 72, 64, false),
    });
}

void AddBottomRow(DialogTemplate& t) {
    t.items.insert(t.items.end(), {
        Line(IDC_STATIC, 6, 118, 334),
        Check(IDC_DISPLAY_PAD_NAME, "Display Pad Name", 6, 126, 80),
        Check(IDC_DISPLAY_DRILL, "Display Drill", 6, 140, 80),
        {WC_BUTTON, "Place By Array Center", IDC_PLACE_BY_CENTER, WS_DISABLED | WS_TABSTOP | BS_AUTOCHECKBOX, 0,
         6, 154, 90, 10},
        Label(IDC_STATIC, "Default Padstack:", 116, 124, 62),
        Edit(IDC_DEFAULT_PADSTACK_NAME, 180, 124, 112, ES_READONLY),
        Push(IDC_SELECT_DEFAULT_PADSTACK, "Select...", 298, 123),
        Label(IDC_STATIC, "Pin 1 Padstack:", 116, 140, 62),
        Edit(IDC_PIN1_PADSTACK_NAME, 180, 140, 112, ES_READONLY),
        Push(IDC_SELECT_PIN1_PADSTACK, "Select...", 298, 139),
    });
}

}  // namespace

void AddPageTemplate(ResourceSet& resources) {
    DialogTemplate t;
    t.id = IDD_PROPPAGE_TEMPLATE;
    t.caption = "Property Page Template";
    t.style = WS_CHILD;
    t.cx = 346;
    t.cy = 168;
    AddCountsColumn(t);
    AddNamingColumn(t);
    AddOptionsColumn(t);
    AddBottomRow(t);
    resources.AddDialog(std::move(t));
}
