// The file-open dialog object and the presenter that answers it.
#include "platform/framework/file_dialog.h"

#include "platform/win/message_box.h"

namespace {
FileDialogPresenter& Presenter() {
    static FileDialogPresenter presenter;
    return presenter;
}
}  // namespace

FileDialogPresenter SetFileDialogPresenter(FileDialogPresenter presenter) {
    FileDialogPresenter previous = std::move(Presenter());
    Presenter() = std::move(presenter);
    return previous;
}

// The flags ask for what the file window always does: existing files only, no read-only box.
CFileDialog::CFileDialog(BOOL open, const char* defaultExt, const char* fileName, DWORD /*flags*/,
                         const char* filter, CWnd* parent)
    : m_parent(parent) {
    m_request.open = open;
    m_request.defaultExt = defaultExt ? defaultExt : "";
    m_request.initialName = fileName ? fileName : "";
    m_request.filter = filter ? filter : "";
}

intptr_t CFileDialog::DoModal() {
    m_request.owner = m_parent ? m_parent->m_hWnd : GetActiveWindow();
    if (!Presenter()) return IDCANCEL;
    std::string path;
    const int answer = Presenter()(m_request, path);
    if (answer != IDOK || path.empty()) return IDCANCEL;
    m_path = path;
    return IDOK;
}
