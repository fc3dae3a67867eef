// "orvex run": hands the design to the plug-in's dialog, headless under a script. The whole run
// is one transaction: what the plug-in wrote is kept only when it answered 1 (OK); a 0, a
// failed script or a crash leaves the design as it was.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/hosting/dialog_session.h"
#include "host/orvex/requests/run_request.h"
#include "host/orvex/requests/script_source.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/person_driver.h"
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"

namespace {

const char* AnswerName(int answer) {
    switch (answer) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "Abort";
    case IDRETRY: return "Retry";
    case IDIGNORE: return "Ignore";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return "none";
    }
}

void PrintRun(const std::vector<ShownMessageBox>& boxes, int32_t result, const std::vector<std::string>& notes) {
    for (const ShownMessageBox& box : boxes)
        std::printf("message box: \"%s\": \"%s\" answered %s\n", box.Caption.c_str(), box.Text.c_str(),
                    AnswerName(box.Answer));
    for (const std::string& note : notes) std::printf("note: %s\n", note.c_str());
    std::printf("result: %d\n", result);
}

// A failed write of the host, the host's extras that could not be done again (the footprint
// would lose them), or a design that would not keep the run: the session drops whatever it
// does not keep.
Status KeepRun(DialogSession& session) {
    TRY(session.AllWritten());
    TRY(session.ExtrasDone());
    return session.Keep();
}

// `input` says whether the input went through: the script ran, the window stayed open.
int Finish(DialogSession& session, const std::string& footprint, int32_t result, std::vector<std::string> notes,
           const Status& input) {
    notes.insert(notes.end(), session.ExtrasNotes().begin(), session.ExtrasNotes().end());
    PrintRun(session.Boxes(), result, notes);
    // Only OK keeps anything.
    const std::optional<Status> kept = result == 1 ? std::optional<Status>(KeepRun(session)) : std::nullopt;
    std::printf("%s: %s\n", session.File().c_str(),
                kept && kept->ok() ? "saved what the plug-in wrote" : "unchanged, nothing the plug-in wrote was kept");
    std::fflush(stdout);
    if (!input.ok()) return Refuse(input.error());
    if (kept && !kept->ok()) return Refuse(footprint + " was NOT stored: " + kept->error() + "; the design is unchanged");
    return ExitOk;
}

int RunScripted(DialogSession& session, const std::string& footprint, const ScriptParse& script) {
    HeadlessDriver driver(script.actions);
    const int32_t result = session.Run(footprint, driver);
    const Status input = driver.Failed() ? Status(Failure{"the script failed: " + driver.Error()}) : Status();
    return Finish(session, footprint, result, driver.Notes(), input);
}

int RunByPerson(DialogSession& session, const std::string& footprint, int scale, const ScreenModule& screen) {
    const std::unique_ptr<PersonDriver> person(screen.makeDriver());
    std::string error;
    if (!person->Start(("Orvex - " + session.File()).c_str(), scale, error)) return Refuse(error);
    const int32_t result = session.Run(footprint);
    // The window's driver says what went wrong, and nothing when nothing did.
    const Status input = person->Error().empty() ? Status() : Status(Failure{person->Error()});
    return Finish(session, footprint, result, {}, input);
}

// Where the dialog's input comes from: a script, or a person at a display that can be opened.
struct Input {
    ScriptParse script;
    const ScreenModule* person = nullptr;   // null: the script
    DisplayFit fit;
    ScreenSize screen;
};

// Without a script a person works the dialog, on a screen that fits the display unless --screen
// names one. A display that cannot be opened is refused before the design is.
Result<Input> InputOf(const RunRequest& r) {
    Input in;
    if (r.scale) in.fit.scale = *r.scale;
    if (r.screen) in.fit = {r.screen->width, r.screen->height, in.fit.scale};
    in.screen = r.screen.value_or(ScreenSize{kDefaultScreenWidth, kDefaultScreenHeight});
    if (r.script) {
        TRY_ASSIGN(script, LoadScript(*r.script));
        in.script = std::move(script);
        return in;
    }
    std::string noDisplay;
    const ScreenModule* module = LoadScreenModule(noDisplay);
    if (module == nullptr || !module->displayAvailable(in.fit, noDisplay))
        return Failure{"there is no display to show the dialog on (" + noDisplay +
                       "); give --script FILE or --script - to run it headless"};
    in.person = module;
    in.screen = {in.fit.width, in.fit.height};
    return in;
}

}  // namespace

int RunRun(const Command& self, const CommandContext& context) {
    auto request = RunRequestOf(context.args);
    if (!request.ok()) return self.RefuseUsage(request.error());
    const RunRequest& r = request.value();
    if (Status usable = DialogSession::NameUsable(r.footprint); !usable.ok()) return Refuse(usable.error());
    auto input = InputOf(r);
    if (!input.ok()) return Refuse(input.error());
    const Input& in = input.value();
    auto session = DialogSession::Open(r.design, context.host.path(), in.screen.width, in.screen.height);
    if (!session.ok()) return Refuse(session.error());
    DialogSession& s = *session.value();
    if (Status open = r.reopen ? s.Reopenable(r.footprint) : s.NameFree(r.footprint); !open.ok())
        return Refuse(open.error());
    return in.person ? RunByPerson(s, r.footprint, in.fit.scale, *in.person) : RunScripted(s, r.footprint, in.script);
}
