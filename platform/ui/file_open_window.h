// The file-open presenter a person uses: a modal window with the folder, its subfolders, the
// files of the chosen type and a name field, run in a nested message loop.
#pragma once
#include <string>

#include "platform/framework/file_dialog.h"
#include "platform/win/win_api.h"

class FileOpenWindow {
public:
    enum ControlId : int {
        kFolderText = 1088, kFileList = 1120, kFolderList = 1121, kTypeCombo = 1136, kNameEdit = 1152,
    };
    // A FileDialogPresenter; a driver installs it with SetFileDialogPresenter.
    static int Present(const FileDialogRequest& request, std::string& path);
    static LRESULT Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
};
