#include "array/shared_state.h"
#include "padstack/select_padstack_dialog.h"
#include "platform/ui/script.h"
