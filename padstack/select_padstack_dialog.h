// "Select Padstack": picks the default or pin-1 padstack of the active page from the design
// and the padstack libraries; a library padstack is copied into the design while it is shown.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "output/padstack_rules.h"
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
    void AddLibrary();
    void RemoveLibrary();

    using LibraryLines = std::vector<std::pair<std::string, std::string>>;   // key, value
    static void WriteLibrarySection(const std::string& file, const LibraryLines& lines);

private:
    void DeleteLibraryCopy();
    void ShowNoPadstack();
    void ShowValues(const PadstackBuffer& record);
    void RedrawPadstack();
    void OnHelpButton();
    void OnPaint();
    // The host's settings file, or empty after telling the user it cannot be found.
    std::string SettingsFilePath();
    void RewriteLibraries(const std::string& file, const LibraryLines& lines);

    int16_t LoadedPadstack = 0;
    int16_t LastDesignPadstack = 0;
    PadstackBuffer ShownRecord;   // of the entry shown last; empty when none could be read
    CComboBox PadstackList;
    CListBox LibraryList;
};
