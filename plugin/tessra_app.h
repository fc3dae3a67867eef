// The plug-in's application object; the library holds one for as long as it is loaded.
#pragma once
#include "platform/framework/win_app.h"

class CTessraApp : public CWinApp {
public:
    // Only binds itself to the module state: it is made while the library loads, when nothing
    // of the window system may be touched yet.
    explicit CTessraApp(AFX_MODULE_STATE* module);
};
