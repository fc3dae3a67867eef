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
#include "host/orvex/requests/generate_request.h"
#include "host/orvex/requests/package_feed.h"
#include "host/orvex/text/json_reader.h"
#include "platform/ui/headless_driver.h"
#include "platform/win/message_box.h"
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
            return R::Fail(r.footprint + " names the design " + r.design + ", not " + design +
                           "; one command stores into one design");
    return design;
}

std::string DriverRefusal(const GenerateRequest& request, const GenerateScript& script, const HeadlessDriver& driver) {
    const int line = driver.FailedLine();
    const std::string origin = line >= 1 && line <= int(script.origins.size()) ? script.origins[size_t(line - 1)] : "";
    if (origin == "--padstack" || origin == "--pin1-padstack") {
        const std::string& name = origin == "--padstack" ? request.padstack : request.pin1Padstack;
        return origin + ": the dialog offers no padstack named " + name +
               " (it lists the design's usable padstacks and those of the PADSTACK_LIB libraries)";
    }
    if (driver.FailureKind() == HeadlessDriver::Failure::Unreachable)
        return origin + " does not apply to the " + request.styleName + " style as set";
    return (origin.empty() ? "" : origin + ": ") + driver.Error();
}

// The option whose action the dialog answered with a message: the driver stops there, so it is
// the last action it took. Empty for the closing OK.
std::string BoxOrigin(const GenerateScript& script, const HeadlessDriver& driver) {
    const int taken = int(script.actions.size()) - driver.ActionsLeft();
    if (taken < 1) return "";
    const int line = script.actions[size_t(taken - 1)].line;
    return line >= 1 && line <= int(script.origins.size()) ? script.origins[size_t(line - 1)] : "";
}

std::string BoxesSaid() {
    std::string said;
    for (const ShownMessageBox& box : ShownMessageBoxes()) said += (said.empty() ? "" : ", then ") + ("\"" + box.Text + "\"");
    return said;
}

// Whether the run stored the footprint; the refusal says why not.
Status Stored(DialogSession& session, const GenerateRequest& request, const GenerateScript& script,
              const HeadlessDriver& driver, int32_t result) {
    if (driver.Failed()) return Failure{DriverRefusal(request, script, driver)};
    if (Status written = session.AllWritten(); !written.ok())
        return Failure{"the footprint was NOT stored: " + written.error()};
    if (result == 1 && session.Holds(request.footprint)) return {};
    const std::string said = BoxesSaid();
    if (said.empty()) return Failure{"the dialog did not end with OK"};
    const std::string origin = BoxOrigin(script, driver);
    return Failure{(origin.empty() ? "" : origin + ": ") + "the dialog says " + said};
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
    if (std::string said = BoxesSaid(); !said.empty())
        std::fprintf(stderr, "orvex: %s: the dialog warns %s; the footprint goes on\n", label.c_str(), said.c_str());
    return {};
}

Status Generate(const std::string& file, const std::string& hostFolder, const std::vector<GenerateRequest>& requests) {
    TRY_ASSIGN(session, DialogSession::Open(file, hostFolder, kDefaultScreenWidth, kDefaultScreenHeight));
    for (const GenerateRequest& request : requests) TRY(GenerateOne(*session, request));
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
    return Finish(Generate(design.value(), context.host.path(), requests));
}
