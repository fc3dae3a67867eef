// The common page: exchange, the read-check-commit cycle of the edits and the button handlers.
#include "pages/prop_page_template.h"

#include "array/design_record.h"
#include "array/placement.h"
#include "array/shared_state.h"
#include "array/unit_table.h"
#include "array/units_limits.h"
#include "output/create_footprint.h"
#include "output/layer_colours.h"
#include "output/padstack_availability.h"
#include "output/recipe_store.h"
#include "pages/page_edits.h"
#include "platform/framework/data_exchange.h"
#include "platform/framework/property_sheet.h"
#include "platform/win/message_box.h"
#include "preview/array_preview_wnd.h"
#include "preview/style_sample_wnd.h"
#include "res/captions.h"
#include "res/page_texts.h"
#include "res/resource.h"

namespace {

// The controls the full exchange binds to control objects; the padstack buttons and "Place By
// Array Center" are only ever reached by their IDs.
constexpr int kBoundControls[] = {
    IDC_NUMBER_P, IDC_SPIN_P, IDC_SPACING_X, IDC_START_X, IDC_INCREMENT_X, IDC_NUMERIC_X,
    IDC_ALPHABETIC_X, IDC_NUMBER_Q, IDC_SPIN_Q, IDC_SPACING_Y, IDC_START_Y, IDC_INCREMENT_Y,
    IDC_NUMERIC_Y, IDC_ALPHABETIC_Y, IDC_STAGGER_W, IDC_STAGGER_Z, IDC_ROW_DELTA, IDC_SPIN_D,
    IDC_RADIUS, IDC_ANGLE, IDC_DISPLAY_PAD_NAME, IDC_DISPLAY_DRILL, IDC_CORNER_QFP, IDC_CENTER_CC,
    IDC_PIN1_NUMERIC, IDC_PIN1_ALPHA_NUMERIC, IDC_DEFAULT_PADSTACK_NAME, IDC_PIN1_PADSTACK_NAME,
    IDC_LABEL_STAGGER_Z, IDC_LABEL_STAGGER_W, IDC_LABEL_RADIUS, IDC_LABEL_ANGLE,
    IDC_LABEL_ROW_DELTA, IDC_LABEL_NUMBER_P, IDC_LABEL_SPACING_X, IDC_LABEL_START_X,
    IDC_LABEL_INCREMENT_X, IDC_LABEL_NUMBER_Q, IDC_LABEL_SPACING_Y, IDC_LABEL_START_Y,
    IDC_LABEL_INCREMENT_Y, IDC_LINE_PIN1, IDC_LINE_PAD_NAME, IDC_LABEL_PIN1,
    IDC_LINE_OPTIONS_LONG, IDC_LINE_OPTIONS_SHORT, IDC_LABEL_PAD_NAME,
};
constexpr size_t kBoundCount = sizeof kBoundControls / sizeof kBoundControls[0];

}  // namespace

IMPLEMENT_DYNCREATE(CPropPageTemplate, CPropertyPage)

BEGIN_MESSAGE_MAP(CPropPageTemplate, CPropertyPage)
    ON_BN_CLICKED(IDC_NUMERIC_X, OnNumericX)
    ON_BN_CLICKED(IDC_ALPHABETIC_X, OnAlphabeticX)
    ON_BN_CLICKED(IDC_NUMERIC_Y, OnNumericY)
    ON_BN_CLICKED(IDC_ALPHABETIC_Y, OnAlphabeticY)
    ON_BN_CLICKED(IDC_CORNER_QFP, OnCorner)
    ON_BN_CLICKED(IDC_CENTER_CC, OnCenter)
    ON_BN_CLICKED(IDC_DISPLAY_DRILL, OnDisplayDrill)
    ON_BN_CLICKED(IDC_DISPLAY_PAD_NAME, OnDisplayPadName)
    ON_BN_CLICKED(IDC_PIN1_NUMERIC, OnPin1Numeric)
    ON_BN_CLICKED(IDC_PIN1_ALPHA_NUMERIC, OnPin1AlphaNumeric)
    ON_BN_CLICKED(IDC_SELECT_DEFAULT_PADSTACK, OnSelectDefaultPadstack)
    ON_BN_CLICKED(IDC_SELECT_PIN1_PADSTACK, OnSelectPin1Padstack)
    ON_BN_CLICKED(IDC_PLACE_BY_CENTER, OnPlaceByCenter)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CPropPageTemplate::CPropPageTemplate() : CPropertyPage(IDD_PROPPAGE_TEMPLATE) {
    m_psp.dwFlags |= PSP_HASHELP;
    FieldExchangeEnabled = 1;
}

CPropPageTemplate::~CPropPageTemplate() = default;

void CPropPageTemplate::DoDataExchange(CDataExchange* dx) {
    if (m_exchangeId != 0) {
        ExchangeOne(dx, m_exchangeId);
        return;
    }
    // Filling the controls makes them report changes; those are the page's own, not a person's.
    const bool loading = !dx->m_bSaveAndValidate;
    if (loading) ++m_quiet;
    ExchangeAll(dx);
    if (loading) --m_quiet;
}

