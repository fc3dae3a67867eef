// "orvex export": one footprint of a design written as a KiCad footprint file.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "host/orvex/arg_list.h"
#include "host/orvex/command_table.h"
#include "host/orvex/kicad_footprint.h"
#include "host/zelmdb/design_store.h"

namespace {

const char* ExportUsage() {
    for (const auto& c : Commands()) {
        if (std::strcmp(c.name, "export") == 0) return c.usage;
    }
    return "export";
}

// The text goes to a file beside the target and takes its name only when all of it is written,
// so a failed export never leaves half a footprint where the old file was.
bool WriteWhole(const std::string& path, const std::string& text, std::string& why) {
    const std::string part = path + ".part";
    std::FILE* f = std::fopen(part.c_str(), "wb");
    if (f == nullptr) {
        why = std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fflush(f) == 0 && ok;
    if (!ok) why = std::strerror(errno);
    ok = std::fclose(f) == 0 && ok;
    if (ok && std::rename(part.c_str(), path.c_str()) != 0) {
        why = std::strerror(errno);
        ok = false;
    }
    if (!ok) std::remove(part.c_str());
    if (!ok && why.empty()) why = "the file could not be written";
    return ok;
}

}  // namespace

int RunExport(CommandContext& context) {
    auto args = ArgList::Parse(context.words, {"--kicad"}, {});
    if (!args.ok() || args.value().positional().size() != 2 || !args.value().Value("--kicad")) {
        return Refuse((args.ok() ? std::string() : args.error() + "\n") + "usage: orvex " + ExportUsage(),
                      ExitUsage);
    }
    const ArgList& a = args.value();
    const std::string& file = a.positional()[0];
    const std::string& footprint = a.positional()[1];
    const std::string out = *a.Value("--kicad");
    auto opened = zelmdb::DesignStore::Open(file, zelmdb::DesignStore::Access::ReadOnly,
                                            zelmdb::DesignStore::Sharing::Shared);
    if (!opened.ok()) return Refuse(opened.error());
    auto text = KicadFootprintText(*opened.value(), footprint);
    if (!text.ok()) return Refuse(file + ": " + text.error() + "; nothing was written");
    std::string why;
    if (!WriteWhole(out, text.value(), why)) return Refuse("cannot write " + out + ": " + why);
    std::printf("%s: footprint %s written to %s\n", file.c_str(), footprint.c_str(), out.c_str());
    return ExitOk;
}
