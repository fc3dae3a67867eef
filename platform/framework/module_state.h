// Module state: which module's resources and application object the framework uses now.
// A library with its own resources switches to its state on entry and back on return.
#pragma once
#include <string>

#include "platform/framework/resources.h"

class CWinApp;

struct AFX_MODULE_STATE {
    std::string moduleName;   // the module file, e.g. "tessra.dll"
    std::string modulePath;   // where it was loaded from; empty for the host
    ResourceSet resources;
    CWinApp* app = nullptr;
};

AFX_MODULE_STATE* AfxGetModuleState();
AFX_MODULE_STATE* AfxGetAppModuleState();   // the host's own
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* state);

// Switches to a module's state for the life of the scope.
class AFX_MANAGE_STATE_SCOPE {
public:
    explicit AFX_MANAGE_STATE_SCOPE(AFX_MODULE_STATE* state) : m_previous(AfxSetModuleState(state)) {}
    ~AFX_MANAGE_STATE_SCOPE() { AfxSetModuleState(m_previous); }
    AFX_MANAGE_STATE_SCOPE(const AFX_MANAGE_STATE_SCOPE&) = delete;
    AFX_MANAGE_STATE_SCOPE& operator=(const AFX_MANAGE_STATE_SCOPE&) = delete;

private:
    AFX_MODULE_STATE* m_previous;
};

// Resources of the current module.
const DialogTemplate* AfxFindDialog(int id);
bool AfxLoadString(int id, std::string& text);
std::string AfxLoadString(int id);
