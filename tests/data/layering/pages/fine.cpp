// Planted for the layering test: the style pages using only what stands below them.
#include "array/shared_state.h"
#include "padstack/select_padstack_dialog.h"
#include "platform/ui/script.h"
