// Making the default "tessra.ini" in the folder where the host finds "tessra.dll".
#include "sheet/default_state_file.h"

#include <string>

#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "platform/framework/module_state.h"
#include "platform/win/whole_file.h"
#include "res/resource.h"
#include "sheet/state_file_messages.h"

bool CreateDefaultStateFile(HWND owner) {
    char folder[zelmdb::PathMax] = {};
    if (!SwFindFile(AfxLoadString(IDS_MODULE_FILE).c_str(), folder)) {
        ShowStateFileMessage(owner, StateFileMessage::ModuleFileNotFound);
        return false;
    }
    ComStripFileName(folder);   // keeps the separator, so the name can follow directly
    const std::string path = std::string(folder) + AfxLoadString(IDS_STATE_FILE);
    // The text goes out whole or not at all, without its terminating zero: a half header would
    // be left for the section to be appended to.
    if (ReplaceWholeFile(path, AfxLoadString(IDS_STATE_FILE_DEFAULT)) != 0) {
        ShowStateFileMessage(owner, StateFileMessage::CannotCreateDefault);
        return false;
    }
    return true;
}
