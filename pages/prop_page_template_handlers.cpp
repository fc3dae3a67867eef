// The page's reactions to a person: edits, radio buttons, check boxes and buttons.
#include "array/angle_entry.h"
#include "array/host_help.h"
#include "array/shared_state.h"
#include "array/units_limits.h"
#include "padstack/select_padstack_dialog.h"
#include "pages/page_edits.h"
#include "pages/prop_page_template.h"
#include "pages/unfinished_entry.h"
#include "platform/framework/property_sheet.h"
#include "preview/array_preview_wnd.h"
#include "preview/pad_images.h"
#include "preview/style_sample_wnd.h"
#include "res/captions.h"
#include "res/page_texts.h"
#include "res/resource.h"
#include "res/sheet_texts.h"

void CPropPageTemplate::OnEditChange(int id) {
    if (id == IDC_ANGLE)
        OnAngleEdit();
    else if (FindDecimalEdit(id))
        OnDecimalEdit(id);
    else
        OnIntegerEdit(id);
}

// A refused entry: the control gets its last valid text and the exchange the record's values,
// so the next check does not see the value that was refused.
void CPropPageTemplate::Refuse(int id, LastValidText text) {
    RestoreText(id, text);
    ExchangeFromRecord(*this);
}

void CPropPageTemplate::OnIntegerEdit(int id) {
    const IntegerEdit* edit = FindIntegerEdit(id);
    if (Ready == 0 || edit == nullptr) return;
    const std::string text = GetDlgItemText(id);
    if (text.empty() || (edit->dashIsUnfinished && text == "-")) return;
    if (!UpdateData(TRUE)) return Refuse(id, edit->text);
    if (edit->countCheck && !CheckPadCount(Candidate(), m_hWnd)) return Refuse(id, edit->text);
    if (edit->sizeCheck && !CheckArraySize(Candidate(), Pads, UnitCode, m_hWnd)) return Refuse(id, edit->text);
    edit->commit(*this);
    LastValid[edit->text] = text;
    Recompute();
    if (edit->redrawSample) RedrawStyleSample();
}

void CPropPageTemplate::OnDecimalEdit(int id) {
    const DecimalEdit* edit = FindDecimalEdit(id);
    if (Ready == 0 || edit == nullptr) return;
    const std::string text = GetDlgItemText(id);
    if (text != "0" && IsZeroOrUnfinished(text, edit->signedValue)) return;
    // A failed exchange keeps the old value; what follows then rebuilds the pads as they were.
    ExchangeField(id);
    if (!CheckArraySize(Candidate(), Pads, UnitCode, m_hWnd)) return Refuse(id, edit->text);
    edit->commit(*this);
    LastValid[edit->text] = GetDlgItemText(id);
    Recompute();
}

void CPropPageTemplate::OnAngleEdit() {
    if (Ready == 0) return;
    const std::string text = GetDlgItemText(IDC_ANGLE);
    if (text.empty() || text == "-") return;
    int16_t minutes = 0;
    if (!UpdateData(TRUE) || !ParseAngle(AngleText, minutes)) return Refuse(IDC_ANGLE, kTextAngle);
    Parameters.AngleStep = minutes;
    LastValid[kTextAngle] = text;
    Recompute();
    SetStyleSampleTitle(page_texts::kCircularSample);
    RedrawStyleSample();
}

void CPropPageTemplate::OnEditFocusLost(int id) {
    const int slot = LastValidSlot(id);
    if (slot >= 0 && GetDlgItemText(id).empty()) RestoreText(id, LastValidText(slot));
}

void CPropPageTemplate::OnNumericX() { Parameters.X.Alphabetic = 0; Recompute(); }
void CPropPageTemplate::OnAlphabeticX() { Parameters.X.Alphabetic = 1; Recompute(); }
void CPropPageTemplate::OnNumericY() { Parameters.Y.Alphabetic = 0; Recompute(); }
void CPropPageTemplate::OnAlphabeticY() { Parameters.Y.Alphabetic = 1; Recompute(); }

