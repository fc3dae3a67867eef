// "Select Padstack": picks the default or pin-1 padstack of the active page from the design
// and the padstack libraries; a library padstack is copied into the design while it is shown.
#pragma once
#include <cstdint>

#include "platform/framework/combo_box.h"
#include "platform/framework/dialog.h"

class CSelectPadstackDialog : public CDialog {
public:
    CSelectPadstackDialog();

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    DECLARE_MESSAGE_MAP()

    void FillPadstackList();
    void FillLibraryList();
    void ShowPadstackDetails();

private:
    void DeleteLibraryCopy();
    void ShowNoPadstack();
    void OnHelpButton();

    int16_t LoadedPadstack = 0;
    int16_t LastDesignPadstack = 0;
    bool CopyFailed = false;
    CComboBox PadstackList;
    CListBox LibraryList;
};
