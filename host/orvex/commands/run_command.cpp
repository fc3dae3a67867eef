// "orvex run": hands the design to the plug-in's dialog, headless under a script. The whole run
// is one transaction: what the plug-in wrote is kept only when it answered 1 (OK); a 0, a
// failed script or a crash leaves the design as it was.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "host/orvex/text/arg_list.h"
#include "host/orvex/commands/command_table.h"
#include "host/orvex/hosting/dialog_session.h"
#include "host/orvex/text/number_parser.h"
#include "host/orvex/requests/script_source.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/person_driver.h"
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"

namespace {

struct ScreenSize {
    int width = kDefaultScreenWidth;
    int height = kDefaultScreenHeight;
};

Result<ScreenSize> ParseScreen(const std::string& text) {
    using R = Result<ScreenSize>;
    const size_t x = text.find('x');
    if (x == std::string::npos) return R::Fail("screen size " + text + " is not WIDTHxHEIGHT");
    auto w = number_parser::Integer(text.substr(0, x), "screen width", 320, 16384);
    if (!w.ok()) return R::Fail(w.error());
    auto h = number_parser::Integer(text.substr(x + 1), "screen height", 240, 16384);
    if (!h.ok()) return R::Fail(h.error());
    return ScreenSize{int(w.value()), int(h.value())};
}

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

int Usage(const std::string& error) {
    return Refuse((error.empty() ? std::string() : error + "\n") + CommandUsage("run"),
                  ExitUsage);
}

}  // namespace

int RunRun(CommandContext& context) {
    auto args = ArgList::Parse(context.words, {"--script", "--screen", "--scale"}, {"--reopen"});
    if (!args.ok()) return Usage(args.error());
    const ArgList& a = args.value();
    if (a.positional().size() != 2) return Usage("");
    const std::string& file = a.positional()[0];
    const std::string& footprint = a.positional()[1];
    if (std::string why = DialogSession::NameUnusable(footprint); !why.empty()) return Refuse(why);
    ScreenSize screen;
    if (auto text = a.Value("--screen")) {
        auto parsed = ParseScreen(*text);
        if (!parsed.ok()) return Usage(parsed.error());
        screen = parsed.value();
    }
    DisplayFit fit;
    if (auto text = a.Value("--scale")) {
        auto scale = number_parser::Integer(*text, "scale", 1, 8);
        if (!scale.ok()) return Usage(scale.error());
        fit.scale = int(scale.value());
    }
    const auto source = a.Value("--script");
    // Without a script a person works the dialog, on a screen that fits the display unless
    // --screen names one. A display that cannot be opened is refused before the design is.
    if (a.Value("--screen")) fit = {screen.width, screen.height, fit.scale};
    std::string noDisplay;
    const ScreenModule* screenModule = source ? nullptr : LoadScreenModule(noDisplay);
    const bool byPerson = screenModule != nullptr && screenModule->displayAvailable(fit, noDisplay);
    if (!source && !byPerson)
        return Refuse("there is no display to show the dialog on (" + noDisplay +
                      "); give --script FILE or --script - to run it headless");
    if (byPerson) screen = {fit.width, fit.height};
    ScriptParse script;
    if (source) {
        auto loaded = LoadScript(*source);
        if (!loaded.ok()) return Refuse(loaded.error());
        script = std::move(loaded.value());
    }

    auto session = DialogSession::Open(file, context.host.path(), screen.width, screen.height);
    if (!session.ok()) return Refuse(session.error());
    DialogSession& s = *session.value();
    const std::string refusal = a.Has("--reopen") ? s.NotReopenable(footprint) : s.NameTaken(footprint);
    if (!refusal.empty()) return Refuse(refusal);
    return byPerson ? RunByPerson(s, footprint, fit.scale, *screenModule) : RunScripted(s, footprint, script);
}
