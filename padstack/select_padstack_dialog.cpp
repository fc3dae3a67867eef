// Opening, confirming and cancelling the Select Padstack dialog.
#include "padstack/select_padstack_dialog.h"

#include "array/host_help.h"
#include "array/placement.h"
#include "array/shared_state.h"
#include "host/zelmdb/zelmdb.h"
#include "output/padstack_rules.h"
#include "platform/framework/data_exchange.h"
#include "preview/array_preview_wnd.h"
#include "res/captions.h"
#include "res/padstack_texts.h"
#include "res/resource.h"

namespace {
constexpr int32_t kHelpTopic = 424;
}  // namespace

BEGIN_MESSAGE_MAP(CSelectPadstackDialog, CDialog)
    ON_CBN_SELCHANGE(IDC_PADSTACK_LIST, ShowPadstackDetails)
    ON_COMMAND(IDC_ADD_LIBRARY, AddLibrary)
    ON_COMMAND(IDC_REMOVE_LIBRARY, RemoveLibrary)
    ON_COMMAND(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CSelectPadstackDialog::CSelectPadstackDialog() : CDialog(IDD_SELECT_PADSTACK, nullptr) {}

void CSelectPadstackDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_PADSTACK_LIST, PadstackList);
    DDX_Control(dx, IDC_LIBRARY_LIST, LibraryList);
}

BOOL CSelectPadstackDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    FillPadstackList();
    FillLibraryList();
    const bool selectingDefault = CurrentParameters != nullptr && CurrentParameters->SelectingDefaultPadstack == 1;
    SetWindowText(GetWindowText() + (selectingDefault ? padstack_texts::kDefaultSuffix : padstack_texts::kPin1Suffix));
    return TRUE;
}

void CSelectPadstackDialog::OnOK() {
    const int selected = PadstackList.GetCurSel();
    if (selected < 0) {
        const char* text = PadstackList.GetCount() > 0 ? padstack_texts::kSelectPadstack : padstack_texts::kAddLibrary;
        MessageBox(text, captions::kDotsInformation, MB_OK | MB_ICONINFORMATION);
        return;
    }
    const std::string name = PadstackList.GetLBText(selected);
    // Storing an unreadable padstack would leave the page with a pad of no size.
    if (ShownRecord.empty()) {
        MessageBox(padstack_texts::kNotCopied, captions::kDotsInformation, MB_OK | MB_ICONINFORMATION);
        return;
    }
    PadstackInfo info;
    MakePadstackInfo(ShownRecord, info);
    if (CurrentParameters != nullptr && CurrentPadList != nullptr) {
        if (CurrentParameters->SelectingDefaultPadstack == 1) {
            CurrentPadList->DefaultPad = info;
            CurrentParameters->DefaultPadstackName = name;
        }
        CurrentPadList->Pin1Pad = info;
        CurrentParameters->Pin1PadstackName = name;
    }
    EndDialog(IDOK);
    if (CurrentParameters != nullptr && CurrentPadList != nullptr) {
        CurrentPadList->RemoveAll();
        RecomputePads();
    }
    RefreshPreview();
}

void CSelectPadstackDialog::OnCancel() {
    DeleteLibraryCopy();
    EndDialog(IDCANCEL);
}

void CSelectPadstackDialog::OnHelpButton() { ShowHostHelp(kHelpTopic); }
