// A style page: the common page with one row of the style table deciding what it shows.
#pragma once
#include <memory>

#include "pages/prop_page_template.h"
#include "pages/style_traits.h"

class CStylePage : public CPropPageTemplate {
public:
    explicit CStylePage(const StyleTraits& traits);
    const CRuntimeClass* GetRuntimeClass() const override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

private:
    void SetUpStyle();
    void CopyExchangeIntoRecord();
    void SetUpSpin(int spinId, int buddyId, SpinRange range, int position);
    void ApplyRecipe(const FootprintRecipe& recipe);
    void ApplyRecipePadstacks();
    void ApplyRecipeRadios();

    const StyleTraits& m_traits;
    CRuntimeClass m_class;
};

// The page of index 0 to 5 in sheet order, or null.
std::unique_ptr<CStylePage> MakeStylePage(int pageIndex);
