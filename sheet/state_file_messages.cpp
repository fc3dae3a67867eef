// The window-state file's messages, one row each, exactly as the user reads them.
#include "sheet/state_file_messages.h"

#include "platform/win/message_box.h"

namespace {

struct MessageRow {
    StateFileMessage message;
    const char* text;
    const char* caption;
};

constexpr MessageRow kMessages[] = {
    {StateFileMessage::CannotSaveStates, "Unable to save Preview Window states to tessra file", "Warning"},
    {StateFileMessage::StateFileNotFound, "Unable to find tessra.ini file", "Warning"},
    {StateFileMessage::PreviewNotSaved, "Unable to save Preview Window states to tessra.ini file", "Warning"},
    {StateFileMessage::CannotUpdateSection, "Unable to update section in tessra.ini file", "Warning"},
    {StateFileMessage::ModuleFileNotFound, "Unable to find tessra.dll file", "Error"},
    {StateFileMessage::CannotCreateDefault, "Unable to create default tessra.ini file", "Error"},
};

}  // namespace

void ShowStateFileMessage(HWND owner, StateFileMessage message) {
    for (const MessageRow& row : kMessages) {
        if (row.message == message) MessageBoxA(owner, row.text, row.caption, MB_OK);
    }
}
