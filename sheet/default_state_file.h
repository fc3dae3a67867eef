// A new window-state file with its comment header, made beside the plug-in's module file.
#pragma once
#include "platform/win/win_types.h"

// Replaces any file of that name. On failure the user has been told (boxes owned by `owner`).
bool CreateDefaultStateFile(HWND owner);
