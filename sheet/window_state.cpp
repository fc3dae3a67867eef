// Reading and writing the section "WINDOW_STATES" of the window-state file.
#include "sheet/window_state.h"

#include <iterator>
#include <string>

#include "array/shared_state.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "platform/framework/module_state.h"
#include "platform/win/profile.h"
#include "platform/win/win_api.h"
#include "res/resource.h"
#include "sheet/default_state_file.h"
#include "sheet/profile_section_view.h"
#include "sheet/state_file_messages.h"

namespace {

struct StateKey {
    int nameId;
    int32_t WindowState::*field;
};

// Read and written in this order; the last four are the preview's.
constexpr StateKey kKeys[] = {
    {IDS_KEY_SCREEN_RESOLUTION, &WindowState::ScreenResolution},
    {IDS_KEY_DIALOG_LEFT, &WindowState::DialogLeft},
    {IDS_KEY_DIALOG_TOP, &WindowState::DialogTop},
    {IDS_KEY_ACTIVE_PAGE, &WindowState::ActivePage},
    {IDS_KEY_PREVIEW_LEFT, &WindowState::PreviewLeft},
    {IDS_KEY_PREVIEW_TOP, &WindowState::PreviewTop},
    {IDS_KEY_PREVIEW_WIDTH, &WindowState::PreviewWidth},
    {IDS_KEY_PREVIEW_HEIGHT, &WindowState::PreviewHeight},
};
constexpr size_t kSheetKeys = 4;
constexpr size_t kAllKeys = std::size(kKeys);

void ReadKeys(const ProfileSectionView& section, WindowState& state) {
    for (const StateKey& key : kKeys)
        state.*key.field = ProfileValueToInt(section.Value(AfxLoadString(key.nameId).c_str()).c_str());
}

// "Key=value" lines with CR LF, for the keys [first, last) of the table.
std::string KeyLines(const WindowState& state, size_t first, size_t last) {
    std::string lines;
    for (size_t i = first; i < last; ++i)
        lines += AfxLoadString(kKeys[i].nameId) + "=" + std::to_string(state.*kKeys[i].field) + "\r\n";
    return lines;
}

std::string SectionText(HWND sheet, int activePage) {
    WindowState state;
    RECT r{};
    GetWindowRect(sheet, &r);
    state.ScreenResolution = GetSystemMetrics(SM_CXSCREEN);
    state.DialogLeft = r.left;
    state.DialogTop = r.top;
    state.ActivePage = activePage;
    std::string text = KeyLines(state, 0, kSheetKeys);
    const std::string caption = AfxLoadString(IDS_PREVIEW_CAPTION) + FootprintName;
    const HWND preview = FindWindowA(nullptr, caption.c_str());
    if (preview == 0) {
        ShowStateFileMessage(sheet, StateFileMessage::PreviewNotSaved);
        return text;
    }
    GetWindowRect(preview, &r);
    state.PreviewLeft = r.left;
    state.PreviewTop = r.top;
    state.PreviewWidth = r.right - r.left;
    state.PreviewHeight = r.bottom - r.top;
    return text + KeyLines(state, kSheetKeys, kAllKeys);
}

bool FindStateFile(char (&path)[zelmdb::PathMax]) {
    return SwFindFile(AfxLoadString(IDS_STATE_FILE).c_str(), path) != 0;
}

}  // namespace

int ReadWindowState(WindowState& state) {
    if (!ComIniFileOpen(AfxLoadString(IDS_STATE_FILE).c_str())) return 0;
    int found = 0;
    if (uint8_t* buffer = MemAllocUnion()) {
        ComIniGetProfileSection(AfxLoadString(IDS_STATE_SECTION).c_str(), buffer);
        const ProfileSectionView section(buffer);
        if (section.Count() > 0) {
            ReadKeys(section, state);
            found = 1;
        }
        ComIniFreeProfileSection(buffer);
        MemFreeUnion(buffer);
    }
    ComIniClose();
    return found;
}

void SaveWindowState(HWND sheet, int activePage) {
    char path[zelmdb::PathMax] = {};
    if (!FindStateFile(path)) {
        if (!CreateDefaultStateFile(sheet)) {
            ShowStateFileMessage(sheet, StateFileMessage::CannotSaveStates);
            return;
        }
        if (!FindStateFile(path)) {
            ShowStateFileMessage(sheet, StateFileMessage::StateFileNotFound);
            return;
        }
    }
    std::string text = SectionText(sheet, activePage);
    // The lines are one CR LF text; the extra zero ends the list as the call expects.
    text.push_back('\0');
    if (!WritePrivateProfileSectionA(AfxLoadString(IDS_STATE_SECTION).c_str(), text.c_str(), path))
        ShowStateFileMessage(sheet, StateFileMessage::CannotUpdateSection);
}
