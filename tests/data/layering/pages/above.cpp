// Planted for the layering test: a style page reaching up into the sheet.
#include "pages/style_traits.h"
#include "sheet/tessra_sheet.h"
