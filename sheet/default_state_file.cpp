// Making the default "tessra.ini" in the folder where the host finds "tessra.dll".
#include "sheet/default_state_file.h"

#include <cstdio>
#include <string>

#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "platform/framework/module_state.h"
#include "res/resource.h"
#include "sheet/state_file_messages.h"

namespace {

// The text goes out without its terminating zero; a short write counts as a failed creation,
// since a half header would be left for the section to be appended to.
bool WriteWholeFile(const std::string& path, const std::string& text) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fclose(out) == 0 && written;
}

}  // namespace

bool CreateDefaultStateFile(HWND owner) {
    char folder[zelmdb::PathMax] = {};
    if (!SwFindFile(AfxLoadString(IDS_MODULE_FILE).c_str(), folder)) {
        ShowStateFileMessage(owner, StateFileMessage::ModuleFileNotFound);
        return false;
    }
    ComStripFileName(folder);   // keeps the separator, so the name can follow directly
    const std::string path = std::string(folder) + AfxLoadString(IDS_STATE_FILE);
    if (!WriteWholeFile(path, AfxLoadString(IDS_STATE_FILE_DEFAULT))) {
        ShowStateFileMessage(owner, StateFileMessage::CannotCreateDefault);
        return false;
    }
    return true;
}
