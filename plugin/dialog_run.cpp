// The steps of a run in the order the host relies on: shared state first, then the sheet.
#include "plugin/dialog_run.h"

#include <memory>
#include <new>
#include <string>

#include "array/design_record.h"
#include "array/shared_state.h"
#include "output/recipe_store.h"
#include "platform/win/message_box.h"
#include "plugin/sheet_title.h"
#include "res/captions.h"
#include "res/sheet_texts.h"
#include "sheet/tessra_sheet.h"

namespace {

// ActiveSheet must not outlive the sheet, however the run ends.
struct ActiveSheetClear {
    ~ActiveSheetClear() {
        ActiveSheet = nullptr;
        ReopenRecipe.reset();
    }
};

void WarnDamagedRecipe(const std::string& footprint) {
    const std::string text = sheet_texts::kDamagedRecipe + footprint + sheet_texts::kDamagedRecipeEnd;
    MessageBoxA(0, text.c_str(), captions::kDotsWarning, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

int32_t RunTessraDialog(const char* footprintName) {
    DesignRecord record;
    record.Read();   // no design: all zero, so the unit shows as unknown
    FootprintName = footprintName ? footprintName : "";
    // A footprint made here before opens as it was made.
    const StoredRecipe stored = LoadRecipe(FootprintName);
    if (stored.Found && !stored.Recipe) WarnDamagedRecipe(FootprintName);
    ReopenRecipe = stored.Recipe;
    SetActiveAlphabet(ReopenRecipe ? ReopenRecipe->Letters : DefaultAlphabet);
    SheetTitle = MakeSheetTitle(FootprintName, record.UnitCode());
    SampleWindowShown = 0;

    ActiveSheetClear clear;
    std::unique_ptr<CTessraSheet> sheet;
    try {
        sheet = std::make_unique<CTessraSheet>(SheetTitle.c_str(), nullptr, 0);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    ActiveSheet = sheet.get();
    const intptr_t result = sheet->DoModal();
    sheet.reset();
    return result == IDOK ? 1 : 0;
}

int32_t ActiveSheetWindow() {
    if (ActiveSheet == nullptr) return 0;
    return int32_t(ActiveSheet->GetSafeHwnd());
}
