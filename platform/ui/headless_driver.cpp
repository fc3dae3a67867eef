// Replaying scripts. Input messages go through the queue (so the dialogs' pre-translation
// sees them, as it sees a person's keys); control lookups follow the window tree.
#include "platform/ui/headless_driver.h"

#include <filesystem>

#include "platform/framework/file_dialog.h"
#include "platform/gdi/png_io.h"
#include "platform/gdi/window_surfaces.h"
#include "platform/win/controls.h"
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

constexpr int kMaxStopInputs = 64;   // a window that will not close must not keep us here

struct KeyName {
    const char* name;
    UINT vk;
};
constexpr KeyName kKeys[] = {{"enter", VK_RETURN}, {"escape", VK_ESCAPE}, {"tab", VK_TAB},
                             {"shift-tab", VK_TAB}, {"backspace", VK_BACK}, {"up", VK_UP},
                             {"down", VK_DOWN}, {"left", VK_LEFT}, {"right", VK_RIGHT},
                             {"home", VK_HOME}, {"end", VK_END}, {"delete", VK_DELETE},
                             {"space", VK_SPACE}};

std::string ClassOf(HWND h) {
    char name[64] = {};
    GetClassNameA(h, name, sizeof(name));
    return name;
}

HWND FindIn(HWND parent, int id, bool visibleOnly) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (visibleOnly && !IsWindowVisible(c)) continue;
        if (GetDlgCtrlID(c) == id && !(GetWindowLongPtrA(c, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) return c;
        if (HWND inner = FindIn(c, id, visibleOnly)) return inner;
    }
    return 0;
}

HWND FindClass(HWND parent, const char* cls) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (ClassOf(c) == cls) return c;
        if (HWND inner = FindClass(c, cls)) return inner;
    }
    return 0;
}

int AnswerId(const std::string& word) {
    if (word == "ok") return IDOK;
    if (word == "cancel") return IDCANCEL;
    if (word == "yes") return IDYES;
    return IDNO;
}

}  // namespace

HeadlessDriver::HeadlessDriver(std::vector<ScriptAction> actions) : actions_(std::move(actions)) {
    WindowManager::Instance().SetInputSource([this] { return NextInput(); });
    // Nobody sees a scripted run until it takes a picture; painting waits for one.
    WindowManager::Instance().DeferPaint(true);
    innerPresenter_ = SetMessageBoxPresenter([this](const MessageBoxRequest& r) { return PresentBox(r); });
    SetFileDialogPresenter([this](const FileDialogRequest&, std::string& path) {
        if (!fileAnswered_) {
            notes_.push_back("a file dialog opened without a file answer; it was cancelled");
            return IDCANCEL;
        }
        fileAnswered_ = false;
        path = file_;
        return path.empty() ? IDCANCEL : IDOK;
    });
}

HeadlessDriver::~HeadlessDriver() {
    WindowManager::Instance().SetInputSource(nullptr);
    WindowManager::Instance().DeferPaint(false);
    SetMessageBoxPresenter(innerPresenter_);
    SetFileDialogPresenter(nullptr);
    if (shiftHeld_) SetKeyHeld(VK_SHIFT, false);
}

void HeadlessDriver::SetWindowFinder(const std::string& name, std::function<HWND()> finder) {
    finders_[name] = std::move(finder);
}

