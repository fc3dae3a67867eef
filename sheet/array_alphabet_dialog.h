// "Edit Array Alphabet": which letters alphabetic pad names may use in this dialog run.
#pragma once
#include "array/shared_state.h"
#include "platform/framework/dialog.h"

class CArrayAlphabetDialog : public CDialog {
public:
    // No parent: the sheet that owns the dialog is the active window when DoModal runs it.
    CArrayAlphabetDialog();

    // The table the boxes load from and save into; the sheet points it at ActiveAlphabet
    // before every run, which is also where it points from construction on.
    void SetLetterTable(Alphabet* letters) { m_letters = letters; }

    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    DECLARE_MESSAGE_MAP()

private:
    void OnStandardAlphabet();

    Alphabet* m_letters;
};
