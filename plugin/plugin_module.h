// The plug-in's own module state: its name, its resources and its application object. Every
// export switches to it, so templates, strings and window classes are looked up here.
#pragma once
#include "platform/framework/module_state.h"

AFX_MODULE_STATE* TessraModuleState();

// The first entry into the library finds where it was loaded from and runs the application's
// start-up; later calls do nothing.
void StartTessraModule();
