// Template 4012, "Select Padstack": padstack list left, preview box and values in the middle,
// libraries below, buttons down the right edge.
#include "res/dialog_templates.h"

// dialog.h comes before resource.h, whose ID_HELP macro would rename the framework's constant.
#include "platform/framework/dialog.h"
#include "platform/win/controls.h"
#include "res/padstack_texts.h"
#include "res/resource.h"

namespace {

// Dialog units.
constexpr int kMargin = 7;
constexpr int kListWidth = 90, kListTop = 17, kListHeight = 110;
constexpr int kPreviewLeft = kMargin + kListWidth + 8, kPreviewWidth = 100, kPreviewHeight = 60;
constexpr int kValueTop = kListTop + kPreviewHeight + 4, kLinePitch = 10;
constexpr int kLabelWidth = 36, kValueWidth = kPreviewWidth - kLabelWidth;
constexpr int kLibraryTop = kListTop + kListHeight + 16, kLibraryHeight = 40;
constexpr int kButtonLeft = kPreviewLeft + kPreviewWidth + 8, kButtonWidth = 50, kButtonHeight = 14;
constexpr int kDialogWidth = kButtonLeft + kButtonWidth + kMargin;
constexpr int kDialogHeight = kLibraryTop + kLibraryHeight + kMargin;

DialogItem Label(const char* text, int id, int x, int y, int cx) {
    return {WC_STATIC, text, id, WS_VISIBLE | SS_LEFT, 0, x, y, cx, 8};
}

DialogItem Button(const char* text, int id, DWORD type, int y) {
    return {WC_BUTTON, text, id, WS_VISIBLE | WS_TABSTOP | type, 0, kButtonLeft, y, kButtonWidth, kButtonHeight};
}

struct ValueLine {
    const char* label;
    int labelId, valueId;
};
constexpr ValueLine kValueLines[] = {
    {"Height:", IDC_HEIGHT_LABEL, IDC_HEIGHT_VALUE},
    {"Width:", IDC_WIDTH_LABEL, IDC_WIDTH_VALUE},
    {"Drill:", IDC_DRILL_LABEL, IDC_DRILL_VALUE},
    {"Rotation:", IDC_ROTATION_LABEL, IDC_ROTATION_VALUE},
};

void AddPreviewBox(DialogTemplate& tpl) {
    tpl.items.push_back(Label("Padstack Preview", IDC_STATIC, kPreviewLeft, kMargin, kPreviewWidth));
    tpl.items.push_back({WC_STATIC, "", IDC_PADSTACK_PREVIEW, SS_ETCHEDFRAME | WS_DISABLED, 0, kPreviewLeft, kListTop,
                         kPreviewWidth, kPreviewHeight});
    int y = kValueTop;
    for (const ValueLine& line : kValueLines) {
        tpl.items.push_back(Label(line.label, line.labelId, kPreviewLeft, y, kLabelWidth));
        tpl.items.push_back(Label(padstack_texts::kNoValue, line.valueId, kPreviewLeft + kLabelWidth, y, kValueWidth));
        y += kLinePitch;
    }
    tpl.items.push_back(Label("XXXX", IDC_SIDE_UNIT_LINE, kPreviewLeft, y, kPreviewWidth));
}

}  // namespace

void AddSelectPadstackTemplate(ResourceSet& resources) {
    DialogTemplate tpl;
    tpl.id = IDD_SELECT_PADSTACK;
    tpl.caption = padstack_texts::kCaption;
    tpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tpl.cx = kDialogWidth;
    tpl.cy = kDialogHeight;
    tpl.items.push_back(Label("Padstacks", IDC_STATIC, kMargin, kMargin, kListWidth));
    tpl.items.push_back({WC_COMBOBOX, "", IDC_PADSTACK_LIST, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | CBS_SIMPLE,
                         0, kMargin, kListTop, kListWidth, kListHeight});
    AddPreviewBox(tpl);
    tpl.items.push_back(Label("Padstack Libraries", IDC_STATIC, kMargin, kLibraryTop - 10, kListWidth));
    tpl.items.push_back({WC_LISTBOX, "", IDC_LIBRARY_LIST, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER, 0, kMargin,
                         kLibraryTop, kPreviewLeft + kPreviewWidth - kMargin, kLibraryHeight});
    tpl.items.push_back(Button("OK", IDC_OK, BS_DEFPUSHBUTTON, kListTop));
    tpl.items.push_back(Button("Cancel", IDC_CANCEL, BS_PUSHBUTTON, kListTop + 18));
    tpl.items.push_back(Button("Help", IDC_HELP_BUTTON, BS_PUSHBUTTON, kListTop + 36));
    tpl.items.push_back(Button("Add...", IDC_ADD_LIBRARY, BS_PUSHBUTTON, kLibraryTop));
    tpl.items.push_back(Button("Remove", IDC_REMOVE_LIBRARY, BS_PUSHBUTTON, kLibraryTop + 18));
    resources.AddDialog(std::move(tpl));
}
