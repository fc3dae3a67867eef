// Built on first use, so loading the library only fills in-memory tables.
#include "plugin/plugin_module.h"

#include <dlfcn.h>

#include <string>

#include "platform/framework/win_app.h"
#include "res/resource.h"
#include "res/dialog_templates.h"
#include "res/string_table.h"

namespace {

AFX_MODULE_STATE MakeModuleState() {
    AFX_MODULE_STATE state;
    AddStringTable(state.resources);
    AddPageTemplate(state.resources);
    AddAlphabetDialogTemplate(state.resources);
    AddSelectPadstackTemplate(state.resources);
    if (const std::string* name = state.resources.FindString(IDS_MODULE_FILE)) state.moduleName = *name;
    return state;
}

}  // namespace

AFX_MODULE_STATE* TessraModuleState() {
    static AFX_MODULE_STATE state = MakeModuleState();
    return &state;
}

void StartTessraModule() {
    static bool started = false;
    if (started) return;
    started = true;
    AFX_MODULE_STATE* state = TessraModuleState();
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&StartTessraModule), &info) != 0 && info.dli_fname != nullptr)
        state->modulePath = info.dli_fname;
    if (state->app != nullptr) state->app->InitInstance();
}
