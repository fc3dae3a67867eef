#include "array/placement.h"
#include "sheet/tessra_sheet.h"
