// One dialog run of the plug-in, from the host's call to its answer, and the host's question
// whether a run is on screen.
#pragma once
#include <cstdint>

// 1 when the sheet ended with OK, 0 for anything else (Cancel, the close box, no sheet).
int32_t RunTessraDialog(const char* footprintName);

// The running sheet's window handle; 0 when no sheet is up or its window does not exist.
int32_t ActiveSheetWindow();
