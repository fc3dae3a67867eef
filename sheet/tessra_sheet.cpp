// The sheet's start-up, its two buttons, the Enter filter and the saving of its state.
#include "sheet/tessra_sheet.h"

#include <string>

#include "array/footprint_recipe.h"
#include "array/shared_state.h"
#include "pages/style_page.h"
#include "pages/style_traits.h"
#include "platform/framework/module_state.h"
#include "platform/gdi/gdi.h"
#include "preview/array_preview_wnd.h"
#include "preview/style_sample_wnd.h"
#include "res/captions.h"
#include "res/resource.h"
#include "res/sheet_texts.h"
#include "sheet/sheet_placement.h"

namespace {

constexpr int kRowButtons = 5;
// The row from left to right; the sheet's own two stand between Cancel and Help.
constexpr int kRowOrder[kRowButtons] = {IDC_OK, IDC_CANCEL, IDC_STYLE_SAMPLE, IDC_ARRAY_ALPHABET,
                                        IDC_HELP_BUTTON};

HBRUSH BlackBrush() { return HBRUSH(GetStockObject(BLACK_BRUSH)); }

}  // namespace

IMPLEMENT_DYNAMIC(CTessraSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CTessraSheet, CPropertySheet)
    ON_COMMAND(IDC_STYLE_SAMPLE, OnStyleSample)
    ON_COMMAND(IDC_ARRAY_ALPHABET, OnArrayAlphabet)
END_MESSAGE_MAP()

CTessraSheet::PageMaker CTessraSheet::StylePages() {
    return [](int pageIndex) -> std::unique_ptr<CPropertyPage> { return MakeStylePage(pageIndex); };
}

CTessraSheet::CTessraSheet(const char* caption, CWnd* parent, UINT selectPage, PageMaker makePage)
    : CPropertySheet(caption, parent, selectPage), AlphabetDialog() {
    for (int index = 0; index < kStylePageCount; ++index)
        if (std::unique_ptr<CPropertyPage> page = makePage(index)) {
            AddPage(page.get());
            m_stylePages.push_back(std::move(page));
        }
    m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_HASHELP;
}

CTessraSheet::~CTessraSheet() {
    delete PreviewWindow;
    PreviewWindow = nullptr;
    while (!m_stylePages.empty()) m_stylePages.pop_back();   // last page first
}

BOOL CTessraSheet::OnInitDialog() {
    const BOOL result = CPropertySheet::OnInitDialog();
    CenterOnOpen = 1;
    if (ReadWindowState(Saved)) PlaceFromSavedState();
    if (CenterOnOpen) {
        CenterWindow();
        SetActivePage(0);
    }
    if (ReopenRecipe) SetActivePage(PageOfStyle(ReopenRecipe->Parameters.Style));
    AddSheetButtons();
    LayoutButtonRow();
    CreatePreviewWindow();
    return result;
}

void CTessraSheet::PlaceFromSavedState() {
    if (!SavedStateUsable(Saved, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))) return;
    SetWindowPos(HWND_TOP, Saved.DialogLeft, Saved.DialogTop, 0, 0, SWP_NOSIZE);
    // An index out of range leaves page 0 in front, but the saved place still holds.
    if (Saved.ActivePage >= 0 && Saved.ActivePage < kStylePageCount) SetActivePage(Saved.ActivePage);
    CenterOnOpen = 0;
}

void CTessraSheet::AddButton(CButton& button, const char* text, UINT id, const RECT& rect) {
    button.Create(text, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, rect, this, id);
    button.SetFont(GetFont());
}

// Both stand on the OK button's place until the row is laid out.
void CTessraSheet::AddSheetButtons() {
    CWnd* okButton = GetDlgItem(IDC_OK);
    if (okButton == nullptr) return;
    RECT ok{};
    okButton->GetWindowRect(&ok);
    ScreenToClient(&ok);
    AddButton(StyleSampleButton, sheet_texts::kStyleSampleButton, IDC_STYLE_SAMPLE, ok);
    AddButton(ArrayAlphabetButton, sheet_texts::kArrayAlphabetButton, IDC_ARRAY_ALPHABET, ok);
}

void CTessraSheet::LayoutButtonRow() {
    RECT rects[kRowButtons]{};
    for (int i = 0; i < kRowButtons; ++i) {
        CWnd* button = GetDlgItem(kRowOrder[i]);
        if (button == nullptr) return;
        button->GetWindowRect(&rects[i]);
        ScreenToClient(&rects[i]);
    }
    RECT client{};
    GetClientRect(&client);
    const RECT& ok = rects[0];
    const int width = ok.right - ok.left, gap = rects[1].left - ok.right;
    const int left = CentredRowLeft(client, kRowButtons, width, gap);
    for (int i = 0; i < kRowButtons; ++i)
        GetDlgItem(kRowOrder[i])->SetWindowPos(0, left + i * (width + gap), ok.top, 0, 0,
                                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTessraSheet::CreatePreviewWindow() {
    const char* cls = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, BlackBrush());
    delete PreviewWindow;
    PreviewWindow = new CArrayPreviewWnd;
    RECT rect = SavedPreviewRect(Saved);
    if (CenterOnOpen) {
        GetWindowRect(&rect);
        rect = MiddleOfSheet(rect);
    }
    const std::string caption = AfxLoadString(IDS_PREVIEW_CAPTION) + FootprintName;
    // A top-level window without WS_POPUP is an overlapped one, which the platform always
    // gives a caption; ours does not add it by itself.
    PreviewWindow->CreateEx(0, cls, caption.c_str(), WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX,
                            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, m_hWnd, 0);
}

void CTessraSheet::OnStyleSample() {
    if (SampleWindowShown) {
        StyleSampleWindow.DestroyWindow();
        SampleWindowShown = 0;
        return;
    }
    const char* cls = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW | CS_SAVEBITS, BlackBrush());
    const char* title = "";
    if (const StyleTraits* traits = FindStyleTraits(GetActiveIndex()))
        title = traits->sampleTitle;
    else
        MessageBox(sheet_texts::kInvalidPageIndex, captions::kError, MB_OK);
    SampleWindowShown = StyleSampleWindow.CreateEx(0, cls, title, WS_VISIBLE | WS_CAPTION, 0, 0, 300, 250, m_hWnd, 0);
}

void CTessraSheet::OnArrayAlphabet() {
    AlphabetDialog.SetLetterTable(&ActiveAlphabet);
    AlphabetDialog.DoModal();
}

// Enter is swallowed before any window of the sheet sees it; Escape goes on to mean Cancel.
BOOL CTessraSheet::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN &&
        (msg->hwnd == m_hWnd || IsChild(m_hWnd, msg->hwnd)))
        return TRUE;
    return CPropertySheet::PreTranslateMessage(msg);
}

// Every modal run ends here, by OK, Cancel, Escape or the close box alike.
BOOL CTessraSheet::DestroyWindow() {
    if (m_hWnd) SaveWindowState(m_hWnd, GetActiveIndex());
    return CPropertySheet::DestroyWindow();
}
