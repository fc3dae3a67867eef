// "Add..." and "Remove": the library lines of the host's settings file, rewritten as a whole.
#include <strings.h>

#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "output/padstack_scan.h"
#include "padstack/select_padstack_dialog.h"
#include "platform/framework/file_dialog.h"
#include "platform/framework/module_state.h"
#include "platform/win/profile.h"
#include "res/padstack_texts.h"
#include "res/resource.h"

namespace {

constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

bool SameText(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

CSelectPadstackDialog::LibraryLines ReadLibraryLines() {
    CSelectPadstackDialog::LibraryLines lines;
    ForEachLibraryLine([&](const char* key, const char* value) { lines.emplace_back(key, value); });
    return lines;
}

// The library's name: the file name without folder and extension.
std::string LibraryKey(const std::string& path) {
    char key[zelmdb::PathMax] = {};
    path.copy(key, sizeof key - 1);
    ComStripPath(key);
    ComDeleteFileExt(key);
    return key;
}

}  // namespace

std::string CSelectPadstackDialog::SettingsFilePath() {
    char folder[zelmdb::PathMax] = {};
    if (ComGetInstallationPath(folder) != 1 || folder[0] == '\0') {
        MessageBox(padstack_texts::kNoSettingsFile, padstack_texts::kNoSettingsCaption, MB_OK | MB_ICONEXCLAMATION);
        return "";
    }
    return std::string(folder) + AfxLoadString(IDS_HOST_SETTINGS_FILE);
}

void CSelectPadstackDialog::WriteLibrarySection(const std::string& file, const LibraryLines& lines) {
    const std::string block = ProfileSectionLines(lines);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    WritePrivateProfileSectionA(AfxLoadString(IDS_PADSTACK_LIB_SECTION).c_str(), block.c_str(), file.c_str());
}

void CSelectPadstackDialog::AddLibrary() {
    CFileDialog open(TRUE, padstack_texts::kLibraryExtension, nullptr, kOpenFlags, padstack_texts::kLibraryFilter, this);
    if (open.DoModal() != IDOK) return;
    const std::string file = SettingsFilePath();
    if (file.empty()) return;
    const std::string value = open.GetPathName();
    const std::string key = LibraryKey(value);
    LibraryLines lines{{key, value}};
    int answer = IDYES;
    for (const auto& line : ReadLibraryLines()) {
        if (SameText(line.first, key) && SameText(line.second, value)) {
            answer = MessageBox(padstack_texts::kReplaceLibrary, padstack_texts::kReplaceCaption,
                                MB_YESNO | MB_ICONQUESTION);
        } else {
            lines.push_back(line);
        }
    }
    if (answer == IDNO) return;
    RewriteLibraries(file, lines);
}

void CSelectPadstackDialog::RemoveLibrary() {
    const std::string file = SettingsFilePath();
    if (file.empty()) return;
    LibraryLines lines = ReadLibraryLines();
    const int selected = LibraryList.GetCurSel();
    if (selected >= 0 && selected < int(lines.size())) lines.erase(lines.begin() + selected);
    RewriteLibraries(file, lines);
}

void CSelectPadstackDialog::RewriteLibraries(const std::string& file, const LibraryLines& lines) {
    DeleteLibraryCopy();
    WriteLibrarySection(file, lines);
    LibraryList.ResetContent();
    FillLibraryList();
    PadstackList.ResetContent();
    FillPadstackList();
}
