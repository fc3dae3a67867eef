// "orvex export": one footprint of a design as a KiCad footprint file, or every footprint into
// a KiCad library folder.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/orvex/text/arg_list.h"
#include "host/orvex/commands/command_table.h"
#include "host/orvex/export/export_target.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/export/kicad_footprint.h"
#include "host/zelmdb/design_store.h"
#include "platform/win/whole_file.h"

namespace {

constexpr const char* LibrarySuffix = ".pretty";
constexpr const char* FootprintSuffix = ".kicad_mod";

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A footprint's name is its file's name in a library folder, so it must be one.
bool FileNameable(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

using Files = std::vector<std::pair<std::string, std::string>>;   // path, text

Result<Files> LibraryFiles(zelmdb::DesignStore& store, const std::string& folder) {
    using R = Result<Files>;
    Files files;
    std::set<std::string> names;
    for (const zelmdb::Symbol& s : store.Symbols()) {
        const std::string name = store.NameText(s.nameId).value_or("");
        if (!names.insert(name).second) continue;
        if (!FileNameable(name)) return R::Fail("the footprint name '" + name + "' cannot be a file name");
        auto text = KicadFootprintText(store, name);
        if (!text.ok()) return R::Fail(name + ": " + text.error());
        files.emplace_back(folder + "/" + name + FootprintSuffix, text.value());
    }
    if (files.empty()) return R::Fail("the design holds no footprint");
    return files;
}

std::string MakeFolder(const std::string& folder) {
    struct stat st;
    if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? "" : folder + " is not a folder";
    if (::mkdir(folder.c_str(), 0777) != 0) return "cannot make " + folder + ": " + std::strerror(errno);
    return "";
}

// What the command line asks for: one footprint into a file, or every one into a library.
struct ExportRequest {
    std::string design, out;
    std::optional<std::string> footprint;   // none: the whole design
    std::optional<BodySize> body;
    bool force = false;   // replace files that no export of ours wrote
};

Result<ExportRequest> RequestOf(const ArgList& a) {
    using R = Result<ExportRequest>;
    ExportRequest r{a.positional()[0], *a.Value("--kicad"), std::nullopt, std::nullopt, a.Has("--force")};
    if (a.positional().size() == 2) r.footprint = a.positional()[1];
    if (auto text = a.Value("--body")) {
        if (!r.footprint) return R::Fail("--body is the body of one footprint; name the footprint");
        auto parsed = ParseBody(*text);
        if (!parsed.ok()) return R::Fail(parsed.error());
        r.body = parsed.value();
    }
    if (!r.footprint && !EndsWith(r.out, LibrarySuffix))
        return R::Fail("a KiCad library is a folder whose name ends in " + std::string(LibrarySuffix) + ", not " + r.out);
    return r;
}

Result<Files> FilesOf(zelmdb::DesignStore& store, const ExportRequest& r) {
    if (!r.footprint) return LibraryFiles(store, r.out);
    auto text = KicadFootprintText(store, *r.footprint, r.body);
    if (!text.ok()) return Result<Files>::Fail(text.error());
    return Files{{r.out, text.value()}};
}

}  // namespace

int RunExport(CommandContext& context) {
    auto args = ArgList::Parse(context.words, {"--kicad", "--body"}, {"--force"});
    const size_t words = args.ok() ? args.value().positional().size() : 0;
    if (!args.ok() || words < 1 || words > 2 || !args.value().Value("--kicad")) {
        return Refuse((args.ok() ? std::string() : args.error() + "\n") + CommandUsage("export"), ExitUsage);
    }
    auto request = RequestOf(args.value());
    if (!request.ok()) return Refuse(request.error(), ExitUsage);
    const ExportRequest& r = request.value();
    auto opened = zelmdb::DesignStore::Open(r.design, zelmdb::DesignStore::Access::ReadOnly,
                                            zelmdb::DesignStore::Sharing::Shared);
    if (!opened.ok()) return Refuse(opened.error());
    auto files = FilesOf(*opened.value(), r);
    if (!files.ok()) return Refuse(r.design + ": " + files.error() + "; nothing was written");
    // Every file is looked at before the first is written, so a refusal writes none.
    for (const auto& [path, text] : files.value())
        if (std::string why = ExportTargetRefusal(path, r.force); !why.empty())
            return Refuse(why + "; nothing was written");
    if (!r.footprint)
        if (std::string why = MakeFolder(r.out); !why.empty()) return Refuse(why + "; nothing was written");
    for (const auto& [path, text] : files.value()) {
        if (const int error = ReplaceWholeFile(path, text))
            return Refuse("cannot write " + path + ": " + std::strerror(error));
    }
    const size_t n = files.value().size();
    if (r.footprint) {
        std::printf("%s: footprint %s written to %s\n", r.design.c_str(), r.footprint->c_str(), r.out.c_str());
    } else {
        std::printf("%s: %zu footprint%s written to %s\n", r.design.c_str(), n, n == 1 ? "" : "s", r.out.c_str());
    }
    return ExitOk;
}
