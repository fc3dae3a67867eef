// "orvex run": hands the design to the plug-in's dialog. This build has no plug-in and no
// application framework yet, so the command says so instead of pretending to run.
#include <string>

#include "host/orvex/arg_list.h"
#include "host/orvex/command_table.h"
#include "host/zelmdb/host_environment.h"

namespace {
constexpr const char* PluginModule = "tessra.dll";
}

int RunRun(CommandContext& context) {
    auto args = ArgList::Parse(context.words, {"--script", "--screen"}, {});
    if (!args.ok() || args.value().positional().size() != 2) {
        return Refuse((args.ok() ? std::string() : args.error() + "\n") + "usage: orvex " +
                          Commands()[6].usage,
                      ExitUsage);
    }
    if (!zelmdb::HostEnvironment::Get().FindFile(PluginModule)) {
        return Refuse(std::string(PluginModule) + " was not found in " + context.host.path() +
                      "; run is not available in this build");
    }
    return Refuse(std::string("run is not available in this build: it has no application framework "
                              "to host ") + PluginModule);
}
