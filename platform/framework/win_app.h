// The application object: one per module, named in message-box captions.
#pragma once
#include <string>

#include "platform/framework/cmd_target.h"
#include "platform/framework/module_state.h"

class CWinApp : public CCmdTarget {
public:
    // Binds itself to the given module state (the current one when none is given).
    explicit CWinApp(const char* appName = nullptr, AFX_MODULE_STATE* module = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    std::string m_pszAppName;
    AFX_MODULE_STATE* m_module;
};

// The current application's name, or the module's title when it has no application.
std::string AfxAppName();
