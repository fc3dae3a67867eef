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

CFileDialog::CFileDialog(BOOL open, const char* defaultExt, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : m_flags(flags), m_parent(parent) {
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

std::string CFileDialog::GetFileName() const {
    const size_t slash = m_path.find_last_of("/\\");
    return slash == std::string::npos ? m_path : m_path.substr(slash + 1);
}

std::string CFileDialog::GetFileExt() const {
    const std::string name = GetFileName();
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string CFileDialog::GetFileTitle() const {
    const std::string name = GetFileName();
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
