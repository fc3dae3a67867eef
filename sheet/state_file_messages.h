// What the user is told when the window-state file cannot be created, found or written.
#pragma once
#include "platform/win/win_types.h"

enum class StateFileMessage {
    CannotSaveStates,      // no file and none could be made
    StateFileNotFound,     // made, yet not found afterwards
    PreviewNotSaved,       // no preview window to take the rectangle from
    CannotUpdateSection,
    ModuleFileNotFound,    // nowhere to put a new file
    CannotCreateDefault,
};

// A box with only an OK button, owned by `owner` (the sheet).
void ShowStateFileMessage(HWND owner, StateFileMessage message);
