// The headless driver: replays a dialog script as a person's input, one action each time the
// message queue runs dry, so every action is followed by all the messages it caused.
#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/script.h"
#include "platform/win/message_box.h"
#include "platform/win/win_types.h"

class HeadlessDriver {
public:
    explicit HeadlessDriver(std::vector<ScriptAction> actions);
    ~HeadlessDriver();
    HeadlessDriver(const HeadlessDriver&) = delete;
    HeadlessDriver& operator=(const HeadlessDriver&) = delete;

    // For callers to whom any message box is a refusal: once one shows, it is answered as it
    // would be anyway and the rest of the script is dropped, every window cancelled.
    void StopAtMessageBox() { stopAtBox_ = true; }

    // Windows the script can take pictures of besides screen, sheet and dialog.
    void SetWindowFinder(const std::string& name, std::function<HWND()> finder);

    // A script that arrives while the dialog runs: asked for more once the actions given so far
    // are done. It appends actions and answers Some; NotYet when its wait for them was cut short
    // (a stop request), End when the script ended, Failed with the reason in `error`.
    enum class More { Some, NotYet, End, Failed };
    using MoreActions = std::function<More(std::vector<ScriptAction>& into, std::string& error)>;
    void SetMoreActions(MoreActions more) { more_ = std::move(more); }

    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }
    // The line of the action that failed, 0 while none has.
    int FailedLine() const { return failedLine_; }
    // The action that failed, whose texts the message quotes; none when the script's own text
    // was refused.
    std::optional<ScriptVerb> FailedVerb() const { return failedVerb_; }
    // What kind of failure it was, for callers that answer each kind in their own words.
    enum class Failure { None, NoControl, Unreachable, NoEntry, Other };
    Failure FailureKind() const { return failure_; }
    // What the driver did on its own (a box answered by default, a sheet cancelled at the end).
    const std::vector<std::string>& Notes() const { return notes_; }
    int ActionsLeft() const { return int(actions_.size() - next_); }

private:
    bool NextInput();
    // False while a script that arrives as the dialog runs has no next action yet.
    bool HasNextAction();
    void Perform(const ScriptAction& action);
    bool PerformOnWindow(const ScriptAction& action, HWND top);
    void PerformOnControl(const ScriptAction& action);
    void PressKey(const ScriptAction& action, HWND top);
    void ClickPage(const ScriptAction& action, HWND top);
    void ExpectText(const ScriptAction& action, HWND control);
    void AnswerOpenBox();
    void CancelTopWindow();
    bool Fail(const ScriptAction& action, const std::string& message, Failure kind = Failure::Other);
    HWND TopWindow() const;
    HWND FindControl(int id) const;
    void ClickAt(HWND control, POINT client);
    void Click(HWND control);
    void PostKey(HWND target, UINT vk);
    bool Shot(const ScriptAction& action);
    void TypeText(const ScriptAction& a, HWND c);
    bool SelectEntry(const ScriptAction& a, HWND c);
    int PresentBox(const MessageBoxRequest& request);

    std::vector<ScriptAction> actions_;
    size_t next_ = 0;
    MoreActions more_;
    std::map<std::string, std::function<HWND()>> finders_;
    std::string error_;
    int failedLine_ = 0;
    std::optional<ScriptVerb> failedVerb_;
    Failure failure_ = Failure::None;
    bool stopAtBox_ = false;
    std::vector<std::string> notes_;
    int answer_ = 0;            // for the next message box, 0 for its default
    bool fileAnswered_ = false;
    std::string file_;          // empty: cancel
    int boxesOpen_ = 0;
    bool stopping_ = false;
    int stopInputs_ = 0;
    bool shiftHeld_ = false;
    std::function<int(const MessageBoxRequest&)> innerPresenter_;
};
