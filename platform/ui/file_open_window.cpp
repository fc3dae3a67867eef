// The file-open window. Folder reading goes through error codes only: an unreadable folder is
// a message to the person, never an exception out of a message handler.
#include "platform/ui/file_open_window.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <vector>

#include "platform/ui/control_support.h"
#include "platform/ui/file_filter.h"
#include "platform/win/message_box.h"
#include "platform/win/window_manager.h"

namespace fs = std::filesystem;

namespace {

constexpr int kClientW = 430, kClientH = 292;

struct Layout {
    const char* cls;
    const char* text;
    int id;
    DWORD style, exStyle;
    int x, y, w, h;
};
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kList = kChild | WS_TABSTOP | LBS_NOTIFY;
// Creation order is the tab order: name first, as it has the focus at the start.
constexpr Layout kLayout[] = {
    {WC_STATIC, "Folder:", -1, kChild, 0, 10, 12, 60, 14},
    {WC_STATIC, "", FileOpenWindow::kFolderText, kChild | SS_NOPREFIX, 0, 72, 12, 348, 14},
    {WC_STATIC, "File &name:", -1, kChild, 0, 10, 232, 80, 14},
    {WC_EDIT, "", FileOpenWindow::kNameEdit, kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 96, 228, 240, 22},
    {WC_STATIC, "&Folders:", -1, kChild, 0, 10, 34, 100, 14},
    {WC_LISTBOX, "", FileOpenWindow::kFolderList, kList, WS_EX_CLIENTEDGE, 10, 50, 200, 168},
    {WC_STATIC, "F&iles:", -1, kChild, 0, 220, 34, 100, 14},
    {WC_LISTBOX, "", FileOpenWindow::kFileList, kList, WS_EX_CLIENTEDGE, 220, 50, 200, 168},
    {WC_STATIC, "Files of &type:", -1, kChild, 0, 10, 262, 84, 14},
    {WC_COMBOBOX, "", FileOpenWindow::kTypeCombo, kChild | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 96, 258, 240, 120},
    {WC_BUTTON, "OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 345, 227, 75, 23},
    {WC_BUTTON, "Cancel", IDCANCEL, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 345, 257, 75, 23},
};

// Alt+letter goes to the control its label names.
struct Mnemonic {
    char key;
    int id;
};
constexpr Mnemonic kMnemonics[] = {
    {'n', FileOpenWindow::kNameEdit}, {'f', FileOpenWindow::kFolderList},
    {'i', FileOpenWindow::kFileList}, {'t', FileOpenWindow::kTypeCombo},
};

struct Browser {
    fs::path folder;
    std::vector<std::string> folders;   // entries of the folder list, ".." first
    std::vector<std::string> files;
    std::vector<FileFilter::Choice> choices;
    std::string defaultExt;
    std::string path;
    int answer = IDCANCEL;
    bool done = false;
};

std::map<HWND, Browser>& Browsers() {
    static std::map<HWND, Browser> browsers;
    return browsers;
}

void Say(HWND h, const std::string& text) { MessageBoxA(h, text.c_str(), "Open", MB_OK | MB_ICONWARNING); }

HWND Item(HWND h, int id) { return GetDlgItem(h, id); }

int Selected(HWND h, int id, UINT msg) { return int(SendMessageA(Item(h, id), msg, 0, 0)); }

struct Listing {
    std::vector<std::string> folders, files;
};

// False with the reason in `error` when the folder cannot be read.
bool ReadFolder(const fs::path& folder, Listing& out, std::error_code& error) {
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        std::error_code kindError;
        const std::string name = it->path().filename().string();
        if (it->is_directory(kindError)) out.folders.push_back(name);
        else if (!kindError) out.files.push_back(name);
    }
    std::sort(out.folders.begin(), out.folders.end());
    std::sort(out.files.begin(), out.files.end());
    return !error;
}

void FillList(HWND list, const std::vector<std::string>& items, bool bracketed) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        const std::string text = bracketed ? "[" + item + "]" : item;
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void ShowFiles(HWND h, Browser& b, const std::vector<std::string>& all) {
    const int choice = std::max(0, Selected(h, FileOpenWindow::kTypeCombo, CB_GETCURSEL));
    b.files.clear();
    for (const std::string& name : all)
        if (FileFilter::MatchesAny(b.choices[size_t(choice)], name)) b.files.push_back(name);
    FillList(Item(h, FileOpenWindow::kFileList), b.files, false);
}

// Shows `folder`; when it cannot be read the window says so and keeps the folder it had.
bool Enter(HWND h, Browser& b, const fs::path& folder) {
    Listing listing;
    std::error_code error;
    const fs::path target = fs::absolute(folder, error).lexically_normal();
    if (error || !ReadFolder(target, listing, error)) {
        Say(h, "The folder " + folder.string() + " cannot be opened:\n" + error.message());
        return false;
    }
    b.folder = target;
    b.folders = listing.folders;
    if (target.has_relative_path()) b.folders.insert(b.folders.begin(), "..");
    SetWindowTextA(Item(h, FileOpenWindow::kFolderText), target.string().c_str());
    FillList(Item(h, FileOpenWindow::kFolderList), b.folders, true);
    ShowFiles(h, b, listing.files);
    return true;
}

void Refilter(HWND h, Browser& b) {
    Listing listing;
    std::error_code error;
    if (!ReadFolder(b.folder, listing, error)) Say(h, "The folder " + b.folder.string() + " cannot be read:\n" + error.message());
    ShowFiles(h, b, listing.files);
}

fs::path Parent(const fs::path& folder) { return folder.has_relative_path() ? folder.parent_path() : folder; }

void EnterSelectedFolder(HWND h, Browser& b) {
    const int at = Selected(h, FileOpenWindow::kFolderList, LB_GETCURSEL);
    if (at < 0 || at >= int(b.folders.size())) return;
    const std::string& name = b.folders[size_t(at)];
    Enter(h, b, name == ".." ? Parent(b.folder) : b.folder / name);
}

void Finish(Browser& b, int answer, const std::string& path) {
    b.answer = answer;
    b.path = path;
    b.done = true;
}

std::string Trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool IsFile(const fs::path& p) {
    std::error_code error;
    return fs::is_regular_file(p, error);
}

// The typed name as a file that exists, trying the default extension when it has none.
fs::path Resolve(const Browser& b, const std::string& name) {
    const fs::path typed(name);
    const fs::path full = (typed.is_absolute() ? typed : b.folder / typed).lexically_normal();
    if (!IsFile(full) && !b.defaultExt.empty() && !full.has_extension()) {
        fs::path withExt = full;
        withExt += "." + b.defaultExt;
        if (IsFile(withExt)) return withExt;
    }
    return full;
}

void Accept(HWND h, Browser& b) {
    const std::string name = Trimmed(control::TextOf(Item(h, FileOpenWindow::kNameEdit)));
    if (name.empty()) {
        Say(h, "Type a file name, or pick a file from the list.");
        return;
    }
    const fs::path full = Resolve(b, name);
    std::error_code error;
    if (fs::is_directory(full, error)) {
        if (Enter(h, b, full)) SetWindowTextA(Item(h, FileOpenWindow::kNameEdit), "");
        return;
    }
    if (!IsFile(full)) {
        Say(h, full.string() + "\nThe file was not found. Check the name and try again.");
        return;
    }
    Finish(b, IDOK, full.string());
}

void PickFile(HWND h, const Browser& b) {
    const int at = Selected(h, FileOpenWindow::kFileList, LB_GETCURSEL);
    if (at >= 0 && at < int(b.files.size()))
        SetWindowTextA(Item(h, FileOpenWindow::kNameEdit), b.files[size_t(at)].c_str());
}

void Command(HWND h, Browser& b, int id, WORD code) {
    switch (id) {
    case IDOK: if (code == BN_CLICKED) Accept(h, b); return;
    case IDCANCEL: if (code == BN_CLICKED) Finish(b, IDCANCEL, ""); return;
    case FileOpenWindow::kFolderList: if (code == LBN_DBLCLK) EnterSelectedFolder(h, b); return;
    case FileOpenWindow::kFileList:
        if (code == LBN_SELCHANGE || code == LBN_DBLCLK) PickFile(h, b);
        if (code == LBN_DBLCLK) Accept(h, b);
        return;
    case FileOpenWindow::kTypeCombo: if (code == CBN_SELCHANGE) Refilter(h, b); return;
    default: return;
    }
}

// Enter acts on what has the focus: a folder opens, a button presses, anything else is OK.
void Return(HWND h, Browser& b) {
    const HWND focus = GetFocus();
    if (focus == Item(h, FileOpenWindow::kFolderList)) EnterSelectedFolder(h, b);
    else if (focus == Item(h, IDCANCEL)) Finish(b, IDCANCEL, "");
    else Accept(h, b);
}

bool GoToMnemonic(HWND h, WPARAM key) {
    for (const auto& m : kMnemonics)
        if (std::tolower(int(key)) == m.key) {
            SetFocus(Item(h, m.id));
            return true;
        }
    return false;
}

bool ComboOpen(HWND h) { return SendMessageA(Item(h, FileOpenWindow::kTypeCombo), CB_GETDROPPEDSTATE, 0, 0) != 0; }

// The keys the window handles before dispatching; true when the message was used.
bool PreTranslate(HWND h, Browser& b, const MSG& msg) {
    if (msg.hwnd != h && !IsChild(h, msg.hwnd)) return false;
    if (msg.message == WM_SYSCHAR) return GoToMnemonic(h, msg.wParam);
    if (msg.message != WM_KEYDOWN) return false;
    switch (msg.wParam) {
    case VK_RETURN: if (ComboOpen(h)) return false; Return(h, b); return true;
    case VK_ESCAPE: if (ComboOpen(h)) return false; Finish(b, IDCANCEL, ""); return true;
    case VK_TAB:
        if (const HWND next = GetNextDlgTabItem(h, GetFocus(), control::ShiftHeld())) SetFocus(next);
        return true;
    default: return false;
    }
}

HWND Build(const FileDialogRequest& request, HWND owner) {
    RECT frame{0, 0, kClientW, kClientH};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    const int w = frame.right - frame.left, ht = frame.bottom - frame.top;
    const POINT at = control::CentreOver(owner, w, ht);
    const HWND h = CreateWindowExA(WS_EX_DLGMODALFRAME, WC_DIALOG, request.open ? "Open" : "Save As",
                                   style, at.x, at.y, w, ht, owner, 0, 0, nullptr);
    if (!h) return 0;
    for (const Layout& c : kLayout)
        CreateWindowExA(c.exStyle, c.cls, c.text, c.style, c.x, c.y, c.w, c.h, h, c.id, 0, nullptr);
    SetWindowLongPtrA(h, GWLP_USERDATA, GetWindowLongPtrA(h, GWLP_WNDPROC));
    SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<intptr_t>(&FileOpenWindow::Proc));
    SendMessageA(h, DM_SETDEFID, WPARAM(IDOK), 0);
    return h;
}

