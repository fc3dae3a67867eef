// The caption is built from its parts as they stand, so an empty name leaves two blanks.
#include "plugin/sheet_title.h"

#include "array/unit_table.h"
#include "res/sheet_texts.h"

std::string MakeSheetTitle(const std::string& footprintName, uint8_t unitCode) {
    return sheet_texts::kTitlePrefix + footprintName + sheet_texts::kTitleUnits + UnitName(unitCode) +
           sheet_texts::kTitleEnd;
}
