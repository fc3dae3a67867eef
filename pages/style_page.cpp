// Set-up and activation of a style page, read from its row of the style table.
#include "pages/style_page.h"

#include "array/angle_entry.h"
#include "array/placement.h"
#include "array/shared_state.h"
#include "platform/win/controls.h"
#include "preview/array_preview_wnd.h"
#include "preview/style_sample_wnd.h"
#include "res/resource.h"

CStylePage::CStylePage(const StyleTraits& traits)
    : m_traits(traits), m_class{traits.className, &CPropPageTemplate::classCPropPageTemplate, nullptr} {
    P = traits.p, Q = traits.q;
    XStart = traits.xStart, XIncrement = traits.xIncrement;
    YStart = traits.yStart, YIncrement = traits.yIncrement;
    AngleText = traits.angleText;
    NameFormatText = traits.nameFormat;
    for (size_t i = 0; i < LastValid.size(); ++i) LastValid[i] = traits.lastValid[i] ? traits.lastValid[i] : "";
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = traits.tabCaption;
}

const CRuntimeClass* CStylePage::GetRuntimeClass() const { return &m_class; }

BOOL CStylePage::OnInitDialog() {
    CPropPageTemplate::OnInitDialog();
    SetUpStyle();
    if (ReopenRecipe && ReopenRecipe->Parameters.Style == m_traits.style) {
        ApplyRecipe(*ReopenRecipe);
    } else {
        RecomputePads();
    }
    return TRUE;
}

void CStylePage::SetUpStyle() {
    CurrentPadList = &Pads;
    CurrentParameters = &Parameters;
    for (int id : m_traits.hidden) {
        if (CWnd* control = GetDlgItem(id)) control->ShowWindow(SW_HIDE);
    }
    SetNameFormat(Parameters, m_traits.nameFormat);
    Parameters.Style = m_traits.style;
    CopyExchangeIntoRecord();
    CheckDlgButton(IDC_DISPLAY_DRILL, BST_CHECKED);
    Parameters.DisplayDrill = DisplayDrillValue = 1;
    CheckDlgButton(IDC_DISPLAY_PAD_NAME, BST_CHECKED);
    Parameters.DisplayPadName = DisplayPadNameValue = 1;
    if (m_traits.cornerStart) {
        CheckDlgButton(IDC_CORNER_QFP, BST_CHECKED);
        Parameters.CornerStart = 1;
    }
    if (m_traits.alphaNumericNaming) CheckDlgButton(IDC_PIN1_ALPHA_NUMERIC, BST_CHECKED);
    // The grid's disabled radios are the ones its naming leaves unchecked.
    for (int id : m_traits.disabled) Enable(id, false);
    SetUpSpin(IDC_SPIN_P, IDC_NUMBER_P, m_traits.pSpin, P);
    SetUpSpin(IDC_SPIN_Q, IDC_NUMBER_Q, m_traits.qSpin, Q);
    if (m_traits.rowDeltaSpin) SetUpSpin(IDC_SPIN_D, IDC_ROW_DELTA, {-1, 1}, D);
    Ready = 1;
    if (m_traits.copies & kCopyRowDelta) Parameters.RowDelta = int16_t(D);
}

void CStylePage::CopyExchangeIntoRecord() {
    ArrayParameters& a = Parameters;
    const uint32_t copies = m_traits.copies;
    a.X.Alphabetic = 0;
    CheckDlgButton(IDC_NUMERIC_X, BST_CHECKED);
    a.X.Count = P;
    if (copies & kCopyXSpacing) a.X.Spacing = X;
    if (copies & kCopyXNaming) a.X.Start = XStart, a.X.Increment = XIncrement;
    CheckDlgButton(m_traits.yAlphabeticChecked ? IDC_ALPHABETIC_Y : IDC_NUMERIC_Y, BST_CHECKED);
    if (m_traits.yAlphabetic >= 0) a.Y.Alphabetic = m_traits.yAlphabetic;
    if (copies & kCopyY) a.Y.Count = Q, a.Y.Spacing = Y;
    if (copies & kCopyYNaming) a.Y.Start = YStart, a.Y.Increment = YIncrement;
    if (copies & kCopyW) a.StaggerW = W;
    if (copies & kCopyZ) a.StaggerZ = Z;
    if (copies & kCopyCircle) {
        a.Radius = R;
        int16_t minutes = 0;
        if (ParseAngle(AngleText, minutes)) a.AngleStep = minutes;
    }
    a.PlusMarkerAtPin1 = 1;
    a.CrossMarkerAtPin1 = 0;
}

void CStylePage::SetUpSpin(int spinId, int buddyId, SpinRange range, int position) {
    const HWND spin = ::GetDlgItem(m_hWnd, spinId);
    if (spin == 0) return;
    SendMessageA(spin, UDM_SETBUDDY, WPARAM(::GetDlgItem(m_hWnd, buddyId)), 0);
    UDACCEL accel{0, 1};
    SendMessageA(spin, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SendMessageA(spin, UDM_SETRANGE32, WPARAM(range.lower), LPARAM(range.upper));
    SendMessageA(spin, UDM_SETPOS32, 0, LPARAM(int16_t(position)));
}

BOOL CStylePage::OnSetActive() {
    CurrentParameters = &Parameters;
    CurrentPadList = &Pads;
    if (m_traits.style == ArrayStyle::StaggerX) SetNameFormat(Parameters, "%X");
    if (m_traits.style == ArrayStyle::DualQuad) SetNameFormat(Parameters, "%Y");
    Recompute();
    SetStyleSampleTitle(m_traits.sampleTitle);
    RedrawStyleSample();
    return CPropPageTemplate::OnSetActive();
}

std::unique_ptr<CStylePage> MakeStylePage(int pageIndex) {
    const StyleTraits* traits = FindStyleTraits(pageIndex);
    return traits ? std::make_unique<CStylePage>(*traits) : nullptr;
}
