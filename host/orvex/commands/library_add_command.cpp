// "orvex library add": a padstack library at the head of the PADSTACK_LIB list of ORVEX.INI, as the
// Select Padstack dialog adds it.
#include <strings.h>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/hosting/library_list.h"
#include "host/orvex/requests/library_request.h"
#include "host/zelmdb/design_store.h"

namespace {

Status AddLibrary(const LibraryRequest& request, const std::string& ini) {
    // Only a real library goes into the list: the dialog would otherwise pass it over silently.
    TRY(zelmdb::DesignStore::Open(request.path, zelmdb::DesignStore::Access::ReadOnly,
                                  zelmdb::DesignStore::Sharing::Shared, zelmdb::FileKind::Library));
    if (Status fits = FitsIniLine(request); !fits.ok())
        return Failure{ini + " cannot list " + request.path + ": " + fits.error()};
    const LibraryList list(ini);
    TRY_ASSIGN(old, list.Read());
    LibraryList::Lines lines{{request.key, request.path}};
    for (const auto& line : old) {
        const bool same = strcasecmp(line.first.c_str(), request.key.c_str()) == 0 &&
                          strcasecmp(line.second.c_str(), request.path.c_str()) == 0;
        if (!same) lines.push_back(line);
    }
    return list.Write(lines);
}

}  // namespace

int RunLibraryAdd(const Command&, const CommandContext& context) {
    return Finish(AddLibrary(LibraryRequestOf(context.args), context.host.iniPath()));
}
