// Template 4010, "Edit Array Alphabet": two rows of 13 letter boxes above one row of buttons.
#include "res/dialog_templates.h"

// dialog.h comes before resource.h, whose ID_HELP macro would rename the framework's constant.
#include "platform/framework/dialog.h"
#include "platform/win/controls.h"
#include "res/resource.h"

namespace {

// Dialog units. A box is wide enough for its check mark and one capital letter.
constexpr int kMargin = 7;
constexpr int kLettersPerRow = 13;
constexpr int kBoxWidth = 20, kBoxHeight = 10, kBoxPitch = 22, kRowPitch = 14;
constexpr int kButtonHeight = 14, kButtonGap = 4;
constexpr int kOkWidth = 50, kStandardWidth = 100;
constexpr int kRowWidth = (kLettersPerRow - 1) * kBoxPitch + kBoxWidth;
constexpr int kDialogWidth = kRowWidth + 2 * kMargin;
constexpr int kButtonTop = kMargin + 2 * kRowPitch + 6;
constexpr int kDialogHeight = kButtonTop + kButtonHeight + kMargin;

DialogItem LetterBox(int index) {
    const char text[] = {'&', char('A' + index), '\0'};
    // One group with a tab stop on every box, so Tab and the arrows both walk A to Z.
    const DWORD group = index == 0 ? WS_GROUP : 0;
    return {WC_BUTTON, text, IDC_LETTER_A + index, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | group, 0,
            kMargin + (index % kLettersPerRow) * kBoxPitch, kMargin + (index / kLettersPerRow) * kRowPitch,
            kBoxWidth, kBoxHeight};
}

DialogItem Button(const char* text, int id, DWORD type, int x, int cx) {
    return {WC_BUTTON, text, id, WS_VISIBLE | WS_TABSTOP | type, 0, x, kButtonTop, cx, kButtonHeight};
}

}  // namespace

void AddAlphabetDialogTemplate(ResourceSet& resources) {
    DialogTemplate tpl;
    tpl.id = IDD_ARRAY_ALPHABET;
    tpl.caption = "Edit Array Alphabet";
    tpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tpl.cx = kDialogWidth;
    tpl.cy = kDialogHeight;
    for (int i = 0; i <= IDC_LETTER_Z - IDC_LETTER_A; ++i) tpl.items.push_back(LetterBox(i));
    const int cancelLeft = kDialogWidth - kMargin - kOkWidth;
    tpl.items.push_back(Button("Standard JEDEC Alphabet", IDC_STANDARD_ALPHABET, BS_PUSHBUTTON | WS_GROUP,
                               kMargin, kStandardWidth));
    tpl.items.push_back(Button("OK", IDC_OK, BS_DEFPUSHBUTTON, cancelLeft - kButtonGap - kOkWidth, kOkWidth));
    tpl.items.push_back(Button("Cancel", IDC_CANCEL, BS_PUSHBUTTON, cancelLeft, kOkWidth));
    resources.AddDialog(std::move(tpl));
}
