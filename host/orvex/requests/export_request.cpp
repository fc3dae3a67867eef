// Reading an export from the command line; see export_request.h.
#include "host/orvex/requests/export_request.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

ArgRules ExportArgRules() { return {{"--kicad", "--body"}, {"--force"}, {}, 1, 2, {"--kicad"}}; }

Result<ExportRequest> ExportRequestOf(const ArgList& a) {
    const auto out = a.Value("--kicad");
    if (!out) return Failure{"export needs --kicad OUT"};
    ExportRequest r{a.positional()[0], *out, std::nullopt, std::nullopt, a.Has("--force")};
    if (a.positional().size() == 2) r.footprint = a.positional()[1];
    if (auto text = a.Value("--body")) {
        if (!r.footprint) return Failure{"--body is the body of one footprint; name the footprint"};
        TRY_ASSIGN(body, ParseBody(*text));
        r.body = body;
    }
    if (!r.footprint && !EndsWith(r.out, KicadLibrarySuffix))
        return Failure{"a KiCad library is a folder whose name ends in " + std::string(KicadLibrarySuffix) + ", not " +
                       r.out};
    return r;
}