int HeadlessDriver::PresentBox(const MessageBoxRequest& request) {
    if (stopAtBox_) stopping_ = true;
    if (!innerPresenter_) {
        // No box window to show: answer as its default button would.
        const int answer = answer_;
        answer_ = 0;
        if (answer) return answer;
        return (request.Type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    }
    ++boxesOpen_;
    const int result = innerPresenter_(request);
    --boxesOpen_;
    return result;
}

HWND HeadlessDriver::TopWindow() const {
    if (boxesOpen_ > 0)
        for (HWND h : WindowManager::Instance().TopLevels())
            if (IsWindowVisible(h) && IsWindowEnabled(h)) return h;
    return GetModalWindow();
}

bool HeadlessDriver::Fail(const ScriptAction& action, const std::string& message, Failure kind) {
    if (error_.empty()) {
        error_ = "line " + std::to_string(action.line) + ": " + message;
        failedLine_ = action.line;
        failedVerb_ = action.verb;
        failure_ = kind;
    }
    stopping_ = true;
    return false;
}

bool HeadlessDriver::NextInput() {
    if (shiftHeld_) {
        SetKeyHeld(VK_SHIFT, false);
        shiftHeld_ = false;
    }
    if (stopping_) {
        if (!TopWindow() || ++stopInputs_ > kMaxStopInputs) return false;
        if (boxesOpen_ > 0) AnswerOpenBox(); else CancelTopWindow();
        return true;
    }
    if (boxesOpen_ > 0) {
        AnswerOpenBox();
        return true;
    }
    if (!HasNextAction()) return true;
    if (next_ < actions_.size()) {
        Perform(actions_[next_++]);
        return true;
    }
    if (!TopWindow()) return false;
    notes_.push_back("the script ended while the dialog was still up; it was cancelled");
    stopping_ = true;
    CancelTopWindow();
    return true;
}

bool HeadlessDriver::HasNextAction() {
    if (next_ < actions_.size() || !more_) return true;
    std::string error;
    switch (more_(actions_, error)) {
    case More::Some: return true;
    case More::NotYet: return false;
    case More::End: more_ = nullptr; return true;
    case More::Failed: break;
    }
    more_ = nullptr;
    if (error_.empty()) {
        error_ = error;
        failure_ = Failure::Other;
    }
    stopping_ = true;
    return false;
}

void HeadlessDriver::AnswerOpenBox() {
    const HWND box = TopWindow();
    const int answer = answer_;
    answer_ = 0;
    if (HWND button = answer ? ::GetDlgItem(box, answer) : 0) {
        Click(button);
        return;
    }
    if (answer) notes_.push_back("the message box has no such button; its default answered");
    PostKey(box, VK_RETURN);
}

void HeadlessDriver::CancelTopWindow() {
    const HWND top = TopWindow();
    if (!top) return;
    if (HWND cancel = ::GetDlgItem(top, IDCANCEL); cancel && IsWindowEnabled(cancel))
        Click(cancel);
    else
        PostMessageA(top, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

HWND HeadlessDriver::FindControl(int id) const {
    const HWND top = TopWindow();
    if (!top) return 0;
    if (HWND h = FindIn(top, id, true)) return h;
    return FindIn(top, id, false);
}

void HeadlessDriver::ClickAt(HWND control, POINT p) {
    PostMessageA(control, WM_LBUTTONDOWN, 1, MAKELPARAM(WORD(p.x), WORD(p.y)));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(WORD(p.x), WORD(p.y)));
}

void HeadlessDriver::Click(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    ClickAt(control, {r.right / 2, r.bottom / 2});
}

void HeadlessDriver::PostKey(HWND target, UINT vk) {
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, 1);
}

void HeadlessDriver::TypeText(const ScriptAction& a, HWND c) {
    SetFocus(c);
    const int length = GetWindowTextLengthA(c);
    SendMessageA(c, EM_SETSEL, WPARAM(length), length);
    for (char ch : a.text) PostMessageA(c, WM_CHAR, WPARAM(uint8_t(ch)), 1);
}

bool HeadlessDriver::SelectEntry(const ScriptAction& a, HWND c) {
    const bool combo = ClassOf(c) == WC_COMBOBOX;
    const UINT count = combo ? CB_GETCOUNT : LB_GETCOUNT;
    int index = a.index;
    if (index < 0) {
        index = int(SendMessageA(c, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(a.text.c_str())));
        if (index < 0) return Fail(a, "control " + std::to_string(a.id) + " has no entry \"" + a.text + "\"", Failure::NoEntry);
    }
    if (index >= int(SendMessageA(c, count, 0, 0)))
        return Fail(a, "control " + std::to_string(a.id) + " has no entry #" + std::to_string(index), Failure::NoEntry);
    SetFocus(c);
    SendMessageA(c, combo ? CB_SETCURSEL : LB_SETCURSEL, WPARAM(index), 0);
    // A person's pick is announced to the parent; a program's CB_SETCURSEL is not.
    SendMessageA(GetParent(c), WM_COMMAND, MAKEWPARAM(WORD(a.id), combo ? CBN_SELCHANGE : LBN_SELCHANGE), LPARAM(c));
    return true;
}

bool HeadlessDriver::Shot(const ScriptAction& a) {
    WindowManager& manager = WindowManager::Instance();
    WindowSurfaces& surfaces = WindowSurfaces::Install();
    Surface composed;
    const Surface* picture = &composed;
    if (a.text == "screen") {
        manager.PaintAll();
        surfaces.Compose(composed);
    } else {
        HWND target = 0;
        if (a.text == "sheet") target = GetOutermostModalWindow();
        else if (a.text == "dialog") target = TopWindow();
        else if (auto f = finders_.find(a.text); f != finders_.end()) target = f->second();
        if (!target) return Fail(a, "there is no " + a.text + " window to take a picture of");
        // The preview and the sample stand above the sheet they belong to, so each window's
        // picture is its own pixels, and the windows above it wait for a picture that shows
        // them; a dialog's keeps the dropped list lying over it.
        const bool alone = a.text != "dialog";
        manager.PaintAll(alone ? manager.TopLevelOf(target) : 0);
        if (const Surface* own = alone ? surfaces.OwnPixels(target) : nullptr) picture = own;
        else composed = surfaces.Capture(target);
    }
    std::string error;
    if (!WritePng(*picture, a.file, error)) return Fail(a, error);
    return true;
}

// Answers, file answers and pictures are given before their window is up; every other
// action needs a window to act on.
void HeadlessDriver::Perform(const ScriptAction& a) {
    const HWND top = TopWindow();
    if (!top && a.verb != ScriptVerb::Answer && a.verb != ScriptVerb::File && a.verb != ScriptVerb::Shot) {
        Fail(a, "no dialog is open");
        return;
    }
    if (!PerformOnWindow(a, top)) PerformOnControl(a);
}

// The actions on the topmost window as a whole; false for those on one of its controls.
bool HeadlessDriver::PerformOnWindow(const ScriptAction& a, HWND top) {
    switch (a.verb) {
    case ScriptVerb::Answer: answer_ = AnswerId(a.text); return true;
    case ScriptVerb::File:
        if (a.text != "cancel" && !std::filesystem::exists(a.text)) { Fail(a, "no such file: " + a.text); return true; }
        fileAnswered_ = true;
        file_ = a.text == "cancel" ? "" : a.text;
        return true;
    case ScriptVerb::Shot: Shot(a); return true;
    case ScriptVerb::Ok: case ScriptVerb::Cancel: {
        const int id = a.verb == ScriptVerb::Ok ? IDOK : IDCANCEL;
        if (HWND b = ::GetDlgItem(top, id)) Click(b);
        else PostMessageA(top, WM_COMMAND, MAKEWPARAM(WORD(id), BN_CLICKED), 0);
        return true;
    }
    case ScriptVerb::Close: PostMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0); return true;
    case ScriptVerb::Key: PressKey(a, top); return true;
    case ScriptVerb::Page: ClickPage(a, top); return true;
    default: return false;
    }
}

