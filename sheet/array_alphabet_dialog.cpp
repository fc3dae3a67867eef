// The alphabet dialog: letter boxes exchanged with a 26-entry table; OK renames the active pads.
#include "sheet/array_alphabet_dialog.h"

#include "array/placement.h"
#include "platform/framework/data_exchange.h"
#include "platform/framework/module_state.h"
#include "platform/win/controls.h"
#include "preview/array_preview_wnd.h"
#include "res/resource.h"

namespace {

// Two letters are the least that still makes a radix for alphabetic names.
constexpr int32_t kFewestLetters = 2;

}  // namespace

BEGIN_MESSAGE_MAP(CArrayAlphabetDialog, CDialog)
    ON_COMMAND(IDC_STANDARD_ALPHABET, OnStandardAlphabet)
END_MESSAGE_MAP()

CArrayAlphabetDialog::CArrayAlphabetDialog() : CDialog(IDD_ARRAY_ALPHABET, nullptr), m_letters(&ActiveAlphabet) {}

void CArrayAlphabetDialog::DoDataExchange(CDataExchange* dx) {
    // Saving goes through a copy, so a refused exchange leaves the table as the last good one left it.
    Alphabet letters = *m_letters;
    for (size_t i = 0; i < letters.size(); ++i) {
        int checked = letters[i] != 0 ? int(BST_CHECKED) : int(BST_UNCHECKED);
        DDX_Check(dx, IDC_LETTER_A + int(i), checked);
        if (dx->m_bSaveAndValidate) letters[i] = checked == int(BST_CHECKED) ? 1 : 0;
    }
    if (CountAlphabet(letters) < kFewestLetters) {
        AfxMessageBox(AfxLoadString(IDS_ALPHABET_TOO_FEW).c_str(), MB_OK);
        dx->Fail();
        return;
    }
    if (dx->m_bSaveAndValidate) *m_letters = letters;
}

void CArrayAlphabetDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    SetActiveAlphabet(*m_letters);
    if (CurrentParameters != nullptr && CurrentPadList != nullptr) {
        CurrentPadList->RemoveAll();
        RecomputePads();
    }
    RefreshPreview();
    EndDialog(IDOK);
}

// Takes effect at once: a Cancel afterwards keeps the standard set in force.
void CArrayAlphabetDialog::OnStandardAlphabet() {
    SetActiveAlphabet(DefaultAlphabet);
    UpdateData(FALSE);
}
