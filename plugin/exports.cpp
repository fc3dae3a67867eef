// The two functions the host imports from tessra.dll, and the library's application object.
// Everything else in the library is hidden (see tessra.map).
#include <cstdint>

#include "platform/framework/module_state.h"
#include "plugin/dialog_run.h"
#include "plugin/plugin_module.h"
#include "plugin/tessra_app.h"

#define TESSRA_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
CTessraApp TessraApp(TessraModuleState());
}

TESSRA_EXPORT int32_t DisplayTessraDialog(const char* footprintName) {
    AFX_MANAGE_STATE_SCOPE state(TessraModuleState());
    StartTessraModule();
    // Nothing may unwind into the host.
    try {
        return RunTessraDialog(footprintName);
    } catch (...) {
        return 0;
    }
}

TESSRA_EXPORT int32_t TSGIsActive() {
    AFX_MANAGE_STATE_SCOPE state(TessraModuleState());
    return ActiveSheetWindow();
}
