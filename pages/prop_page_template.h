// The common page of the six array styles: it owns the page's parameter record and pad list,
// and runs the read-check-commit cycle of every edit. The style pages only decide what shows.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "array/array_parameters.h"
#include "array/footprint_recipe.h"
#include "array/pad_site_list.h"
#include "pages/style_traits.h"
#include "platform/framework/message_map.h"
#include "platform/framework/property_page.h"

class CPropPageTemplate : public CPropertyPage {
public:
    CPropPageTemplate();
    ~CPropPageTemplate() override;
    DECLARE_DYNCREATE(CPropPageTemplate)
    DECLARE_MESSAGE_MAP()

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnSetActive() override;
    BOOL OnCommand(WPARAM wp, LPARAM lp) override;

    // Exchanges one control only (x, y, w, z with the spacing limit, r with the radius limit).
    void ExchangeField(int id);
    // The record as the exchanged values would make it, for the limit checks.
    ArrayParameters Candidate() const;
    // Empties the pads, places them again and repaints the preview.
    void Recompute();
    // What the page would need to show this footprint again.
    FootprintRecipe MakeRecipe() const;

    ArrayParameters Parameters;
    PadSiteList Pads{10};
    int32_t Ready = 0;
    std::string NameFormatText;
    std::array<std::string, kLastValidTextCount> LastValid;
    uint8_t UnitCode = 0;

    // Exchange values: what the controls show between an exchange and the commit.
    std::string AngleText;
    int XIncrement = 0, P = 0, YIncrement = 0, Q = 0, YStart = 0, XStart = 0, D = 0;
    int DisplayDrillValue = 1, DisplayPadNameValue = 1;
    double R = 0.0, X = 0.0, Y = 0.0, W = 0.0, Z = 0.0;

protected:
    void RestoreText(int id, LastValidText text);
    void Enable(int id, bool enable);
    void SetButton(int id, bool check, bool enable);
    void OnPin1Numeric();
    void OnPin1AlphaNumeric();

    // Nonzero while the page itself changes control texts: those changes are not edits.
    int m_quiet = 0;

private:
    void ExchangeAll(CDataExchange* dx);
    void ExchangeOne(CDataExchange* dx, int id);
    void Refuse(int id, LastValidText text);
    void OnEditChange(int id);
    void OnIntegerEdit(int id);
    void OnDecimalEdit(int id);
    void OnAngleEdit();
    void OnEditFocusLost(int id);
    void OnNumericX();
    void OnAlphabeticX();
    void OnNumericY();
    void OnAlphabeticY();
    void OnCorner();
    void OnCenter();
    void OnDisplayDrill();
    void OnDisplayPadName();
    void OnSelectDefaultPadstack();
    void OnSelectPin1Padstack();
    void SelectPadstack(bool defaultPadstack);
    void OnPlaceByCenter();
    void OnHelp();

    int m_exchangeId = 0;
    std::unique_ptr<CWnd[]> m_controls;
};
