// Application objects and their names.
#include "platform/framework/win_app.h"

namespace {

// The title the framework shows in its message boxes when the application names none: the
// module file's name without its extension, as the platform takes the program's name.
std::string ModuleTitle(const std::string& file) {
    const size_t dot = file.rfind('.');
    return dot == std::string::npos || dot == 0 ? file : file.substr(0, dot);
}

}  // namespace

CWinApp::CWinApp(const char* appName, AFX_MODULE_STATE* module)
    : m_pszAppName(appName ? appName : ""), m_module(module ? module : AfxGetModuleState()) {
    if (m_pszAppName.empty()) m_pszAppName = ModuleTitle(m_module->moduleName);
    m_module->app = this;
}

CWinApp::~CWinApp() {
    if (m_module->app == this) m_module->app = nullptr;
}

std::string AfxAppName() {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    return state->app ? state->app->m_pszAppName : ModuleTitle(state->moduleName);
}
