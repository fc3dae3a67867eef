// CTessraSheet: the modal sheet of one dialog run, with one page per array style, the Style
// Sample and Array Alphabet buttons, and the Array Preview window beside it.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "platform/framework/button.h"
#include "platform/framework/property_sheet.h"
#include "sheet/array_alphabet_dialog.h"
#include "sheet/window_state.h"

class CTessraSheet : public CPropertySheet {
public:
    // Makes the page of a page index; the style pages unless a test brings its own.
    using PageMaker = std::function<std::unique_ptr<CPropertyPage>(int pageIndex)>;
    static PageMaker StylePages();

    CTessraSheet(const char* caption, CWnd* parent, UINT selectPage, PageMaker makePage = StylePages());
    ~CTessraSheet() override;
    DECLARE_DYNAMIC(CTessraSheet)
    DECLARE_MESSAGE_MAP()

    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;

    CButton ArrayAlphabetButton;
    CButton StyleSampleButton;
    CArrayAlphabetDialog AlphabetDialog;
    // 1 when no usable saved state was found: the sheet is centred and the preview derived.
    int32_t CenterOnOpen = 1;
    WindowState Saved;

private:
    void OnStyleSample();
    void OnArrayAlphabet();
    void PlaceFromSavedState();
    void AddButton(CButton& button, const char* text, UINT id, const RECT& rect);
    void AddSheetButtons();
    void LayoutButtonRow();
    void CreatePreviewWindow();

    std::vector<std::unique_ptr<CPropertyPage>> m_stylePages;
};
