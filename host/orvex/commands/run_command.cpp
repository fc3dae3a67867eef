// "orvex run": hands the design to the plug-in's dialog, headless under a script. The whole run
// is one transaction: what the plug-in wrote is kept only when it answered 1 (OK); a 0, a
// failed script or a crash leaves the design as it was.
#include <cstdio>
#include <cstdlib>
#include <memory>
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

void PrintRun(int32_t result, const std::vector<std::string>& notes) {
    for (const ShownMessageBox& box : ShownMessageBoxes())
        std::printf("message box: \"%s\": \"%s\" answered %s\n", box.Caption.c_str(), box.Text.c_str(),
                    AnswerName(box.Answer));
    for (const std::string& note : notes) std::printf("note: %s\n", note.c_str());
    std::printf("result: %d\n", result);
}

// `failure` says why the input failed (the script's error, the window that did not open), empty
// when it did not.
int Finish(DialogSession& session, const std::string& footprint, int32_t result, std::vector<std::string> notes,
           const std::string& failure) {
    notes.insert(notes.end(), session.ShapeNotes().begin(), session.ShapeNotes().end());
    PrintRun(result, notes);
    // A failed write of the host, the host's part of the footprint that could not be done again
    // (the footprint would lose it), or a design that would not keep the run: the session drops
    // whatever it does not keep.
    std::string notKept = session.FailedWrite();
    if (result == 1 && notKept.empty()) notKept = session.ShapeRefusal();
    if (result == 1 && notKept.empty()) notKept = session.Keep();
    const bool keep = result == 1 && notKept.empty();
    std::printf("%s: %s\n", session.File().c_str(),
                keep ? "saved what the plug-in wrote" : "unchanged, nothing the plug-in wrote was kept");
    std::fflush(stdout);
    if (!failure.empty()) return Refuse(failure);
    if (result == 1 && !keep) return Refuse(footprint + " was NOT stored: " + notKept + "; the design is unchanged");
    return ExitOk;
}

int RunScripted(DialogSession& session, const std::string& footprint, const ScriptParse& script) {
    HeadlessDriver driver(script.actions);
    const int32_t result = session.Run(footprint, driver);
    const std::string failure = driver.Failed() ? "the script failed: " + driver.Error() : "";
    return Finish(session, footprint, result, driver.Notes(), failure);
}

int RunByPerson(DialogSession& session, const std::string& footprint, int scale, const ScreenModule& screen) {
    const std::unique_ptr<PersonDriver> person(screen.makeDriver());
    std::string error;
    if (!person->Start(("Orvex - " + session.File()).c_str(), scale, error)) return Refuse(error);
    const int32_t result = session.Run(footprint);
    return Finish(session, footprint, result, {}, person->Error());
}

}  // namespace

int RunRun(const Command& self, const CommandContext& context) {
    auto request = RunRequestOf(context.args);
    if (!request.ok()) return self.RefuseUsage(request.error());
    const RunRequest& r = request.value();
    if (std::string why = DialogSession::NameUnusable(r.footprint); !why.empty()) return Refuse(why);
    // Without a script a person works the dialog, on a screen that fits the display unless
    // --screen names one. A display that cannot be opened is refused before the design is.
    DisplayFit fit;
    if (r.scale) fit.scale = *r.scale;
    if (r.screen) fit = {r.screen->width, r.screen->height, fit.scale};
    std::string noDisplay;
    const ScreenModule* screenModule = r.script ? nullptr : LoadScreenModule(noDisplay);
    const bool byPerson = screenModule != nullptr && screenModule->displayAvailable(fit, noDisplay);
    if (!r.script && !byPerson)
        return Refuse("there is no display to show the dialog on (" + noDisplay +
                      "); give --script FILE or --script - to run it headless");
    ScreenSize screen = r.screen.value_or(ScreenSize{kDefaultScreenWidth, kDefaultScreenHeight});
    if (byPerson) screen = {fit.width, fit.height};
    ScriptParse script;
    if (r.script) {
        auto loaded = LoadScript(*r.script);
        if (!loaded.ok()) return Refuse(loaded.error());
        script = std::move(loaded.value());
    }

    auto session = DialogSession::Open(r.design, context.host.path(), screen.width, screen.height);
    if (!session.ok()) return Refuse(session.error());
    DialogSession& s = *session.value();
    const std::string refusal = r.reopen ? s.NotReopenable(r.footprint) : s.NameTaken(r.footprint);
    if (!refusal.empty()) return Refuse(refusal);
    return byPerson ? RunByPerson(s, r.footprint, fit.scale, *screenModule) : RunScripted(s, r.footprint, script);
}
