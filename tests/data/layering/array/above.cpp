// Planted for the layering test: the array engine reaching up into the sheet.
#include "array/placement.h"
#include "sheet/tessra_sheet.h"
