// The plug-in's windows that a script can take pictures of besides the sheet, found the way a
// person finds them: by their captions.
#pragma once
#include <string>

#include "platform/win/win_types.h"

HWND FindPreviewWindow(const std::string& footprintName);
HWND FindStyleSampleWindow();
