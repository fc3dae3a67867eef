// The window-state file's messages, one row each, exactly as the user reads them.
#include "sheet/state_file_messages.h"

#include "platform/win/message_box.h"
#include "res/captions.h"
#include "res/sheet_texts.h"

namespace {

struct MessageRow {
    StateFileMessage message;
    const char* text;
    const char* caption;
};

constexpr MessageRow kMessages[] = {
    {StateFileMessage::CannotSaveStates, sheet_texts::kCannotSaveStates, captions::kWarning},
    {StateFileMessage::StateFileNotFound, sheet_texts::kStateFileNotFound, captions::kWarning},
    {StateFileMessage::PreviewNotSaved, sheet_texts::kPreviewNotSaved, captions::kWarning},
    {StateFileMessage::CannotUpdateSection, sheet_texts::kCannotUpdateSection, captions::kWarning},
    {StateFileMessage::ModuleFileNotFound, sheet_texts::kModuleFileNotFound, captions::kError},
    {StateFileMessage::CannotCreateDefault, sheet_texts::kCannotCreateDefault, captions::kError},
};

}  // namespace

void ShowStateFileMessage(HWND owner, StateFileMessage message) {
    for (const MessageRow& row : kMessages) {
        if (row.message == message) MessageBoxA(owner, row.text, row.caption, MB_OK);
    }
}