void Fill(HWND h, const FileDialogRequest& request) {
    Browser& b = Browsers()[h];
    b.choices = FileFilter::Parse(request.filter);
    b.defaultExt = request.defaultExt;
    const HWND combo = Item(h, FileOpenWindow::kTypeCombo);
    for (const FileFilter::Choice& c : b.choices)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.description.c_str()));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetWindowTextA(Item(h, FileOpenWindow::kNameEdit), request.initialName.c_str());
    std::error_code error;
    const fs::path here = fs::current_path(error);
    const bool started = !request.initialDir.empty() && Enter(h, b, request.initialDir);
    if (!started) Enter(h, b, error ? fs::path("/") : here);
}

Browser RunModal(HWND h) {
    MSG msg;
    while (!Browsers()[h].done) {
        const BOOL got = GetMessageA(&msg, 0, 0, 0);
        if (got == -1) break;   // no more input will come
        if (got == 0) {
            PostQuitMessage(int(msg.wParam));   // the outer loop must see the quit too
            break;
        }
        if (!PreTranslate(h, Browsers()[h], msg)) DispatchMessageA(&msg);
    }
    return Browsers()[h];
}

}  // namespace

LRESULT FileOpenWindow::Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    const auto base = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(h, GWLP_USERDATA));
    auto it = Browsers().find(h);
    if (it != Browsers().end() && msg == WM_COMMAND) {
        Command(h, it->second, LOWORD(wp), HIWORD(wp));
        return 0;
    }
    if (it != Browsers().end() && msg == WM_CLOSE) {
        Finish(it->second, IDCANCEL, "");
        return 0;
    }
    return base ? CallWindowProcA(base, h, msg, wp, lp) : DefWindowProcA(h, msg, wp, lp);
}

int FileOpenWindow::Present(const FileDialogRequest& request, std::string& path) {
    const HWND owner = IsWindow(request.owner) ? WindowManager::Instance().TopLevelOf(request.owner) : 0;
    const HWND previousFocus = GetFocus();
    const HWND h = Build(request, owner);
    if (!h) return IDCANCEL;
    Fill(h, request);
    const Browser result = control::RunModalOver(owner, h, Item(h, kNameEdit), [h] { return RunModal(h); });
    Browsers().erase(h);
    DestroyWindow(h);
    control::GiveBackActivation(owner, previousFocus);
    if (result.answer == IDOK) path = result.path;
    return result.answer;
}
