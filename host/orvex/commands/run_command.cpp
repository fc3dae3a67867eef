// "orvex run": hands the design to the plug-in's dialog, headless under a script. The whole run
// is one transaction: what the plug-in wrote is kept when it answered 1 (OK); after a 0 only the
// library padstacks it copied in stay; a failed script, a stop signal or a crash leaves the
// design as it was.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/hosting/dialog_session.h"
#include "host/orvex/hosting/stop_signals.h"
#include "host/orvex/requests/run_request.h"
#include "host/orvex/requests/script_source.h"
#include "host/orvex/requests/script_stream.h"
#include "host/orvex/text/latin1.h"
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
        std::printf("message box: \"%s\": \"%s\" answered %s\n", Utf8FromLatin1(box.Caption).c_str(),
                    Utf8FromLatin1(box.Text).c_str(),
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

void Said(const DialogSession& session, const std::string& what) {
    std::printf("%s: %s\n", session.File().c_str(), what.c_str());
    std::fflush(stdout);
}

std::string Listed(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + Utf8FromLatin1(name);
    return list;
}

// A stop signal that came ends the command, whatever else `error` would have said.
int Refused(const StopSignals& stop, const std::string& file, const std::string& error) {
    const Status going = stop.Check("nothing was stored; " + file + " is unchanged");
    return going.ok() ? Refuse(error) : Refuse(going.error(), stop.ExitCode(ExitRefused));
}

// How the run ended: the plug-in's answer, what the input said, what the driver noted.
struct Ending {
    int32_t result = 0;
    Status input;   // whether the input went through: the script ran, the window stayed open
    std::vector<std::string> notes;
};

// OK keeps what the plug-in stored. Cancel stores no footprint, but the library padstacks the
// dialog copied into the design stay there, as the plug-in leaves them; a failed input or a stop
// keeps nothing.
int Finish(DialogSession& session, const std::string& footprint, Ending end, const StopSignals& stop) {
    end.notes.insert(end.notes.end(), session.ExtrasNotes().begin(), session.ExtrasNotes().end());
    PrintRun(session.Boxes(), end.result, end.notes);
    if (Status going = stop.Check("nothing was stored; " + session.File() + " is unchanged"); !going.ok()) {
        session.Drop();
        Said(session, "unchanged, nothing the plug-in wrote was kept");
        return Refuse(going.error(), stop.ExitCode(ExitRefused));
    }
    const bool ok = end.result == 1;
    const std::vector<std::string> copied = ok || !end.input.ok() ? std::vector<std::string>() : session.CopiedPadstacks();
    const bool keep = ok || !copied.empty();
    const Status kept = keep ? KeepRun(session) : Status();
    if (!keep || !kept.ok()) Said(session, "unchanged, nothing the plug-in wrote was kept");
    else if (ok) Said(session, "saved what the plug-in wrote");
    else Said(session, "kept " + Listed(copied) + ", copied in from a library; no footprint was stored");
    if (!end.input.ok()) return Refuse(end.input.error());
    if (!kept.ok()) {
        const std::string what = ok ? Utf8FromLatin1(footprint) + " was" : "the padstacks copied in from a library were";
        return Refuse(what + " NOT stored: " + kept.error() + "; the design is unchanged");
    }
    return ExitOk;
}

// The driver quotes the texts of the failed action, which went into the dialog as 8-bit texts;
// a file's path keeps its bytes, and a line the script could not give is quoted as written.
std::string ScriptError(const HeadlessDriver& driver) {
    const std::optional<ScriptVerb> verb = driver.FailedVerb();
    const bool asWritten = !verb || *verb == ScriptVerb::File || *verb == ScriptVerb::Shot;
    return "the script failed: " + (asWritten ? driver.Error() : Utf8FromLatin1(driver.Error()));
}

// Where the dialog's input comes from: a script, whole or arriving as the dialog runs, or a
// person at a display that can be opened.
struct Input {
    ScriptParse script;
    std::unique_ptr<ScriptStream> stream;
    const ScreenModule* person = nullptr;   // null: the script
    DisplayFit fit;
    ScreenSize screen;
};

Ending RunScripted(DialogSession& session, const std::string& footprint, const Input& in) {
    HeadlessDriver driver(in.script.actions);
    if (in.stream) {
        driver.SetMoreActions([&in](std::vector<ScriptAction>& into, std::string& error) {
            return in.stream->Next(into, error);
        });
    }
    const int32_t result = session.Run(footprint, driver);
    return {result, driver.Failed() ? Status(Failure{ScriptError(driver)}) : Status(), driver.Notes()};
}

Result<Ending> RunByPerson(DialogSession& session, const std::string& footprint, const Input& in) {
    const std::unique_ptr<PersonDriver> person(in.person->makeDriver());
    std::string error;
    if (!person->Start(("Orvex - " + session.File()).c_str(), in.fit.scale, error)) return Failure{error};
    const int32_t result = session.Run(footprint);
    // The window's driver says what went wrong, and nothing when nothing did.
    return Ending{result, person->Error().empty() ? Status() : Status(Failure{person->Error()}), {}};
}

// Without a script a person works the dialog, on a screen that fits the display unless --screen
// names one. A display that cannot be opened is refused before the design is.
Result<Input> InputOf(const RunRequest& r) {
    Input in;
    if (r.scale) in.fit.scale = *r.scale;
    if (r.screen) in.fit = {r.screen->width, r.screen->height, in.fit.scale};
    in.screen = r.screen.value_or(ScreenSize{kDefaultScreenWidth, kDefaultScreenHeight});
    if (r.script && ScriptStream::Arrives(*r.script)) {
        TRY_ASSIGN(stream, ScriptStream::Open(*r.script));
        in.stream = std::move(stream);
        return in;
    }
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
    const StopSignals stop;
    auto input = InputOf(r);
    if (!input.ok()) return Refused(stop, r.design, input.error());
    const Input& in = input.value();
    auto session = DialogSession::Open(r.design, context.host, in.screen.width, in.screen.height);
    if (!session.ok()) return Refused(stop, r.design, session.error());
    DialogSession& s = *session.value();
    if (s.PluginNote()) std::fprintf(stderr, "orvex: note: %s\n", s.PluginNote()->c_str());
    if (Status open = r.reopen ? s.Reopenable(r.footprint) : s.NameFree(r.footprint); !open.ok())
        return Refuse(open.error());
    if (!in.person) return Finish(s, r.footprint, RunScripted(s, r.footprint, in), stop);
    auto ending = RunByPerson(s, r.footprint, in);
    return ending.ok() ? Finish(s, r.footprint, std::move(ending.value()), stop) : Refused(stop, r.design, ending.error());
}
