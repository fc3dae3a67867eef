// The application object of tessra.dll.
#include "plugin/tessra_app.h"

CTessraApp::CTessraApp(AFX_MODULE_STATE* module) : CWinApp(nullptr, module) {}
