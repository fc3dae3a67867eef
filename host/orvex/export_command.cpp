// "orvex export": one footprint of a design written as a KiCad footprint file.
#include <cstdio>
#include <cstring>
#include <string>

#include "host/orvex/arg_list.h"
#include "host/orvex/command_table.h"
#include "host/orvex/export_target.h"
#include "host/orvex/kicad_footprint.h"
#include "host/zelmdb/design_store.h"
#include "platform/win/whole_file.h"

namespace {

const char* ExportUsage() {
    for (const auto& c : Commands()) {
        if (std::strcmp(c.name, "export") == 0) return c.usage;
    }
    return "export";
}

}  // namespace

int RunExport(CommandContext& context) {
    auto args = ArgList::Parse(context.words, {"--kicad"}, {"--force"});
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
    if (std::string why = ExportTargetRefusal(out, a.Has("--force")); !why.empty())
        return Refuse(why + "; nothing was written");
    if (const int error = ReplaceWholeFile(out, text.value()))
        return Refuse("cannot write " + out + ": " + std::strerror(error));
    std::printf("%s: footprint %s written to %s\n", file.c_str(), footprint.c_str(), out.c_str());
    return ExitOk;
}
