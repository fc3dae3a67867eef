// "orvex export": one footprint into a KiCad footprint file, or every footprint into a KiCad
// library folder. Every file is looked at before the first is written, so a refusal writes none.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/commands/open_to_read.h"
#include "host/orvex/export/export_target.h"
#include "host/orvex/export/kicad_footprint.h"
#include "host/orvex/requests/export_request.h"
#include "host/orvex/text/latin1.h"
#include "host/zelmdb/design_store.h"
#include "platform/win/whole_file.h"

namespace {

// A footprint's name is its file's name in a library folder, so it must be one.
bool FileNameable(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

using Files = std::vector<std::pair<std::string, std::string>>;   // path, text

Result<Files> LibraryFiles(zelmdb::DesignStore& store, const std::string& folder) {
    Files files;
    std::set<std::string> names;
    for (const zelmdb::Symbol& s : store.Symbols()) {
        const std::string name = store.NameText(s.nameId).value_or("");
        if (!names.insert(name).second) continue;
        // The name is the design's 8-bit text; the file's name is UTF-8, as the file is.
        const std::string shown = Utf8FromLatin1(name);
        if (!FileNameable(name)) return Failure{"the footprint name '" + shown + "' cannot be a file name"};
        auto text = KicadFootprintText(store, name);
        if (!text.ok()) return Failure{shown + ": " + text.error()};
        files.emplace_back(folder + "/" + shown + KicadFootprintSuffix, text.value());
    }
    if (files.empty()) return Failure{"the design holds no footprint"};
    return files;
}

Result<Files> FilesOf(zelmdb::DesignStore& store, const ExportRequest& r) {
    if (!r.footprint) return LibraryFiles(store, r.out);
    TRY_ASSIGN(text, KicadFootprintText(store, *r.footprint, r.body, r.model));
    return Files{{r.out, text}};
}

Status MakeFolder(const std::string& folder) {
    struct stat st;
    if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? Status() : Failure{folder + " is not a folder"};
    if (::mkdir(folder.c_str(), 0777) != 0) return Failure{"cannot make " + folder + ": " + std::strerror(errno)};
    return {};
}

// Nothing is written when any file may not be.
Status Writable(const ExportRequest& r, const Files& files) {
    for (const auto& [path, text] : files) TRY(ExportTarget(path, r.force));
    if (!r.footprint) TRY(MakeFolder(r.out));
    return {};
}

Status Export(const ExportRequest& r) {
    TRY_ASSIGN(store, OpenToRead(r.design));
    auto files = FilesOf(*store, r);
    if (!files.ok()) return Failure{r.design + ": " + files.error() + "; nothing was written"};
    if (Status writable = Writable(r, files.value()); !writable.ok())
        return Failure{writable.error() + "; nothing was written"};
    for (const auto& [path, text] : files.value()) {
        if (const int error = ReplaceWholeFile(path, text))
            return Failure{"cannot write " + path + ": " + std::strerror(error)};
    }
    const size_t n = files.value().size();
    if (r.footprint) {
        std::printf("%s: footprint %s written to %s\n", r.design.c_str(), Utf8FromLatin1(*r.footprint).c_str(),
                    r.out.c_str());
    } else {
        std::printf("%s: %zu footprint%s written to %s\n", r.design.c_str(), n, n == 1 ? "" : "s", r.out.c_str());
    }
    return {};
}

}  // namespace

int RunExport(const Command& self, const CommandContext& context) {
    auto request = ExportRequestOf(context.args);
    if (!request.ok()) return self.RefuseUsage(request.error());
    return Finish(Export(request.value()));
}