void CPropPageTemplate::ExchangeAll(CDataExchange* dx) {
    if (!m_controls) {
        m_controls = std::make_unique<CWnd[]>(kBoundCount);
        for (size_t i = 0; i < kBoundCount; ++i) DDX_Control(dx, kBoundControls[i], m_controls[i]);
    }
    DDX_Text(dx, IDC_ANGLE, AngleText);
    DDX_Text(dx, IDC_INCREMENT_X, XIncrement);
    DDX_Text(dx, IDC_NUMBER_P, P);
    DDV_MinMaxInt(dx, P, 1, PADS_PER_SYMBOL_LIMIT);   // a single row may hold them all
    DDX_Text(dx, IDC_INCREMENT_Y, YIncrement);
    DDX_Text(dx, IDC_NUMBER_Q, Q);
    DDV_MinMaxInt(dx, Q, 1, PADS_PER_SYMBOL_LIMIT);
    DDX_Text(dx, IDC_START_Y, YStart);
    DDX_Text(dx, IDC_START_X, XStart);
    DDX_Text(dx, IDC_ROW_DELTA, D);
    DDV_MinMaxInt(dx, D, -1, 1);
    DDX_Check(dx, IDC_DISPLAY_DRILL, DisplayDrillValue);
    DDX_Check(dx, IDC_DISPLAY_PAD_NAME, DisplayPadNameValue);
    DDX_Text(dx, IDC_RADIUS, R);
    DDX_Text(dx, IDC_SPACING_X, X);
    DDX_Text(dx, IDC_SPACING_Y, Y);
    DDX_Text(dx, IDC_STAGGER_W, W);
    DDX_Text(dx, IDC_STAGGER_Z, Z);
}

void CPropPageTemplate::ExchangeOne(CDataExchange* dx, int id) {
    const DecimalEdit* edit = FindDecimalEdit(id);
    if (edit == nullptr || FieldExchangeEnabled == 0) return;
    double value = this->*edit->value;
    DDX_Text(dx, id, value);
    // An unknown unit has no limits to check against.
    if (const UnitInfo* unit = FindUnit(UnitCode)) {
        if (edit->radius)
            DDV_MinMaxDouble(dx, value, 0.0, unit->RadiusLimit);
        else
            DDV_MinMaxDouble(dx, value, -unit->SpacingLimit, unit->SpacingLimit);
    }
    if (!dx->Failed()) this->*edit->value = value;
}

void CPropPageTemplate::ExchangeField(int id) {
    m_exchangeId = id;
    const BOOL ok = UpdateData(TRUE);
    m_exchangeId = 0;
    if (ok) return;
    if (CWnd* control = GetDlgItem(id)) control->SetFocus();
    RestoreText(id, LastValidText(LastValidSlot(id)));
}

ArrayParameters CPropPageTemplate::Candidate() const {
    ArrayParameters a = Parameters;
    a.X.Count = P, a.Y.Count = Q, a.X.Spacing = X, a.Y.Spacing = Y;
    a.StaggerW = W, a.StaggerZ = Z, a.RowDelta = int16_t(D), a.Radius = R;
    return a;
}

void CPropPageTemplate::Recompute() {
    Pads.RemoveAll();
    RecomputePads();
    RefreshPreview();
}

void CPropPageTemplate::RestoreText(int id, LastValidText text) {
    ++m_quiet;
    SetDlgItemText(id, LastValid[size_t(text)]);
    --m_quiet;
}

BOOL CPropPageTemplate::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    const StartPadstack start = CheckPadstackAvailability();
    LoadLayerColours();
    Pads.DefaultPad = Pads.Pin1Pad = start.Info();
    Parameters.DefaultPadstackName = Parameters.Pin1PadstackName = start.Name;
    SetDlgItemText(IDC_DEFAULT_PADSTACK_NAME, Parameters.DefaultPadstackName);
    SetDlgItemText(IDC_PIN1_PADSTACK_NAME, Parameters.Pin1PadstackName);
    DesignRecord record;
    record.Read();
    UnitCode = record.UnitCode();
    return TRUE;
}

BOOL CPropPageTemplate::OnSetActive() {
    ActivePage = this;
    return CPropertyPage::OnSetActive();
}

void CPropPageTemplate::OnOK() {
    if (ActivePage == this && CreateFootprint() && !SaveRecipe(FootprintName, MakeRecipe())) {
        MessageBoxA(0, page_texts::kRecipeNotKept, captions::kDotsInformation, MB_OK | MB_ICONINFORMATION);
    }
    CPropertyPage::OnOK();
}

void CPropPageTemplate::OnCancel() {
    FieldExchangeEnabled = 0;
    CPropertyPage::OnCancel();
}

BOOL CPropPageTemplate::OnCommand(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    const UINT code = HIWORD(wp);
    if (code == EN_CHANGE && LastValidSlot(id) >= 0) {
        if (m_quiet == 0) OnEditChange(id);
        return TRUE;
    }
    if (code == EN_KILLFOCUS && LastValidSlot(id) >= 0) {
        OnEditFocusLost(id);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wp, lp);
}
