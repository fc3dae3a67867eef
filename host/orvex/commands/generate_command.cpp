// "orvex generate": the dialog's own engine, limits, messages and storing, with no window a
// person sees. Each footprint is a dialog run fed what a person would type. A footprint the
// dialog did not store was refused, and the messages it showed say why; then nothing of the
// whole command is kept. Messages of a run that did store its footprint were warnings (the
// window-state file's, for one) and are passed on as such.
#include <cstdio>
#include <cstring>
#include <string>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/extras/land_check.h"
#include "host/orvex/extras/pad_overlap.h"
#include "host/orvex/hosting/dialog_session.h"
#include "host/orvex/hosting/run_refusal.h"
#include "host/orvex/hosting/stop_signals.h"
#include "host/orvex/requests/generate_request.h"
#include "host/orvex/requests/package_feed.h"
#include "host/orvex/text/json_reader.h"
#include "host/orvex/text/latin1.h"
#include "platform/ui/headless_driver.h"
#include "platform/win/profile_hold.h"
#include "platform/win/whole_file.h"

namespace {

using Requests = Result<std::vector<GenerateRequest>>;

Requests FromJsonFile(const std::string& path, const BatchTolerances& batch) {
    std::string text;
    if (const int error = ReadWholeFile(path, text))
        return Requests::Fail("cannot read " + path + ": " + std::strerror(error));
    auto json = ReadJson(text);
    if (!json.ok()) return Requests::Fail(path + ": " + json.error());
    auto requests = RequestsFromJson(json.value());
    if (!requests.ok()) return Requests::Fail(path + ": " + requests.error());
    for (GenerateRequest& r : requests.value())
        if (r.package)
            if (Status taken = TakeBatchTolerances(*r.package, batch); !taken.ok())
                return Requests::Fail(path + ": " + RequestLabel(r) + ": " + taken.error());
    return requests;
}

// The one design every footprint goes into: the command line's, or the one the entries name.
Result<std::string> DesignOf(const ArgList& a, const std::vector<GenerateRequest>& requests) {
    using R = Result<std::string>;
    std::string design = a.positional().empty() ? requests.front().design : a.positional().front();
    if (design.empty()) return R::Fail("no design: give DESIGN or \"design\" in every entry");
    for (const GenerateRequest& r : requests)
        if (!r.design.empty() && r.design != design)
            return R::Fail(Utf8FromLatin1(r.footprint) + " names the design " + r.design + ", not " + design +
                           "; one command stores into one design");
    return design;
}

// Whether the run stored the footprint; the refusal says why not.
Status Stored(DialogSession& session, const GenerateRequest& request, const GenerateScript& script,
              const HeadlessDriver& driver, int32_t result) {
    if (Status written = session.AllWritten(); !driver.Failed() && !written.ok())
        return Failure{"the footprint was NOT stored: " + written.error()};
    return ScriptOutcome(script, driver, session.Boxes(), result == 1 && session.Holds(request.footprint),
                         request.styleName);
}

// Whether the host did its extras to the stored footprint, and its pads keep apart unless the
// request lets them overlap.
Status ExtrasKept(DialogSession& session, const GenerateRequest& request) {
    TRY(session.ExtrasDone());
    if (request.extras.allowOverlap) return {};
    return PadsApart(session.Design(), request.footprint);
}

// A package's footprint stands where its land pattern says, or orvex went wrong.
Status LandsKept(DialogSession& session, const GenerateRequest& request, const std::vector<LandPin>& lands) {
    if (!request.package) return {};
    const Status placed = PadsWhereLandsAre(session.Design(), request.footprint, lands);
    if (placed.ok()) return {};
    return Failure{"the footprint came out otherwise than its land pattern, a fault of orvex: " + placed.error()};
}

// One footprint of the batch through the dialog and the host's extras; a package first sets them.
Status GenerateOne(DialogSession& session, const GenerateRequest& asked) {
    TRY(session.NameFree(asked.footprint));
    const std::string label = RequestLabel(asked);
    GenerateRequest request = asked;
    std::vector<LandPin> lands;
    if (request.package) {
        auto fed = FeedPackage(request, session.Design());
        if (!fed.ok()) return Failure{label + ": " + fed.error() + "; nothing was stored"};
        lands = std::move(fed.value());
    }
    auto extras = ExtrasOf(request, session.Design().info());
    if (!extras.ok()) return Failure{label + ": " + extras.error() + "; nothing was stored"};
    const GenerateScript script = BuildGenerateScript(request);
    HeadlessDriver driver(script.actions);
    driver.StopAtMessageBox();
    const int32_t result = session.Run(request.footprint, driver, &extras.value());
    Status done = Stored(session, request, script, driver, result);
    if (done.ok()) done = ExtrasKept(session, request);
    if (done.ok()) done = LandsKept(session, request, lands);
    if (!done.ok()) return Failure{label + ": " + done.error() + "; nothing was stored"};
    if (std::string said = BoxesSaid(session.Boxes()); !said.empty())
        std::fprintf(stderr, "orvex: %s: the dialog warns %s; the footprint goes on\n", label.c_str(), said.c_str());
    for (const std::string& note : session.ExtrasNotes())
        std::fprintf(stderr, "orvex: %s: %s; the footprint goes on\n", label.c_str(), note.c_str());
    return {};
}

// A stop signal ends the batch where it is: the dialog it cancelled did not refuse anything.
Status Generate(const std::string& file, const HostFolder& host, const std::vector<GenerateRequest>& requests,
                const StopSignals& stop) {
    const std::string none = "nothing of the batch was stored; " + file + " is unchanged";
    TRY_ASSIGN(session, DialogSession::Open(file, host, kDefaultScreenWidth, kDefaultScreenHeight));
    if (session->PluginNote()) std::fprintf(stderr, "orvex: note: %s\n", session->PluginNote()->c_str());
    // The sheet saves its window state as each footprint closes it: a batch writes it once.
    const ProfileHold hold;
    for (const GenerateRequest& request : requests) {
        const Status one = GenerateOne(*session, request);
        TRY(stop.Check(none));
        TRY(one);
    }
    for (const std::string& failed : ProfileHold::WriteHeld())
        std::fprintf(stderr, "orvex: note: could not save %s\n", failed.c_str());
    TRY(stop.Check(none));
    if (Status kept = session->Keep(); !kept.ok()) return Failure{kept.error() + "; nothing was stored"};
    std::printf("%s: stored %zu footprint%s\n", file.c_str(), requests.size(), requests.size() == 1 ? "" : "s");
    return {};
}

// Generate's words: a batch file with at most DESIGN besides, or DESIGN and FOOTPRINT with options.
Status WordsFit(const ArgList& a) {
    if (!a.Value("--from-json")) {
        if (a.positional().size() != 2) return Failure{"generate takes DESIGN and FOOTPRINT, or --from-json FILE"};
        return {};
    }
    if (a.positional().size() > 1) return Failure{"--from-json takes at most DESIGN besides the file"};
    TRY_ASSIGN(batch, BatchTolerancesOf(a));
    if (a.OptionCount() != 1 + batch.Count())
        return Failure{"with --from-json every other option comes from the file, but --fabrication-tolerance and "
                       "--placement-tolerance, which its packages take unless they give their own"};
    return {};
}

}  // namespace

int RunGenerate(const Command& self, const CommandContext& context) {
    const ArgList& a = context.args;
    if (Status fits = WordsFit(a); !fits.ok()) return self.RefuseUsage(fits.error());
    const StopSignals stop;
    std::vector<GenerateRequest> requests;
    if (const auto json = a.Value("--from-json")) {
        auto batch = FromJsonFile(*json, BatchTolerancesOf(a).value());
        if (!batch.ok()) return Refuse(batch.error());
        requests = std::move(batch.value());
    } else {
        auto one = RequestFromArgs(a, a.positional()[1]);
        if (!one.ok()) return self.RefuseUsage(one.error());
        requests.push_back(std::move(one.value()));
    }
    for (const GenerateRequest& request : requests)
        if (Status usable = DialogSession::NameUsable(request.footprint); !usable.ok()) return Refuse(usable.error());
    auto design = DesignOf(a, requests);
    if (!design.ok()) return Refuse(design.error());
    const Status done = Generate(design.value(), context.host, requests, stop);
    return done.ok() ? ExitOk : Refuse(done.error(), stop.ExitCode(ExitRefused));
}