void HeadlessDriver::PerformOnControl(const ScriptAction& a) {
    const HWND c = FindControl(a.id);
    if (!c) { Fail(a, "there is no control " + std::to_string(a.id), Failure::NoControl); return; }
    // A person cannot reach a control that is hidden or disabled; only looking at it is allowed.
    if (a.verb != ScriptVerb::Expect && (!IsWindowEnabled(c) || !IsWindowVisible(c))) {
        Fail(a, "control " + std::to_string(a.id) + " cannot be used: it is disabled or hidden", Failure::Unreachable);
        return;
    }
    switch (a.verb) {
    case ScriptVerb::Check:
        // Clicked only when not yet as wanted, so the outcome does not depend on the start state.
        if ((SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED) == (a.text == "1")) return;
        [[fallthrough]];
    case ScriptVerb::Click:
        Click(c);
        return;
    case ScriptVerb::Type: TypeText(a, c); return;
    case ScriptVerb::Set:
        SetFocus(c);
        SendMessageA(c, EM_SETSEL, 0, -1);
        SendMessageA(c, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(a.text.c_str()));
        return;
    case ScriptVerb::Clear:
        SetFocus(c);
        SendMessageA(c, EM_SETSEL, 0, -1);
        PostKey(c, VK_DELETE);
        return;
    case ScriptVerb::Focus: SetFocus(c); return;
    case ScriptVerb::Select: SelectEntry(a, c); return;
    case ScriptVerb::Expect: ExpectText(a, c); return;
    default: return;
    }
}

void HeadlessDriver::PressKey(const ScriptAction& a, HWND top) {
    for (const KeyName& k : kKeys)
        if (a.text == k.name) {
            if (a.text == "shift-tab") { SetKeyHeld(VK_SHIFT, true); shiftHeld_ = true; }
            PostKey(GetFocus() ? GetFocus() : top, k.vk);
        }
}

void HeadlessDriver::ClickPage(const ScriptAction& a, HWND top) {
    const HWND tab = FindClass(top, WC_TABCONTROL);
    if (!tab) { Fail(a, "the window has no pages"); return; }
    if (a.id >= int(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0))) { Fail(a, "there is no page " + std::to_string(a.id)); return; }
    RECT item{};
    SendMessageA(tab, TCM_GETITEMRECT, WPARAM(a.id), reinterpret_cast<LPARAM>(&item));
    ClickAt(tab, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

void HeadlessDriver::ExpectText(const ScriptAction& a, HWND c) {
    char text[1024] = {};
    GetWindowTextA(c, text, sizeof(text));
    if (a.text != text) Fail(a, "control " + std::to_string(a.id) + " shows \"" + text + "\", expected \"" + a.text + "\"");
}
