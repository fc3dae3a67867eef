// A page taken down into a recipe on OK, and set up from one when its footprint is reopened.
#include "array/angle_entry.h"
#include "array/shared_state.h"
#include "output/recipe_store.h"
#include "pages/page_edits.h"
#include "pages/style_page.h"
#include "platform/win/controls.h"
#include "res/resource.h"

namespace {

// Every edit with a last valid text; what the reopened page shows becomes that text.
constexpr int kEdits[] = {
    IDC_NUMBER_P, IDC_SPACING_X, IDC_START_X, IDC_INCREMENT_X, IDC_NUMBER_Q, IDC_SPACING_Y,
    IDC_START_Y, IDC_INCREMENT_Y, IDC_STAGGER_W, IDC_STAGGER_Z, IDC_ROW_DELTA, IDC_RADIUS, IDC_ANGLE,
};

}  // namespace

FootprintRecipe CPropPageTemplate::MakeRecipe() const {
    FootprintRecipe r;
    r.Parameters = Parameters;
    r.Letters = ActiveAlphabet;
    r.P = P, r.Q = Q, r.D = D;
    r.XStart = XStart, r.XIncrement = XIncrement, r.YStart = YStart, r.YIncrement = YIncrement;
    r.X = X, r.Y = Y, r.W = W, r.Z = Z, r.R = R;
    r.AngleText = AngleText;
    return r;
}

void CStylePage::ApplyRecipe(const FootprintRecipe& r) {
    Parameters = r.Parameters;
    Parameters.SelectingDefaultPadstack = 1;
    P = r.P, Q = r.Q, D = r.D;
    XStart = r.XStart, XIncrement = r.XIncrement, YStart = r.YStart, YIncrement = r.YIncrement;
    X = r.X, Y = r.Y, W = r.W, Z = r.Z, R = r.R;
    AngleText = r.AngleText;
    DisplayDrillValue = Parameters.DisplayDrill, DisplayPadNameValue = Parameters.DisplayPadName;
    UpdateData(FALSE);
    for (int id : kEdits) LastValid[size_t(LastValidSlot(id))] = GetDlgItemText(id);
    ApplyRecipePadstacks();
    ApplyRecipeRadios();
    // A spin writes its buddy's text; taken as an edit, that would commit q into a circular
    // record that never holds it, and the recipe would not come back as it was kept.
    ++m_quiet;
    for (auto [spin, position] : {std::pair{IDC_SPIN_P, P}, {IDC_SPIN_Q, Q}, {IDC_SPIN_D, D}}) {
        if (const HWND control = ::GetDlgItem(m_hWnd, spin)) SendMessageA(control, UDM_SETPOS32, 0, LPARAM(position));
    }
    --m_quiet;
    Recompute();
}

// A padstack the design no longer holds leaves the page's start padstack in its place.
void CStylePage::ApplyRecipePadstacks() {
    if (auto info = RecipePadstackInfo(Parameters.DefaultPadstackName)) {
        Pads.DefaultPad = *info;
    } else {
        Parameters.DefaultPadstackName = GetDlgItemText(IDC_DEFAULT_PADSTACK_NAME);
    }
    if (auto info = RecipePadstackInfo(Parameters.Pin1PadstackName)) {
        Pads.Pin1Pad = *info;
    } else {
        Parameters.Pin1PadstackName = GetDlgItemText(IDC_PIN1_PADSTACK_NAME);
    }
    SetDlgItemText(IDC_DEFAULT_PADSTACK_NAME, Parameters.DefaultPadstackName);
    SetDlgItemText(IDC_PIN1_PADSTACK_NAME, Parameters.Pin1PadstackName);
}

// The grid's naming radios also enable and disable the axis radios, so they go first and the
// axis radios then show the record.
void CStylePage::ApplyRecipeRadios() {
    const ArrayParameters saved = Parameters;
    if (m_traits.alphaNumericNaming) {
        if (saved.ContinueNumbering)
            OnPin1Numeric();
        else
            OnPin1AlphaNumeric();
        Parameters = saved;
    }
    const auto pair = [this](int on, int off, bool first) {
        CheckDlgButton(first ? on : off, BST_CHECKED);
        CheckDlgButton(first ? off : on, BST_UNCHECKED);
    };
    pair(IDC_NUMERIC_X, IDC_ALPHABETIC_X, saved.X.Alphabetic == 0);
    pair(IDC_NUMERIC_Y, IDC_ALPHABETIC_Y, saved.Y.Alphabetic == 0);
    pair(IDC_CORNER_QFP, IDC_CENTER_CC, saved.CornerStart != 0);
}
