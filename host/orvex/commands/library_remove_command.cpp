// "orvex library remove": a padstack library out of the PADSTACK_LIB list of ORVEX.INI, whatever
// name the list gives it.
#include <strings.h>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/hosting/library_list.h"
#include "host/orvex/requests/library_request.h"

namespace {

Status RemoveLibrary(const LibraryRequest& request, const std::string& ini) {
    const LibraryList list(ini);
    TRY_ASSIGN(old, list.Read());
    LibraryList::Lines kept;
    for (const auto& line : old)
        if (strcasecmp(ListedPath(line.second).c_str(), request.path.c_str()) != 0) kept.push_back(line);
    if (kept.size() == old.size())
        return Failure{request.path + " is not in the padstack library list of " + ini};
    return list.Write(kept);
}

}  // namespace

int RunLibraryRemove(const Command&, const CommandContext& context) {
    if (Status settings = context.host.SettingsWritable(); !settings.ok()) return Refuse(settings.error());
    return Finish(RemoveLibrary(LibraryRequestOf(context.args), context.host.iniPath()));
}
