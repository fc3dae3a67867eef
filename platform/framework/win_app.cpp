// Application objects and their names.
#include "platform/framework/win_app.h"

CWinApp::CWinApp(const char* appName, AFX_MODULE_STATE* module)
    : m_pszAppName(appName ? appName : ""), m_module(module ? module : AfxGetModuleState()) {
    if (m_pszAppName.empty()) m_pszAppName = m_module->moduleName;
    m_module->app = this;
}

CWinApp::~CWinApp() {
    if (m_module->app == this) m_module->app = nullptr;
}

CWinApp* AfxGetApp() { return AfxGetModuleState()->app; }

const char* AfxAppName() {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    return state->app ? state->app->m_pszAppName.c_str() : state->moduleName.c_str();
}
