// CFileDialog: choosing a file to open. Who answers it (the script driver, or the file
// window of the interactive driver) is installed from above.
#pragma once
#include <functional>
#include <string>

#include "platform/framework/wnd.h"

constexpr DWORD OFN_HIDEREADONLY = 0x4, OFN_FILEMUSTEXIST = 0x1000, OFN_PATHMUSTEXIST = 0x800;

struct FileDialogRequest {
    HWND owner = 0;
    bool open = true;
    std::string defaultExt;
    std::string initialName;
    std::string filter;   // "Text (*.txt)|*.txt|All (*.*)|*.*||"
    std::string initialDir;
};

// Answers IDOK with a path or IDCANCEL.
using FileDialogPresenter = std::function<int(const FileDialogRequest&, std::string& path)>;
FileDialogPresenter SetFileDialogPresenter(FileDialogPresenter presenter);

class CFileDialog : public CWnd {
public:
    CFileDialog(BOOL open, const char* defaultExt = nullptr, const char* fileName = nullptr,
                DWORD flags = 0, const char* filter = nullptr, CWnd* parent = nullptr);
    intptr_t DoModal();
    std::string GetPathName() const { return m_path; }

    FileDialogRequest m_request;

private:
    CWnd* m_parent;
    std::string m_path;
};