void CPropPageTemplate::OnCorner() {
    Parameters.CornerStart = 1;
    Recompute();
    RedrawStyleSample();
}

void CPropPageTemplate::OnCenter() {
    Parameters.CornerStart = 0;
    Recompute();
    RedrawStyleSample();
}

void CPropPageTemplate::OnDisplayDrill() {
    UpdateData(TRUE);
    Parameters.DisplayDrill = DisplayDrillValue != 0;
    // Drill holes are part of the cached pad images.
    ClearPadImages();
    RefreshPreview();
}

void CPropPageTemplate::OnDisplayPadName() {
    UpdateData(TRUE);
    Parameters.DisplayPadName = DisplayPadNameValue != 0;
    RefreshPreview();
}

void CPropPageTemplate::SetButton(int id, bool check, bool enable) {
    CheckDlgButton(id, check ? BST_CHECKED : BST_UNCHECKED);
    if (CWnd* button = GetDlgItem(id)) button->EnableWindow(enable);
}

void CPropPageTemplate::Enable(int id, bool enable) {
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(enable);
}

// Pin 1 naming of the grid: "Numeric" counts 1 to n row after row, so only X names matter.
void CPropPageTemplate::OnPin1Numeric() {
    if (Ready == 0) return;
    Parameters.ContinueNumbering = 1;
    SetNameFormat(Parameters, "%X");
    CheckDlgButton(IDC_PIN1_NUMERIC, BST_CHECKED);
    CheckDlgButton(IDC_PIN1_ALPHA_NUMERIC, BST_UNCHECKED);
    SetButton(IDC_ALPHABETIC_X, false, false);
    CheckDlgButton(IDC_NUMERIC_X, BST_CHECKED);
    Parameters.X.Alphabetic = 0;
    for (int id : {IDC_NUMERIC_Y, IDC_ALPHABETIC_Y, IDC_INCREMENT_Y, IDC_START_Y}) Enable(id, false);
    Recompute();
}

// "Alpha/Numeric": a row letter, then the column number restarting in every row.
void CPropPageTemplate::OnPin1AlphaNumeric() {
    if (Ready == 0) return;
    Parameters.ContinueNumbering = 0;
    SetNameFormat(Parameters, "%Y%X");
    CheckDlgButton(IDC_PIN1_ALPHA_NUMERIC, BST_CHECKED);
    CheckDlgButton(IDC_PIN1_NUMERIC, BST_UNCHECKED);
    SetButton(IDC_NUMERIC_X, true, true);
    SetButton(IDC_ALPHABETIC_X, false, false);
    Parameters.X.Alphabetic = 0;
    SetButton(IDC_NUMERIC_Y, false, false);
    SetButton(IDC_ALPHABETIC_Y, true, true);
    Enable(IDC_INCREMENT_Y, true);
    Enable(IDC_START_Y, true);
    Parameters.Y.Alphabetic = 1;
    Recompute();
}

void CPropPageTemplate::OnSelectDefaultPadstack() { SelectPadstack(true); }
void CPropPageTemplate::OnSelectPin1Padstack() { SelectPadstack(false); }

void CPropPageTemplate::SelectPadstack(bool defaultPadstack) {
    Parameters.SelectingDefaultPadstack = defaultPadstack ? 1 : 0;
    CSelectPadstackDialog dialog;
    dialog.DoModal();
    if (defaultPadstack) SetDlgItemText(IDC_DEFAULT_PADSTACK_NAME, Parameters.DefaultPadstackName);
    SetDlgItemText(IDC_PIN1_PADSTACK_NAME, Parameters.Pin1PadstackName);
    Recompute();
}

void CPropPageTemplate::OnPlaceByCenter() { AfxMessageBox(page_texts::kNotImplemented); }

void CPropPageTemplate::OnHelp() {
    const int index = Sheet() ? Sheet()->GetActiveIndex() : -1;
    const StyleTraits* traits = FindStyleTraits(index);
    if (traits == nullptr) {
        MessageBox(sheet_texts::kInvalidPageIndex, captions::kError, MB_OK);
        return;
    }
    ShowHostHelp(traits->helpTopic);
}
